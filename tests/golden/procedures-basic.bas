; procedures: return types, parameters, locals, Protected, Static, Shared, Global
Global total.i
Global g

DrawAll()
Debug Twice(21)

Procedure.i Twice(x)
	ProcedureReturn x * 2
EndProcedure

Procedure.s Greet(name$, times.i)
	Protected out$, i
	For i = 1 To times
		out$ = out$ + "Hi " + name$ + " "
	Next
	ProcedureReturn out$
EndProcedure

Procedure Counter()
	Static calls.i = 0
	Static label$ = "count", limit = (#PB_Key_Space + 8) * 2
	calls + 1
	total + calls
	Debug label$ + Str(calls)
EndProcedure

Procedure Locals(a.f, b)
	n.i = 1
	s$ = "x"
	r.f = a * b
	g = g + 1
	Protected total = 5
	ProcedureReturn
EndProcedure

Procedure DrawAll()
	Counter()
	Locals(1.5, 2)
	Debug Greet("Bo", 2)
EndProcedure
drawall()
COUNTER()
