var c=0
var t=0
var e=0
var p=0
var ev=0
var x=0
function INIT(){
c=255+65280+16711680+16777215+0;
Debug("a"+"\n"+"b"+"\n");
if(KeyboardPushed(27)||KeyboardReleased(32)){
t=1;
}
e=1;
p=QLCX_Round(Math.PI*2);
ev=5+2;
x=-1;
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
InitKeyboard();
INIT();
}
