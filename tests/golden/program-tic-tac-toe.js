var turn=0
var winner=0
var cx=0
var cy=0
var board=0;
function CheckLine(a,b,c){
if(a!=0&&a==b&&b==c){
return a;
}
return 0;
}
function FindWinner(){
var i=0;
var w=0;
for(i=0;i<=2;i++){
w=CheckLine(board[i][0],board[i][1],board[i][2]);
if(w){
return w;
}
w=CheckLine(board[0][i],board[1][i],board[2][i]);
if(w){
return w;
}
}
w=CheckLine(board[0][0],board[1][1],board[2][2]);
if(w==0){
w=CheckLine(board[2][0],board[1][1],board[0][2]);
}
return w;
}
function ComputerMove(){
var x=0;
var y=0;
var tries=0;
tries=0;
do{
x=Random(2);
y=Random(2);
tries=QLCX_Add(tries,1);
}while(!(board[x][y]==0||tries>100));
board[x][y]=2;
return 0;
}
function DrawBoard(){
var x=0;
var y=0;
StartDrawing(empty());
Box(0,0,300,300,RGB(240,240,240));
for(x=0;x<=2;x++){
for(y=0;y<=2;y++){
var qlcxselect1=board[x][y];
if(qlcxselect1==1){
Circle(QLCX_Add(QLCX_Mul(x,100),50),QLCX_Add(QLCX_Mul(y,100),50),30,16711680);
}else if(qlcxselect1==2){
LineXY(QLCX_Add(QLCX_Mul(x,100),20),QLCX_Add(QLCX_Mul(y,100),20),QLCX_Add(QLCX_Mul(x,100),80),QLCX_Add(QLCX_Mul(y,100),80),255);
LineXY(QLCX_Add(QLCX_Mul(x,100),80),QLCX_Add(QLCX_Mul(y,100),20),QLCX_Add(QLCX_Mul(x,100),20),QLCX_Add(QLCX_Mul(y,100),80),255);
}
}
}
StopDrawing();
return 0;
}
function INIT(){
board=dimfunc(initint,2,2,-1);
turn=1;
winner=0;
OpenWindow(0,50,50,300,300,"Tic Tac Toe");
OpenWindowedScreen(0,0,0,300,300);
InitMouse();
ChangeLoop(Inf_1_0)
return 0
}
function Inf_0_1(){
ChangeLoop(0)
}
function Inf_1_0(){
ExamineMouse();
if(winner==0&&MouseButton(1)){
cx=QLCX_Div(MouseX(),100);
cy=QLCX_Div(MouseY(),100);
if(cx>=0&&cx<=2&&cy>=0&&cy<=2&&board[Math.trunc(QLCX_Float(cx))][Math.trunc(QLCX_Float(cy))]==0){
board[Math.trunc(QLCX_Float(cx))][Math.trunc(QLCX_Float(cy))]=1;
winner=FindWinner();
if(winner==0){
ComputerMove();
winner=FindWinner();
}
}
}
DrawBoard();
FlipBuffers();
if(winner){
MessageRequester("Game over","Player "+Str(winner)+" wins!");
end();ChangeLoop(0);return;
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
draginit();
InitKeyboard();
INIT();
}
