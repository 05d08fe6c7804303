var x=0
function INIT(){
}
function Inf_1_0(){
}
function ChangeLoop(f){
}
function QLCXStart(){
}
function Box(x){
}
function INIT(){
x=1;
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
