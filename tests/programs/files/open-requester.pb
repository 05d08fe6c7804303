; A file chosen on the user's disk is read through the file commands
OpenWindow(0, 0, 0, 200, 100, "open")
ButtonGadget(1, 10, 10, 100, 30, "Open")
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_Gadget And EventGadget() = 1
    f$ = OpenFileRequester("Open", "", "Text|*.txt", 0)
    If f$
      Debug f$
      If ReadFile(0, f$)
        Debug ReadString(0) + ReadString(0)
        CloseFile(0)
      EndIf
    Else
      Debug "asked"
    EndIf
  EndIf
Until e = #PB_Event_CloseWindow
; do:
; pick files/data/numbers.txt
; click Open
; expect:
; asked
; /numbers.txt
; 314
