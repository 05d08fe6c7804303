function structpoint(){
var x=0;
var y=0;
}
function initpoint(){
var bufvar=new structpoint();
bufvar.x=0;
bufvar.y=0;
return bufvar;
}
function structshape(){
var name="";
var size=0.0;
var count=0;
var label="";
var next=0;
var origin=0;
var corners=0;
var tags=0;
var weights=0;
var ids=0;
}
function initshape(){
var bufvar=new structshape();
bufvar.name="";
bufvar.size=0.0;
bufvar.count=0;
bufvar.label="";
bufvar.next=0;
bufvar.origin=0;
bufvar.corners=0;
bufvar.tags=0;
bufvar.weights=0;
bufvar.ids=0;
bufvar.origin=initpoint();
bufvar.corners=NewList(initpoint);
bufvar.tags=NewList(initstring);
bufvar.weights=NewList(initfloat);
bufvar.ids=NewList(initint);
return bufvar;
}
function initializestructshape(struct){
struct.corners=NewList(initpoint);
struct.tags=NewList(initstring);
struct.weights=NewList(initfloat);
struct.ids=NewList(initint);
}
function structlater(){
var v=0;
}
function initlater(){
var bufvar=new structlater();
bufvar.v=0;
return bufvar;
}
var p=initpoint()
var s=initshape()
var shapes=0;
var early=0;
var grid=0;
function INIT(){
shapes=NewList(initshape);
early=NewList(initint);
p.x=3;
p.y=QLCX_Mul(p.x,2);
AddElement(shapes);
shapes[shapes[0]].name="square";
shapes[shapes[0]].origin.x=p.x;
AddElement(shapes[shapes[0]].corners);
shapes[shapes[0]].corners[shapes[shapes[0]].corners[0]].x=10;
AddElement(s.tags);
s.tags[s.tags[0]]="red";
Debug(s.tags[s.tags[0]]);
Debug(QLCX_NumberText(ListSize(s.tags)));
ResetList(shapes);
while(NextElement(shapes)){
Debug(shapes[shapes[0]].name+" "+Str(shapes[shapes[0]].size));
}
grid=dimfunc(initpoint,3,3,-1);
grid[1][2].x=4;
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
