var sentence$=""
var value=0
function CountWords(text$){
var n=0;
var i=0;
var inword=0;
var c$="";
n=0;
inword=0;
for(i=1;i<=Len(text$);i++){
c$=Mid(text$,i,1);
if(c$==" "||c$==","){
inword=0;
}else{
if(inword==0){
inword=1;
n=QLCX_Add(n,1);
}
}
}
return n;
}
function TitleCase(text$){
var out$="";
var word$="";
var i=0;
out$="";
for(i=1;i<=QLCX_Add(CountString(text$," "),1);i++){
word$=StringField(text$,i," ");
if(Len(word$)>0){
out$=out$+UCase(Left(word$,1))+LCase(Mid(word$,2));
}
if(i<=CountString(text$," ")){
out$=out$+" ";
}
}
return out$;
}
function INIT(){
sentence$=InputRequester("Text tools","Type a sentence:","the quick brown fox");
Debug("Words: "+Str(CountWords(sentence$)));
Debug("Reversed: "+ReverseString(sentence$));
Debug("Title: "+TitleCase(sentence$));
Debug("Upper: "+UCase(sentence$));
Debug("Padded: ["+LSet(sentence$,30,".")+"]");
Debug("Right aligned: ["+RSet(Str(42),6,"0")+"]");
Debug("Without blanks: "+RemoveString(sentence$," "));
Debug("Fox at: "+Str(FindString(sentence$,"fox",0)));
Debug("Replaced: "+ReplaceString(sentence$,"quick","slow"));
Debug("Code of first letter: "+Str(Asc(sentence$)));
value=QLCX_Add(Val("  -12"),Val("$1F"));
Debug("Value: "+Str(value));
Debug("Path: C:\\Users\\me\\"+Trim("  x  "));
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
