var right=0
var wrong=0
var round=0
var q=0
var reply$=""
var question$=0;
var answer$=0;
function Verdict(points,total){
var percent=0.0;
percent=Math.fround(QLCX_Float(points)*100/QLCX_Float(total));
if(percent>=80){
return "Excellent!";
}else{
if(percent>=50){
return "Not bad.";
}
}
return "Keep practising.";
}
function INIT(){
question$=dimfunc(initstring,4,-1,-1);
answer$=dimfunc(initstring,4,-1,-1);
question$[0]="France";
answer$[0]="Paris";
question$[1]="Italy";
answer$[1]="Rome";
question$[2]="Japan";
answer$[2]="Tokyo";
question$[3]="Peru";
answer$[3]="Lima";
question$[4]="Kenya";
answer$[4]="Nairobi";
right=0;
wrong=0;
for(round=1;round<=3;round++){
q=Random(4);
reply$=InputRequester("Quiz","Round "+Str(round)+": capital of "+question$[q]+"?","");
var qlcxselect1=LCase(Trim(reply$));
if(qlcxselect1==LCase(answer$[q])){
right=QLCX_Add(right,1);
MessageRequester("Quiz","Right!");
}else if(qlcxselect1==""){
wrong=QLCX_Add(wrong,1);
MessageRequester("Quiz","No answer? It is "+answer$[q]+".");
}else{
wrong=QLCX_Add(wrong,1);
MessageRequester("Quiz","Sorry, it is "+answer$[q]+".");
}
}
MessageRequester("Quiz",Str(right)+" right, "+Str(wrong)+" wrong. "+Verdict(right,3));
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
