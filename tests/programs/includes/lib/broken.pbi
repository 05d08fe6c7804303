; an include with a typo
x = 1
Unknown(x)
