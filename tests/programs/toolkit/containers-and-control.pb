; Frames, containers, panels with tabs, scroll areas and gadget control: what a gadget inside
; a closed tab does, enabling, hiding, data, colours, positions, flags and #PB_Any
OpenWindow(0, 10, 10, 460, 320, "Boxes")
FrameGadget(1, 10, 10, 200, 80, "Frame")
ContainerGadget(2, 220, 10, 200, 80, #PB_Container_Single)
ButtonGadget(3, 10, 10, 80, 24, "Inside")
CloseGadgetList()
PanelGadget(4, 10, 100, 300, 120)
AddGadgetItem(4, -1, "First")
CheckBoxGadget(5, 10, 10, 120, 20, "Maybe", #PB_CheckBox_ThreeState)
AddGadgetItem(4, -1, "Second")
ButtonGadget(6, 10, 10, 120, 24, "On two", #PB_Button_Toggle)
CloseGadgetList()
ScrollAreaGadget(7, 320, 100, 120, 100, 400, 300)
StringGadget(8, 10, 10, 100, 24, "secret", #PB_String_Password)
CloseGadgetList()
TextGadget(9, 10, 240, 200, 40, "one" + #LF$ + "two", #PB_Text_Center | #PB_Text_Border)
g = ButtonImageGadget(#PB_Any, 220, 240, 60, 30, 0)
SpinGadget(10, 300, 240, 80, 24, 0, 5, #PB_Spin_Numeric)
Debug Str(CountGadgetItems(4)) + " " + GetGadgetItemText(4, 1) + " " + GetGadgetText(1)
Debug Str(GadgetX(9)) + " " + Str(GadgetY(9)) + " " + Str(GadgetWidth(8)) + " " + Str(GadgetHeight(8))
If g <> 0 And IsGadget(g)
  Debug "picked"
EndIf
SetGadgetData(9, 77)
SetGadgetColor(9, #PB_Gadget_BackColor, RGB(255, 255, 0))
Debug Str(GetGadgetData(9)) + " " + Str(GetGadgetColor(9, #PB_Gadget_BackColor)) + " " + Str(GetGadgetColor(9, #PB_Gadget_FrontColor))
SetGadgetAttribute(10, #PB_Spin_Maximum, 9)
Debug GetGadgetAttribute(10, #PB_Spin_Maximum)
Debug ReplaceString(GetGadgetText(9), #LF$, "/") + " " + GetGadgetText(8)
FreeGadget(1)
Debug IsGadget(1)
DisableGadget(3, #True)
GadgetToolTip(3, "Not now")
SetActiveGadget(8)
Debug GetActiveGadget()
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_Gadget And EventGadget() <> 8
    Debug "gadget " + Str(EventGadget()) + " " + Str(GetGadgetState(EventGadget()))
  EndIf
ForEver
; do:
; click Maybe
; click Maybe
; click Maybe
; click Second
; click On two
; expect:
; 2 Second Frame
; 10 240 100 24
; picked
; 77 65535 -1
; 9
; one/two secret
; 0
; 8
; gadget 5 1
; gadget 5 -1
; gadget 5 0
; gadget 4 1
; gadget 6 1
