; A method the interface does not have is reported where it is called; a call through an
; object whose table holds no procedure there stops the program at its line
Interface IThing
  Run()
  Stop()
EndInterface
Procedure Run(*this)
  Debug "runs"
EndProcedure
*table = AllocateMemory(2 * SizeOf(Integer))
PokeI(*table, @Run())
*object = AllocateMemory(SizeOf(Integer))
PokeI(*object, *table)
thing.IThing = *object
thing\Jump()
thing\Run()
thing\Stop()
Debug "not reached"
; expect:
; runs
; expect-log:
; line 15: method not found: Jump
; expect-error:
; line 17: called something that is not a procedure
