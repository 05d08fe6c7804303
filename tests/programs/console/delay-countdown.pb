; Delay in straight code and in a For loop of the main program waits before going on
OpenConsole()
start = ElapsedMilliseconds()
For i = 3 To 1 Step -1
  PrintN(Str(i))
  Delay(100)
Next
Delay(200)
If ElapsedMilliseconds() - start >= 500
  PrintN("waited")
Else
  PrintN("too soon: " + Str(ElapsedMilliseconds() - start))
EndIf
; console:
; 3
; 2
; 1
; waited
