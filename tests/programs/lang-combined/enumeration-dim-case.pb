; Constants and an enumeration used in Dim and Case
#Count = 3
Enumeration
  #Apple
  #Pear
  #Plum
EndEnumeration
Dim stock(#Count - 1)
stock(#Pear) = 5
For i = #Apple To #Plum
  Select i
    Case #Apple
      Debug "apple " + Str(stock(i))
    Case #Pear, #Plum
      Debug "pear or plum " + Str(stock(i))
  EndSelect
Next
; expect:
; apple 0
; pear or plum 5
; pear or plum 0
