var total=0
var i=0
var n=0
var k=0
var j=0
var x=0.0
function INIT(){
total=0;
for(i=1;i<=10;i++){
total=QLCX_Add(total,i);
}
for(i=0;i<=20;i+=2){
total=QLCX_Add(total,i);
}
for(i=10;i>=1;i+=-1){
total=QLCX_Sub(total,i);
}
n=5;
for(k=n;k>=0;k+=-2){
Debug(QLCX_NumberText(k));
}
for(j=0;j<=QLCX_Sub(n,1);j++){
Debug(QLCX_NumberText(j));
}
for(x=0.5;x<=2.5;x=Math.fround(x+(0.5))){
Debug(QLCX_NumberText(x));
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
