; A name built while the program runs finds the file among the folder's files in the page
Procedure.s NameOf(kind$)
  ProcedureReturn "data/" + kind$ + ".txt"
EndProcedure
total = 0
If ReadFile(3, NameOf("numbers"))
  While Eof(3) = 0
    total + Val(ReadString(3))
  Wend
  CloseFile(3)
EndIf
Debug total
If ExamineDirectory(0, "data", "*.t?t")
  While NextDirectoryEntry(0)
    Debug DirectoryEntryName(0) + " " + Str(DirectoryEntrySize(0))
  Wend
  FinishDirectory(0)
EndIf
; expect:
; 32
; greeting.txt 41
; numbers.txt 8
