var x=0
var i=0
function INIT(){
if(0){
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
