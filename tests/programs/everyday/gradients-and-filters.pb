; The gradient mode colours each pixel of a shape by where it lies along the gradient: from the
; back colour to the front colour, through the stops GradientColor adds; the custom filter
; mode gives each pixel what the filter procedure makes of the colour drawn and the colour
; already there
Procedure.i Swapped(x, y, source, target)
  ProcedureReturn RGB(Blue(target), Red(source), x)
EndProcedure
CreateImage(0, 101, 40)
StartDrawing(ImageOutput(0))
Box(0, 0, 101, 40, RGB(0, 0, 200))
DrawingMode(#PB_2DDrawing_Gradient)
BackColor(RGB(0, 0, 0))
FrontColor(RGB(200, 100, 0))
LinearGradient(0, 0, 100, 0)
Box(0, 0, 101, 10)
Debug Str(Point(0, 5)) + " " + Str(Red(Point(50, 5))) + " " + Str(Green(Point(50, 5))) + " " + Str(Red(Point(100, 5)))
GradientColor(0.5, RGB(0, 250, 0))
Box(0, 0, 101, 10)
Debug Str(Green(Point(50, 5))) + " " + Str(Green(Point(25, 5))) + " " + Str(Red(Point(75, 5)))
ResetGradientColors()
CircularGradient(50, 25, 10)
Circle(50, 25, 12)
Debug Str(Point(50, 25)) + " " + Str(Red(Point(55, 25))) + " " + Str(Red(Point(61, 25)))
CustomFilterCallback(@Swapped())
DrawingMode(#PB_2DDrawing_CustomFilter)
Box(0, 30, 101, 10, RGB(77, 0, 0))
Debug Str(Red(Point(7, 35))) + " " + Str(Green(Point(7, 35))) + " " + Str(Blue(Point(7, 35)))
DrawingMode(#PB_2DDrawing_Default)
Plot(3, 3, RGB(1, 2, 3))
Debug Point(3, 3)
StopDrawing()
; expect:
; 0 100 50 200
; 250 125 100
; 0 100 200
; 200 77 7
; 197121
