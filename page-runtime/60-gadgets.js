// Gadgets: page elements placed absolutely in their window's body, with the gadget number as
// their id. What the library needs to know about a gadget lives here, indexed by gadget
// number, never on the element: a property of our own could be renamed into a real one.
var QLCX_GadgetKinds = [];
// The toolkit's answers for its own gadget kinds (62-gadget-items.js), wired in by the page's
// start function when the program makes toolkit gadgets; 0 on a page with basic gadgets only.
var QLCX_ToolkitText = 0;
var QLCX_ToolkitSetText = 0;
var QLCX_ToolkitState = 0;
var QLCX_ToolkitSetState = 0;
var QLCX_GadgetWindows = [];
// The state of gadgets whose element has no value of its own (the image number of an image
// gadget, whatever a program stores in a text, web or link gadget, the selected item of a
// list, the check of a check box).
var QLCX_GadgetStates = [];
// Flags given at creation.
var QLCX_GadgetFlags = [];
// The kind and window of the gadget made last: option gadgets made one after the other form
// one group.
var QLCX_LastKind = "";
var QLCX_OptionGroup = 0;
var QLCX_LastGadget = 0;

function QLCX_Gadget(id) {
    return document.getElementById("" + id);
}

function QLCX_GadgetKind(id) {
    var kind = QLCX_GadgetKinds[id];
    if (!kind) { return ""; }
    return kind;
}

function QLCX_HasOwnValue(kind) {
    return kind == "string" || kind == "button" || kind == "progress" || kind == "trackbar";
}

// Text for an element or the canvas: a missing argument gives "", never "undefined".
function QLCX_Text(v) {
    if (!v && v != 0) { return ""; }
    return v;
}

function QLCX_AsNumber(v) {
    var n = window.parseFloat(v);
    if (n != n) { return 0; }
    return n;
}

function QLCX_SetBox(el, x, y, w, h) {
    el.style.left = QLCX_Pixels(x);
    el.style.top = QLCX_Pixels(y);
    el.style.width = QLCX_Pixels(w);
    el.style.height = QLCX_Pixels(h);
}

// Records the gadget, hooks its events and puts it into the current gadget list.
function QLCX_AddGadget(id, kind, el, withFocus) {
    el.onclick = QLCX_GadgetClicked;
    el.ondblclick = QLCX_GadgetDoubleClicked;
    el.onchange = QLCX_GadgetChanged;
    if (withFocus) {
        el.onfocus = QLCX_GadgetFocused;
        el.onblur = QLCX_GadgetBlurred;
    }
    return QLCX_PlaceGadget(id, kind, el);
}

// Records the gadget without hooking any event (composite gadgets hook their parts) and puts
// it into the innermost open gadget list, the current window's inner area or the page body.
// Returns what the creating command returns.
function QLCX_PlaceGadget(id, kind, el) {
    var asked = id;
    id = QLCX_PickNumber(id, QLCX_GadgetKinds);
    el.id = "" + id;
    el.style.position = "absolute";
    QLCX_GadgetKinds[id] = kind;
    QLCX_GadgetWindows[id] = QLCX_CurrentWindow;
    QLCX_GadgetStates[id] = 0;
    if (kind == "option" && QLCX_LastKind != "option") { QLCX_OptionGroup++; }
    QLCX_LastKind = kind;
    var holder = document.getElementById("window" + QLCX_CurrentWindow + "_content");
    if (QLCX_GadgetHolders.length) { holder = QLCX_GadgetHolders[QLCX_GadgetHolders.length - 1]; }
    if (!holder) { holder = QLCX_PageBody(); }
    holder.appendChild(el);
    QLCX_LastGadget = id;
    return QLCX_Created(asked, id);
}

function QLCX_GadgetEvent(el, type) {
    var id = window.parseInt(el.id);
    QLCX_AddEvent(QLCX_GadgetWindows[id], PB_Ev_Gadget, id, type);
}

function QLCX_GadgetClicked() {
    QLCX_GadgetEvent(this, PB_EvTy_LClick);
}

