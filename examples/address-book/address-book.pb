; Address book
;
; Type a name, a phone number and an e-mail address and press "Add" (or Control+N). Click a
; row to load it into the fields; "Remove" (or Delete in the Edit menu) takes it out again.
; The status bar counts the entries and shows the time of day (UTC), kept by a window timer.
;
; Window 0. Gadgets: 1 the list, 2 to 4 the fields, 5 "Add", 6 "Remove", 7 to 9 the labels.
; Menu items: 10 Add, 11 Remove, 12 Clear all, 13 Quit, 14 About. Timer 15 the clock.

Procedure ShowCount()
	StatusBarText(0, 0, Str(CountGadgetItems(1)) + " entries")
EndProcedure

Procedure.s TwoDigits(n)
	ProcedureReturn Right("0" + Str(n), 2)
EndProcedure

Procedure ShowTime()
	Protected seconds = Int(ElapsedMilliseconds() / 1000)
	seconds = seconds - Int(seconds / 86400) * 86400
	StatusBarText(0, 1, TwoDigits(Int(seconds / 3600)) + ":" + TwoDigits(Int(seconds / 60) - Int(seconds / 3600) * 60) + ":" + TwoDigits(seconds - Int(seconds / 60) * 60))
EndProcedure

Procedure AddEntry()
	Protected name$ = Trim(GetGadgetText(2))
	If name$ = ""
		MessageRequester("Address book", "Please type a name first.", #PB_MessageRequester_Warning)
		ProcedureReturn
	EndIf
	AddGadgetItem(1, -1, name$ + #LF$ + GetGadgetText(3) + #LF$ + GetGadgetText(4))
	SetGadgetText(2, "")
	SetGadgetText(3, "")
	SetGadgetText(4, "")
	SetActiveGadget(2)
	ShowCount()
EndProcedure

Procedure RemoveEntry()
	Protected row = GetGadgetState(1)
	If row >= 0
		RemoveGadgetItem(1, row)
		ShowCount()
	EndIf
EndProcedure

Procedure LoadEntry()
	Protected row = GetGadgetState(1)
	If row >= 0
		SetGadgetText(2, GetGadgetItemText(1, row, 0))
		SetGadgetText(3, GetGadgetItemText(1, row, 1))
		SetGadgetText(4, GetGadgetItemText(1, row, 2))
	EndIf
EndProcedure

OpenWindow(0, 40, 40, 460, 330, "Address book", #PB_Window_SystemMenu | #PB_Window_MinimizeGadget)
CreateMenu(0, WindowID(0))
MenuTitle("File")
MenuItem(12, "Clear all")
MenuBar()
MenuItem(13, "Quit" + #TAB$ + "Ctrl+Q")
MenuTitle("Edit")
MenuItem(10, "Add" + #TAB$ + "Ctrl+N")
MenuItem(11, "Remove" + #TAB$ + "Ctrl+D")
MenuTitle("Help")
MenuItem(14, "About")
AddKeyboardShortcut(0, #PB_Shortcut_Control | #PB_Shortcut_N, 10)
AddKeyboardShortcut(0, #PB_Shortcut_Control | #PB_Shortcut_D, 11)
AddKeyboardShortcut(0, #PB_Shortcut_Control | #PB_Shortcut_Q, 13)

ListIconGadget(1, 10, 10, 440, 170, "Name", 140, #PB_ListIcon_GridLines | #PB_ListIcon_FullRowSelect)
AddGadgetColumn(1, 1, "Phone", 120)
AddGadgetColumn(1, 2, "E-mail", 170)
AddGadgetItem(1, -1, "Ada Lovelace" + #LF$ + "555-1815" + #LF$ + "ada@example.org")
AddGadgetItem(1, -1, "Alan Turing" + #LF$ + "555-1912" + #LF$ + "alan@example.org")

TextGadget(7, 10, 200, 60, 20, "Name:")
StringGadget(2, 80, 192, 200, 24, "")
TextGadget(8, 10, 230, 60, 20, "Phone:")
StringGadget(3, 80, 222, 200, 24, "")
TextGadget(9, 10, 260, 60, 20, "E-mail:")
StringGadget(4, 80, 252, 200, 24, "")
ButtonGadget(5, 300, 192, 150, 28, "Add", #PB_Button_Default)
ButtonGadget(6, 300, 226, 150, 28, "Remove")
GadgetToolTip(6, "Removes the selected entry")

CreateStatusBar(0, WindowID(0))
AddStatusBarField(150)
AddStatusBarField(100)
ShowCount()
ShowTime()
AddWindowTimer(0, 15, 1000)

Repeat
	Select WaitWindowEvent()
		Case #PB_Event_Gadget
			Select EventGadget()
				Case 1
					LoadEntry()
				Case 5
					AddEntry()
				Case 6
					RemoveEntry()
			EndSelect
		Case #PB_Event_Menu
			Select EventMenu()
				Case 10
					AddEntry()
				Case 11
					RemoveEntry()
				Case 12
					ClearGadgetItems(1)
					ShowCount()
				Case 13
					Break
				Case 14
					MessageRequester("About", "Address book, a Quillcast example.", #PB_MessageRequester_Info)
			EndSelect
		Case #PB_Event_Timer
			ShowTime()
		Case #PB_Event_CloseWindow
			Break
	EndSelect
ForEver
CloseWindow(0)
