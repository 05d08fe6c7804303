var qlcxv_empty=0
var qlcxv_drag=0
var qlcxv_dimfunc=0
var qlcxv_setontop=0
var qlcxv_draginit=0
var qlcxv_dragstart=0
var qlcxv_dragstop=0
var qlcxv_location=0
var qlcxv_name=0
var qlcxv_new=0
var qlcxv_document=0;
function Use(){
var qlcxv_top=0;
var qlcxv_empty=0;
qlcxv_top=qlcxv_empty;
return 0;
}
function INIT(){
qlcxv_empty=1;
qlcxv_drag=QLCX_Add(qlcxv_empty,1);
qlcxv_dimfunc=2;
qlcxv_setontop=3;
qlcxv_draginit=4;
qlcxv_dragstart=5;
qlcxv_dragstop=6;
qlcxv_location=7;
qlcxv_name=8;
qlcxv_new=9;
qlcxv_document=dimfunc(initint,3,-1,-1);
qlcxv_document[1]=qlcxv_name;
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
