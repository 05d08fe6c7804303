var numbers=0;
var cells=0;
function WaitKey(){
var k=0;
do{
k=Random(10);
}while(!(k==5));
return 0;
}
function Spin(n){
for(;;){
n=QLCX_Sub(n,1);
if(n<0){
break;
}
}
do{
n=QLCX_Add(n,1);
}while(!(n>10));
return 0;
}
function Sum(values,grid){
var s=0;
ResetList(values);
while(NextElement(values)){
s=QLCX_Add(s,values[values[0]]);
}
return QLCX_Add(QLCX_Add(s,grid[0]),ListSize(values));
}
function INIT(){
numbers=NewList(initint);
cells=dimfunc(initint,3,-1,-1);
AddElement(numbers);
numbers[numbers[0]]=4;
Debug(QLCX_NumberText(Sum(numbers,cells)));
WaitKey();
Spin(3);
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
