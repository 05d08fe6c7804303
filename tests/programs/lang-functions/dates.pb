; A date from its parts, its parts back, the day of the week and FormatDate
d = Date(2024, 3, 5, 14, 7, 9)
Debug Str(Year(d)) + " " + Str(Month(d)) + " " + Str(Day(d))
Debug Str(Hour(d)) + ":" + Str(Minute(d)) + ":" + Str(Second(d))
Debug DayOfWeek(d)
Debug FormatDate("%dd.%mm.%yyyy %hh:%ii:%ss (%yy)", d)
Debug d - Date(2024, 3, 4, 14, 7, 9)
Debug Bool(Date() > Date(2020, 1, 1, 0, 0, 0))
Debug Date(1970, 1, 1, 0, 0, 0)
; expect:
; 2024 3 5
; 14:7:9
; 2
; 05.03.2024 14:07:09 (24)
; 86400
; 1
; 0
