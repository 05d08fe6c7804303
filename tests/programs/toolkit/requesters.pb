; Requester flags, the texts they show and the answers they give: a question box accepted and
; cancelled, an input box answered, cancelled and without a preset
Debug MessageRequester("Save", "Save the file?", #PB_MessageRequester_YesNo)
Debug MessageRequester("Save", "Really?", #PB_MessageRequester_YesNo)
Debug MessageRequester("Quit", "Save first?", #PB_MessageRequester_YesNoCancel)
Debug MessageRequester("Note", "Done.", #PB_MessageRequester_Info)
If MessageRequester("Oops", "It broke.", #PB_MessageRequester_Error) = #PB_MessageRequester_Ok
  Debug "ok"
EndIf
Debug MessageRequester("Plain", "Just a note")
Debug InputRequester("Title", "Enter a name", "Ann")
Debug "[" + InputRequester("Cancelled", "Press cancel", "Bob") + "]"
Debug InputRequester("No default", "Type", "")
; answer:
; yes
; (cancel)
; no
; Zoe
; (cancel)
; typed
; dialogs:
; Save\n\nSave the file?
; Save\n\nReally?
; Quit\n\nSave first?\n\n(yes, no or cancel) [yes]
; Information: Note\n\nDone.
; Error: Oops\n\nIt broke.
; Plain\n\nJust a note
; Title\n\nEnter a name [Ann]
; Cancelled\n\nPress cancel [Bob]
; No default\n\nType []
; expect:
; 6
; 7
; 7
; 0
; ok
; 0
; Zoe
; []
; typed
