; A window of the common gadgets, a menu and a timer, worked by clicks and choices.
; Window 0; gadgets 1 check, 2 and 3 options, 4 combo, 5 list, 6 spin, 7 editor, 8 button;
; menu item 9, timer 10.
OpenWindow(0, 10, 10, 420, 300, "Order", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
CreateMenu(0, WindowID(0))
MenuTitle("File")
MenuItem(9, "Quit")
CheckBoxGadget(1, 10, 10, 120, 20, "With milk")
OptionGadget(2, 10, 40, 80, 20, "Tea")
OptionGadget(3, 100, 40, 80, 20, "Coffee")
ComboBoxGadget(4, 10, 70, 150, 24)
AddGadgetItem(4, -1, "Small")
AddGadgetItem(4, -1, "Large")
ListViewGadget(5, 180, 10, 150, 80)
AddGadgetItem(5, -1, "Ann")
AddGadgetItem(5, -1, "Bob")
AddGadgetItem(5, 0, "Cid")
SpinGadget(6, 10, 110, 80, 24, 1, 9)
SetGadgetState(6, 2)
EditorGadget(7, 180, 110, 200, 60)
AddGadgetItem(7, -1, "first line")
AddGadgetItem(7, -1, "second line")
ButtonGadget(8, 10, 200, 100, 26, "Done")
Debug CountGadgetItems(5)
Debug GetGadgetItemText(5, 0)
Debug CountGadgetItems(7)
AddWindowTimer(0, 10, 100)
ticks = 0
Repeat
  e = WaitWindowEvent()
  Select e
    Case #PB_Event_Timer
      If EventTimer() = 10 And ticks = 0
        ticks = 1
        Debug "tick"
      EndIf
    Case #PB_Event_Gadget
      Select EventGadget()
        Case 1
          Debug "milk " + Str(GetGadgetState(1))
        Case 3
          Debug "coffee " + Str(GetGadgetState(3)) + Str(GetGadgetState(2))
        Case 4
          Debug "size " + GetGadgetText(4) + " " + Str(GetGadgetState(4))
        Case 5
          Debug "name " + GetGadgetText(5) + " " + Str(GetGadgetState(5))
        Case 8
          Debug "cups " + Str(GetGadgetState(6))
          Debug ReplaceString(GetGadgetText(7), #LF$, "|")
      EndSelect
    Case #PB_Event_Menu
      If EventMenu() = 9
        Debug "quit"
        Break
      EndIf
  EndSelect
ForEver
Debug "after"
; do:
; wait 300
; click With milk
; click Coffee
; choose Large
; choose Bob
; click Done
; click File
; click Quit
; expect:
; 3
; Cid
; 2
; tick
; milk 1
; coffee 10
; size Large 1
; name Bob 2
; cups 2
; first line|second line
; quit
; after
