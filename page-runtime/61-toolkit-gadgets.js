// The desktop toolkit's gadgets beyond texts and buttons: check and option boxes, combo
// boxes, lists, list icons, trees, editors, spins, frames, containers, panels and scroll
// areas. Gadgets with items keep them here, by gadget number, as records
// [text, data, state, sublevel]; a list icon's text holds its columns joined by "\n". The
// page elements are drawn from the records again after every change of the items, so the
// records are the truth and a selection survives a redraw.
var QLCX_GadgetItems = [];
var QLCX_GadgetData = [];
// A list icon's columns as [title, width].
var QLCX_GadgetColumns = [];
// Item state bits: selected and checked.
var QLCX_ItemSelected = 1;
var QLCX_ItemChecked = 2;

// A box with a text: the label that holds a check or option box, so a click on the text
// works the box as on the desktop.
function QLCX_LabelledBox(type, text) {
    var el = document.createElement("label");
    var tick = QLCX_Input(type, "");
    el.appendChild(tick);
    el.appendChild(document.createTextNode(QLCX_Text(text)));
    el.style.whiteSpace = "nowrap";
    return el;
}

// The form element that takes focus, input and the disabled flag: the box inside a label,
// the text field of an editable combo box, or the gadget's element itself.
function QLCX_Control(id) {
    var el = QLCX_Gadget(id);
    var kind = QLCX_GadgetKind(id);
    if (!el) { return el; }
    if (kind == "checkbox" || kind == "option" || kind == "combotext" || kind == "buttonimage") { return el.firstChild; }
    return el;
}

// Flags: 1 three states, the third (-1) showing as neither checked nor unchecked.
function CheckBoxGadget(ID, x, y, w, h, text, flags) {
    var el = QLCX_LabelledBox("checkbox", text);
    QLCX_SetBox(el, x, y, w, h);
    var made = QLCX_PlaceGadget(ID, "checkbox", el);
    QLCX_GadgetFlags[QLCX_LastGadget] = flags;
    var tick = el.firstChild;
    tick.onclick = QLCX_BoxClicked;
    return made;
}

function OptionGadget(ID, x, y, w, h, text) {
    var el = QLCX_LabelledBox("radio", text);
    QLCX_SetBox(el, x, y, w, h);
    var made = QLCX_PlaceGadget(ID, "option", el);
    var tick = el.firstChild;
    tick.name = "QLCXgroup" + QLCX_OptionGroup;
    tick.onclick = QLCX_BoxClicked;
    return made;
}

function QLCX_OwnerId(el) {
    var id = el.id;
    while (el && (!id || !QLCX_GadgetKinds[window.parseInt(id)])) {
        el = el.parentNode;
        id = el.id;
    }
    return window.parseInt(id);
}

// A click on a check box steps its state: 0, 1 and, with three states, -1; an option box
// clears the other boxes of its group.
function QLCX_BoxClicked() {
    var tick = this;
    var id = QLCX_OwnerId(tick);
    var state = QLCX_GadgetStates[id];
    if (QLCX_GadgetKind(id) == "checkbox") {
        state = 1 - Math.abs(state);
        if (state == 0 && QLCX_GadgetStates[id] == 1 && (QLCX_GadgetFlags[id] & 1)) { state = -1; }
        SetGadgetState(id, state);
    } else {
        QLCX_CheckOption(id);
    }
    QLCX_AddEvent(QLCX_GadgetWindows[id], PB_Ev_Gadget, id, PB_EvTy_LClick);
    return true;
}

function QLCX_CheckOption(id) {
    var tick = QLCX_Control(id);
    for (var other = 0; other < QLCX_GadgetKinds.length; other++) {
        if (QLCX_GadgetKinds[other] == "option" && QLCX_Control(other).name == tick.name) { QLCX_GadgetStates[other] = 0; }
    }
    QLCX_GadgetStates[id] = 1;
    tick.checked = true;
}

function QLCX_ToggleClicked() {
    var id = QLCX_OwnerId(this);
    SetGadgetState(id, 1 - QLCX_GadgetStates[id]);
    QLCX_AddEvent(QLCX_GadgetWindows[id], PB_Ev_Gadget, id, PB_EvTy_LClick);
    return false;
}

