; A grade book: records read from a data section, a module holding the record structure and
; its statistics, a map of counts, sorting, float results of integer division, and a procedure
; that retries with Goto
DeclareModule Book
  Structure Entry
    name.s
    score.i
  EndStructure
  Declare.d Mean(Array e.Entry(1), n)
  Declare.s Letter(score)
EndDeclareModule
Module Book
  Procedure.d Mean(Array e.Entry(1), n)
    Protected i, sum
    For i = 0 To n - 1
      sum + e(i)\score
    Next
    ProcedureReturn sum / n
  EndProcedure
  Procedure.s Letter(score)
    Select score
      Case 90 To 100
        ProcedureReturn "A"
      Case 75 To 89
        ProcedureReturn "B"
      Case 50 To 74
        ProcedureReturn "C"
      Default
        ProcedureReturn "F"
    EndSelect
  EndProcedure
EndModule

UseModule Book

Procedure FirstAbove(Array e.Entry(1), n, limit)
  Protected i = 0
  again:
  If i >= n
    ProcedureReturn -1
  EndIf
  If e(i)\score > limit
    ProcedureReturn i
  EndIf
  i + 1
  Goto again
EndProcedure

Read.i count
Dim entries.Entry(count - 1)
NewMap letters.i()
For i = 0 To count - 1
  Read.s entries(i)\name
  Read.i entries(i)\score
  letters(Letter(entries(i)\score)) + 1
Next

Debug "mean " + StrF(Mean(entries(), count), 2)
passed = 0
For i = 0 To count - 1
  If entries(i)\score >= 50 : passed + 1 : EndIf
Next
Debug "passed " + StrF(100 * passed / count, 1) + " %"
f.d = 7 / 2
Debug "half of seven " + StrD(f)
SortStructuredArray(entries(), #PB_Sort_Descending, OffsetOf(Entry\score), #PB_Integer)
Debug "best " + entries(0)\name + " " + Str(entries(0)\score)
Debug "first above 80: " + Str(FirstAbove(entries(), count, 80))
Debug "first above 99: " + Str(FirstAbove(entries(), count, 99))
ForEach letters()
  total + letters()
Next
Debug "A " + Str(letters("A")) + " B " + Str(letters("B")) + " C " + Str(letters("C")) + " F " + Str(letters("F")) + " of " + Str(total)
Debug Hex(-1, #PB_Long) + " " + Bin(5) + " " + Str(Val("$FF") + Val("%1010"))
Debug Str(1 << 62) + " " + StrU(-1, #PB_Long)
x.f = 5.2
Debug "" + x

DataSection
  Data.i 7
  Data.s "Ada" : Data.i 91
  Data.s "Bob" : Data.i 48
  Data.s "Cy" : Data.i 77
  Data.s "Di" : Data.i 100
  Data.s "Ed" : Data.i 63
  Data.s "Flo" : Data.i 85
  Data.s "Gus" : Data.i 12
EndDataSection
; expect:
; mean 68.00
; passed 71.4 %
; half of seven 3.5
; best Di 100
; first above 80: 0
; first above 99: 0
; A 2 B 2 C 1 F 2 of 7
; FFFFFFFF 101 265
; 4611686018427387904 4294967295
; 5.1999998093
