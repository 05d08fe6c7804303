; String functions, Str and Val on awkward inputs: empty texts, counts out of range, overlaps,
; positions before the start and after the end
Debug "|" + Left("abc",2) + "|"
Debug "|" + Left("abc",9) + "|"
Debug "|" + Left("abc",0) + "|"
Debug "|" + Left("abc",-1) + "|"
Debug "|" + Left("",3) + "|"
Debug "|" + Mid("hello",2,3) + "|"
Debug "|" + Mid("hello",2) + "|"
Debug "|" + Mid("hello",4,9) + "|"
Debug "|" + Mid("hello",9,2) + "|"
Debug "|" + Mid("hello",0,2) + "|"
Debug "|" + Mid("hello",3,0) + "|"
Debug "|" + Right("hello",2) + "|"
Debug "|" + Right("hi",5) + "|"
Debug "|" + Right("hi",0) + "|"
Debug "|" + Right("",1) + "|"
Debug FindString("abcabc","c")
Debug FindString("abcabc","c",0)
Debug FindString("abcabc","a",1)
Debug FindString("abcabc","a",2)
Debug FindString("abcabc","x")
Debug FindString("abc","c",9)
Debug FindString("abc","")
Debug FindString("aaa","aa",2)
Debug "|" + LCase("AbC1") + "|"
Debug "|" + UCase("aBc1") + "|"
Debug Len("")
Debug Len("abc")
Debug CountString("aaaa","aa")
Debug CountString("aaa","aa")
Debug CountString("abc","")
Debug CountString("","a")
Debug CountString("abab","ab")
Debug "|" + Space(3) + "|"
Debug "|" + Space(0) + "|"
Debug "|" + Space(-2) + "|"
Debug "|" + Space(3,"ab") + "|"
Debug "|" + Space(2,"") + "|"
Debug "|" + ReverseString("abc") + "|"
Debug "|" + ReverseString("") + "|"
Debug Asc("A")
Debug Asc("ab")
Debug Asc("")
Debug "|" + ReplaceString("a","a","aa") + "|"
Debug "|" + ReplaceString("abab","ab","x") + "|"
Debug "|" + ReplaceString("aaa","aa","b") + "|"
Debug "|" + ReplaceString("abc","","x") + "|"
Debug "|" + ReplaceString("","a","b") + "|"
Debug "|" + ReplaceString("abc","b","") + "|"
Debug "|" + RemoveString("aabb","ab") + "|"
Debug "|" + RemoveString("xaxbx","x") + "|"
Debug "|" + RemoveString("abc","") + "|"
Debug "|" + RemoveString("abc","abcd") + "|"
Debug "|" + InsertString("abc","X",2) + "|"
Debug "|" + InsertString("abc","X",1) + "|"
Debug "|" + InsertString("abc","X",4) + "|"
Debug "|" + InsertString("abc","X",9) + "|"
Debug "|" + InsertString("abc","X",0) + "|"
Debug "|" + StringField("a,b,c",2,",") + "|"
Debug "|" + StringField("a,b,c",1,",") + "|"
Debug "|" + StringField("a,b,c",3,",") + "|"
Debug "|" + StringField("a,b,c",4,",") + "|"
Debug "|" + StringField("a,b,c",0,",") + "|"
Debug "|" + StringField("a,b,c",1,"") + "|"
Debug "|" + StringField("a,,c",2,",") + "|"
Debug "|" + StringField("a,,c",3,",") + "|"
Debug "|" + StringField("a::b",2,"::") + "|"
Debug "|" + StringField("abc",1,",") + "|"
Debug "|" + LSet("abcdef",3) + "|"
Debug "|" + LSet("ab",4) + "|"
Debug "|" + LSet("ab",4,"*") + "|"
Debug "|" + LSet("ab",0) + "|"
Debug "|" + RSet("7",3,"0") + "|"
Debug "|" + RSet("abcdef",3) + "|"
Debug "|" + RSet("ab",4) + "|"
Debug "|" + LTrim("  a ") + "|"
Debug "|" + RTrim("  a ") + "|"
Debug "|" + Trim("  a ") + "|"
Debug "|" + Trim("   ") + "|"
Debug "|" + Trim("xxaxx","x") + "|"
Debug "|" + Trim("--a--","-+") + "|"
Debug "|" + LTrim("  a","") + "|"
Debug "|" + Str(5) + "|"
Debug "|" + Str(-1.5) + "|"
Debug "|" + Str(0) + "|"
Debug Val("12abc")
Debug Val("  -3.5x")
Debug Val("+7")
Debug Val("$FF")
Debug Val("$ff")
Debug Val("$1G")
Debug Val("-$10")
Debug Val("$")
Debug Val("abc")
Debug Val("")
Debug Val(".5")
Debug Val("12.")
Debug Val("1e5")
Debug Val("-")
; expect:
; |ab|
; |abc|
; ||
; ||
; ||
; |ell|
; |ello|
; |lo|
; ||
; |he|
; ||
; |lo|
; |hi|
; ||
; ||
; 3
; 3
; 1
; 4
; 0
; 0
; 0
; 2
; |abc1|
; |ABC1|
; 0
; 3
; 2
; 1
; 0
; 0
; 2
; |   |
; ||
; ||
; |ababab|
; ||
; |cba|
; ||
; 65
; 97
; 0
; |aa|
; |xx|
; |ba|
; |abc|
; ||
; |ac|
; ||
; |ab|
; |abc|
; |abc|
; |aXbc|
; |Xabc|
; |abcX|
; |abcX|
; |Xabc|
; |b|
; |a|
; |c|
; ||
; ||
; ||
; ||
; |c|
; |b|
; |abc|
; |abc|
; |ab  |
; |ab**|
; ||
; |007|
; |abc|
; |  ab|
; |a |
; |  a|
; |a|
; ||
; |a|
; |a|
; |  a|
; |5|
; |-1.5|
; |0|
; 12
; -3
; 7
; 255
; 255
; 1
; -16
; 0
; 0
; 0
; 0
; 12
; 1
; 0
