; A method that waits cannot be waited for through an object's table: its call stops the
; program rather than going on before it is done
Interface ITimer
  Pause(ms)
EndInterface
Procedure Pause(*this, ms)
  Delay(ms)
  Debug "paused"
EndProcedure
DataSection
  Methods: : Data.i @Pause()
EndDataSection
*object = AllocateMemory(SizeOf(Integer))
PokeI(*object, ?Methods)
timer.ITimer = *object
Debug "before"
timer\Pause(10)
Debug "after"
; expect:
; before
; expect-error:
; line 17: not supported: a method that waits
