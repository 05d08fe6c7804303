; What the program writes survives a reload of the page; an embedded original changed by the
; program is read back changed, from the page's storage
If ReadFile(0, "notes.txt")
  Debug "kept - " + ReadString(0)
  CloseFile(0)
  If ReadFile(1, "data/greeting.txt")
    Debug "changed - " + ReadString(1)
    CloseFile(1)
  EndIf
Else
  CreateFile(0, "notes.txt")
  WriteStringN(0, "written before the reload")
  CloseFile(0)
  If OpenFile(1, "data/greeting.txt")
    FileSeek(1, 6)
    WriteString(1, "FROM")
    CloseFile(1)
  EndIf
  Debug "written"
EndIf
; do:
; wait 300
; reload
; expect:
; written
; kept - written before the reload
; changed - Hello FROM beside the source
