; Directories, copies, renames and deletions in the page's tree
Debug GetCurrentDirectory()
Debug CreateDirectory("work")
Debug CreateDirectory("work")
Debug CreateDirectory("no/such/parent")
Debug FileSize("work")
CreateFile(0, "work/a.txt") : WriteString(0, "alpha") : CloseFile(0)
Debug CopyFile("work/a.txt", "work/b.txt")
CreateDirectory("work/sub")
Debug RenameFile("work/b.txt", "work/sub/c.txt")
Debug FileSize("work/b.txt")
Debug FileSize("work/sub/c.txt")
If ExamineDirectory(1, "work/", "*.*")
  While NextDirectoryEntry(1)
    If DirectoryEntryType(1) = #PB_DirectoryEntry_Directory
      Debug "[" + DirectoryEntryName(1) + "]"
    Else
      Debug DirectoryEntryName(1) + " " + Str(DirectoryEntrySize(1))
    EndIf
  Wend
  FinishDirectory(1)
EndIf
Debug RenameFile("work", "moved")
Debug FileSize("moved/sub/c.txt")
Debug DeleteFile("moved/a.txt")
Debug DeleteFile("moved/a.txt")
Debug FileSize("moved/a.txt")
tmp$ = GetTemporaryDirectory()
Debug tmp$
If CreateFile(2, tmp$ + "t.txt")
  CloseFile(2)
EndIf
Debug FileSize("/tmp/t.txt")
Debug PathRequester("Where?", "")
; expect:
; /
; 1
; 0
; 0
; -2
; 1
; 1
; -1
; 5
; a.txt 5
; [sub]
; 1
; 5
; 1
; 0
; -1
; /tmp/
; 0
; /
