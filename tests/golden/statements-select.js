var k=0
function INIT(){
k=2;
switch(k){
case 1:
Debug("one");
break;case 2:
switch(k*2){
case 4:
Debug("four");
break;default:
Debug("not four");
}
break;case(3):
Debug("three");
break;default:
Debug("many");
}
switch((k)){
case 27:
end();ChangeLoop(0);return;
}
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
