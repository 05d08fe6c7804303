// INIT ...
// Stand-in core until the real runtime lands.
var QLCX_LoopTimer = 0;
function QLCXInit(canvasname) {
}
function ChangeLoop(newfunc) {
if (QLCX_LoopTimer) { clearInterval(QLCX_LoopTimer); }
QLCX_LoopTimer = 0;
if (newfunc) { QLCX_LoopTimer = setInterval(newfunc, 33); }
}
