; Every event type of a canvas gadget, with the attributes as they were at the event. Moves to
; where the mouse already was are left out: whether the browser reports them depends on timing.
OpenWindow(0, 0, 0, 300, 200, "Canvas")
CanvasGadget(1, 10, 10, 100, 80, #PB_Canvas_Keyboard)
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_Gadget And EventGadget() = 1
    at$ = " " + Str(GetGadgetAttribute(1, #PB_Canvas_MouseX)) + "," + Str(GetGadgetAttribute(1, #PB_Canvas_MouseY))
    buttons$ = " buttons " + Str(GetGadgetAttribute(1, #PB_Canvas_Buttons))
    Select EventType()
      Case #PB_EventType_MouseEnter
        Debug "enter"
      Case #PB_EventType_MouseLeave
        Debug "leave"
      Case #PB_EventType_MouseMove
        If at$ <> lastMove$
          Debug "move" + at$
        EndIf
        lastMove$ = at$
      Case #PB_EventType_LeftButtonDown
        Debug "left down" + at$ + buttons$
      Case #PB_EventType_LeftButtonUp
        Debug "left up" + at$ + buttons$
      Case #PB_EventType_LeftClick
        Debug "left click" + at$
      Case #PB_EventType_LeftDoubleClick
        Debug "double click" + at$
      Case #PB_EventType_RightButtonDown
        Debug "right down" + buttons$
      Case #PB_EventType_RightButtonUp
        Debug "right up"
      Case #PB_EventType_RightClick
        Debug "right click" + at$
      Case #PB_EventType_MouseWheel
        Debug "wheel " + Str(GetGadgetAttribute(1, #PB_Canvas_WheelDelta))
      Case #PB_EventType_KeyDown
        Debug "key down " + Str(GetGadgetAttribute(1, #PB_Canvas_Key)) + " modifiers " + Str(GetGadgetAttribute(1, #PB_Canvas_Modifiers))
      Case #PB_EventType_KeyUp
        Debug "key up " + Str(GetGadgetAttribute(1, #PB_Canvas_Key))
      Case #PB_EventType_Input
        Debug "input " + Str(GetGadgetAttribute(1, #PB_Canvas_Input))
    EndSelect
  EndIf
Until e = #PB_Event_CloseWindow
; mouse:
; move 1 5 5
; click 1 30 20
; dblclick 1 30 20
; click 1 40 25 right
; wheel 1 40 25 -100
; key 1 a
; move 1 150 20
; expect:
; enter
; move 5,5
; move 30,20
; left down 30,20 buttons 1
; left up 30,20 buttons 0
; left click 30,20
; left down 30,20 buttons 1
; left up 30,20 buttons 0
; left click 30,20
; left down 30,20 buttons 1
; left up 30,20 buttons 0
; left click 30,20
; double click 30,20
; move 40,25
; right down buttons 2
; right click 40,25
; right up
; wheel 1
; key down 65 modifiers 0
; input 97
; key up 65
; leave
