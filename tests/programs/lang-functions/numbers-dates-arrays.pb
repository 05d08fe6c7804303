; FormatNumber, StringByteLength, AddDate, Log10, ATan2 and FreeArray
Debug FormatNumber(1234567.891) + " " + FormatNumber(-1234.5, 1, ",", ".") + " " + FormatNumber(999, 0)
Debug Str(StringByteLength("abc")) + " " + Str(StringByteLength("héllo", #PB_UTF8)) + " " + Str(StringByteLength("abc", #PB_Ascii))
d = Date(2020, 1, 31, 12, 0, 0)
Debug FormatDate("%yyyy-%mm-%dd", AddDate(d, #PB_Date_Month, 1)) + " " + FormatDate("%yyyy-%mm-%dd %hh", AddDate(d, #PB_Date_Hour, 13))
Debug FormatDate("%yyyy-%mm-%dd", AddDate(Date(2020, 2, 29, 0, 0, 0), #PB_Date_Year, 1)) + " " + FormatDate("%yyyy-%mm-%dd", AddDate(d, #PB_Date_Week, -1))
Debug StrF(Log10(1000), 1) + " " + StrF(ATan2(1, 1) * 4, 4)
Dim a(3)
FreeArray(a())
Debug Str(ArraySize(a()))
; expect:
; 1,234,567.89 -1.234,5 999
; 6 6 3
; 2020-02-29 2020-02-01 01
; 2021-02-28 2020-01-24
; 3.0 3.1416
; -1
