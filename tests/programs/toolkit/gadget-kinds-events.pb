; Each simple kind of gadget is placed with its own offsets in the right parent, and real
; input gives its events: focus, click, change and lost focus; gadget 9 comes before any window
StringGadget(9, 600, 5, 50, 20, "early")
CreateImage(1, 8, 8, 24, RGB(255, 0, 0))
OpenWindow(0, 0, 0, 500, 400, "Gadgets")
StringGadget(1, 10, 10, 120, 26, "abc")
ButtonGadget(2, 10, 50, 120, 26, "Go")
TextGadget(3, 10, 90, 120, 20, "Label")
ProgressBarGadget(4, 10, 130, 120, 20, 0, 100)
ImageGadget(5, 200, 10, 40, 40, ImageID(1))
WebGadget(6, 200, 60, 120, 60, "frame.html")
TrackBarGadget(7, 10, 170, 120, 26, 0, 10)
HyperLinkGadget(8, 10, 210, 120, 26, "#here", 0)
Repeat
  If WaitWindowEvent() = #PB_Event_Gadget
    Debug Str(EventWindow()) + "," + Str(EventGadget()) + "," + Str(EventType())
  EndIf
ForEver
; mouse:
; click 1 60 10
; key 1 x
; key 1 y
; key 1 Tab
; click 2 5 5
; click 3 5 5
; dblclick 3 5 5
; click 4 5 5
; click 5 5 5
; click 7 57 10
; key 7 ArrowRight
; click 8 5 5
; click 9 5 5
; do:
; see 1 .value abcxy
; see 1 .parentNode.id window0_content
; see 9 .parentNode.id winout
; see 1 left 10px
; see 1 top 10px
; see 1 width 114px
; see 1 height 20px
; see 2 top 50px
; see 2 width 120px
; see 2 height 26px
; see 3 top 77px
; see 3 width 120px
; see 4 top 127px
; see 4 .high 0
; see 5 left 200px
; see 5 width 8px
; see 6 @src frame.html
; see 6 width 120px
; see 6 height 60px
; see 7 top 170px
; see 7 width 114px
; see 7 height 20px
; see 8 top 210px
; see 8 width 114px
; see 8 @target _blank
; expect:
; 0,1,3
; 0,1,1
; 0,1,5
; 0,1,4
; 0,2,1
; 0,3,1
; 0,3,1
; 0,3,2
; 0,4,1
; 0,5,1
; 0,7,3
; 0,7,5
; 0,7,1
; 0,7,5
; 0,7,4
; 0,8,3
; 0,8,1
; 0,8,4
; -1,9,3
; -1,9,1
