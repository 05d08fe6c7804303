; Text and state of each simple kind of gadget, read and written, a missing gadget, and
; ResizeGadget, which keeps the offsets of string and text gadgets only and leaves a value
; of 0 or -1 alone
Procedure ShowAll()
  Protected t$, texts$, states$
  For id = 1 To 10
    t$ = GetGadgetText(id)
    If Left(t$, 5) = "file:"
      t$ = "file:" + StringField(t$, CountString(t$, "/") + 1, "/")
      If FindString(t$, "#")
        t$ = "file:#" + StringField(t$, 2, "#")
      EndIf
    EndIf
    texts$ + t$ + "|"
    states$ + Str(GetGadgetState(id)) + " "
  Next
  Debug texts$ + " " + Trim(states$)
EndProcedure
CreateImage(1, 8, 8)
CreateImage(2, 6, 6)
StringGadget(9, 600, 5, 50, 20, "early")
OpenWindow(0, 0, 0, 500, 400, "Gadgets")
StringGadget(1, 10, 10, 120, 26, "abc")
ButtonGadget(2, 10, 50, 120, 26, "Go")
TextGadget(3, 10, 90, 120, 20, "Label")
ProgressBarGadget(4, 10, 130, 120, 20, 0, 100)
ImageGadget(5, 200, 10, 40, 40, ImageID(1))
WebGadget(6, 200, 60, 120, 60, "frame.html")
TrackBarGadget(7, 10, 170, 120, 26, 0, 10)
HyperLinkGadget(8, 10, 210, 120, 26, "#here", 0)
TextGadget(10, 260, 250, 80, 20)
ShowAll()
Debug "[" + GetGadgetText(99) + "] " + Str(GetGadgetState(99))
SetGadgetText(1, "typed")
SetGadgetText(2, "Stop")
SetGadgetText(3, "Hello")
SetGadgetText(6, "frame2.html")
SetGadgetText(7, "3")
SetGadgetText(8, "https://example.org/a")
SetGadgetText(99, "nothing")
ShowAll()
SetGadgetState(1, 12)
SetGadgetState(4, 40)
SetGadgetState(5, ImageID(2))
SetGadgetState(7, 6)
SetGadgetState(3, 8)
For id = 1 To 9
  states$ + Str(GetGadgetState(id)) + " "
Next
Debug Trim(states$)
Select GetGadgetState(4)
  Case 40
    Debug "a number"
EndSelect
For id = 1 To 8
  ResizeGadget(id, 20, 40, 100, 30)
Next
ResizeGadget(1, 0, -1, 60, 0)
ResizeGadget(3, 0, -1, 60, 0)
ResizeGadget(4, 0, -1, 60, 0)
; do:
; see 8 text https://example.org/a
; see 8 @href https://example.org/a
; see 3 text Hello
; see 5 .naturalWidth 6
; see 5 width 100px
; see 1 left 20px
; see 1 top 40px
; see 1 width 54px
; see 1 height 24px
; see 3 top 27px
; see 3 width 60px
; see 3 height 30px
; see 4 top 40px
; see 4 width 60px
; see 4 height 30px
; see 2 left 20px
; see 2 top 40px
; see 2 width 100px
; see 2 height 30px
; see 7 top 40px
; see 7 width 100px
; see 8 top 40px
; see 8 height 30px
; expect:
; abc|Go|Label|0||file:frame.html|0|file:#here|early|| 0 0 0 0 1 0 0 0 0 0
; [] 0
; typed|Stop|Hello|0||file:frame2.html|3|https://example.org/a|early|| 0 0 0 0 1 0 3 0 0 0
; 12 0 8 40 2 0 6 0 0
; a number
