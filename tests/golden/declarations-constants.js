var c=0
var t=0
var e=0
var p=0
var ev=0
var x=0
function INIT(){
c=33554430;
Debug("a"+"\n"+"b"+"\n");
if(KeyboardPushed(27)||KeyboardReleased(32)){
t=1;
}
e=1;
p=QLCX_Round(Math.PI*2);
ev=7;
x=-1;
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
InitKeyboard();
INIT();
}
