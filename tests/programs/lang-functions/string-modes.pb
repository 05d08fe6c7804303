; FindString, ReplaceString and RemoveString with a mode, a start and a count; UCase and LCase
; change each character on its own, so a text keeps its length
Debug Str(FindString("Hello World", "world", 1, #PB_String_NoCase)) + " " + Str(FindString("Hello World", "world"))
Debug Str(FindString("abcABC", "B", 3, #PB_String_NoCase)) + " " + Str(FindString("abcABC", "B", 1, #PB_String_CaseSensitive))
Debug ReplaceString("Hello hello", "HELLO", "bye", #PB_String_NoCase)
Debug ReplaceString("a-a-a-a", "a", "b", #PB_String_CaseSensitive, 3, 2)
Debug RemoveString("aXbxc", "x", #PB_String_NoCase) + " " + RemoveString("aXbxc", "x") + " [" + RemoveString("aabb", "ab") + "]"
Debug UCase("straße") + " " + Str(Len(UCase("straße"))) + " " + LCase("ÀB")
; expect:
; 7 0
; 5 5
; bye bye
; a-b-b-a
; abc aXbc []
; STRAßE 6 àb
