var a=0
var b=0
var c=0
function INIT(){
a=1;
b=2;
if(a==1&&b==2){
Debug("both");
}
if(a!=b||a<=b){
c=1;
}else{
}
if(a>=b&&a<=3||a>=1){
c=2;
}else{
c=3;
}
if(a<b){
c=4;
}
if(QLCX_Sub(a,b)>0){
c=5;
}
if(!a){
c=6;
}
if(a==1&&!(b==3)){
c=7;
}
while(a<5){
a=QLCX_Add(a,1);
}
while(a>0&&b){
a=QLCX_Sub(a,1);
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
