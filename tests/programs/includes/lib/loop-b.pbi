IncludeFile "loop-a.pbi"
