; An empty status bar field does not push the text of the other fields down: every field's
; top is the bar's
OpenWindow(0, 0, 0, 300, 150, "Status")
CreateStatusBar(0, WindowID(0))
AddStatusBarField(80)
AddStatusBarField(80)
AddStatusBarField(80)
StatusBarText(0, 0, "Ready")
StatusBarText(0, 2, "Line 1")
; do:
; see QLCXstatus0 .childNodes.0.offsetTop 180
; see QLCXstatus0 .childNodes.1.offsetTop 180
; see QLCXstatus0 .childNodes.2.offsetTop 180
