; The program's parameters are the parts of the page address's query, decoded: counted,
; read by index and read one after the other; past the last there is ""
Debug CountProgramParameters()
Debug ProgramParameter(0)
Debug ProgramParameter(2)
Debug "[" + ProgramParameter(5) + "]"
Debug ProgramParameter()
Debug ProgramParameter()
Debug Right(ProgramFilename(), 5)
Debug FindString(ProgramFilename(), "?")
; query: ?level=3&fast&name=a%20b+c
; expect:
; 3
; level=3
; name=a b c
; []
; level=3
; fast
; .html
; 0
