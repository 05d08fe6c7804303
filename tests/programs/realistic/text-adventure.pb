; a text adventure's data: rooms read from a data section, exits as a static array field,
; commands parsed from words
Structure Room
  name$
  Exits.i[4]
EndStructure
Dim rooms.Room(3)
Restore RoomData
For i = 0 To 3
  Read.s rooms(i)\name$
  For d = 0 To 3
    Read.i rooms(i)\Exits[d]
  Next
Next
here = 0
Procedure.i Direction(word$)
  Select LCase(word$)
    Case "n", "north" : ProcedureReturn 0
    Case "e", "east" : ProcedureReturn 1
    Case "s", "south" : ProcedureReturn 2
    Case "w", "west" : ProcedureReturn 3
  EndSelect
  ProcedureReturn -1
EndProcedure
path$ = "go north,go East,look,go west,go s"
For k = 1 To CountString(path$, ",") + 1
  command$ = StringField(path$, k, ",")
  verb$ = StringField(command$, 1, " ")
  If verb$ = "go"
    d = Direction(StringField(command$, 2, " "))
    If d >= 0 And rooms(here)\Exits[d] >= 0
      here = rooms(here)\Exits[d]
      Debug "to " + rooms(here)\name$
    Else
      Debug "no way"
    EndIf
  Else
    Debug "in " + rooms(here)\name$
  EndIf
Next
DataSection
RoomData:
  Data.s "hall"
  Data.i 1, -1, -1, -1
  Data.s "library"
  Data.i -1, 2, 0, -1
  Data.s "study"
  Data.i -1, -1, -1, 1
  Data.s "cellar"
  Data.i -1, -1, -1, -1
EndDataSection
; expect:
; to library
; to study
; in study
; to library
; to hall
