var x=0
function QLCXp_INIT(){
}
function QLCXp_Inf_1_0(){
}
function QLCXp_ChangeLoop(f){
}
function QLCXp_QLCXStart(){
}
function QLCXp_Box(x){
}
function INIT(){
x=1;
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
