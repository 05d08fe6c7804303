; The data example with the word Racecar and 12 Fibonacci numbers: books, primes, a table,
; the word turned around and counted, and recursion, all in the Debug output
; program: ../../../examples/data/data.pb
; answer:
; Racecar
; 12
; dialogs:
; Little library\n\nType a word: [Level]
; Little library\n\nHow many Fibonacci numbers? [10]
; expect:
; Books: 5
; The Hobbit................ 1937 TOLKIEN
; Dune...................... 1965 HERBERT
; Neuromancer............... 1984 GIBSON
; Foundation................ 1951 ASIMOV
; The Left Hand of Darkness. 1969 GUIN
; Oldest: The Hobbit (1937)
; Since 1960: Dune, Neuromancer, The Left Hand of Darkness
; Primes: 2 3 5 7 11 13 17 19 23 29 31 37 41 43 47 53 59 61 67 71 73 79 83 89 97
; That makes 25 primes below 100
; Seven times:   7  14  21  28  35  42  49  56  63
; You typed Racecar (7 letters)
; Backwards: racecaR
; That is a palindrome.
; Vowels: 3, shouted: RACECAR, dotted: rac.car
; Fibonacci: 1 1 2 3 5 8 13 21 34 55 89 144
; 10! = 3628800
