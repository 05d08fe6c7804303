var r=0
var g=0
var b=0
var i=0
var qlcxv_event=0
var gadget=0
function UpdatePreview(){
r=GetGadgetState(1);
g=GetGadgetState(2);
b=GetGadgetState(3);
SetGadgetText(5,"RGB("+Str(r)+", "+Str(g)+", "+Str(b)+") = $"+Str(RGB(r,g,b)));
SetGadgetState(6,QLCX_Div(QLCX_Add(QLCX_Add(r,g),b),3));
SetWindowColor(0,RGB(r,g,b));
return 0;
}
function INIT(){
r=128;
g=128;
b=128;
OpenWindow(0,20,20,360,260,"Colour mixer");
TrackBarGadget(1,10,10,250,24,0,255);
TrackBarGadget(2,10,40,250,24,0,255);
TrackBarGadget(3,10,70,250,24,0,255);
TextGadget(4,270,10,80,20,"red/green/blue");
TextGadget(5,10,110,340,20,"");
ProgressBarGadget(6,10,140,250,16,0,255);
HyperLinkGadget(7,10,170,250,20,"https://example.org/colours",16711680);
ButtonGadget(8,270,200,80,24,"Reset");
for(i=1;i<=3;i++){
SetGadgetState(i,128);
}
UpdatePreview();
ChangeLoop(Inf_1_0)
return 0
}
function Inf_0_1(){
end();ChangeLoop(0);return;
ChangeLoop(0)
}
function Inf_1_0(){
awaitevent();
ChangeLoop(Inf_1_1)
return 0
}
function Inf_1_1(){
qlcxv_event=WaitWindowEvent();
if(qlcxv_event==2){
gadget=EventGadget();
if(gadget>=1&&gadget<=3&&EventType()==5){
UpdatePreview();
}
if(gadget==8){
for(i=1;i<=3;i++){
SetGadgetState(i,128);
}
UpdatePreview();
}
}
if(qlcxv_event==1){
ChangeLoop(Inf_0_1)
return 0
}
ChangeLoop(Inf_1_0)
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
draginit();
INIT();
}
