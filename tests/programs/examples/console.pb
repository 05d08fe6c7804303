; The console example played by halving the range: a name and guesses typed into the console,
; two games, the summary, the title line in light cyan and no input line once it has ended
; program: ../../../examples/console/console.pb
; type:
; Ada
; 50
; 75
; 62
; 68
; 65
; 66
; y
; 50
; 25
; 37
; 31
; n
; do:
; see QLCXconsole .ownerDocument.title Thanks for playing
; see QLCXconsole .firstElementChild.className f11
; see QLCXinput missing
; console:
; *** Guess the number ***
;
; What is your name? Ada
; Hello, Ada! I am thinking of a number from 1 to 100.
; Your guess: 50
;   Too low.
; Your guess: 75
;   Too high.
; Your guess: 62
;   Too low.
; Your guess: 68
;   Too high.
; Your guess: 65
;   Too low.
; Your guess: 66
;   Right! 66 in 6 tries.
;   That is your best game so far.
; Play again (y/n)? y
; Your guess: 50
;   Too high.
; Your guess: 25
;   Too low.
; Your guess: 37
;   Too high.
; Your guess: 31
;   Right! 31 in 4 tries.
;   That is your best game so far.
; Play again (y/n)? n
;
; 2 game(s), best 4 tries. Bye, Ada!
