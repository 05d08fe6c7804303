; Read with a type suffix stores into fields, array elements and list elements
Structure Person
  name.s
  Exits.i[2]
EndStructure
Define p.Person
Dim key.s(2)
Dim rooms.Person(1)
NewList students.Person()
AddElement(students())
DataSection
  Values:
  Data.s "Ann", "k1"
  Data.i 42
  Data.s "Bob"
EndDataSection
Restore Values
Read.s p\name
Read.s key(1)
Read.i rooms(1)\Exits[1]
Read.s students()\name
Debug p\name
Debug key(1)
Debug rooms(1)\Exits[1]
Debug students()\name
; expect:
; Ann
; k1
; 42
; Bob
