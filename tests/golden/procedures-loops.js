var grid=0;
var cells=0;
var values=0;
var numbers=0;
function WaitKey(){
var k=0;
do{
k=Random(10);
}while(!(k==5));
}
function Spin(n){
do{
n-=1;
if(n < 0){
break;
}
}while(1);
do{
n+=1;
}while(!((n > 10)));
}
function Sum(values,grid){
var s=0;
s;
ResetList(values);
while(NextElement(values)){
s+=values[values[0]];
}
return s+grid[0]+ListSize(values);
}
function INIT(){
numbers=NewList(initint);
cells=dimfunc(initint,3,-1,-1);
AddElement(numbers);
numbers[numbers[0]]=4;
Debug(Sum(numbers,cells));
WaitKey();
Spin(3);
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
