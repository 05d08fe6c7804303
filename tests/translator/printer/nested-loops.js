var a=0
var z=0
var b=0
var x=0
var y=0
var c=0
var d=0
var e=0
var f=0
function INIT(){
a=1;
ChangeLoop(Inf_1_0)
return 0
}
function Inf_0_1(){
f=6;
ChangeLoop(0)
}
function Inf_1_0(){
b=2;
if(x){
ChangeLoop(Inf_2_0)
return 0
}
e=5;
if(z){
ChangeLoop(Inf_0_1)
return 0
}
}
function Inf_1_1(){
d=4;
e=5;
if(z){
ChangeLoop(Inf_0_1)
return 0
}
ChangeLoop(Inf_1_0)
}
function Inf_2_0(){
c=3;
if(y){
ChangeLoop(Inf_1_1)
return 0
}
}
