var i=0
var n=0
var a$=""
var e=0
var k=0
async function Ask(q){
Print(q);
await QLCX_Sleep(10);
return await QLCX_ReadLine();
}
function INIT(){
OpenConsole();
Delay(100);
ChangeLoop(Inf_0_1)
return 0
}
async function Inf_0_1(){
i=1;
if(i<=3){
ChangeLoop(Inf_1_0)
return 0
}
while(n>0){
if(n==1){
a$=await QLCX_ReadLine();
}
n=QLCX_Sub(n,1);
}
ChangeLoop(Inf_2_0)
return 0
ChangeLoop(0)
}
async function Inf_0_2(){
while(n>0){
if(n==1){
a$=await QLCX_ReadLine();
}
n=QLCX_Sub(n,1);
}
ChangeLoop(Inf_2_0)
return 0
ChangeLoop(0)
}
function Inf_0_3(){
ChangeLoop(0)
}
function Inf_1_0(){
if(i==2){
i++;
if(i>3){
ChangeLoop(Inf_0_2)
return 0
}
ChangeLoop(Inf_1_0)
return 0
}
QLCX_AskLine();
ChangeLoop(Inf_1_1)
return 0
}
function Inf_1_1(){
n=Val(Input());
i++;
if(i>3){
ChangeLoop(Inf_0_2)
return 0
}
ChangeLoop(Inf_1_0)
}
function Inf_2_0(){
ChangeLoop(Inf_3_0)
return 0
}
async function Inf_2_1(){
a$=await Ask("again? ");
if(a$=="n"){
ChangeLoop(Inf_0_3)
return 0
}
ChangeLoop(Inf_2_0)
}
function Inf_3_0(){
awaitevent(20);
ChangeLoop(Inf_3_1)
return 0
}
function Inf_3_1(){
e=WaitWindowEvent(20);
if(e==1){
ChangeLoop(Inf_0_3)
return 0
}
for(k=1;k<=2;k++){
if(k==e){
ChangeLoop(Inf_2_1)
return 0;
}
}
ChangeLoop(Inf_3_0)
}
