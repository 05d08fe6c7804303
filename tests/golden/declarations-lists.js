var s=0
var x=0
var l=0;
var names$=0;
var ratios=0;
function INIT(){
l=NewList(initint);
names$=NewList(initstring);
ratios=NewList(initfloat);
AddElement(l);
l[l[0]]=5;
AddElement(l);
l[l[0]]=QLCX_Add(l[l[0]],1);
s=0;
ResetList(l);
while(NextElement(l)){
s=QLCX_Add(s,l[l[0]]);
Debug(QLCX_NumberText(l[l[0]]));
}
Debug(QLCX_NumberText(ListSize(l)));
AddElement(names$);
names$[names$[0]]="Bo";
ResetList(l);
while(NextElement(l)){
if(l[l[0]]>5){
DeleteElement(l);
}
}
SelectElement(l,0);
x=QLCX_Mul(l[l[0]],2);
FirstElement(ratios);
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
