; The address-book example, used as a person would: pick a row, add an entry, find it in the
; list, remove it by the menu, add one by the keyboard shortcut and clear all.
; program: ../../../examples/address-book/address-book.pb
; do:
; click Alan Turing
; type Grace Hopper into 2
; type 555-1906 into 3
; click Add
; click Grace Hopper
; click Edit
; click Remove
; type Edsger Dijkstra into 2
; key Control+N
; click Edsger Dijkstra
; click Add
; click File
; click Clear all
