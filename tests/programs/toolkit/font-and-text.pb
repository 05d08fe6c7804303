; A font from LoadFont shows on the gadget it is set on, and a text gadget shows each line of
; its text on a line of its own
LoadFont(1, "Courier New", 15, #PB_Font_Bold | #PB_Font_Italic)
OpenWindow(0, 10, 10, 300, 200, "Fonts")
TextGadget(1, 10, 10, 200, 70, "one" + #LF$ + "two" + Chr(10) + "three")
ButtonGadget(2, 10, 90, 120, 30, "Bold")
SetGadgetFont(2, FontID(1))
; do:
; see 1 text one\ntwo\nthree
; see 2 font-family "Courier New", sans-serif
; see 2 font-size 20px
; see 2 font-weight 700
; see 2 font-style italic
