; A map and a variable of one name
NewMap ages.i()
ages("ann") = 32
ages("bob") = 41
ages = 7
ages("cy") = ages
Debug ages
Debug ages("ann") + ages("cy")
Debug MapSize(ages())
ForEach ages()
  total + ages()
Next
Debug total
; expect:
; 7
; 39
; 3
; 80
