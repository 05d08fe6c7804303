; Items of combo boxes, list views, list icons and trees: adding at a position, removing,
; clearing, texts by column, item data and states, and what a click on an item reports
OpenWindow(0, 10, 10, 500, 300, "Lists")
ComboBoxGadget(1, 10, 10, 120, 24, #PB_ComboBox_Editable)
AddGadgetItem(1, -1, "red")
AddGadgetItem(1, -1, "blue")
SetGadgetState(1, 1)
Debug GetGadgetText(1) + " " + Str(GetGadgetState(1))
ListViewGadget(2, 10, 40, 120, 80)
Debug GetGadgetState(2)
AddGadgetItem(2, -1, "b")
AddGadgetItem(2, 0, "a")
AddGadgetItem(2, -1, "c")
SetGadgetItemData(2, 2, 42)
RemoveGadgetItem(2, 1)
Debug Str(CountGadgetItems(2)) + " " + GetGadgetItemText(2, 1) + " " + Str(GetGadgetItemData(2, 1))
SetGadgetItemText(2, 0, "first")
ListIconGadget(3, 150, 10, 300, 120, "Name", 100, #PB_ListIcon_CheckBoxes | #PB_ListIcon_FullRowSelect)
AddGadgetColumn(3, 1, "Age", 60)
AddGadgetItem(3, -1, "Ann" + #LF$ + "31")
AddGadgetItem(3, -1, "Bob" + #LF$ + "27")
SetGadgetItemText(3, 1, "28", 1)
Debug GetGadgetItemText(3, 1, 0) + " " + GetGadgetItemText(3, 1, 1) + " " + GetGadgetItemText(3, 1, 5) + "."
SetGadgetItemState(3, 0, #PB_ListIcon_Checked)
Debug Str(GetGadgetItemState(3, 0)) + " " + Str(GetGadgetState(3))
TreeGadget(4, 150, 140, 200, 120)
AddGadgetItem(4, -1, "Fruit", 0, 0)
AddGadgetItem(4, -1, "Apple", 0, 1)
AddGadgetItem(4, -1, "Pear", 0, 1)
ClearGadgetItems(1)
Debug CountGadgetItems(1)
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_Gadget
    g = EventGadget()
    Select EventType()
      Case #PB_EventType_LeftClick
        Debug "click " + Str(g) + " " + Str(GetGadgetState(g)) + " " + GetGadgetText(g)
      Case #PB_EventType_LeftDoubleClick
        Debug "double " + Str(g) + " " + Str(GetGadgetState(g))
      Case #PB_EventType_RightClick
        Debug "right " + Str(g) + " " + Str(GetGadgetState(g))
      Case #PB_EventType_Change
        Debug "change " + Str(g) + " " + Str(GetGadgetItemState(g, 1))
    EndSelect
  EndIf
ForEver
; do:
; choose c in 2
; click Bob
; click Pear
; double-click Apple
; right-click Fruit
; click 28
; expect:
; blue 1
; -1
; 2 c 42
; Bob 28 .
; 2 -1
; 0
; click 2 1 c
; click 3 1 Bob
; click 4 2 Pear
; click 4 1 Apple
; double 4 1
; right 4 0
; click 3 1 Bob
