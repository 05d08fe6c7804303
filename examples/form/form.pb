; Tea order form
;
; Type your name, choose how many cups with the slider and press "Order".
; The bar shows how far the shop is towards today's 20 cups.

Global cupsToday.i = 0
Global orders.i = 0

Procedure ShowCups()
	SetGadgetText(5, Str(GetGadgetState(4)) + " cups")
EndProcedure

Procedure OrderTea()
	Protected name$, cups
	name$ = Trim(GetGadgetText(2))
	cups = GetGadgetState(4)
	If name$ = ""
		MessageRequester("Tea order", "Please type your name first.")
		ProcedureReturn
	EndIf
	cupsToday + cups
	orders + 1
	If cupsToday > 20
		SetGadgetState(8, 20)
	Else
		SetGadgetState(8, cupsToday)
	EndIf
	SetGadgetText(9, "Order " + Str(orders) + ": " + Str(cups) + " for " + name$ + ", " + Str(cupsToday) + " cups today")
	MessageRequester("Tea order", "Thank you, " + name$ + "!" + #LF$ + Str(cups) + " cups of tea are on their way.")
EndProcedure

Procedure ClearForm()
	SetGadgetText(2, "")
	SetGadgetState(4, 1)
	ShowCups()
EndProcedure

OpenWindow(0, 30, 30, 380, 270, "Tea order form")
TextGadget(1, 10, 22, 80, 20, "Your name:")
StringGadget(2, 100, 10, 260, 26, "")
TextGadget(3, 10, 62, 80, 20, "How many:")
TrackBarGadget(4, 100, 50, 190, 30, 1, 10)
TextGadget(5, 300, 62, 60, 20, "1 cups")
ButtonGadget(6, 10, 95, 170, 30, "Order")
ButtonGadget(7, 190, 95, 170, 30, "Clear")
TextGadget(10, 10, 145, 350, 20, "Cups today (the shop closes at 20):")
ProgressBarGadget(8, 10, 160, 350, 18, 0, 20)
TextGadget(9, 10, 200, 350, 20, "No orders yet.")
HyperLinkGadget(11, 10, 230, 200, 24, "menu.txt", RGB(0, 0, 255))
ButtonGadget(12, 260, 225, 100, 30, "Quit")

quit = #False
Repeat
	event = WaitWindowEvent()
	Select event
		Case #PB_Event_Gadget
			Select EventGadget()
				Case 4
					ShowCups()
				Case 6
					OrderTea()
				Case 7
					ClearForm()
				Case 11
					SetGadgetText(9, "The menu opens in a new tab.")
				Case 12
					quit = #True
			EndSelect
		Case #PB_Event_CloseWindow
			quit = #True
	EndSelect
Until quit = #True

End
