; A line that ends in a binary operator or a comma goes on on the next line
total = 1 +
        2 *
        3
Procedure.i Sum3(a,
                 b,
                 c)
  ProcedureReturn a + b + c
EndProcedure
Debug total
Debug Sum3(10, ; a comment after the comma
           20,
           30)
If total > 5 And
   total < 10
  Debug "between"
EndIf
text$ = "a +"
Debug text$
Debug "after " +
      Str(total)
; expect:
; 7
; 60
; between
; a +
; after 7
