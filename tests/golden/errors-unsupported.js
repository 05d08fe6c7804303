var a=0
var b=0
var c=0
var m=0
var n=0
var qlcxptr_p=0
var q=0
var static_Sub_first=0
var static_Sub_second=6
var i=0
function Sub(start){
return 0;
}
function INIT(){
a=1;
if(a==1){
b=1;
}
c=(!a!==!3?1:0);
m=QLCX_Mod(a,2);
n=QLCX_BitAnd(a,1);
qlcxptr_p=5;
q=qlcxptr_p;
Sub(1);
for(i=1;i<=2;i++){
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
