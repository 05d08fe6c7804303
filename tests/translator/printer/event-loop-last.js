var x=0
var e=0
function INIT(){
x=1;
ChangeLoop(Inf_1_0)
return 0
}
function Inf_0_1(){
ChangeLoop(0)
}
function Inf_1_0(){
awaitevent();
ChangeLoop(Inf_1_1)
return 0
}
function Inf_1_1(){
e=WaitWindowEvent();
if(e==1){
ChangeLoop(Inf_0_1)
return 0
}
ChangeLoop(Inf_1_0)
}
