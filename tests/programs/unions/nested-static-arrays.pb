; Structures of static arrays inside static arrays of structures: every element its own, in
; a plain variable, an array and a list of them, a copy, through pointers at their offsets;
; SizeOf(Img) names the type, not a variable img beside it
Structure Pal
  c.l[16]
EndStructure
Structure Img
  w.w
  p.Pal[4]
EndStructure
Debug Str(SizeOf(Pal)) + " " + Str(SizeOf(Img)) + " " + Str(OffsetOf(Img\p))
img.Img
img\p[2]\c[5] = 77
img\p[3]\c[15] = -2
img\p[0]\c[0] = 1
Debug Str(img\p[2]\c[5]) + " " + Str(img\p[3]\c[15]) + " " + Str(img\p[2]\c[4]) + " " + Str(img\p[0]\c[0])
For i = 0 To 3
  For j = 0 To 15
    img\p[i]\c[j] = i * 100 + j
  Next
Next
total = 0
For i = 0 To 3
  For j = 0 To 15
    total + img\p[i]\c[j]
  Next
Next
Debug total
*q.Img = AllocateMemory(SizeOf(Img))
*q\p[2]\c[5] = 55
*q\p[1]\c[15] = 44
Debug Str(*q\p[2]\c[5]) + " " + Str(PeekL(*q + 2 + 2 * 64 + 5 * 4)) + " " + Str(PeekL(*q + 2 + 64 + 15 * 4))
held.Img
held\p[2]\c[5] = 66
*r.Img = @held
Debug *r\p[2]\c[5]
*r\p[1]\c[1] = 9
Debug held\p[1]\c[1]
Dim imgs.Img(2)
imgs(1)\p[3]\c[2] = 12
Debug Str(imgs(1)\p[3]\c[2]) + " " + Str(imgs(0)\p[3]\c[2])
copy.Img = imgs(1)
copy\p[3]\c[2] = 1
Debug Str(imgs(1)\p[3]\c[2]) + " " + Str(copy\p[3]\c[2])
NewList ims.Img()
AddElement(ims())
ims()\p[1]\c[1] = 3
Debug ims()\p[1]\c[1]
Procedure Fill(*i.Img, v)
  *i\p[3]\c[15] = v
EndProcedure
Fill(@held, 4)
Debug held\p[3]\c[15]
; expect:
; 64 258 2
; 77 -2 0 1
; 10080
; 55 55 44
; 66
; 9
; 12 0
; 12 1
; 3
; 4