// A list gadget: the element, its kind, and the events a person's clicks give.
function QLCX_ListGadget(ID, x, y, w, h, kind, el, flags) {
    QLCX_SetBox(el, x, y, w, h);
    var made = QLCX_PlaceGadget(ID, kind, el);
    var id = QLCX_LastGadget;
    QLCX_GadgetItems[id] = [];
    QLCX_GadgetFlags[id] = flags;
    QLCX_GadgetStates[id] = -1;
    el.onchange = QLCX_ListChanged;
    el.ondblclick = QLCX_ListDoubleClicked;
    el.oncontextmenu = QLCX_ListRightClicked;
    el.onclick = QLCX_ListClicked;
    return made;
}

// Flags: 1 editable, the box then being a text field with the items to choose from.
function ComboBoxGadget(ID, x, y, w, h, flags) {
    if (flags & 1) {
        var el = document.createElement("span");
        var field = QLCX_Input("text", "");
        var list = document.createElement("datalist");
        el.appendChild(field);
        el.appendChild(list);
        field.style.width = QLCX_Pixels(w - 6);
        var made = QLCX_ListGadget(ID, x, y, w, h, "combotext", el, flags);
        list.id = "QLCXlist" + QLCX_LastGadget;
        field.setAttribute("list", list.id);
        field.oninput = QLCX_ListChanged;
        return made;
    }
    return QLCX_ListGadget(ID, x, y, w, h, "combo", document.createElement("select"), flags);
}

function ListViewGadget(ID, x, y, w, h, flags) {
    var el = document.createElement("select");
    el.size = 2;
    return QLCX_ListGadget(ID, x, y, w, h, "listview", el, flags);
}

// Flags: 1 grid lines, 2 the whole row marked when selected, 4 a check box before each row.
function ListIconGadget(ID, x, y, w, h, title, width, flags) {
    var el = document.createElement("div");
    el.className = "listicon";
    if (flags & 1) { el.className = "listicon grid"; }
    var made = QLCX_ListGadget(ID, x, y, w, h, "listicon", el, flags);
    QLCX_GadgetColumns[QLCX_LastGadget] = [[QLCX_Text(title), width]];
    QLCX_DrawItems(QLCX_LastGadget);
    return made;
}

function AddGadgetColumn(ID, position, title, width) {
    var columns = QLCX_GadgetColumns[ID];
    if (!columns) { return; }
    if (position < 0 || position > columns.length) { position = columns.length; }
    columns.splice(position, 0, [QLCX_Text(title), width]);
    QLCX_DrawItems(ID);
}

function TreeGadget(ID, x, y, w, h, flags) {
    var el = document.createElement("div");
    el.className = "tree";
    return QLCX_ListGadget(ID, x, y, w, h, "tree", el, flags);
}

// Flags: 1 read-only. Its items are its lines.
function EditorGadget(ID, x, y, w, h, flags) {
    var el = document.createElement("textarea");
    if (flags & 1) { el.readOnly = true; }
    return QLCX_TypedGadget(ID, "editor", el, x, y, w, h);
}

// A gadget typed into: every keystroke gives a change event, a click none.
function QLCX_TypedGadget(ID, kind, el, x, y, w, h) {
    QLCX_SetBox(el, x, y, w - 6, h - 6);
    var made = QLCX_AddGadget(ID, kind, el, 1);
    el.oninput = QLCX_GadgetChanged;
    el.onchange = 0;
    el.onclick = 0;
    return made;
}

// A number field from min to max; typing or stepping gives a change event.
function SpinGadget(ID, x, y, w, h, min, max, flags) {
    var el = QLCX_Input("number", min);
    el.min = min;
    el.max = max;
    if (flags & 2) { el.readOnly = true; }
    return QLCX_TypedGadget(ID, "spin", el, x, y, w, h);
}

function FrameGadget(ID, x, y, w, h, text) {
    var el = document.createElement("fieldset");
    var legend = document.createElement("legend");
    legend.appendChild(document.createTextNode(QLCX_Text(text)));
    el.appendChild(legend);
    el.className = "frame";
    QLCX_SetBox(el, x, y, w - 6, h - 6);
    return QLCX_PlaceGadget(ID, "frame", el);
}

// Containers, panels and scroll areas open their gadget list at once: the gadgets made
// until CloseGadgetList go inside.
function ContainerGadget(ID, x, y, w, h, flags) {
    var el = QLCX_MakeElement("div", "container", "");
    if (flags) { el.style.border = "1px solid #888"; }
    QLCX_SetBox(el, x, y, w, h);
    var made = QLCX_PlaceGadget(ID, "container", el);
    QLCX_GadgetHolders.push(el);
    return made;
}

