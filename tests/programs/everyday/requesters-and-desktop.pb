; ColorRequester and FontRequester ask in an input box; a cancelled or unreadable answer gives
; -1 and 0. The desktop is the screen the browser runs on; bars add MenuHeight and
; StatusBarHeight
Debug ColorRequester(RGB(255, 0, 16))
Debug ColorRequester()
Debug ColorRequester()
Debug FontRequester("Courier", 12, 0)
Debug SelectedFontName() + " " + Str(SelectedFontSize())
Debug FontRequester("Courier", 12, 0)
Debug Bool(ExamineDesktops() >= 1 And DesktopWidth(0) > 0 And DesktopHeight(0) > 0 And DesktopDepth(0) > 0)
OpenWindow(0, 0, 0, 200, 100, "Bars")
CreateMenu(0, WindowID(0))
CreateStatusBar(0, WindowID(0))
Debug Str(MenuHeight()) + " " + Str(StatusBarHeight(0)) + " " + Str(StatusBarHeight(1))
Debug Bool(ElapsedMilliseconds() >= 0)
; answer:
; #00ff80
; (cancel)
; green
; Times New Roman, 14
; (cancel)
; dialogs:
; Colour (#RRGGBB) [#ff0010]
; Colour (#RRGGBB) [#000000]
; Colour (#RRGGBB) [#000000]
; Font (name, size) [Courier, 12]
; Font (name, size) [Courier, 12]
; expect:
; 8453888
; -1
; -1
; 1
; Times New Roman 14
; 0
; 1
; 22 22 0
; 1
