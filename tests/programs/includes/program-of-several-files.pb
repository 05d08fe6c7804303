; A program split over include files: procedures and constants from them, an XIncludeFile
; named twice read once, nested includes found beside the including file, IncludePath, and
; the compiler's names for the file being read
IncludePath "lib"
XIncludeFile "shapes.pbi"
XIncludeFile #PB_Compiler_FilePath + "lib/shapes.pbi"
IncludeFile "counter.pbi"
IncludeFile "counter.pbi"
Debug Area(3, 4)
Debug #Sides
Debug counted
Debug DeepName()
Debug #PB_Compiler_File
Debug "main line " + #PB_Compiler_Line
; expect:
; 12
; 4
; 2
; lib/deeper/deep.pbi
; program-of-several-files.pb
; main line 14
