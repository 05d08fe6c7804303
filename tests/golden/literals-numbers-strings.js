var a=0
var b=0
var c=0
var path$=""
var dir$=""
var html$=""
var n=0
var f=0
var g=0
var line$=""
var quote$=""
function INIT(){
a=255;
b=-16;
c=65;
path$="gfx\\p.png";
dir$="C:\\temp\\";
LoadImage(0,"img\\ship.png");
html$="<\/script>";
n=10;
f=QLCX_Round(1.5);
g=QLCX_Round(.5);
line$="a"+"\n";
quote$="say ;hi: there";
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
