// Windows: each one is a positioned section in the page body, with a title bar, a close box
// and a body that holds its gadgets. The window number names the elements ("window3",
// "window3_title", "window3_content"), so every later call finds them by id; opening a number
// twice adds a second tree, and lookups then find the first one. The open-flags are
// QLCX_WindowOpen, which end() reads as well.
var QLCX_CurrentWindow = -1;
// The z-index the next raised window gets. The style block gives every window 100, so any
// window raised once stays above the ones never raised.
var QLCX_StackTop = 1000;
var QLCX_DragSection = 0;
var QLCX_DragOffsetX = 0;
var QLCX_DragOffsetY = 0;
var QLCX_PointerX = 0;
var QLCX_PointerY = 0;

// The element that receives windows, and gadgets made while no window is current.
function QLCX_PageBody() {
var body = document.getElementById("winout");
if (!body) { body = document.body; }
return body;
}

// A size or position argument that counts: missing, 0 and -1 all mean "leave it".
function QLCX_Given(v) {
if (!v) { return 0; }
return v != -1;
}

function QLCX_Pixels(v) {
return v + "px";
}

function QLCX_WindowSection(id) {
return document.getElementById("window" + id);
}

function QLCX_MakeElement(tag, className, id) {
var el = document.createElement(tag);
if (className) { el.className = className; }
if (id) { el.id = id; }
return el;
}

function QLCX_TitleRow(id, title) {
var table = document.createElement("table");
var row = document.createElement("tr");
var titleCell = QLCX_MakeElement("th", "title", "window" + id + "_title");
var closeCell = QLCX_MakeElement("th", "close", "");
titleCell.appendChild(document.createTextNode(title));
closeCell.appendChild(document.createTextNode("X"));
row.appendChild(titleCell);
row.appendChild(closeCell);
table.appendChild(row);
return table;
}

function OpenWindow(ID, x, y, w, h, title) {
if (!x) { x = 0; }
if (!y) { y = 0; }
if (!w) { w = 100; }
if (!h) { h = 60; }
if (!title) { title = ""; }
var section = QLCX_MakeElement("section", "window", "window" + ID);
section.style.left = QLCX_Pixels(x);
section.style.top = QLCX_Pixels(y);
section.style.width = QLCX_Pixels(w + 13);
section.style.height = QLCX_Pixels(h - 11);
section.appendChild(QLCX_TitleRow(ID, title));
section.appendChild(QLCX_MakeElement("div", "body", "window" + ID + "_content"));
section.onmousedown = QLCX_WindowPressed;
QLCX_PageBody().appendChild(section);
QLCX_WindowOpen[ID] = 1;
QLCX_CurrentWindow = ID;
return 1;
}

// One handler on the whole section: any press raises the window, a press on the title starts
// a drag, a press on the close box queues the close event. The close box has no id of its own,
// so the window number comes from the section that received the press.
function QLCX_WindowPressed(ev) {
var section = this;
var sectionId = section.id;
var id = window.parseInt(sectionId.substr(6));
if (!ev) { ev = window.event; }
QLCX_RecordPointer(ev);
var target = ev.target;
var pressed = "";
if (target) { pressed = target.className; }
setontop(id);
if (pressed == "close") { QLCX_AddEvent(id, PB_Ev_CloseWindow, 0, 0); }
if (pressed == "title") {
dragstart(id);
return false;
}
return true;
}

function CloseWindow(ID) {
if (!document.getElementById("window" + ID + "_content")) { return 0; }
var section = QLCX_WindowSection(ID);
QLCX_WindowOpen[ID] = 0;
if (QLCX_DragSection == section) { QLCX_DragSection = 0; }
QLCX_PageBody().removeChild(section);
return 1;
}

function IsWindow(ID) {
if (document.getElementById("window" + ID + "_title")) { return 1; }
return 0;
}

function SetWindowTitle(ID, title) {
var cell = document.getElementById("window" + ID + "_title");
if (cell) { cell.firstChild.nodeValue = QLCX_Text(title); }
}

function SetWindowColor(ID, color) {
var body = document.getElementById("window" + ID + "_content");
if (body) { body.style.backgroundColor = QLCX_ColorText(color); }
}

function ResizeWindow(ID, x, y, w, h) {
var section = QLCX_WindowSection(ID);
if (!section) { return 0; }
if (QLCX_Given(x)) { section.style.left = QLCX_Pixels(x); }
if (QLCX_Given(y)) { section.style.top = QLCX_Pixels(y); }
if (QLCX_Given(w)) { section.style.width = QLCX_Pixels(w); }
if (QLCX_Given(h)) { section.style.height = QLCX_Pixels(h); }
return 1;
}

function SetActiveWindow(ID) {
setontop(ID);
}

function UseGadgetList(wID) {
QLCX_CurrentWindow = wID;
return 1;
}

// Raising a window that is already on top changes nothing, so clicking around inside one
// window does not use up numbers.
function setontop(id) {
var section = QLCX_WindowSection(id);
if (!section) { return; }
if (section.style.zIndex != QLCX_StackTop - 1) {
section.style.zIndex = QLCX_StackTop;
QLCX_StackTop = QLCX_StackTop + 1;
}
}

// Page coordinates; browsers with the old document-wide element collection offer only the
// window event's client coordinates.
function QLCX_RecordPointer(ev) {
if (document.all) {
ev = window.event;
QLCX_PointerX = ev.clientX;
QLCX_PointerY = ev.clientY;
return;
}
QLCX_PointerX = ev.pageX;
QLCX_PointerY = ev.pageY;
}

function draginit() {
document.onmousemove = drag;
document.onmouseup = dragstop;
}

function dragstart(id) {
var section = QLCX_WindowSection(id);
if (!section) { return; }
QLCX_DragSection = section;
QLCX_DragOffsetX = QLCX_PointerX - section.offsetLeft;
QLCX_DragOffsetY = QLCX_PointerY - section.offsetTop;
}

function drag(ev) {
if (!ev) { ev = window.event; }
QLCX_RecordPointer(ev);
if (!QLCX_DragSection) { return true; }
QLCX_DragSection.style.left = QLCX_Pixels(QLCX_PointerX - QLCX_DragOffsetX);
QLCX_DragSection.style.top = QLCX_Pixels(QLCX_PointerY - QLCX_DragOffsetY);
return false;
}

function dragstop() {
QLCX_DragSection = 0;
}

draginit();