// The clicks of a double-click come first (the queue keeps one of two alike), as on the
// desktop.
function QLCX_GadgetDoubleClicked() {
    QLCX_GadgetEvent(this, PB_EvTy_LdbClick);
}

function QLCX_GadgetFocused() {
    QLCX_GadgetEvent(this, PB_EvTy_Focus);
}

function QLCX_GadgetBlurred() {
    QLCX_GadgetEvent(this, PB_EvTy_LostFocus);
}

function QLCX_GadgetChanged() {
    QLCX_GadgetEvent(this, PB_EvTy_Change);
}

function QLCX_Input(type, value) {
    var el = document.createElement("input");
    el.type = type;
    el.value = QLCX_Text(value);
    return el;
}

// Flags: 1 password, 2 numbers only, 4 read-only.
function StringGadget(ID, x, y, w, h, string, flags) {
    var type = "text";
    if (flags & 1) { type = "password"; }
    if (flags & 2) { type = "number"; }
    var el = QLCX_Input(type, string);
    if (flags & 4) { el.readOnly = true; }
    QLCX_SetBox(el, x, y, w - 6, h - 6);
    return QLCX_AddGadget(ID, "string", el, 1);
}

// Flags: 1 a toggle button that stays pressed (its state 1) until clicked again, 2 the
// default button, drawn bold.
function ButtonGadget(ID, x, y, w, h, string, flags) {
    var el = QLCX_Input("submit", string);
    QLCX_SetBox(el, x, y, w, h);
    if (flags & 2) { el.style.fontWeight = "bold"; }
    var made = QLCX_AddGadget(ID, "button", el, 0);
    if (flags & 1) {
        QLCX_GadgetKinds[QLCX_LastGadget] = "toggle";
        el.onclick = QLCX_ToggleClicked;
    }
    return made;
}

// A paragraph keeps its top margin inside the window body, hence the 13 pixels; its line
// breaks show. Flags: 1 centred, 2 right-aligned, 4 a border.
function TextGadget(ID, x, y, w, h, string, flags) {
    var el = document.createElement("p");
    el.appendChild(document.createTextNode(QLCX_Text(string)));
    el.style.whiteSpace = "pre-line";
    if (flags & 1) { el.style.textAlign = "center"; }
    if (flags & 2) { el.style.textAlign = "right"; }
    if (flags & 4) { el.style.border = "1px solid #888"; }
    // The margin is fixed at what the window's own 12-pixel font gives it: left at one line of
    // the paragraph's font, a large font (SetGadgetFont) would push the text far below y.
    el.style.marginTop = "12px";
    QLCX_SetBox(el, x, y - 13, w, h);
    return QLCX_AddGadget(ID, "text", el, 0);
}

function ProgressBarGadget(ID, x, y, w, h, min, max) {
    var el = document.createElement("meter");
    el.min = min;
    el.max = max;
    el.high = 0;
    QLCX_SetBox(el, x, y - 3, w, h);
    return QLCX_AddGadget(ID, "progress", el, 0);
}

// Set by ImageGadget, the only maker of image gadgets, so that SetGadgetState reaches the
// image code only through it: a page without image gadgets carries none of that code.
var QLCX_SetImageState = 0;

function ImageGadget(ID, x, y, w, h, img) {
    QLCX_SetImageState = QLCX_ShowImage;
    var el = document.createElement("img");
    el.style.left = QLCX_Pixels(x);
    el.style.top = QLCX_Pixels(y);
    QLCX_AddGadget(ID, "image", el, 1);
    QLCX_ShowImage(ID, el, img);
    return 1;
}

function QLCX_ShowImage(id, el, img) {
    if (!IsImage(img)) { return; }
    QLCX_GadgetStates[id] = img;
    el.src = QLCX_ImageSource(img, id);
}

function WebGadget(ID, x, y, w, h, url) {
    var el = document.createElement("iframe");
    if (url) { el.src = url; }
    QLCX_SetBox(el, x, y, w, h);
    return QLCX_AddGadget(ID, "web", el, 1);
}

