var grid=0;
var cells=0;
var values=0;
var numbers=0;
function WaitKey(){
var k=0;
while(1){
k=Random(10);
if(k==5){break;}}
}
function Spin(n){
while(1){
n-=1;
if(n < 0){
break;
}
}
while(1){
n+=1;
if((n > 10)){break;}}
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
