; A portable program names other systems' include files in CompilerIf branches: a file
; missing there is no fault; a missing file in the branch taken is reported as ever
CompilerIf #PB_Compiler_OS = #PB_OS_Windows
  XIncludeFile "windows-only.pbi"
CompilerElseIf #PB_Compiler_OS = #PB_OS_MacOS
  IncludeFile "lib/mac/" + "cocoa.pbi"
CompilerElse
  XIncludeFile "lib/counter.pbi"
CompilerEndIf
CompilerIf #PB_Compiler_Unicode
  IncludeFile "lib/also-missing.pbi" : Debug "after the include"
CompilerEndIf
Debug "runs"
; expect:
; after the include
; runs
; expect-log:
; line 11: include file not found: "lib/also-missing.pbi"
