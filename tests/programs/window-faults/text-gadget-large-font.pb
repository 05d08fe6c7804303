; A text gadget keeps its place whatever its font: with a 30-point font it starts at the y it
; was given, as one with the window's own font does, and stays clear of the button below
LoadFont(1, "Arial", 30)
OpenWindow(0, 0, 0, 300, 200, "Fonts")
TextGadget(1, 10, 10, 280, 50, "Big")
SetGadgetFont(1, FontID(1))
TextGadget(2, 10, 80, 280, 20, "Small")
ButtonGadget(3, 10, 110, 100, 24, "Below")
; do:
; see 1 .offsetTop 9
; see 2 .offsetTop 79
; see 1 font-size 40px
