var x=0
var y=0
var a=0
function Open(){
var b=0;
b=2;
return 0;
}
function Next2(){
var c=0;
c=3;
return 0;
}
function INIT(){
a=1;
Debug(QLCX_NumberText(a));
Debug(QLCX_NumberText(a));
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
