var s$=""
var i=0
var a=0;
var m=0;
var g=0;
var cube=0;
var letters=0;
var names$=0;
var sizes=0;
function INIT(){
a=dimfunc(initint,10,-1,-1);
m=dimfunc(initfloat,3,4,-1);
g=dimfunc(initstring,5,-1,-1);
cube=dimfunc(initint,2,3,4);
s$="hello";
letters=dimfunc(initint,Len(s$),-1,-1);
names$=dimfunc(initstring,10,-1,-1);
sizes=dimfunc(initint,Len(s$),2,-1);
a[1]=5;
m[1][2]=Math.fround(QLCX_Float(a[1])*1.5);
cube[1][2][3]=QLCX_Round(m[1][2]);
names$[0]="x";
Debug(QLCX_NumberText(ArraySize(a)));
Debug(QLCX_NumberText(ArraySize(m,2)));
i=3;
a[QLCX_Add(i,1)]=QLCX_Add(a[Len(s$)],cube[0][a[i]][1]);
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
