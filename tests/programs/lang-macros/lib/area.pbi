Macro Area(w, h)
  (w) * (h)
EndMacro
Macro Report(v)
  total = v + Missing(1)
EndMacro
