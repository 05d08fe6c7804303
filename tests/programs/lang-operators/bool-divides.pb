; Bool() gives an integer, so a division of it divides as integers: "!" binds before "/"
z = 0
r.a = Bool((Bool(12) / z ! 7) << 0)
Debug r
Debug Bool(1) / 2
Debug Bool(5 > 1) * 7 / 2
; expect:
; 0
; 0
; 3
