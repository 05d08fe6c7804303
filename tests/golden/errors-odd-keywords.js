var x=0
var i=0
function INIT(){
Case 3;
Default;
}
}
}
To;
Step;
(;
"unterminated";
x=;
if(){
for(;++){
Debug(();
empty().x=1;
empty(i).x=2;
.y=3;
return 5;
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
