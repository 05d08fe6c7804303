var x=0
var i=0
function INIT(){

"unterminated";

{
{

empty().x=1;
empty(i).x=2;

return 5;
}
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
