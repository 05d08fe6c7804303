; Two windows
;
; Both windows run at the same time: drag them around by their title bars, use the
; gadgets in either of them, and close them one after the other. The program ends
; when the last window is closed.

Procedure OpenNotesWindow()
	OpenWindow(0, 20, 20, 300, 170, "Notes")
	TextGadget(1, 10, 22, 280, 20, "Write a note and send it across:")
	StringGadget(2, 10, 40, 280, 26, "")
	ButtonGadget(3, 10, 80, 135, 30, "Send")
	ButtonGadget(4, 155, 80, 135, 30, "Close")
EndProcedure

Procedure OpenCounterWindow()
	OpenWindow(1, 360, 60, 280, 170, "Counter")
	TextGadget(5, 10, 22, 260, 20, "Nothing received yet.")
	TextGadget(6, 10, 62, 260, 20, "Clicks: 0")
	ButtonGadget(7, 10, 90, 260, 30, "Click me")
EndProcedure

OpenNotesWindow()
OpenCounterWindow()
windowsOpen = 2
clicks = 0
notes = 0

Repeat
	event = WaitWindowEvent()
	Select event
		Case #PB_Event_Gadget
			Select EventGadget()
				Case 3
					notes + 1
					SetGadgetText(5, "Note " + Str(notes) + ": " + GetGadgetText(2))
					SetGadgetText(2, "")
				Case 4
					CloseWindow(0)
					windowsOpen - 1
				Case 7
					clicks + 1
					SetGadgetText(6, "Clicks: " + Str(clicks))
					SetWindowTitle(1, "Counter (" + Str(clicks) + ")")
			EndSelect
		Case #PB_Event_CloseWindow
			CloseWindow(EventWindow())
			windowsOpen - 1
	EndSelect
Until windowsOpen = 0

MessageRequester("Two windows", "Both windows are closed. Goodbye!")
End
