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
// The gadget lists that containers, panels and scroll areas opened, the innermost last; new
// gadgets go into the innermost, or into the current window's inner area when there is none.
var QLCX_GadgetHolders = [];
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

// Window flags, as the constants #PB_Window_... give them.
var QLCX_WinSystemMenu = 1;
var QLCX_WinMinimizeGadget = 2;
var QLCX_WinMaximizeGadget = 4;
var QLCX_WinSizeGadget = 8;
var QLCX_WinScreenCentered = 16;
var QLCX_WinWindowCentered = 32;
var QLCX_WinBorderLess = 64;
var QLCX_WinTool = 256;
var QLCX_WinInvisible = 512;
var QLCX_WinMaximize = 1024;
var QLCX_WinMinimize = 2048;
var QLCX_WinNoGadgets = 4096;
// Per window number: [x, y, inner width, inner height, state, bars] where bars is the height
// its menu and status bars add, and state is 0 (normal),
// QLCX_WinMaximize or QLCX_WinMinimize; the size a program asked for, which WindowWidth and
// WindowHeight report and a restore goes back to.
var QLCX_WindowBoxes = [];
var QLCX_ActiveWindow = -1;
// 1 once a window or the console has named the page.
var QLCX_PageTitled = 0;
var QLCX_ResizeSection = 0;

// The page takes the title of the first window (or console) that has one.
function QLCX_TitlePage(title) {
    if (QLCX_PageTitled || !title) { return; }
    QLCX_PageTitled = 1;
    document.title = title;
}

function QLCX_TitleButton(className, text) {
    var cell = QLCX_MakeElement("th", className, "");
    cell.appendChild(document.createTextNode(text));
    return cell;
}

function QLCX_TitleRow(id, title, flags) {
    var table = document.createElement("table");
    var row = document.createElement("tr");
    var titleCell = QLCX_MakeElement("th", "title", "window" + id + "_title");
    titleCell.appendChild(document.createTextNode(title));
    row.appendChild(titleCell);
    if (flags & QLCX_WinMinimizeGadget) { row.appendChild(QLCX_TitleButton("minimize", "_")); }
    if (flags & QLCX_WinMaximizeGadget) { row.appendChild(QLCX_TitleButton("maximize", "[]")); }
    // Without flags a window has its close box, as before flags existed.
    if (!flags || (flags & QLCX_WinSystemMenu)) { row.appendChild(QLCX_TitleButton("close", "X")); }
    table.appendChild(row);
    return table;
}

// The number a command gives its new object: the one asked for, or with -1 (#PB_Any) the
// first number from 5000 on that `used` (an array by number) does not hold, so picked numbers
// never meet the small ones programs count up from.
function QLCX_PickNumber(id, used) {
    if (id != -1) { return id; }
    var n = 5000;
    while (used[n]) { n++; }
    return n;
}

// What a creating command returns: the picked number when the program asked for one with
// #PB_Any, otherwise non-zero for success, so that "If OpenWindow(0, ...)" holds.
function QLCX_Created(asked, id) {
    if (asked == -1) { return id; }
    return 1;
}

function OpenWindow(ID, x, y, w, h, title, flags, parentID) {
    var asked = ID;
    ID = QLCX_PickNumber(ID, QLCX_WindowOpen);
    if (!x) { x = 0; }
    if (!y) { y = 0; }
    if (!w) { w = 100; }
    if (!h) { h = 60; }
    if (!title) { title = ""; }
    if (!flags) { flags = 0; }
    if (flags & QLCX_WinScreenCentered) {
        x = Math.max(0, Math.floor((window.innerWidth - w) / 2));
        y = Math.max(0, Math.floor((window.innerHeight - h) / 2));
    }
    var parent = QLCX_WindowBoxes[parentID];
    if ((flags & QLCX_WinWindowCentered) && parent) {
        x = parent[0] + Math.floor((parent[2] - w) / 2);
        y = parent[1] + Math.floor((parent[3] - h) / 2);
    }
    var section = QLCX_MakeElement("section", "window", "window" + ID);
    if (flags & QLCX_WinBorderLess) { section.className = "window borderless"; }
    if (flags & QLCX_WinTool) { section.className = "window tool"; }
    section.appendChild(QLCX_TitleRow(ID, title, flags));
    section.appendChild(QLCX_MakeElement("div", "body", "window" + ID + "_content"));
    if (flags & QLCX_WinSizeGadget) { section.appendChild(QLCX_MakeElement("div", "grip", "")); }
    section.onmousedown = QLCX_WindowPressed;
    QLCX_PageBody().appendChild(section);
    QLCX_WindowOpen[ID] = 1;
    QLCX_WindowBoxes[ID] = [x, y, w, h, 0, 0];
    QLCX_PlaceWindow(ID);
    if (flags & QLCX_WinInvisible) { section.style.display = "none"; }
    if (flags & QLCX_WinMaximize) { SetWindowState(ID, QLCX_WinMaximize); }
    if (flags & QLCX_WinMinimize) { SetWindowState(ID, QLCX_WinMinimize); }
    if (!(flags & QLCX_WinNoGadgets)) { UseGadgetList(ID); }
    QLCX_ActiveWindow = ID;
    QLCX_TitlePage(title);
    return QLCX_Created(asked, ID);
}

