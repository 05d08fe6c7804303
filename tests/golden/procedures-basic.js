var total=0
var g=0
var static_Counter_calls=0
var static_Counter_label$="count"
var static_Counter_limit=80
function Twice(x){
return QLCX_Mul(x,2);
}
function Greet(name$,times){
var out$="";
var i=0;
for(i=1;i<=times;i++){
out$=out$+"Hi "+name$+" ";
}
return out$;
}
function Counter(){
static_Counter_calls=QLCX_Add(static_Counter_calls,1);
total=QLCX_Add(total,static_Counter_calls);
Debug(static_Counter_label$+Str(static_Counter_calls));
return 0;
}
function Locals(a,b){
var n=0;
var s$="";
var r=0.0;
var total=0;
n=1;
s$="x";
r=Math.fround(a*QLCX_Float(b));
g=QLCX_Add(g,1);
total=5;
return 0;
}
function DrawAll(){
Counter();
Locals(1.5,2);
Debug(Greet("Bo",2));
return 0;
}
function INIT(){
DrawAll();
Debug(QLCX_NumberText(Twice(21)));
DrawAll();
Counter();
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
