; A map of structures filled from a DataSection and printed with ForEach
Structure City
  name.s
  people.i
EndStructure
NewMap cities.City()
Restore Cities
Read n
For i = 1 To n
  Read.s code$
  Read.s name$
  Read people
  cities(code$)\name = name$
  cities(code$)\people = people
Next
ForEach cities()
  Debug MapKey(cities()) + ": " + cities()\name + " " + Str(cities()\people)
Next
DataSection
  Cities:
  Data.i 3
  Data.s "OSL", "Oslo"
  Data.i 700000
  Data.s "BRN", "Bern"
  Data.i 130000
  Data.s "LIS", "Lisbon"
  Data.i 550000
EndDataSection
; expect:
; OSL: Oslo 700000
; BRN: Bern 130000
; LIS: Lisbon 550000
