; An old-style window program: its event loop hands each button to a subroutine with Gosub,
; and a Goto leaves the loop for the end
OpenWindow(0, 0, 0, 240, 120, "Counter")
ButtonGadget(1, 10, 10, 100, 24, "Add")
ButtonGadget(2, 10, 40, 100, 24, "Quit")
Repeat
  event = WaitWindowEvent()
  If event = #PB_Event_Gadget
    Select EventGadget()
      Case 1
        Gosub add
      Case 2
        Goto finished
    EndSelect
  EndIf
ForEver
finished:
Debug "total " + Str(total)
End
add:
total + 1
Debug "added " + Str(total)
Return
; do:
; click Add
; click Add
; click Quit
; expect:
; added 1
; added 2
; total 2
