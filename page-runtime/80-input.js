// Keyboard and mouse. Key flags are indexed by the browser's key code, which is what the
// key constants of the source stand for.
var QLCX_KeysPushed = [];
var QLCX_KeysReleased = [];
// The key code that stands for any key (above every code a browser gives).
var QLCX_AnyKey = 256;
// The character of the latest key that typed one, until KeyboardInkey() takes it.
var QLCX_Inkey = "";
var QLCX_MouseX = 0;
var QLCX_MouseY = 0;
// Buttons 1 (left), 2 (right) and 3 (middle); index 0 is unused.
var QLCX_MouseButtons = [0, 0, 0, 0];

function InitKeyboard() {
    document.onkeydown = QLCX_KeyDown;
    document.onkeyup = QLCX_KeyUp;
    return 1;
}

function QLCX_KeyDown(ev) {
    if (!ev) { ev = window.event; }
    var code = ev.keyCode;
    QLCX_KeysPushed[code] = 1;
    QLCX_KeysReleased[code] = 0;
    var typed = "" + ev.key;
    if (typed.length == 1) { QLCX_Inkey = typed; }
    if (QLCX_ShortcutTaker && QLCX_ShortcutTaker(ev)) { return false; }
    return true;
}

function QLCX_KeyUp(ev) {
    if (!ev) { ev = window.event; }
    var code = ev.keyCode;
    QLCX_KeysPushed[code] = 0;
    QLCX_KeysReleased[code] = 1;
    return true;
}

function KeyboardPushed(key) {
    if (key == QLCX_AnyKey) { return QLCX_KeysPushed.indexOf(1) >= 0 ? 1 : 0; }
    if (QLCX_KeysPushed[key]) { return 1; }
    return 0;
}

// Reading a release clears it, so each release is reported once.
function KeyboardReleased(key) {
    if (key == QLCX_AnyKey) {
        var any = QLCX_KeysReleased.indexOf(1) >= 0;
        QLCX_KeysReleased = [];
        return any ? 1 : 0;
    }
    var released = QLCX_KeysReleased[key];
    QLCX_KeysReleased[key] = 0;
    if (released) { return 1; }
    return 0;
}

// The character typed since the last call, "" when none was.
function KeyboardInkey() {
    var typed = QLCX_Inkey;
    QLCX_Inkey = "";
    return typed;
}

function InitMouse() {
    QLCX_Canvas.onmousemove = QLCX_MouseMoved;
    QLCX_Canvas.onmousedown = QLCX_MouseDown;
    QLCX_Canvas.onmouseup = QLCX_MouseUp;
    QLCX_Canvas.onwheel = QLCX_MouseWheeled;
    return 1;
}

// What ExamineMouse saw: where the mouse was then, how far it had moved since the one
// before, and the wheel's steps in between (away from the user counts up).
var QLCX_MouseSeen = [0, 0];
var QLCX_MouseMoves = [0, 0];
var QLCX_WheelSteps = 0;
var QLCX_WheelSeen = 0;

function ExamineMouse() {
    QLCX_MouseMoves = [QLCX_MouseX - QLCX_MouseSeen[0], QLCX_MouseY - QLCX_MouseSeen[1]];
    QLCX_MouseSeen = [QLCX_MouseX, QLCX_MouseY];
    QLCX_WheelSeen = QLCX_WheelSteps;
    QLCX_WheelSteps = 0;
    return 1;
}

function QLCX_MouseWheeled(ev) {
    if (!ev) { ev = window.event; }
    if (ev.deltaY < 0) { QLCX_WheelSteps++; }
    if (ev.deltaY > 0) { QLCX_WheelSteps--; }
    return false;
}

function MouseDeltaX() {
    return QLCX_MouseMoves[0];
}

function MouseDeltaY() {
    return QLCX_MouseMoves[1];
}

function MouseWheel() {
    return QLCX_WheelSeen;
}

function QLCX_MouseMoved(ev) {
    if (!ev) { ev = window.event; }
    // Measured from where the canvas is now: it may sit in a window that has been dragged.
    var area = QLCX_Canvas.getBoundingClientRect();
    QLCX_MouseX = ev.clientX - Math.round(area.left);
    QLCX_MouseY = ev.clientY - Math.round(area.top);
}

// The browser's button code names one button or, on some browsers, a pair of them held
// together: 0 left, 1 middle, 2 right, 3 left and right, 5 left and middle, 6 right and
// middle. Other codes change nothing.
function QLCX_SetButtons(code, flag) {
    if (code == 0 || code == 3 || code == 5) { QLCX_MouseButtons[1] = flag; }
    if (code == 2 || code == 3 || code == 6) { QLCX_MouseButtons[2] = flag; }
    if (code == 1 || code == 5 || code == 6) { QLCX_MouseButtons[3] = flag; }
}

function QLCX_MouseDown(ev) {
    if (!ev) { ev = window.event; }
    QLCX_SetButtons(ev.button, 1);
}

function QLCX_MouseUp(ev) {
    if (!ev) { ev = window.event; }
    QLCX_SetButtons(ev.button, 0);
}

function MouseButton(button) {
    if (button == 1 || button == 2 || button == 3) { return QLCX_MouseButtons[button]; }
    return 0;
}

function MouseX() {
    return QLCX_MouseX;
}

function MouseY() {
    return QLCX_MouseY;
}
