var k=0
function INIT(){
k=2;
if(k==1){
Debug("one");
}else if(k==2){
var qlcxselect1=QLCX_Mul(k,2);
if(qlcxselect1==4){
Debug("four");
}else{
Debug("not four");
}
}else if(k==3){
Debug("three");
}else{
Debug("many");
}
if(k==27){
end();ChangeLoop(0);return;
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
