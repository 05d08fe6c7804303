var dx=0
var v=0;
function Add(a,b){
return QLCX_Add(a,b);
}
function INIT(){
v=dimfunc(initfloat,10,-1,-1);
dx=Add(1,-1);
if(!dx){
Debug("still");
}
}
