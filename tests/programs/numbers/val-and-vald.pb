; Val reads an integer, as its type is: it stops at a point, so a fraction never reaches an
; integer place; ValF and ValD read the fraction and an exponent
x = Val("3.7")
Debug Str(x) + " " + Str(Val("-3.7") + 1) + " " + Str(Val("2.5e3"))
Debug StrD(ValD("2.5e3")) + " " + StrD(ValD("-1.25E-2")) + " " + StrF(ValF(" 4.25kg"), 2) + " " + StrD(ValD("7e")) + " " + StrD(ValD(".5"))
Debug StrD(ValD("$FF")) + " " + Str(Val("12345678901234567"))
; expect:
; 3 -2 2
; 2500 -0.0125 4.25 7 0.5
; 255 12345678901234567
