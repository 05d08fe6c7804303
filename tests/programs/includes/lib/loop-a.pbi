IncludeFile "loop-b.pbi"
