; Guess the number: a console game that reads the player's lines in a loop.
OpenConsole("Guess the number")
ConsoleColor(11, 0)
PrintN("*** Guess the number ***")
ConsoleColor(7, 0)
PrintN("")
Print("What is your name? ")
name$ = Trim(Input())
If name$ = ""
  name$ = "stranger"
EndIf
PrintN("Hello, " + name$ + "! I am thinking of a number from 1 to 100.")
games = 0
best = 0
Repeat
  secret = Random(99) + 1
  tries = 0
  Repeat
    Print("Your guess: ")
    guess = Val(Input())
    tries + 1
    If guess < secret
      PrintN("  Too low.")
    Else
      If guess > secret
        PrintN("  Too high.")
      EndIf
    EndIf
  Until guess = secret
  games + 1
  ConsoleColor(10, 0)
  PrintN("  Right! " + Str(secret) + " in " + Str(tries) + " tries.")
  ConsoleColor(7, 0)
  If best = 0 Or tries < best
    best = tries
    PrintN("  That is your best game so far.")
  EndIf
  Print("Play again (y/n)? ")
  again$ = LCase(Input())
Until Left(again$, 1) <> "y"
PrintN("")
PrintN(Str(games) + " game(s), best " + Str(best) + " tries. Bye, " + name$ + "!")
Delay(500)
ConsoleTitle("Thanks for playing")
