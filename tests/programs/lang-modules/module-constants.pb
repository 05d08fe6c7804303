; Constants of a module: declared ones reachable as Name::#X or after UseModule, private
; ones seen only inside it, each module's own apart from the main program's of one name
#Size = 1
DeclareModule Grid
  #Size = 8
  #Cells = #Size * #Size
  Declare Show()
EndDeclareModule
Module Grid
  #Margin = #Size / 2
  Procedure Show()
    Debug "inside " + Str(#Size) + " " + Str(#Cells) + " " + Str(#Margin)
  EndProcedure
EndModule
DeclareModule Tiles
  Enumeration
    #Grass
    #Water
    #Rock
  EndEnumeration
EndDeclareModule
Module Tiles
EndModule
Grid::Show()
#Twice = Grid::#Cells * 2
Debug "twice " + Str(#Twice)
Debug "outside " + Str(#Size) + " " + Str(Grid::#Cells) + " " + Str(Tiles::#Rock)
UseModule Tiles
Debug "used " + Str(#Water) + " " + Str(#Size)
#Deep = #Water + 10
UnuseModule Tiles
Debug "defined " + Str(#Deep)
; expect:
; inside 8 64 4
; twice 128
; outside 1 64 2
; used 1 1
; defined 11