// Puts a window's section where its box says: the section is 13 pixels wider and 11 lower
// than the inner size, the rest of its height being the title bar and the bottom margin, plus
// the height of its menu bar and status bar (the box's sixth value).
function QLCX_PlaceWindow(id) {
    var section = QLCX_WindowSection(id);
    var place = QLCX_WindowBoxes[id];
    if (!section || !place) { return; }
    var x = place[0];
    var y = place[1];
    var w = place[2];
    var h = place[3];
    var body = document.getElementById("window" + id + "_content");
    body.style.display = "";
    if (place[4] == QLCX_WinMaximize) {
        x = 0;
        y = 0;
        w = window.innerWidth - 20;
        h = window.innerHeight - 40;
    }
    section.style.left = QLCX_Pixels(x);
    section.style.top = QLCX_Pixels(y);
    section.style.width = QLCX_Pixels(w + 13);
    section.style.height = QLCX_Pixels(h - 11 + place[5]);
    body.style.height = QLCX_Pixels(h - 11);
    if (place[4] == QLCX_WinMinimize) {
        body.style.display = "none";
        section.style.height = QLCX_Pixels(0);
    }
}

// One handler on the whole section: any press raises the window, a press on the title starts
// a drag, on the grip a resize, a press on the close box queues the close event. The title
// buttons have no ids of their own, so the window number comes from the section.
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
    QLCX_Activate(id);
    if (pressed == "close") { QLCX_AddEvent(id, PB_Ev_CloseWindow, 0, 0); }
    if (pressed == "minimize") { QLCX_ToggleState(id, QLCX_WinMinimize); }
    if (pressed == "maximize") { QLCX_ToggleState(id, QLCX_WinMaximize); }
    if (pressed == "grip") {
        // The size follows the pointer from where it took the grip, so taking it does not resize.
        QLCX_ResizeSection = section;
        QLCX_DragOffsetX = QLCX_PointerX - window.parseInt(section.style.width);
        QLCX_DragOffsetY = QLCX_PointerY - window.parseInt(section.style.height);
        return false;
    }
    if (pressed == "title") {
        dragstart(id);
        return false;
    }
    return true;
}

function QLCX_Activate(id) {
    if (QLCX_ActiveWindow == id) { return; }
    QLCX_ActiveWindow = id;
    QLCX_AddEvent(id, QLCX_EvActivateWindow, 0, 0);
}

function QLCX_ToggleState(id, state) {
    if (GetWindowState(id) == state) { state = 0; }
    SetWindowState(id, state);
    QLCX_AddEvent(id, QLCX_EvSizeWindow, 0, 0);
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
    var place = QLCX_WindowBoxes[ID];
    if (!place) { return 0; }
    if (QLCX_Given(x)) { place[0] = x; }
    if (QLCX_Given(y)) { place[1] = y; }
    if (QLCX_Given(w)) { place[2] = w; }
    if (QLCX_Given(h)) { place[3] = h; }
    QLCX_PlaceWindow(ID);
    return 1;
}

// A window is known to the program by its number; the number stands for it wherever a
// command takes a window (CreateMenu, OpenWindowedScreen, a parent window).
function WindowID(ID) {
    return ID;
}

function QLCX_BoxValue(ID, index) {
    var place = QLCX_WindowBoxes[ID];
    if (!place) { return 0; }
    return place[index];
}

// A menu bar or status bar adds its height to the window, outside its inner area.
function QLCX_AddBar(ID, height) {
    var place = QLCX_WindowBoxes[ID];
    if (!place) { return; }
    place[5] = place[5] + height;
    QLCX_PlaceWindow(ID);
}

