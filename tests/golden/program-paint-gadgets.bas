; Colour mixer: three track bars, a preview box, a progress bar and a link
Global r = 128, g = 128, b = 128

Procedure UpdatePreview()
	r = GetGadgetState(1)
	g = GetGadgetState(2)
	b = GetGadgetState(3)
	SetGadgetText(5, "RGB(" + Str(r) + ", " + Str(g) + ", " + Str(b) + ") = $" + Str(RGB(r, g, b)))
	SetGadgetState(6, (r + g + b) / 3)
	SetWindowColor(0, RGB(r, g, b))
EndProcedure

OpenWindow(0, 20, 20, 360, 260, "Colour mixer")
TrackBarGadget(1, 10, 10, 250, 24, 0, 255)
TrackBarGadget(2, 10, 40, 250, 24, 0, 255)
TrackBarGadget(3, 10, 70, 250, 24, 0, 255)
TextGadget(4, 270, 10, 80, 20, "red/green/blue")
TextGadget(5, 10, 110, 340, 20, "")
ProgressBarGadget(6, 10, 140, 250, 16, 0, 255)
HyperLinkGadget(7, 10, 170, 250, 20, "https://example.org/colours", #Blue)
ButtonGadget(8, 270, 200, 80, 24, "Reset")
For i = 1 To 3 : SetGadgetState(i, 128) : Next
UpdatePreview()

Repeat
	event = WaitWindowEvent()
	If event = #PB_Event_Gadget
		gadget = EventGadget()
		If gadget >= 1 And gadget <= 3 And EventType() = #PB_EventType_Change
			UpdatePreview()
		EndIf
		If gadget = 8
			For i = 1 To 3 : SetGadgetState(i, 128) : Next
			UpdatePreview()
		EndIf
	EndIf
Until event = #PB_Event_CloseWindow
End
