function structball(){
var x=0.0;
var y=0.0;
var dx=0.0;
var dy=0.0;
var color=0;
}
function initball(){
var bufvar=new structball();
bufvar.x=0.0;
bufvar.y=0.0;
bufvar.dx=0.0;
bufvar.dy=0.0;
bufvar.color=0;
return bufvar;
}
var i=0
var balls=0;
function SpawnBall(x,y){
AddElement(balls);
balls[balls[0]].x=Math.fround(QLCX_Float(x));
balls[balls[0]].y=Math.fround(QLCX_Float(y));
balls[balls[0]].dx=Math.fround(RandomFloat(4)-2);
balls[balls[0]].dy=Math.fround(RandomFloat(4)-2);
balls[balls[0]].color=RGB(Random(255),Random(255),255);
return 0;
}
function INIT(){
balls=NewList(initball);
if(empty()==0||empty()==0){
MessageRequester("Error","No screen");
end();ChangeLoop(0);return;
}
OpenWindow(0,0,0,400,300,"Balls");
OpenWindowedScreen(0,0,0,400,300);
InitMouse();
for(i=1;i<=5;i++){
SpawnBall(200,150);
}
ChangeLoop(Inf_1_0)
return 0
}
function Inf_0_1(){
ChangeLoop(0)
}
function Inf_1_0(){
ClearScreen(0);
ExamineMouse();
if(MouseButton(1)){
SpawnBall(MouseX(),MouseY());
}
StartDrawing(empty());
ResetList(balls);
while(NextElement(balls)){
balls[balls[0]].x=Math.fround(balls[balls[0]].x+balls[balls[0]].dx);
balls[balls[0]].y=Math.fround(balls[balls[0]].y+balls[balls[0]].dy);
if(balls[balls[0]].x<5||balls[balls[0]].x>395){
balls[balls[0]].dx=-balls[balls[0]].dx;
}
if(balls[balls[0]].y<5||balls[balls[0]].y>295){
balls[balls[0]].dy=-balls[balls[0]].dy;
}
Circle(balls[balls[0]].x,balls[balls[0]].y,5,balls[balls[0]].color);
}
DrawText(5,5,"Balls: "+Str(ListSize(balls)),16777215);
StopDrawing();
FlipBuffers();
empty();
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
draginit();
InitKeyboard();
INIT();
}
