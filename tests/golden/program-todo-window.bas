; Little to-do list with a window, a text field and two buttons
EnableExplicit

Global NewList todo.s()
Global count.i = 0
Define Event, all$

Procedure RefreshLabel()
	SetGadgetText(3, "Items: " + Str(ListSize(todo())))
EndProcedure

Procedure AddTodo(text$)
	If Len(Trim(text$)) > 0
		AddElement(todo())
		todo() = Trim(text$)
		count + 1
	EndIf
	RefreshLabel()
EndProcedure

OpenWindow(0, 100, 100, 320, 200, "To do")
StringGadget(1, 10, 10, 200, 24, "")
ButtonGadget(2, 220, 10, 90, 24, "Add")
TextGadget(3, 10, 50, 300, 20, "Items: 0")
ButtonGadget(4, 220, 80, 90, 24, "Show all")

Repeat
	Event = WaitWindowEvent()
	Select Event
		Case #PB_Event_Gadget
			Select EventGadget()
				Case 2
					AddTodo(GetGadgetText(1))
					SetGadgetText(1, "")
				Case 4
					all$ = ""
					ForEach todo()
						all$ = all$ + todo() + #CRLF$
					Next
					MessageRequester("To do", all$)
			EndSelect
	EndSelect
Until Event = #PB_Event_CloseWindow
End
