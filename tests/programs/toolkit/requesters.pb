; Requester flags and the answers they give
Debug MessageRequester("Save", "Save the file?", #PB_MessageRequester_YesNo)
Debug MessageRequester("Quit", "Save first?", #PB_MessageRequester_YesNoCancel)
Debug MessageRequester("Note", "Done.", #PB_MessageRequester_Info)
If MessageRequester("Oops", "It broke.", #PB_MessageRequester_Error) = #PB_MessageRequester_Ok
  Debug "ok"
EndIf
; answer: no
; expect:
; 6
; 7
; 0
; ok
