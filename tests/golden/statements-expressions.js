var x=0
var n=0
var v=0
var dx=0
var y=0
var r=0
var e=0
var bar=0
function INIT(){
x=41;
Debug("x="+Str(x));
Debug(QLCX_NumberText(x));
Debug(QLCX_NumberText(QLCX_Add(x,1)));
Debug();
n=Len(Str(123));
v=QLCX_Add(Val("41"),1);
x=QLCX_Add(x,1);
x=QLCX_Sub(x,2);
x=QLCX_Mul(x,3);
x=QLCX_Div(x,4);
dx=QLCX_Neg(dx);
y=QLCX_Sub(x,-1);
y=-1;
y=QLCX_Sub(x,1);
y=QLCX_Neg(x);
y=QLCX_Round(Math.abs(-QLCX_Float(x)));
r=QLCX_Round(Round(2.5)+QLCX_Float(Math.trunc(3.7))+Math.floor(3.7));
awaitevent();
ChangeLoop(Inf_0_1)
return 0
}
function Inf_0_1(){
e=WaitWindowEvent();
DrawText(10,10,"hi");
bar=271;
ChangeLoop(0)
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
draginit();
INIT();
}
