; An Import block is refused once, naming its library; its functions' calls are not reported
; again, and the rest of the program runs
ImportC "libm.so"
  cbrt.d(x.d)
EndImport
Import "user32.lib"
  MessageBeep(type) As "_MessageBeep@4"
  GetTickCount()
EndImport
Debug "start"
MessageBeep(1)
If GetTickCount() >= 0 : Debug "called" : EndIf
x.d = cbrt(8)
Debug "end"
; expect-log:
; line 3: not supported: ImportC "libm.so"
; line 6: not supported: Import "user32.lib"
; expect:
; start
; called
; end