function WindowX(ID) {
    return QLCX_BoxValue(ID, 0);
}

function WindowY(ID) {
    return QLCX_BoxValue(ID, 1);
}

function WindowWidth(ID) {
    return QLCX_BoxValue(ID, 2);
}

function WindowHeight(ID) {
    return QLCX_BoxValue(ID, 3);
}

function HideWindow(ID, state) {
    var section = QLCX_WindowSection(ID);
    if (!section) { return; }
    section.style.display = "";
    if (state) { section.style.display = "none"; }
}

function SetWindowState(ID, state) {
    var place = QLCX_WindowBoxes[ID];
    if (!place) { return; }
    place[4] = 0;
    if (state == QLCX_WinMaximize || state == QLCX_WinMinimize) { place[4] = state; }
    QLCX_PlaceWindow(ID);
}

function GetWindowState(ID) {
    return QLCX_BoxValue(ID, 4);
}

// A sticky window stays above every window that is raised later.
function StickyWindow(ID, state) {
    var section = QLCX_WindowSection(ID);
    if (!section) { return; }
    section.style.zIndex = QLCX_StackTop;
    if (state) { section.style.zIndex = 100000; }
}

function GetActiveWindow() {
    return QLCX_ActiveWindow;
}

// The pointer relative to the window's inner area.
function QLCX_WindowMouse(ID, vertical) {
    var body = document.getElementById("window" + ID + "_content");
    if (!body) { return -1; }
    // Gadgets are placed from inside the client area's border, and so is the mouse.
    var area = body.getBoundingClientRect();
    if (vertical) { return QLCX_PointerY - window.pageYOffset - Math.round(area.top) - body.clientTop; }
    return QLCX_PointerX - window.pageXOffset - Math.round(area.left) - body.clientLeft;
}

function WindowMouseX(ID) {
    return QLCX_WindowMouse(ID, 0);
}

function WindowMouseY(ID) {
    return QLCX_WindowMouse(ID, 1);
}

function SetActiveWindow(ID) {
    setontop(ID);
    QLCX_Activate(ID);
}

// New gadgets go into this window's inner area; any gadget list a container opened is closed.
function UseGadgetList(wID) {
    QLCX_CurrentWindow = wID;
    QLCX_GadgetHolders = [];
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

// Registered by the page's start function when the program uses windows: window drags and
// the pointer position that WindowMouseX and pop-up menus read.
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
    var section = QLCX_ResizeSection;
    if (section) {
        QLCX_ResizeByGrip(section, Math.max(40, QLCX_PointerX - QLCX_DragOffsetX), Math.max(20, QLCX_PointerY - QLCX_DragOffsetY));
        return false;
    }
    if (!QLCX_DragSection) { return true; }
    QLCX_DragSection.style.left = QLCX_Pixels(QLCX_PointerX - QLCX_DragOffsetX);
    QLCX_DragSection.style.top = QLCX_Pixels(QLCX_PointerY - QLCX_DragOffsetY);
    return false;
}

// The grip sets the section's outer size; the window's box takes the inner size that gives it
// and the window is placed again, so its inner area, where the gadgets are, grows and shrinks
// with it (the inner area has a height of its own, which the section's does not change).
function QLCX_ResizeByGrip(section, outerWidth, outerHeight) {
    var sectionId = section.id;
    var id = window.parseInt(sectionId.substr(6));
    var place = QLCX_WindowBoxes[id];
    if (!place) { return; }
    place[2] = outerWidth - 13;
    place[3] = Math.max(11, outerHeight + 11 - place[5]);
    QLCX_PlaceWindow(id);
}

// The end of a drag moves the window's box and reports the move; the end of a resize takes
// the new size into the box and reports it.
function dragstop() {
    var section = QLCX_DragSection;
    var code = QLCX_EvMoveWindow;
    if (QLCX_ResizeSection) {
        section = QLCX_ResizeSection;
        code = QLCX_EvSizeWindow;
    }
    QLCX_DragSection = 0;
    QLCX_ResizeSection = 0;
    if (!section) { return; }
    var sectionId = section.id;
    var id = window.parseInt(sectionId.substr(6));
    var place = QLCX_WindowBoxes[id];
    if (!place) { return; }
    place[0] = section.offsetLeft;
    place[1] = section.offsetTop;
    QLCX_AddEvent(id, code, 0, 0);
}
