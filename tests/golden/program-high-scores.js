var used=0
var static_SortScores_sorts=0
var names$=0;
var points=0;
function AddScore(who$,score){
if(used<=9){
names$[used]=who$;
points[used]=score;
used=QLCX_Add(used,1);
}
return 0;
}
function Swap_(i,j){
var t$="";
var t=0;
t$=names$[i];
names$[i]=names$[j];
names$[j]=t$;
t=points[i];
points[i]=points[j];
points[j]=t;
return 0;
}
function SortScores(){
var i=0;
var j=0;
var swapped=0;
static_SortScores_sorts=QLCX_Add(static_SortScores_sorts,1);
for(i=0;i<=QLCX_Sub(used,2);i++){
swapped=0;
for(j=0;j<=QLCX_Sub(QLCX_Sub(used,2),i);j++){
if(points[j]<points[QLCX_Add(j,1)]){
Swap_(j,QLCX_Add(j,1));
swapped=1;
}
}
if(!swapped){
break;
}
}
Debug("sorted "+Str(static_SortScores_sorts)+" time(s)");
return 0;
}
function Table(){
var i=0;
var text$="";
text$="";
for(i=0;i<=QLCX_Sub(used,1);i++){
text$=text$+RSet(Str(QLCX_Add(i,1)),2," ")+". "+LSet(names$[i],10,".")+RSet(Str(points[i]),6," ")+"\n";
}
return text$;
}
function INIT(){
names$=dimfunc(initstring,9,-1,-1);
points=dimfunc(initint,9,-1,-1);
used=0;
AddScore("Ann",1200);
AddScore("Bob",3400);
AddScore("Cid",800);
AddScore("Dee",5600);
SortScores();
AddScore("Eve",4100);
SortScores();
MessageRequester("High scores",Table());
Debug("Slots: "+Str(ArraySize(points)));
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
