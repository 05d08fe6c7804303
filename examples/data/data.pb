; Little library - structures, linked lists, arrays, strings and recursion.
; Everything it finds out goes to the debug output.

Structure Book
	Title.s
	Author.s
	Year.i
EndStructure

Global NewList books.Book()

Procedure AddBook(title$, author$, year)
	AddElement(books())
	books()\Title = title$
	books()\Author = author$
	books()\Year = year
EndProcedure

; The last word of an author's name
Procedure.s Surname(author$)
	ProcedureReturn StringField(author$, CountString(author$, " ") + 1, " ")
EndProcedure

Procedure.i Factorial(n)
	If n <= 1
		ProcedureReturn 1
	EndIf
	ProcedureReturn n * Factorial(n - 1)
EndProcedure

Procedure.i Fibonacci(n)
	If n < 2
		ProcedureReturn n
	EndIf
	ProcedureReturn Fibonacci(n - 1) + Fibonacci(n - 2)
EndProcedure

; Turns "tea" into "aet", one letter at a time
Procedure.s Backwards(text$)
	If Len(text$) <= 1
		ProcedureReturn text$
	EndIf
	ProcedureReturn Backwards(Mid(text$, 2)) + Left(text$, 1)
EndProcedure

;- The book list
AddBook("The Hobbit", "J. R. R. Tolkien", 1937)
AddBook("Dune", "Frank Herbert", 1965)
AddBook("Neuromancer", "William Gibson", 1984)
AddBook("Foundation", "Isaac Asimov", 1951)
AddBook("The Left Hand of Darkness", "Ursula K. Le Guin", 1969)

Debug "Books: " + Str(ListSize(books()))
oldest = 9999
ForEach books()
	Debug LSet(books()\Title, 26, ".") + " " + Str(books()\Year) + " " + UCase(Surname(books()\Author))
	If books()\Year < oldest
		oldest = books()\Year
		oldestTitle$ = books()\Title
	EndIf
Next
Debug "Oldest: " + oldestTitle$ + " (" + Str(oldest) + ")"

; weed out everything older than 1960
ForEach books()
	If books()\Year < 1960
		DeleteElement(books())
	EndIf
Next
titles$ = ""
ForEach books()
	titles$ + books()\Title + ", "
Next
Debug "Since 1960: " + Left(titles$, Len(titles$) - 2)

;- Arrays
Dim sieve.i(100)
primes$ = ""
For i = 2 To 100
	If sieve(i) = 0
		primes$ + Str(i) + " "
		For j = i * i To 100 Step i
			sieve(j) = 1
		Next
	EndIf
Next
Debug "Primes: " + Trim(primes$)
Debug "That makes " + Str(CountString(primes$, " ")) + " primes below 100"

Dim table.i(9, 9)
For row = 1 To 9
	For col = 1 To 9
		table(row, col) = row * col
	Next
Next
line$ = ""
For col = 1 To 9
	line$ + RSet(Str(table(7, col)), 4)
Next
Debug "Seven times:" + line$

;- Strings and recursion
word$ = InputRequester("Little library", "Type a word:", "Level")
Debug "You typed " + word$ + " (" + Str(Len(word$)) + " letters)"
Debug "Backwards: " + Backwards(word$)
If LCase(Backwards(word$)) = LCase(word$)
	Debug "That is a palindrome."
Else
	Debug "That is not a palindrome."
EndIf
vowels = 0
For i = 1 To Len(word$)
	If FindString("aeiou", LCase(Mid(word$, i, 1)))
		vowels + 1
	EndIf
Next
Debug "Vowels: " + Str(vowels) + ", shouted: " + UCase(word$) + ", dotted: " + ReplaceString(LCase(word$), "e", ".")

count = Val(InputRequester("Little library", "How many Fibonacci numbers?", "10"))
fib$ = ""
For i = 1 To count
	fib$ + Str(Fibonacci(i)) + " "
Next
Debug "Fibonacci: " + Trim(fib$)
Debug "10! = " + Str(Factorial(10))
