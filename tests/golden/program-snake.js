var cell=0
var dirx=0
var diry=0
var headx=0
var heady=0
var score=0
var alive=0
var lastmove=0
var x=0
var y=0
var field=0;
var bodyx=0;
var bodyy=0;
function PlaceFood(){
var x=0;
var y=0;
do{
x=Random(19);
y=Random(14);
}while(!(field[x][y]==0));
field[x][y]=2;
return 0;
}
function Grow(){
AddElement(bodyx);
bodyx[bodyx[0]]=headx;
AddElement(bodyy);
bodyy[bodyy[0]]=heady;
field[headx][heady]=1;
return 0;
}
function Step_(){
headx=QLCX_Add(headx,dirx);
heady=QLCX_Add(heady,diry);
if(headx<0||headx>19||heady<0||heady>14){
alive=0;
return 0;
}
var qlcxselect1=field[headx][heady];
if(qlcxselect1==1){
alive=0;
}else if(qlcxselect1==2){
score=QLCX_Add(score,10);
Grow();
PlaceFood();
}else{
FirstElement(bodyx);
FirstElement(bodyy);
field[bodyx[bodyx[0]]][bodyy[bodyy[0]]]=0;
DeleteElement(bodyx);
DeleteElement(bodyy);
LastElement(bodyx);
LastElement(bodyy);
Grow();
}
return 0;
}
function INIT(){
cell=16;
field=dimfunc(initint,19,14,-1);
bodyx=NewList(initint);
bodyy=NewList(initint);
dirx=1;
diry=0;
headx=5;
heady=7;
score=0;
alive=1;
lastmove=0;
empty();
empty();
OpenWindowedScreen(0,0,0,QLCX_Mul(20,cell),QLCX_Mul(15,cell));
Grow();
PlaceFood();
ChangeLoop(Inf_1_0)
return 0
}
function Inf_0_1(){
MessageRequester("Snake","Game over - score "+Str(score));
ChangeLoop(0)
}
function Inf_1_0(){
empty();
if(KeyboardPushed(37)&&dirx==0){
dirx=-1;
diry=0;
}
if(KeyboardPushed(39)&&dirx==0){
dirx=1;
diry=0;
}
if(KeyboardPushed(38)&&diry==0){
dirx=0;
diry=-1;
}
if(KeyboardPushed(40)&&diry==0){
dirx=0;
diry=1;
}
if(QLCX_Sub(ElapsedMilliseconds(),lastmove)>150&&alive){
lastmove=ElapsedMilliseconds();
Step_();
}
ClearScreen(RGB(0,40,0));
StartDrawing(empty());
for(x=0;x<=19;x++){
for(y=0;y<=14;y++){
var qlcxselect2=field[x][y];
if(qlcxselect2==1){
Box(QLCX_Mul(x,cell),QLCX_Mul(y,cell),QLCX_Sub(cell,1),QLCX_Sub(cell,1),65280);
}else if(qlcxselect2==2){
Box(QLCX_Add(QLCX_Mul(x,cell),4),QLCX_Add(QLCX_Mul(y,cell),4),8,8,255);
}
}
}
DrawText(4,4,"Score "+Str(score),16777215);
StopDrawing();
FlipBuffers();
if(alive==0||KeyboardPushed(27)){
ChangeLoop(Inf_0_1)
return 0
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
draginit();
InitKeyboard();
INIT();
}
