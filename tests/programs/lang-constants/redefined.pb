; Another value for a constant is reported with its line
#Limit = 10
#Limit = 11
Debug #Limit
; expect:
; 10
; expect-log:
; line 3: constant redefined: #Limit