function TrackBarGadget(ID, x, y, w, h, min, max) {
    var el = QLCX_Input("range", min);
    el.min = min;
    el.max = max;
    el.value = min;
    QLCX_SetBox(el, x, y, w - 6, h - 6);
    return QLCX_AddGadget(ID, "trackbar", el, 1);
}

function HyperLinkGadget(ID, x, y, w, h, url, color) {
    var el = document.createElement("a");
    el.target = "_blank";
    url = QLCX_Text(url);
    el.href = url;
    el.appendChild(document.createTextNode(url));
    el.style.textOverflow = "ellipsis";
    QLCX_SetBox(el, x, y, w - 6, h - 6);
    return QLCX_AddGadget(ID, "link", el, 1);
}

function GetGadgetText(ID) {
    var el = QLCX_Gadget(ID);
    if (!el) { return ""; }
    var kind = QLCX_GadgetKind(ID);
    if (QLCX_ToolkitText) {
        var own = QLCX_ToolkitText(ID, kind);
        if (own != "none") { return own; }
    }
    if (kind == "text") { return el.firstChild.nodeValue; }
    if (kind == "web") { return el.src; }
    if (kind == "link") { return el.href; }
    // An image has no text, where its element would give "undefined".
    if (kind == "image") { return ""; }
    return el.value;
}

function SetGadgetText(ID, text) {
    var el = QLCX_Gadget(ID);
    if (!el) { return; }
    text = QLCX_Text(text);
    var kind = QLCX_GadgetKind(ID);
    if (QLCX_ToolkitSetText && QLCX_ToolkitSetText(ID, kind, text)) { return; }
    if (kind == "text") {
        el.firstChild.nodeValue = text;
    } else if (kind == "web") {
        el.src = text;
    } else if (kind == "link") {
        el.href = text;
        el.firstChild.nodeValue = text;
    } else {
        el.value = text;
    }
}

// Gadgets made with offsets keep them only where the window program expects them: a text
// field stays 6 pixels narrower and lower, a text stays 13 pixels higher.
function ResizeGadget(ID, x, y, w, h) {
    var el = QLCX_Gadget(ID);
    if (!el) { return; }
    var kind = QLCX_GadgetKind(ID);
    var dx = 0;
    var dy = 0;
    if (kind == "string") { dx = 6; }
    if (kind == "text") { dy = 13; }
    if (QLCX_Given(x)) { el.style.left = QLCX_Pixels(x); }
    if (QLCX_Given(y)) { el.style.top = QLCX_Pixels(y - dy); }
    if (QLCX_Given(w)) { el.style.width = QLCX_Pixels(w - dx); }
    if (QLCX_Given(h)) { el.style.height = QLCX_Pixels(h - dx); }
}

function GetGadgetState(ID) {
    var el = QLCX_Gadget(ID);
    if (!el) { return 0; }
    if (QLCX_ToolkitState) {
        var own = QLCX_ToolkitState(ID, QLCX_GadgetKind(ID));
        if (own != "none") { return own; }
    }
    if (QLCX_HasOwnValue(QLCX_GadgetKind(ID))) { return QLCX_AsNumber(el.value); }
    return QLCX_AsNumber(QLCX_GadgetStates[ID]);
}

function SetGadgetState(ID, value) {
    var el = QLCX_Gadget(ID);
    if (!el) { return; }
    var kind = QLCX_GadgetKind(ID);
    if (QLCX_ToolkitSetState && QLCX_ToolkitSetState(ID, kind, value)) { return; }
    if (kind == "toggle") {
        QLCX_GadgetStates[ID] = value;
        el.className = "";
        if (value) { el.className = "pressed"; }
    } else if (kind == "image") {
        QLCX_SetImageState(ID, el, value);
    } else if (QLCX_HasOwnValue(kind)) {
        el.value = value;
    } else {
        QLCX_GadgetStates[ID] = value;
    }
}
