; The form example: an order refused without a name, a name typed and the slider moved by the
; keyboard, two orders counted on the status line and the bar, Clear, the link and Quit
; program: ../../../examples/form/form.pb
; do:
; see window0_title text Tea order form
; click Order
; type Ada into 2
; key ArrowRight in 4
; key ArrowRight in 4
; key ArrowRight in 4
; see 5 text 4 cups
; click Order
; see 9 text Order 1: 4 for Ada, 4 cups today
; see 8 .value 4
; click Order
; see 9 text Order 2: 4 for Ada, 8 cups today
; see 8 .value 8
; click Clear
; see 5 text 1 cups
; see 2 .value 
; see 4 .value 1
; click menu.txt
; see 9 text The menu opens in a new tab.
; see 11 @href menu.txt
; click Quit
; see window0 missing
; dialogs:
; Tea order\n\nPlease type your name first.
; Tea order\n\nThank you, Ada!\n4 cups of tea are on their way.
; Tea order\n\nThank you, Ada!\n4 cups of tea are on their way.
