; PushMapPosition and PopMapPosition around an addition in a ForEach over the map
NewMap m.i()
m("a") = 1 : m("b") = 2 : m("c") = 3
ForEach m()
  If MapKey(m()) = "b"
    PushMapPosition(m())
    AddMapElement(m(), "z") : m() = 26
    PopMapPosition(m())
    Debug "back at " + MapKey(m()) + " " + Str(m())
  EndIf
Next
Debug Str(MapSize(m()))
; expect:
; back at b 2
; 4
