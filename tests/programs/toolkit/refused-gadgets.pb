; Gadgets and bars the page does not have are reported by name with their line, not as
; misspelled functions; the rest of the window still works
OpenWindow(0, 0, 0, 200, 100, "Refused")
ButtonGadget(1, 10, 10, 80, 24, "Kept")
ScrollBarGadget(2, 10, 40, 100, 16, 0, 100, 10)
SplitterGadget(3, 0, 0, 200, 100, 1, 2)
OpenGLGadget(4, 0, 0, 10, 10)
WindowBounds(0, 100, 100, 400, 400)
Debug GetGadgetText(1)
; expect-log:
; line 5: not supported: ScrollBarGadget
; line 6: not supported: SplitterGadget
; line 7: not supported: OpenGLGadget
; line 8: not supported: WindowBounds
; expect:
; Kept
