var a=0
var x=0
var c=0
var d=0
var e=0
var f=0
var g=0
function Late(){
var z=0;
empty;
z=0;
return 0;
}
function INIT(){
a=1;
empty;
c=0;
f=QLCX_Mod(a,2);
g=0;
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
