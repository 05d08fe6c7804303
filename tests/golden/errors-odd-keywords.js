var x=0
var i=0
function INIT(){
if(0){
do{
empty.x=1;
empty.x=2;
return 5;
}while(false);
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
