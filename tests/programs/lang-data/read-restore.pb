; Data of several types with constants, Read typed by keyword or by variable, Restore to a label
#Base = 40
Restore Second
Read.s word$
Debug word$
Restore First
Read a
Read.d f
Read b
Debug a
Debug f
Debug b
Read name$
Debug name$
DataSection
  First:
  Data.i #Base + 2, -3
  Data.d 1.5
  Data.s "text"
  Second:
  Data.s "second"
EndDataSection
; expect:
; second
; 42
; -3
; 1.5
; text
