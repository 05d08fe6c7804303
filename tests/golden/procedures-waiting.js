var e=0
var a$=""
async function Inner(t){
return QLCX_Add(await QLCX_NextEvent(t),1);
}
async function Middle(){
var x=0;
x=QLCX_Mul(await Inner(10),2);
return 0;
}
async function Outer(){
await Middle();
return 0;
}
async function Ask(){
await QLCX_Sleep(10);
return "<"+await QLCX_ReadLine()+">";
}
function Plain(){
var e=0;
BindEvent(2,Inner);
e=WindowEvent();
return 0;
}
function INIT(){
ChangeLoop(Inf_0_0)
return 0
}
async function Inf_0_0(){
Plain();
if(await Inner(5)>1){
await Outer();
}
ChangeLoop(Inf_1_0)
return 0
ChangeLoop(0)
}
async function Inf_0_1(){
if(e==2){
e=await QLCX_NextEvent(100);
}
a$=await Ask();
ChangeLoop(0)
}
async function Inf_1_0(){
await Middle();
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
function _qlcxi(){
QLCXInit("QLCXcanvas");
QLCX_StartConsole();
draginit();
QLCX_StartBoundEvents();
INIT();
}
