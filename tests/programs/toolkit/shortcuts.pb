; Keyboard shortcuts with Escape, Return, Delete and F2, alone and with Shift or Alt, give the
; menu events they were added with
OpenWindow(0, 10, 10, 300, 100, "Keys")
AddKeyboardShortcut(0, #PB_Shortcut_Escape, 1)
AddKeyboardShortcut(0, #PB_Shortcut_Return, 2)
AddKeyboardShortcut(0, #PB_Shortcut_Delete, 3)
AddKeyboardShortcut(0, #PB_Shortcut_Shift | #PB_Shortcut_F2, 7)
AddKeyboardShortcut(0, #PB_Shortcut_Alt | #PB_Shortcut_X, 8)
AddKeyboardShortcut(0, #PB_Shortcut_F2, 9)
Repeat
  If WaitWindowEvent() = #PB_Event_Menu
    Debug EventMenu()
  EndIf
ForEver
; do:
; key Escape
; key Enter
; key Delete
; key F2
; key Shift+F2
; key Alt+x
; key x
; expect:
; 1
; 2
; 3
; 9
; 7
; 8
