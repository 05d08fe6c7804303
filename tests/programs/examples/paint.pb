; The paint example: red picked from the palette (a marker goes under it), a stroke drawn under
; the pointer, green picked and a circle stamped with the right button, the picture wiped
; while the palette stays
; program: ../../../examples/paint/paint.pb
; do:
; see QLCXcanvas pixel 65 20 220,30,30
; mouse down QLCXcanvas 65 20
; see QLCXcanvas pixel 65 38 0,0,0
; mouse up QLCXcanvas 65 20
; see QLCXcanvas pixel 25 38 200,200,200
; mouse move QLCXcanvas 100 100
; mouse down QLCXcanvas 100 100
; see QLCXcanvas pixel 100 100 220,30,30
; mouse move QLCXcanvas 200 100
; mouse move QLCXcanvas 300 100
; see QLCXcanvas pixel 300 100 220,30,30
; mouse up QLCXcanvas 300 100
; see QLCXcanvas pixel 200 100 220,30,30
; see QLCXcanvas pixel 98 100 255,255,255
; see QLCXcanvas pixel 302 100 255,255,255
; see QLCXcanvas pixel 200 97 255,255,255
; see QLCXcanvas pixel 200 103 255,255,255
; mouse down QLCXcanvas 105 20
; see QLCXcanvas pixel 105 38 0,0,0
; mouse up QLCXcanvas 105 20
; mouse down QLCXcanvas 400 300 right
; see QLCXcanvas pixel 400 300 30,160,40
; mouse up QLCXcanvas 400 300 right
; see QLCXcanvas pixel 390 300 30,160,40
; see QLCXcanvas pixel 410 300 30,160,40
; see QLCXcanvas pixel 400 290 30,160,40
; see QLCXcanvas pixel 415 300 255,255,255
; see QLCXcanvas pixel 400 315 255,255,255
; mouse down QLCXcanvas 615 20
; see QLCXcanvas pixel 200 100 255,255,255
; mouse up QLCXcanvas 615 20
; see QLCXcanvas pixel 400 300 255,255,255
; see QLCXcanvas pixel 65 20 220,30,30
