; Enumerations count from their start by their step; a member with a value restarts there
Enumeration
  #Zero
  #One
  #Ten = 10
  #Eleven
EndEnumeration
Enumeration 100 Step 5
  #A
  #B
EndEnumeration
EnumerationBinary
  #F1
  #F2
  #F3
EndEnumeration
Enumeration Windows
  #Main
EndEnumeration
Enumeration Windows
  #Second
EndEnumeration
Debug Str(#Zero) + " " + Str(#One) + " " + Str(#Ten) + " " + Str(#Eleven)
Debug Str(#A) + " " + Str(#B)
Debug Str(#F1) + " " + Str(#F2) + " " + Str(#F3)
Debug #Second
; expect:
; 0 1 10 11
; 100 105
; 1 2 4
; 1
