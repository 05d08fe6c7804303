// Canvas gadgets and window outputs: canvases in a window that programs draw on, and that
// report the mouse (and, with #PB_Canvas_Keyboard, the keys) as gadget events.

// Event types of a canvas gadget, equal to the source constants #PB_EventType_...
var QLCX_EvTyRightClick = 6;
var QLCX_EvTyMouseEnter = 16;
var QLCX_EvTyMouseLeave = 17;
var QLCX_EvTyMouseMove = 18;
var QLCX_EvTyMouseWheel = 19;
var QLCX_EvTyLeftButtonDown = 20;
var QLCX_EvTyLeftButtonUp = 21;
var QLCX_EvTyRightButtonDown = 22;
var QLCX_EvTyRightButtonUp = 23;
var QLCX_EvTyMiddleButtonDown = 24;
var QLCX_EvTyMiddleButtonUp = 25;
var QLCX_EvTyKeyDown = 26;
var QLCX_EvTyKeyUp = 27;
var QLCX_EvTyInput = 28;
// The #PB_Canvas_Keyboard flag.
var QLCX_CanvasKeyboard = 1;

// Canvas number -> what GetGadgetAttribute reports, indexed by attribute - 1: mouse x and y,
// buttons, wheel delta, key code, input character, modifiers.
var QLCX_CanvasStates = [];

// A canvas gadget starts white, like a fresh drawing surface on the desktop.
function CanvasGadget(ID, x, y, w, h, flags) {
    var el = QLCX_NewCanvas(w, h);
    var ctx = el.getContext("2d");
    ctx.fillStyle = "rgb(255,255,255)";
    ctx.fillRect(0, 0, el.width, el.height);
    el.style.left = QLCX_Pixels(x);
    el.style.top = QLCX_Pixels(y);
    var asked = ID;
    ID = QLCX_PickNumber(ID, QLCX_GadgetKinds);
    QLCX_AddGadget(ID, "canvas", el, 0);
    QLCX_CanvasStates[ID] = [0, 0, 0, 0, 0, 0, 0];
    el.onmousedown = QLCX_CanvasDown;
    el.onmouseup = QLCX_CanvasUp;
    el.onmousemove = QLCX_CanvasMove;
    el.onmouseenter = QLCX_CanvasEnter;
    el.onmouseleave = QLCX_CanvasLeave;
    el.onclick = QLCX_CanvasClick;
    el.ondblclick = QLCX_CanvasDoubleClick;
    el.oncontextmenu = QLCX_CanvasContextMenu;
    el.onwheel = QLCX_CanvasWheel;
    if (flags & QLCX_CanvasKeyboard) {
        el.tabIndex = 0;
        el.onkeydown = QLCX_CanvasKeyDown;
        el.onkeyup = QLCX_CanvasKeyUp;
    }
    return QLCX_Created(asked, ID);
}

function CanvasOutput(ID) {
    var el = QLCX_Gadget(ID);
    if (QLCX_GadgetKind(ID) != "canvas" || !el) { return 0; }
    return el;
}

// The drawing surface of a window: a canvas over its whole body, behind its gadgets, made the
// first time it is asked for.
function WindowOutput(ID) {
    var body = document.getElementById("window" + ID + "_content");
    if (!body) { return 0; }
    var canvas = document.getElementById("window" + ID + "_output");
    if (canvas) { return canvas; }
    canvas = QLCX_NewCanvas(body.clientWidth, body.clientHeight);
    canvas.id = "window" + ID + "_output";
    canvas.style.position = "absolute";
    canvas.style.left = QLCX_Pixels(0);
    canvas.style.top = QLCX_Pixels(0);
    body.insertBefore(canvas, body.firstChild);
    return canvas;
}

// Records where the event happened and which buttons and modifiers were held, then queues it.
function QLCX_CanvasEvent(el, ev, type) {
    var id = window.parseInt(el.id);
    var state = QLCX_CanvasStates[id];
    if (!ev) { ev = window.event; }
    if (ev.offsetX || ev.offsetX == 0) {
        state[0] = Math.floor(ev.offsetX);
        state[1] = Math.floor(ev.offsetY);
        state[2] = ev.buttons;
    }
    var mods = 0;
    if (ev.shiftKey) { mods = mods + 1; }
    if (ev.ctrlKey) { mods = mods + 2; }
    if (ev.altKey) { mods = mods + 4; }
    if (ev.metaKey) { mods = mods + 8; }
    state[6] = mods;
    QLCX_AddEvent(QLCX_GadgetWindows[id], PB_Ev_Gadget, id, type, state.slice(0));
    return state;
}

