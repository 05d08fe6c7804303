var count=0
var text$=""
var total=0
var f=0
var t=0
var cells=0;
var seen=0;
function qlcxthreaded(qlcxkept){
var qlcxnow=[count,text$,cells,seen];
if(qlcxkept){
count=qlcxkept[0];
text$=qlcxkept[1];
cells=qlcxkept[2];
seen=qlcxkept[3];
return qlcxnow;
}
count=0;
text$="";
cells=QLCX_FreshArray(cells,initint);
seen=NewList(initstring);
return qlcxnow;
}
QLCX_ThreadedSwap=qlcxthreaded;
function Plain(n){
var i=0;
for(i=1;i<=n;i++){
total=QLCX_Add(total,i);
}
return total;
}
function Tiny(n){
return QLCX_Add(n,1);
}
async function Fill(n){
var qlcxt=QLCX_TaskNow;
while(n>0){
if(QLCX_TaskSlice()){QLCX_TaskBack(qlcxt,await QLCX_TaskYield());}
cells[QLCX_Mod(n,10)]=QLCX_Add(cells[QLCX_Mod(n,10)],1);
n=QLCX_Sub(n,1);
}
return 0;
}
async function Advance(n){
var qlcxt=QLCX_TaskNow;
QLCX_TaskBack(qlcxt,await Fill(n));
count=Tiny(count);
return 0;
}
function Tally(n){
do{
n=QLCX_Sub(n,1);
}while(!(n<=0));
return 0;
}
function OnClick(){
Tally(3);
return 0;
}
async function Worker(n){
var qlcxt=QLCX_TaskNow;
var k=0;
Tally(n);
for(k=1;k<=3;k++){
if(QLCX_TaskSlice()){QLCX_TaskBack(qlcxt,await QLCX_TaskYield());}
QLCX_TaskBack(qlcxt,await Advance(n));
QLCX_TaskBack(qlcxt,await QLCX_Sleep(5));
}
Plain(n);
return 0;
}
function INIT(){
ChangeLoop(Inf_0_0)
return 0
}
async function Inf_0_0(){
cells=dimfunc(initint,9,-1,-1);
seen=NewList(initstring);
f=Plain;
BindEvent(2,OnClick);
t=CreateThread(Worker,100);
QLCX_TaskBack(0,await QLCX_WaitThread(t));
ChangeLoop(0)
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
draginit();
QLCX_StartBoundEvents();
INIT();
}
