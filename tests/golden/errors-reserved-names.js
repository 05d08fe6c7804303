var x=0
function QLCXp_INIT(){
return 0;
}
function QLCXp_Inf_1_0(){
return 0;
}
function QLCXp_ChangeLoop(f){
return 0;
}
function QLCXp_QLCXStart(){
return 0;
}
function QLCXp_Box(x){
return 0;
}
function INIT(){
x=1;
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
