; For with and without Step, counting up and down
total = 0
For i = 1 To 10
	total + i
Next i
For i = 0 To 20 Step 2
	total + i
Next
For i = 10 To 1 Step -1
	total - i
Next i
n = 5
For k = n To 0 Step -2
	Debug k
Next
For j = 0 To (n - 1)
	Debug j
Next j
For x.f = 0.5 To 2.5 Step 0.5
	Debug x
Next
