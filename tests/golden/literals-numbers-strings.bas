; literals: hexadecimal, character constants, backslashes, leading zeros
a = $FF
b = -$10
c = 'A'
path$ = "gfx\p.png"
dir$ = "C:\temp\"
LoadImage(0, "img\ship.png")
html$ = "</script>"
n = 010
f = 01.5
g = .5
line$ = "a" + #CRLF$
quote$ = "say ;hi: there"
