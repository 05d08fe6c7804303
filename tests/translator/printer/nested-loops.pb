; A loop inside an If inside a loop: the code after the inner loop goes on in a continuation
; of the outer one, the EndIf stays where the If was, and what follows reaches both.
a = 1
Repeat
  b = 2
  If x
    Repeat
      c = 3
    Until y
    d = 4
  EndIf
  e = 5
Until z
f = 6
