; A sorted structured array, its rows found with a macro used in an expression
Structure Row
  label.s
  cells.i[2]
  total.d
EndStructure
Macro Sum(r)
  (r\cells[0] + r\cells[1])
EndMacro
Dim rows.Row(2)
For i = 0 To 2
  rows(i)\label = Chr('c' - i)
  rows(i)\cells[0] = i * 3
  rows(i)\cells[1] = 10 - i
  rows(i)\total = Sum(rows(i)) / 2
Next
SortStructuredArray(rows(), #PB_Sort_Descending, OffsetOf(Row\total), #PB_Double)
For i = 0 To 2
  Debug rows(i)\label + " " + StrD(rows(i)\total, 1)
Next
; expect:
; a 7.0
; b 6.0
; c 5.0
