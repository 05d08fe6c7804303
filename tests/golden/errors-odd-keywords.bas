; keywords in odd places must not crash anything
EndProcedure
Case 3
Default
EndSelect
Next
Wend
To
Step
)
(
"unterminated
x = '
If
For
Debug ) (
l()\x = 1
a(i)\x = 2
\y = 3
ProcedureReturn 5
