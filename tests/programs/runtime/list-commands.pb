; A list through every list command, one command a line: what it returns, the current
; element's position after it (ListIndex counts from 0, -1 without a current element)
; and the whole list, from an empty list to one of four and back
NewList l()
Procedure Show(result$)
  Shared l()
  Debug result$ + " at " + Str(ListIndex(l())) + " [" + ListJoin(l(), ",") + "]"
EndProcedure
r = ListSize(l())
Show(Str(r))
r = NextElement(l())
Show(Str(r))
r = PreviousElement(l())
Show(Str(r))
r = FirstElement(l())
Show(Str(r))
r = LastElement(l())
Show(Str(r))
r = DeleteElement(l())
Show(Str(r))
r = 0
ClearList(l())
Show(Str(r))
r = AddElement(l())
Show(Str(r))
r = AddElement(l())
Show(Str(r))
r = AddElement(l())
Show(Str(r))
r = ListSize(l())
Show(Str(r))
r = ListIndex(l())
Show(Str(r))
r = FirstElement(l())
l() = 10
Show(Str(r))
r = NextElement(l())
l() = 20
Show(Str(r))
r = NextElement(l())
l() = 30
Show(Str(r))
r = NextElement(l())
Show(Str(r))
r = FirstElement(l()) + AddElement(l())
l() = 15
Show(Str(r))
ResetList(l())
r = AddElement(l())
l() = 5
Show(Str(r))
r = DeleteElement(l())
Show(Str(r))
r = ListIndex(l())
Show(Str(r))
r = DeleteElement(l())
Show(Str(r))
r = NextElement(l())
Show(Str(r))
r = LastElement(l())
Show(Str(r))
r = AddElement(l())
l() = 40
Show(Str(r))
r = DeleteElement(l())
Show(Str(r))
r = PreviousElement(l())
Show(Str(r))
r = SelectElement(l(), 1)
Show(Str(r))
r = SelectElement(l(), 4)
Show(Str(r))
r = SelectElement(l(), -1)
Show(Str(r))
r = SelectElement(l(), 3)
Show(Str(r))
r = SelectElement(l(), 0) + PreviousElement(l())
Show(Str(r))
Show(ReplaceString(ListJoin(l(), ","), #LF$, "/"))
Show(ReplaceString(ListJoin(l()), #LF$, "/"))
Show(ReplaceString(ListJoin(l(), ""), #LF$, "/"))
r = 0
ClearList(l())
Show(Str(r))
Show(ReplaceString(ListJoin(l(), ","), #LF$, "/"))
r = 0
ClearList(l())
Show(Str(r))
r = AddElement(l())
l() = 1
Show(Str(r))
; expect:
; 0 at -1 []
; 0 at -1 []
; 0 at -1 []
; 0 at -1 []
; 0 at -1 []
; 0 at -1 []
; 0 at -1 []
; 1 at 0 [0]
; 1 at 1 [0,0]
; 1 at 2 [0,0,0]
; 3 at 2 [0,0,0]
; 2 at 2 [0,0,0]
; 1 at 0 [10,0,0]
; 1 at 1 [10,20,0]
; 1 at 2 [10,20,30]
; 0 at 2 [10,20,30]
; 2 at 1 [10,15,20,30]
; 1 at 0 [5,10,15,20,30]
; 1 at -1 [10,15,20,30]
; -1 at -1 [10,15,20,30]
; 0 at -1 [10,15,20,30]
; 1 at 0 [10,15,20,30]
; 1 at 3 [10,15,20,30]
; 1 at 4 [10,15,20,30,40]
; 1 at 3 [10,15,20,30]
; 1 at 2 [10,15,20,30]
; 1 at 1 [10,15,20,30]
; 0 at 1 [10,15,20,30]
; 0 at 1 [10,15,20,30]
; 1 at 3 [10,15,20,30]
; 1 at -1 [10,15,20,30]
; 10,15,20,30 at -1 [10,15,20,30]
; 10/15/20/30 at -1 [10,15,20,30]
; 10/15/20/30 at -1 [10,15,20,30]
; 0 at -1 []
;  at -1 []
; 0 at -1 []
; 1 at 0 [1]
