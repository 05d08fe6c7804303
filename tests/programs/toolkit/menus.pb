; Menus: titles, items with shortcut texts, bars, a sub-menu, check marks, a disabled item, a
; pop-up menu and keyboard shortcuts, all giving menu events
OpenWindow(0, 10, 10, 400, 200, "Menus")
CreateMenu(0, WindowID(0))
MenuTitle("File")
MenuItem(1, "Open" + #TAB$ + "Ctrl+O")
MenuBar()
OpenSubMenu("Recent")
MenuItem(2, "notes.txt")
CloseSubMenu()
MenuItem(3, "Locked")
MenuTitle("View")
MenuItem(4, "Grid")
SetMenuItemState(0, 4, 1)
DisableMenuItem(0, 3, 1)
Debug GetMenuItemState(0, 4)
CreatePopupMenu(1)
MenuItem(5, "Copy")
AddKeyboardShortcut(0, #PB_Shortcut_Control | #PB_Shortcut_O, 1)
AddKeyboardShortcut(0, #PB_Shortcut_F5, 6)
ButtonGadget(10, 10, 10, 100, 24, "Pop")
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_Gadget
    DisplayPopupMenu(1, WindowID(0))
  ElseIf e = #PB_Event_Menu
    Debug "menu " + Str(EventMenu()) + " " + Str(EventWindow())
  EndIf
ForEver
; do:
; click File
; click Open
; click File
; click Recent
; click notes.txt
; click File
; click Locked
; click View
; click Grid
; click Pop
; click Copy
; key Control+O
; key F5
; expect:
; 1
; menu 1 0
; menu 2 0
; menu 4 0
; menu 5 0
; menu 1 0
; menu 6 0
