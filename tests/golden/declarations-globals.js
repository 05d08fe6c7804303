var a=0
var b=0
var score=0
var lives=0
var name$=""
var speed=0.0
var count=0
var title=""
var v=0
var w=0.0
var first=""
var second=""
var third=0
var ratio=0.0
var static_Tally_calls=0
var shots=0;
var board=0;
function Tally(){
var text="";
static_Tally_calls=QLCX_Add(static_Tally_calls,1);
return 0;
}
function INIT(){
score=10;
lives=3;
name$="Ann";
speed=1.5;
v=1;
v=QLCX_Round(2.5);
w=1;
w="x";
shots=NewList(initint);
board=dimfunc(initint,7,7,-1);
second="b";
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