function ScrollAreaGadget(ID, x, y, w, h, innerW, innerH) {
    var el = QLCX_MakeElement("div", "scrollarea", "");
    var inner = QLCX_MakeElement("div", "", "");
    inner.style.position = "relative";
    inner.style.width = QLCX_Pixels(innerW);
    inner.style.height = QLCX_Pixels(innerH);
    el.appendChild(inner);
    QLCX_SetBox(el, x, y, w, h);
    var made = QLCX_PlaceGadget(ID, "scrollarea", el);
    QLCX_GadgetHolders.push(inner);
    return made;
}

// A panel is a row of tabs over one page per tab; AddGadgetItem adds a tab and opens its
// page's gadget list.
function PanelGadget(ID, x, y, w, h) {
    var el = QLCX_MakeElement("div", "panel", "");
    el.appendChild(QLCX_MakeElement("div", "tabs", ""));
    QLCX_SetBox(el, x, y, w, h);
    var made = QLCX_PlaceGadget(ID, "panel", el);
    QLCX_GadgetItems[QLCX_LastGadget] = [];
    QLCX_GadgetHolders.push(el);
    return made;
}

function QLCX_PanelPage(id, tab) {
    var el = QLCX_Gadget(id);
    if (!el || tab < 0 || tab >= el.childNodes.length - 1) { return 0; }
    return el.childNodes[tab + 1];
}

function QLCX_AddTab(id, position, text) {
    var el = QLCX_Gadget(id);
    var items = QLCX_GadgetItems[id];
    if (position < 0 || position > items.length) { position = items.length; }
    var tab = QLCX_MakeElement("span", "tab", "");
    tab.appendChild(document.createTextNode(QLCX_Text(text)));
    tab.onclick = QLCX_TabClicked;
    var page = QLCX_MakeElement("div", "page", "");
    items.splice(position, 0, [QLCX_Text(text), 0, 0, 0]);
    var bar = el.firstChild;
    bar.insertBefore(tab, bar.childNodes[position]);
    el.insertBefore(page, el.childNodes[position + 1]);
    if (QLCX_GadgetHolders[QLCX_GadgetHolders.length - 1] == el || QLCX_IsPageOf(id)) { QLCX_GadgetHolders.pop(); }
    QLCX_GadgetHolders.push(page);
    QLCX_ShowTab(id, QLCX_GadgetStates[id]);
}

function QLCX_IsPageOf(id) {
    var top = QLCX_GadgetHolders[QLCX_GadgetHolders.length - 1];
    return top && top.parentNode == QLCX_Gadget(id);
}

function QLCX_ShowTab(id, tab) {
    var el = QLCX_Gadget(id);
    var bar = el.firstChild;
    var tabs = bar.childNodes;
    if (tab < 0 || tab >= tabs.length) { tab = 0; }
    QLCX_GadgetStates[id] = tab;
    for (var i = 0; i < tabs.length; i++) {
        tabs[i].className = "tab";
        el.childNodes[i + 1].style.display = "none";
    }
    if (!tabs.length) { return; }
    tabs[tab].className = "tab current";
    el.childNodes[tab + 1].style.display = "";
}

function QLCX_TabClicked() {
    var tab = this;
    var id = QLCX_OwnerId(tab);
    var bar = tab.parentNode;
    var tabs = bar.childNodes;
    for (var i = 0; i < tabs.length; i++) {
        if (tabs[i] == tab && QLCX_GadgetStates[id] != i) {
            QLCX_ShowTab(id, i);
            QLCX_AddEvent(QLCX_GadgetWindows[id], PB_Ev_Gadget, id, PB_EvTy_Change);
        }
    }
}

function OpenGadgetList(ID, item) {
    var kind = QLCX_GadgetKind(ID);
    var el = QLCX_Gadget(ID);
    if (kind == "container") { QLCX_GadgetHolders.push(el); }
    if (kind == "scrollarea") { QLCX_GadgetHolders.push(el.firstChild); }
    if (kind == "panel") {
        var page = QLCX_PanelPage(ID, item);
        if (!page) { page = el; }
        QLCX_GadgetHolders.push(page);
    }
    return 1;
}

function CloseGadgetList() {
    QLCX_GadgetHolders.pop();
}

// Flags: 1 a toggle button.
function ButtonImageGadget(ID, x, y, w, h, imageID, flags) {
    var el = document.createElement("button");
    var picture = document.createElement("img");
    if (IsImage(imageID)) { picture.src = QLCX_ImageSource(imageID, -1); }
    el.appendChild(picture);
    QLCX_SetBox(el, x, y, w, h);
    var made = QLCX_AddGadget(ID, "buttonimage", el, 0);
    if (flags & 1) { el.onclick = QLCX_ToggleClicked; }
    return made;
}
