; A to-do tool: a module keeps the items, the window shows them; the main loop refreshes the
; list through Gosub and ends its Repeat with Goto when the window closes
DeclareModule Todo
  Structure Item
    text.s
    done.i
  EndStructure
  Global NewList items.Item()
  Declare Add(text$)
  Declare.i Open()
EndDeclareModule
Module Todo
  Procedure Add(text$)
    If Trim(text$) <> ""
      LastElement(items())
      AddElement(items())
      items()\text = Trim(text$)
    EndIf
  EndProcedure
  Procedure.i Open()
    Protected n
    ForEach items()
      If Not items()\done : n + 1 : EndIf
    Next
    ProcedureReturn n
  EndProcedure
EndModule

Enumeration
  #Entry
  #AddButton
  #List
  #DoneButton
  #Status
EndEnumeration

OpenWindow(0, 20, 20, 320, 240, "To do")
StringGadget(#Entry, 10, 10, 200, 24, "")
ButtonGadget(#AddButton, 220, 10, 90, 24, "Add")
ListViewGadget(#List, 10, 44, 300, 140)
ButtonGadget(#DoneButton, 10, 194, 90, 24, "Done")
TextGadget(#Status, 110, 198, 200, 20, "")
Todo::Add("buy tea")
Gosub Refresh

Repeat
  Select WaitWindowEvent()
    Case #PB_Event_CloseWindow
      Goto Finished
    Case #PB_Event_Gadget
      Select EventGadget()
        Case #AddButton
          Todo::Add(GetGadgetText(#Entry))
          SetGadgetText(#Entry, "")
          Gosub Refresh
        Case #DoneButton
          pick = GetGadgetState(#List)
          If pick >= 0
            SelectElement(Todo::items(), pick)
            Todo::items()\done = 1
            Gosub Refresh
          EndIf
      EndSelect
  EndSelect
ForEver

Refresh:
  ClearGadgetItems(#List)
  ForEach Todo::items()
    mark$ = "[ ] "
    If Todo::items()\done : mark$ = "[x] " : EndIf
    AddGadgetItem(#List, -1, mark$ + Todo::items()\text)
  Next
  SetGadgetText(#Status, Str(Todo::Open()) + " of " + Str(CountGadgetItems(#List)) + " open")
  Debug GetGadgetText(#Status)
  Return

Finished:
Debug "bye with " + Str(ListSize(Todo::items())) + " items"
; do:
; type  write letters  into 0
; click Add
; type post them into 0
; click Add
; click Add
; choose [ ] write letters in 2
; click Done
; click X
; expect:
; 1 of 1 open
; 2 of 2 open
; 3 of 3 open
; 3 of 3 open
; 2 of 3 open
; bye with 3 items
