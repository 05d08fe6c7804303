; A missing file is reported with its line, except in a CompilerIf branch not taken; a label
; that no data section has is reported where its address is asked
CompilerIf #PB_Compiler_OS = #PB_OS_Windows
  DataSection
    Icon: : IncludeBinary "windows-only.ico"
  EndDataSection
CompilerEndIf
DataSection
  Missing:
  IncludeBinary "not-there.bin"
EndDataSection
x = ?Nowhere
Debug "runs"
; expect:
; runs
; expect-log:
; line 10: binary file not found: "not-there.bin"
; line 12: label not found in a data section: Nowhere
