; The draw example: the Mandelbrot set computed with Plot shows in the image gadget with exact
; colours, and the canvas takes a stroke, a ring and a wipe from the mouse
; program: ../../../examples/draw/draw.pb
; do:
; see 3 pixel 260 150 0,0,0
; see 3 pixel 399 299 8,6,94
; see 2 pixel 100 50 255,255,240
; mouse move 2 50 50
; mouse down 2 50 50
; mouse move 2 80 50
; mouse move 2 110 50
; mouse move 2 150 50
; see 2 pixel 150 50 30,60,200
; mouse up 2 150 50
; see 2 pixel 50 50 30,60,200
; see 2 pixel 100 50 30,60,200
; see 2 pixel 100 51 255,255,240
; see 2 pixel 0 0 120,120,120
; mouse click 2 100 200 right
; see 2 pixel 112 200 200,40,40
; see 2 pixel 88 200 200,40,40
; see 2 pixel 100 188 200,40,40
; see 2 pixel 100 200 255,255,240
; mouse dblclick 2 100 120
; see 2 pixel 112 200 255,255,240
; see 2 pixel 100 50 255,255,240
