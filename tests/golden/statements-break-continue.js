var n=0
function FirstAbove(limit){
var i=0;
for(i=1;i<=100;i++){
var qlcxselect1=QLCX_Mul(i,i);
if(qlcxselect1==49){
continue;
}else{
if(QLCX_Mul(i,i)>limit){
break;
}
}
}
return i;
}
function FindPair(target){
var found=0;
var a=0;
var b=0;
found=0;
qlcxloop1:for(a=1;a<=9;a++){
b=1;
while(b<=9){
if(QLCX_Mul(a,b)==target){
found=QLCX_Add(QLCX_Mul(a,10),b);
break qlcxloop1;
}
b=QLCX_Add(b,1);
}
}
return found;
}
function INIT(){
Debug(QLCX_NumberText(FirstAbove(50)));
Debug(QLCX_NumberText(FindPair(12)));
n=0;
ChangeLoop(Inf_1_0)
return 0
}
function Inf_0_1(){
Debug(QLCX_NumberText(n));
ChangeLoop(0)
}
function Inf_1_0(){
n=QLCX_Add(n,1);
if(n==2){
ChangeLoop(Inf_1_0)
return 0
}else if(n==4){
ChangeLoop(Inf_0_1)
return 0
}
Debug(QLCX_NumberText(n));
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
