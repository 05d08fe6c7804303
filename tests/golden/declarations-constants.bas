; constants: built-in names, the table in any letter case
c = #Red + #Green + #Blue + #White + #Black
Debug "a" + #CRLF$ + "b" + #LF$
If KeyboardPushed(#PB_Key_Escape) Or KeyboardReleased(#pb_key_space)
	t = #True
EndIf
e = #PB_Event_CloseWindow
p = #PI * 2
ev = #PB_EventType_Change + #PB_Event_Gadget
x = #PB_Ignore
