; What a module does not declare stays inside it: its helper, its counter and its constant
; are not reachable from outside, and a module that does not exist is named
DeclareModule Bank
  Declare Deposit(n)
EndDeclareModule
Module Bank
  #Fee = 2
  Global balance
  Procedure Audit()
    Debug balance
  EndProcedure
  Procedure Deposit(n)
    balance + n - #Fee
    Audit()
  EndProcedure
EndModule
Bank::Deposit(10)
Bank::Audit()
Debug Bank::balance
Debug Bank::#Fee
Vault::Open()
UseModule Vault
; expect-log:
; line 18: not declared by module Bank: Audit
; line 19: not declared by module Bank: balance
; line 20 const Not found: Bank::#Fee
; line 21: module not found: Vault
; line 21: function Not found: Open()
; line 22: module not found: Vault
