; Numbers written with an exponent, as literals and as constants folded to one
#Big = 1e10
#Small = 2.5E-3
#Tiny = 1 / 10000000.0
d.d = 2e3 * 1e-1
x.d = #Big * 3
y.d = 15e2 + #Small
z.d = #Tiny * 1e7
Debug StrD(d) + " " + StrD(x) + " " + StrD(y, 4) + " " + StrD(z)
; expect:
; 200 30000000000 1500.0025 1
