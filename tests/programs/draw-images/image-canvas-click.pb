; An image plotted and boxed into, read back with Point and shown in an image gadget; a canvas
; drawn on in outlined mode; a click on the canvas reported with its mouse x
CreateImage(0, 40, 30, 24, RGB(255, 255, 255))
If StartDrawing(ImageOutput(0))
  Plot(1, 2, RGB(255, 0, 0))
  Box(5, 5, 10, 10, RGB(0, 0, 255))
  Debug Point(1, 2)
  Debug Point(5, 5)
  Debug Point(14, 14)
  Debug Point(15, 15)
  Debug Point(4, 5)
  StopDrawing()
EndIf
OpenWindow(0, 0, 0, 300, 200, "Drawing")
CanvasGadget(1, 10, 10, 100, 80)
ImageGadget(2, 150, 10, 40, 30, ImageID(0))
StartDrawing(CanvasOutput(1))
DrawingMode(#PB_2DDrawing_Outlined)
Box(10, 10, 20, 20, RGB(0, 128, 0))
Debug Point(10, 10)
Debug Point(29, 29)
Debug Point(20, 20)
StopDrawing()
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_Gadget And EventGadget() = 1 And EventType() = #PB_EventType_LeftClick
    Debug "click at " + Str(GetGadgetAttribute(1, #PB_Canvas_MouseX))
  EndIf
Until e = #PB_Event_CloseWindow
; mouse:
; click 1 42 17
; expect:
; 255
; 16711680
; 16711680
; 16777215
; 16777215
; 32768
; 32768
; 16777215
; click at 42
