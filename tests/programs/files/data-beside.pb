; A data file beside the source travels in the page: the page runs from another folder
#Greeting$ = "data/greeting.txt"
If ReadFile(0, #Greeting$)
  While Not Eof(0)
    Debug ReadString(0)
  Wend
  Debug Lof(0)
  CloseFile(0)
Else
  Debug "not found"
EndIf
Debug FileSize("data\greeting.txt")
Debug FileSize("data/none.txt")
; expect:
; Hello from beside the source
; second line
; 41
; 41
; -1
