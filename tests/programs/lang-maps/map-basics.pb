; Creating, replacing and reading keys; a missing key reads as zero and is created
NewMap ages.i()
ages("ann") = 31
ages("bob") = 42
ages("ann") = 32
Debug ages("ann")
Debug ages("zed")
Debug MapSize(ages())
If FindMapElement(ages(), "bob")
  Debug "found " + MapKey(ages()) + " " + Str(ages())
EndIf
Debug FindMapElement(ages(), "nobody")
DeleteMapElement(ages(), "zed")
AddMapElement(ages(), "cy")
ages() = 7
ForEach ages()
  Debug MapKey(ages()) + "=" + Str(ages())
Next
ClearMap(ages())
Debug MapSize(ages())
; expect:
; 32
; 0
; 3
; found bob 42
; 0
; ann=32
; bob=42
; cy=7
; 0
