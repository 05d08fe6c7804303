var count=0
var qlcxv_event=0
var all$=""
var todo=0;
function RefreshLabel(){
SetGadgetText(3,"Items: "+Str(ListSize(todo)));
return 0;
}
function AddTodo(text$){
if(Len(Trim(text$))>0){
AddElement(todo);
todo[todo[0]]=Trim(text$);
count=QLCX_Add(count,1);
}
RefreshLabel();
return 0;
}
function INIT(){
todo=NewList(initstring);
count=0;
OpenWindow(0,100,100,320,200,"To do");
StringGadget(1,10,10,200,24,"");
ButtonGadget(2,220,10,90,24,"Add");
TextGadget(3,10,50,300,20,"Items: 0");
ButtonGadget(4,220,80,90,24,"Show all");
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
var qlcxselect1=EventGadget();
if(qlcxselect1==2){
AddTodo(GetGadgetText(1));
SetGadgetText(1,"");
}else if(qlcxselect1==4){
all$="";
ResetList(todo);
while(NextElement(todo)){
all$=all$+todo[todo[0]]+"\n";
}
MessageRequester("To do",all$);
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
