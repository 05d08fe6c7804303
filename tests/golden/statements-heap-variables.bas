; A variable whose address is taken is read and written in place as an element of the heap's
; typed view of its type, after the test that its address lies in the block the heap checked
; last (else through the Peek or Poke, which checks it); a 64-bit integer goes through PeekI
; and PokeI, and so does a write whose value calls something, which may grow the heap.
count.l = 5
ratio.d = 0.5
big = 7
*p = @count + @ratio + @big
count + 1
ratio = ratio * 2
big = count
count = Len("abc")
