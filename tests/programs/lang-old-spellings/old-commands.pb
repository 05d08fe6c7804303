; Spellings of earlier versions run as their newer forms
OpenWindow(0, 0, 0, 200, 120, "old")
CreateGadgetList(WindowID(0))
Frame3DGadget(1, 5, 5, 150, 80, "Frame")
NewList items.s()
AddElement(items()) : AddElement(items())
Debug CountList(items())
Debug GetGadgetText(1)
Debug Str(#Yellow) + " " + Str(#Cyan) + " " + Str(#Magenta) + " " + Str(#Gray) + " " + Str(#Null)
Debug Str(#PB_Default) + " " + Str(#PB_Key_Minus) + " " + Str(#PB_Key_Equals) + " " + Str(#PB_Key_Pad5)
; expect:
; 2
; Frame
; 65535 16776960 16711935 8421504 0
; -1 189 187 101
