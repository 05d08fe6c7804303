; The gadget flags not met elsewhere, a panel tab filled later with OpenGadgetList, hiding a
; gadget, a status bar with two fields, a timer that is removed, and the warning requester
OpenWindow(0, 10, 10, 400, 300, "Flags")
StringGadget(1, 10, 10, 100, 20, "42", #PB_String_Numeric)
StringGadget(2, 120, 10, 100, 20, "fixed", #PB_String_ReadOnly)
TextGadget(3, 10, 40, 100, 20, "right", #PB_Text_Right)
ButtonGadget(4, 120, 40, 100, 20, "OK", #PB_Button_Default)
EditorGadget(5, 10, 70, 100, 50, #PB_Editor_ReadOnly)
ListIconGadget(6, 120, 70, 200, 60, "Name", 80, #PB_ListIcon_GridLines)
PanelGadget(7, 10, 130, 200, 80)
AddGadgetItem(7, -1, "One")
AddGadgetItem(7, -1, "Two")
CloseGadgetList()
OpenGadgetList(7, 1)
ButtonGadget(8, 5, 5, 60, 20, "On two")
CloseGadgetList()
ButtonGadget(9, 250, 10, 60, 20, "Hidden")
HideGadget(9, 1)
Debug Bool(GadgetID(1) <> 0)
CreateStatusBar(0, WindowID(0))
AddStatusBarField(100)
AddStatusBarField(150)
StatusBarText(0, 0, "ready")
StatusBarText(0, 1, "field two")
AddWindowTimer(0, 1, 40)
ticks = 0
Repeat
  If WaitWindowEvent() = #PB_Event_Timer
    ticks + 1
  EndIf
Until ticks = 2
RemoveWindowTimer(0, 1)
Debug "timer removed"
; several frames, each longer than the timer's period: a timer still running would tick
passes = 0
Repeat
  If WaitWindowEvent(100) = #PB_Event_Timer
    ticks + 1
  EndIf
  passes + 1
Until passes = 6
Debug "ticks " + Str(ticks)
If MessageRequester("Careful", "Disk almost full", #PB_MessageRequester_Warning) = #PB_MessageRequester_Ok
  Debug "warned"
EndIf
; expect:
; 1
; timer removed
; ticks 2
; warned
; dialogs:
; Warning: Careful\n\nDisk almost full
; do:
; see 1 @type number
; see 2 .readOnly true
; see 3 text-align right
; see 4 font-weight 700
; see 5 .readOnly true
; see 9 display none
; see QLCXstatus0 .children.0.textContent ready
; see QLCXstatus0 .children.1.textContent field two
; see 6 .className listicon grid