// Button codes of the browser: 0 left, 1 middle, 2 right.
function QLCX_CanvasDown(ev) {
    if (!ev) { ev = window.event; }
    var type = QLCX_EvTyLeftButtonDown;
    if (ev.button == 1) { type = QLCX_EvTyMiddleButtonDown; }
    if (ev.button == 2) { type = QLCX_EvTyRightButtonDown; }
    var el = this;
    if (el.tabIndex == 0) { el.focus(); }
    QLCX_CanvasEvent(el, ev, type);
    return false;
}

function QLCX_CanvasUp(ev) {
    if (!ev) { ev = window.event; }
    var type = QLCX_EvTyLeftButtonUp;
    if (ev.button == 1) { type = QLCX_EvTyMiddleButtonUp; }
    if (ev.button == 2) { type = QLCX_EvTyRightButtonUp; }
    QLCX_CanvasEvent(this, ev, type);
}

function QLCX_CanvasMove(ev) {
    QLCX_CanvasEvent(this, ev, QLCX_EvTyMouseMove);
}

function QLCX_CanvasEnter(ev) {
    QLCX_CanvasEvent(this, ev, QLCX_EvTyMouseEnter);
}

function QLCX_CanvasLeave(ev) {
    QLCX_CanvasEvent(this, ev, QLCX_EvTyMouseLeave);
}

function QLCX_CanvasClick(ev) {
    QLCX_CanvasEvent(this, ev, PB_EvTy_LClick);
}

function QLCX_CanvasDoubleClick(ev) {
    QLCX_CanvasEvent(this, ev, PB_EvTy_LdbClick);
}

// A right click is the program's, not the browser's menu.
function QLCX_CanvasContextMenu(ev) {
    QLCX_CanvasEvent(this, ev, QLCX_EvTyRightClick);
    return false;
}

// The wheel delta counts notches, positive when the wheel turns away from the user; the page
// does not scroll under a canvas that takes the wheel.
function QLCX_CanvasWheel(ev) {
    if (!ev) { ev = window.event; }
    var el = this;
    var id = window.parseInt(el.id);
    var notches = Math.round(ev.deltaY / 100);
    if (notches == 0) { notches = QLCX_Sign(ev.deltaY); }
    QLCX_CanvasStates[id][3] = 0 - notches;
    QLCX_CanvasEvent(el, ev, QLCX_EvTyMouseWheel);
    return false;
}

// A key that gives a character is also reported as Input, with the character's code.
function QLCX_CanvasKeyDown(ev) {
    if (!ev) { ev = window.event; }
    var el = this;
    var state = QLCX_CanvasStates[window.parseInt(el.id)];
    state[4] = ev.keyCode;
    QLCX_CanvasEvent(el, ev, QLCX_EvTyKeyDown);
    var key = "" + ev.key;
    if (key.length == 1) {
        state[5] = key.charCodeAt(0);
        QLCX_CanvasEvent(el, ev, QLCX_EvTyInput);
    }
    return true;
}

function QLCX_CanvasKeyUp(ev) {
    if (!ev) { ev = window.event; }
    var el = this;
    QLCX_CanvasStates[window.parseInt(el.id)][4] = ev.keyCode;
    QLCX_CanvasEvent(el, ev, QLCX_EvTyKeyUp);
    return true;
}

// GetGadgetAttribute of a canvas: #PB_Canvas_MouseX (1) to #PB_Canvas_Modifiers (7) as they
// were when the current event happened (as they are now, outside its events).
function QLCX_CanvasAttribute(ID, attribute) {
    var state = QLCX_CanvasStates[ID];
    if (!state) { return 0; }
    if (QLCX_EventGadget == ID && QLCX_EventDetails) { state = QLCX_EventDetails; }
    if (attribute >= 1 && attribute <= 7) { return state[attribute - 1]; }
    return 0;
}
