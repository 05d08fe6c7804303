; What belongs to one operating system is refused as not supported, not as a misspelling
Debug "start"
MessageBox_(0, "text", "title", 0)
If msg = 1 And msg = #WM_LBUTTONDOWN : Debug "never" : EndIf
#Mine = #WM_USER + 1
Debug "end"
; expect-log:
; line 3: not supported: MessageBox_
; line 4: not supported: #WM_LBUTTONDOWN
; line 5: not supported: #WM_USER
; expect:
; start
; end
