; OpenWindow adds the frame to the size asked for and fills in defaults; the window commands
; change only what they are given, raise windows, choose the gadget list, and close
OpenWindow(1, 150, 20, 200, 100, "First")
OpenWindow(0, 0, 0, 0, 0, "")
Debug Str(IsWindow(0)) + Str(IsWindow(1)) + Str(IsWindow(2))
Debug ResizeWindow(1, 0, 50, -1, 200)
Debug ResizeWindow(7, 5, 5, 5, 5)
SetWindowTitle(1, "Renamed")
SetWindowColor(1, RGB(0, 128, 255))
SetActiveWindow(0)
SetActiveWindow(0)
SetActiveWindow(1)
ButtonGadget(20, 5, 5, 50, 20, "B")
UseGadgetList(1)
ButtonGadget(21, 5, 5, 50, 20, "C")
OpenWindow(2, 400, 20, 100, 50, "Gone")
Debug CloseWindow(2)
Debug Str(IsWindow(0)) + Str(IsWindow(1)) + Str(IsWindow(2))
Debug CloseWindow(2)
; do:
; see window1 left 150px
; see window1 top 50px
; see window1 width 213px
; see window1 height 189px
; see window0 width 113px
; see window0 height 49px
; see window0_title text 
; see window1_title text Renamed
; see window1 .parentNode.id winout
; see window1_content background-color rgb(0, 128, 255)
; see window0 z-index 1000
; see window1 z-index 1001
; see 20 .parentNode.id window0_content
; see 21 .parentNode.id window1_content
; see window2 missing
; expect:
; 110
; 1
; 0
; 1
; 110
; 0
