// Gadget control: enabling, hiding, focus, freeing, position and size, tool tips, colours,
// fonts, attributes and the program's own data on a gadget.
// Per gadget number: [front colour, back colour] as set, -1 when never set.
var QLCX_GadgetColors = [];

function DisableGadget(ID, state) {
    var control = QLCX_Control(ID);
    if (!control) { return; }
    control.disabled = state != 0;
    QLCX_Gadget(ID).style.opacity = "";
    if (state) { QLCX_Gadget(ID).style.opacity = "0.5"; }
}

function HideGadget(ID, state) {
    var el = QLCX_Gadget(ID);
    if (!el) { return; }
    el.style.display = "";
    if (state) { el.style.display = "none"; }
}

function SetActiveGadget(ID) {
    var control = QLCX_Control(ID);
    if (control) { control.focus(); }
}

// The gadget that holds the page's focus, -1 for none.
function GetActiveGadget() {
    var el = document.activeElement;
    while (el && el.id != "winout") {
        var n = window.parseInt(el.id);
        if (QLCX_GadgetKinds[n] && el.id == "" + n) { return n; }
        el = el.parentNode;
    }
    return -1;
}

function FreeGadget(ID) {
    var el = QLCX_Gadget(ID);
    if (!el || !QLCX_GadgetKinds[ID]) { return; }
    var holder = el.parentNode;
    holder.removeChild(el);
    QLCX_GadgetKinds[ID] = "";
    QLCX_GadgetItems[ID] = 0;
}

function IsGadget(ID) {
    if (QLCX_GadgetKinds[ID] && QLCX_Gadget(ID)) { return 1; }
    return 0;
}

function GadgetID(ID) {
    return ID;
}

// Where the element sits differs from what the program gave by the offsets its kind was
// made with: [-y, -width and -height].
function QLCX_Offsets(kind) {
    if (kind == "text") { return [13, 0]; }
    if (kind == "progress") { return [3, 0]; }
    if (kind == "string" || kind == "trackbar" || kind == "link" || kind == "editor" || kind == "spin" || kind == "frame") { return [0, 6]; }
    return [0, 0];
}

function QLCX_Place(ID, index) {
    var el = QLCX_Gadget(ID);
    if (!el) { return 0; }
    var offsets = QLCX_Offsets(QLCX_GadgetKind(ID));
    if (index == 0) { return QLCX_AsNumber(el.style.left); }
    if (index == 1) { return QLCX_AsNumber(el.style.top) + offsets[0]; }
    if (index == 2) { return QLCX_AsNumber(el.style.width) + offsets[1]; }
    return QLCX_AsNumber(el.style.height) + offsets[1];
}

function GadgetX(ID) {
    return QLCX_Place(ID, 0);
}

function GadgetY(ID) {
    return QLCX_Place(ID, 1);
}

function GadgetWidth(ID) {
    return QLCX_Place(ID, 2);
}

function GadgetHeight(ID) {
    return QLCX_Place(ID, 3);
}

function GadgetToolTip(ID, text) {
    var el = QLCX_Gadget(ID);
    if (el) { el.title = QLCX_Text(text); }
}

// Type 1 the text colour, 2 the background.
function SetGadgetColor(ID, type, color) {
    var el = QLCX_Gadget(ID);
    if (!el) { return; }
    if (!QLCX_GadgetColors[ID]) { QLCX_GadgetColors[ID] = [-1, -1]; }
    QLCX_GadgetColors[ID][type - 1] = color;
    if (type == 1) { el.style.color = QLCX_ColorText(color); }
    if (type == 2) { el.style.backgroundColor = QLCX_ColorText(color); }
}

function GetGadgetColor(ID, type) {
    var colors = QLCX_GadgetColors[ID];
    if (!colors || type < 1 || type > 2) { return -1; }
    return colors[type - 1];
}

// A font from FontID (or a font number); anything else (0, #PB_Default) goes back to the
// window's font.
function SetGadgetFont(ID, font) {
    var el = QLCX_Gadget(ID);
    if (!el) { return; }
    el.style.font = QLCX_FontText(font);
}

// Attributes 1 and 2 are the minimum and maximum of spins, track bars and progress bars;
// 3 and 4 the inner width and height of a scroll area.
function SetGadgetAttribute(ID, attribute, value) {
    var el = QLCX_Gadget(ID);
    if (!el) { return; }
    if (attribute == 1) { el.min = value; }
    if (attribute == 2) { el.max = value; }
    if (QLCX_GadgetKind(ID) != "scrollarea") { return; }
    var inner = el.firstChild;
    if (attribute == 3) { inner.style.width = QLCX_Pixels(value); }
    if (attribute == 4) { inner.style.height = QLCX_Pixels(value); }
}

function GetGadgetAttribute(ID, attribute) {
    var el = QLCX_Gadget(ID);
    if (!el) { return 0; }
    if (QLCX_GadgetKind(ID) == "canvas") { return QLCX_CanvasAttribute(ID, attribute); }
    if (attribute == 1) { return QLCX_AsNumber(el.min); }
    if (attribute == 2) { return QLCX_AsNumber(el.max); }
    if (QLCX_GadgetKind(ID) != "scrollarea") { return 0; }
    var inner = el.firstChild;
    if (attribute == 3) { return QLCX_AsNumber(inner.style.width); }
    if (attribute == 4) { return QLCX_AsNumber(inner.style.height); }
    return 0;
}

function SetGadgetData(ID, value) {
    QLCX_GadgetData[ID] = value;
}

function GetGadgetData(ID) {
    var value = QLCX_GadgetData[ID];
    if (!value) { return 0; }
    return value;
}
