var start=0
var centrex=0
var centrey=0
var face=0
var e=0
var seconds=0.0
function Hand(angle,qlcxv_length,color){
var x=0.0;
var y=0.0;
x=Math.fround(QLCX_Float(centrex)+Math.sin(angle)*QLCX_Float(qlcxv_length));
y=Math.fround(QLCX_Float(centrey)-Math.cos(angle)*QLCX_Float(qlcxv_length));
LineXY(centrex,centrey,x,y,color);
return 0;
}
function DrawFace(){
var i=0;
var a=0.0;
Circle(centrex,centrey,110,face);
for(i=0;i<=11;i++){
a=Math.fround(QLCX_Float(i)*Math.PI/6);
Box(QLCX_Float(centrex)+Math.sin(a)*100-2,QLCX_Float(centrey)-Math.cos(a)*100-2,4,4,0);
}
return 0;
}
function INIT(){
start=ElapsedMilliseconds();
centrex=120;
centrey=120;
face=14737632;
OpenWindow(0,10,10,240,260,"Clock");
OpenWindowedScreen(0,0,0,240,240);
ChangeLoop(Inf_1_0)
return 0
}
function Inf_0_1(){
ChangeLoop(0)
}
function Inf_1_0(){
seconds=Math.fround((QLCX_Float(ElapsedMilliseconds())-QLCX_Float(start))/1000);
ClearScreen(16777215);
StartDrawing(empty());
DrawFace();
Hand(Math.fround(seconds*2*Math.PI/60),95,255);
Hand(Math.fround(seconds*2*Math.PI/3600),80,0);
Hand(Math.fround(seconds*2*Math.PI/43200),55,RGB(40,40,120));
DrawText(85,180,RSet(Str(Math.trunc(seconds)),5,"0")+" s",16711680);
StopDrawing();
FlipBuffers();
e=WindowEvent();
if(e==1){
ChangeLoop(Inf_0_1)
return 0
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
draginit();
INIT();
}
