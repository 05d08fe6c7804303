// Items of lists, combo boxes, list icons, trees and panels, the lines of an editor, and the
// state and text of the toolkit's gadgets.

function QLCX_HasItems(kind) {
    return kind == "combo" || kind == "combotext" || kind == "listview" || kind == "listicon" || kind == "tree";
}

function QLCX_ItemOption(text, selected) {
    var option = document.createElement("option");
    option.appendChild(document.createTextNode(text));
    if (selected) { option.selected = true; }
    return option;
}

// A row of cells; with a check box first when the list icon has them.
function QLCX_ItemRow(id, cells, tag, record, index) {
    var row = document.createElement("tr");
    if (index >= 0 && (QLCX_GadgetFlags[id] & 4)) {
        var cell = document.createElement("td");
        var tick = QLCX_Input("checkbox", "");
        if (record[2] & QLCX_ItemChecked) { tick.checked = true; }
        tick.onclick = QLCX_ItemBoxClicked;
        cell.appendChild(tick);
        row.appendChild(cell);
    } else if (QLCX_GadgetFlags[id] & 4) {
        row.appendChild(document.createElement(tag));
    }
    for (var c = 0; c < cells.length; c++) {
        var cell2 = document.createElement(tag);
        cell2.appendChild(document.createTextNode(cells[c]));
        row.appendChild(cell2);
    }
    if (index >= 0) {
        row.id = id + "_" + index;
        if (record[2] & QLCX_ItemSelected) { row.className = "selected"; }
    }
    return row;
}

function QLCX_DrawListIcon(id, el, items) {
    var table = document.createElement("table");
    var columns = QLCX_GadgetColumns[id];
    var titles = [];
    for (var c = 0; c < columns.length; c++) { titles.push(columns[c][0]); }
    var head = QLCX_ItemRow(id, titles, "th", 0, -1);
    for (var w = 0; w < columns.length; w++) { head.childNodes[head.childNodes.length - columns.length + w].style.width = QLCX_Pixels(columns[w][1]); }
    table.appendChild(head);
    for (var i = 0; i < items.length; i++) {
        var cells = [];
        for (var k = 0; k < columns.length; k++) { cells.push(QLCX_Column(items[i][0], k)); }
        table.appendChild(QLCX_ItemRow(id, cells, "td", items[i], i));
    }
    el.appendChild(table);
}

// Draws the gadget's items again from their records.
function QLCX_DrawItems(id) {
    var el = QLCX_Gadget(id);
    var kind = QLCX_GadgetKind(id);
    var items = QLCX_GadgetItems[id];
    if (!el || !items) { return; }
    var holder = el;
    if (kind == "combotext") { holder = el.lastChild; }
    while (holder.firstChild) { holder.removeChild(holder.firstChild); }
    if (kind == "listicon") { return QLCX_DrawListIcon(id, el, items); }
    for (var i = 0; i < items.length; i++) {
        var selected = i == QLCX_GadgetStates[id];
        if (kind == "tree") {
            var entry = QLCX_MakeElement("div", "", id + "_" + i);
            entry.appendChild(document.createTextNode(items[i][0]));
            entry.style.paddingLeft = QLCX_Pixels(4 + 16 * items[i][3]);
            if (selected) { entry.className = "selected"; }
            el.appendChild(entry);
        } else {
            holder.appendChild(QLCX_ItemOption(items[i][0], selected));
        }
    }
    if (kind == "combo" || kind == "listview") { el.selectedIndex = QLCX_GadgetStates[id]; }
}

// The column'th part of a list icon item's text.
function QLCX_Column(text, column) {
    var parts = QLCX_Text(text).split("\n");
    if (column > 0 && column >= parts.length) { return ""; }
    return parts[QLCX_AsNumber(column)];
}

// The item a click landed on: the number after "_" in the id of the row or line around it.
function QLCX_ClickedItem(target) {
    while (target) {
        var rowId = "" + target.id;
        var mark = rowId.indexOf("_");
        if (mark > 0) { return window.parseInt(rowId.substr(mark + 1)); }
        if (rowId != "" && QLCX_GadgetKinds[window.parseInt(rowId)]) { return -1; }
        target = target.parentNode;
    }
    return -1;
}

// Selects item `index` of a list icon or tree as a click does.
function QLCX_SelectItem(id, index) {
    var items = QLCX_GadgetItems[id];
    for (var i = 0; i < items.length; i++) { items[i][2] = items[i][2] & QLCX_ItemChecked; }
    QLCX_GadgetStates[id] = -1;
    if (index >= 0 && index < items.length) {
        items[index][2] = items[index][2] | QLCX_ItemSelected;
        QLCX_GadgetStates[id] = index;
    }
    // The marks change in place: a row drawn anew between the two clicks of a double-click
    // would lose the double-click.
    for (var k = 0; k < items.length; k++) {
        var entry = document.getElementById(id + "_" + k);
        if (entry) { entry.className = ""; }
        if (entry && k == index) { entry.className = "selected"; }
    }
}

function QLCX_ListEvent(el, ev, type) {
    var id = QLCX_OwnerId(el);
    var kind = QLCX_GadgetKind(id);
    if (!ev) { ev = window.event; }
    if (kind == "listicon" || kind == "tree") {
        var index = QLCX_ClickedItem(ev.target);
        if (index >= 0) { QLCX_SelectItem(id, index); }
    } else if (kind != "combotext") {
        QLCX_GadgetStates[id] = el.selectedIndex;
    }
    QLCX_AddEvent(QLCX_GadgetWindows[id], PB_Ev_Gadget, id, type);
}

// A list view reports a choice as a left click, whether made by mouse or keys; a combo box
// as a change.
function QLCX_ListChanged(ev) {
    var el = this;
    var type = PB_EvTy_LClick;
    if (el.tagName != "SELECT" || el.size < 2) { type = PB_EvTy_Change; }
    QLCX_ListEvent(el, ev, type);
    return true;
}

// List icons and trees have no change of their own: a click selects.
function QLCX_ListClicked(ev) {
    var el = this;
    var kind = QLCX_GadgetKind(QLCX_OwnerId(el));
    if (kind == "listicon" || kind == "tree") { QLCX_ListEvent(el, ev, PB_EvTy_LClick); }
    return true;
}

function QLCX_ListDoubleClicked(ev) {
    QLCX_ListEvent(this, ev, PB_EvTy_LdbClick);
    return true;
}

function QLCX_ListRightClicked(ev) {
    QLCX_ListEvent(this, ev, QLCX_EvTyRightClick);
    return false;
}

function QLCX_ItemBoxClicked(ev) {
    var tick = this;
    var id = QLCX_OwnerId(tick);
    var index = QLCX_ClickedItem(tick);
    var record = QLCX_GadgetItems[id][index];
    record[2] = (record[2] | QLCX_ItemChecked) - (record[2] & QLCX_ItemChecked);
    if (!ev) { ev = window.event; }
    ev.stopPropagation();
    QLCX_AddEvent(QLCX_GadgetWindows[id], PB_Ev_Gadget, id, PB_EvTy_Change);
    return true;
}

function QLCX_EditorLines(id) {
    var text = QLCX_Gadget(id).value;
    if (text == "") { return []; }
    return text.split("\n");
}

// Position -1 (or one past the end) appends. A list icon's text has its columns separated
// by Chr(10); a tree item's sublevel indents it under the item before.
function AddGadgetItem(ID, position, text, image, sublevel) {
    var kind = QLCX_GadgetKind(ID);
    text = QLCX_Text(text);
    if (kind == "panel") { return QLCX_AddTab(ID, position, text); }
    if (kind == "editor") {
        var lines = QLCX_EditorLines(ID);
        if (position < 0 || position > lines.length) { position = lines.length; }
        lines.splice(position, 0, text);
        QLCX_Gadget(ID).value = lines.join("\n");
        return 1;
    }
    var items = QLCX_GadgetItems[ID];
    if (!items) { return 0; }
    if (position < 0 || position > items.length) { position = items.length; }
    if (!sublevel) { sublevel = 0; }
    items.splice(position, 0, [text, 0, 0, sublevel]);
    if (position <= QLCX_GadgetStates[ID]) { QLCX_GadgetStates[ID]++; }
    QLCX_DrawItems(ID);
    return 1;
}

function RemoveGadgetItem(ID, item) {
    var kind = QLCX_GadgetKind(ID);
    if (kind == "editor") {
        var lines = QLCX_EditorLines(ID);
        lines.splice(item, 1);
        QLCX_Gadget(ID).value = lines.join("\n");
        return;
    }
    var items = QLCX_GadgetItems[ID];
    if (!items || item < 0 || item >= items.length) { return; }
    items.splice(item, 1);
    if (kind == "panel") {
        var el = QLCX_Gadget(ID);
        var bar = el.firstChild;
        bar.removeChild(bar.childNodes[item]);
        el.removeChild(el.childNodes[item + 1]);
        QLCX_ShowTab(ID, QLCX_GadgetStates[ID]);
        return;
    }
    if (QLCX_GadgetStates[ID] == item) { QLCX_GadgetStates[ID] = -1; }
    if (QLCX_GadgetStates[ID] > item) { QLCX_GadgetStates[ID]--; }
    QLCX_DrawItems(ID);
}

function ClearGadgetItems(ID) {
    var kind = QLCX_GadgetKind(ID);
    if (kind == "editor") { QLCX_Gadget(ID).value = ""; }
    if (!QLCX_HasItems(kind)) { return; }
    QLCX_GadgetItems[ID] = [];
    QLCX_GadgetStates[ID] = -1;
    QLCX_DrawItems(ID);
}

function CountGadgetItems(ID) {
    if (QLCX_GadgetKind(ID) == "editor") { return QLCX_EditorLines(ID).length; }
    var items = QLCX_GadgetItems[ID];
    if (!items) { return 0; }
    return items.length;
}

function QLCX_Item(ID, item) {
    var items = QLCX_GadgetItems[ID];
    if (!items || item < 0 || item >= items.length) { return 0; }
    return items[item];
}

function GetGadgetItemText(ID, item, column) {
    if (QLCX_GadgetKind(ID) == "editor") { return QLCX_Text(QLCX_EditorLines(ID)[item]); }
    var record = QLCX_Item(ID, item);
    if (!record) { return ""; }
    if (QLCX_GadgetKind(ID) != "listicon") { return record[0]; }
    return QLCX_Column(record[0], column);
}

function SetGadgetItemText(ID, item, text, column) {
    var record = QLCX_Item(ID, item);
    if (!record) { return; }
    text = QLCX_Text(text);
    if (QLCX_GadgetKind(ID) == "listicon") {
        var parts = record[0].split("\n");
        while (parts.length <= column) { parts.push(""); }
        parts[QLCX_AsNumber(column)] = text;
        text = parts.join("\n");
    }
    record[0] = text;
    if (QLCX_GadgetKind(ID) == "panel") {
        var bar = QLCX_Gadget(ID).firstChild;
        bar.childNodes[item].firstChild.nodeValue = text;
        return;
    }
    QLCX_DrawItems(ID);
}

// Selected (1) and checked (2) for list icons and trees; selected or not for the others.
function GetGadgetItemState(ID, item) {
    var record = QLCX_Item(ID, item);
    if (!record) { return 0; }
    var kind = QLCX_GadgetKind(ID);
    if (kind == "listicon" || kind == "tree") { return record[2]; }
    if (GetGadgetState(ID) == item) { return 1; }
    return 0;
}

function SetGadgetItemState(ID, item, state) {
    var record = QLCX_Item(ID, item);
    if (!record) { return; }
    var kind = QLCX_GadgetKind(ID);
    if (kind != "listicon" && kind != "tree") {
        if (state) { SetGadgetState(ID, item); }
        return;
    }
    if (state & QLCX_ItemSelected) { QLCX_SelectItem(ID, item); }
    record[2] = state;
    if (!(state & QLCX_ItemSelected) && QLCX_GadgetStates[ID] == item) { QLCX_GadgetStates[ID] = -1; }
    QLCX_DrawItems(ID);
}

function GetGadgetItemData(ID, item) {
    var record = QLCX_Item(ID, item);
    if (!record) { return 0; }
    return record[1];
}

function SetGadgetItemData(ID, item, value) {
    var record = QLCX_Item(ID, item);
    if (record) { record[1] = value; }
}

// Registered by the page's start function when the program makes toolkit gadgets.
function QLCX_StartToolkit() {
    QLCX_ToolkitText = QLCX_KindText;
    QLCX_ToolkitSetText = QLCX_SetKindText;
    QLCX_ToolkitState = QLCX_KindState;
    QLCX_ToolkitSetState = QLCX_SetKindState;
}

// The state of the toolkit's own gadget kinds, or the answer "not mine" (the text "none").
function QLCX_KindState(ID, kind) {
    var el = QLCX_Gadget(ID);
    if (kind == "combo" || kind == "listview") { return el.selectedIndex; }
    if (kind == "combotext") {
        var items = QLCX_GadgetItems[ID];
        for (var i = 0; i < items.length; i++) { if (items[i][0] == el.firstChild.value) { return i; } }
        return -1;
    }
    if (kind == "spin") { return QLCX_AsNumber(el.value); }
    if (kind == "editor") { return 0; }
    return "none";
}

function QLCX_SetKindState(ID, kind, value) {
    var el = QLCX_Gadget(ID);
    var tick = QLCX_Control(ID);
    QLCX_GadgetStates[ID] = value;
    if (kind == "checkbox") {
        tick.checked = value == 1;
        tick.indeterminate = value == -1;
    } else if (kind == "option") {
        if (value) { QLCX_CheckOption(ID); }
        tick.checked = value != 0;
    } else if (kind == "buttonimage") {
        el.className = "";
        if (value) { el.className = "pressed"; }
    } else if (kind == "listicon" || kind == "tree") {
        QLCX_SelectItem(ID, value);
    } else if (kind == "combotext") {
        tick.value = GetGadgetItemText(ID, value);
    } else if (kind == "panel") {
        QLCX_ShowTab(ID, value);
    } else if (kind == "combo" || kind == "listview" || kind == "spin") {
        QLCX_DrawItems(ID);
        if (kind == "spin") { el.value = value; }
    } else {
        return 0;
    }
    return 1;
}

// The text of the toolkit's own gadget kinds, or "none" for the others. A combo box or list
// gives its selected item, an editor its lines joined by #LF$.
function QLCX_KindText(ID, kind) {
    var el = QLCX_Gadget(ID);
    if (kind == "checkbox" || kind == "option") { return el.lastChild.nodeValue; }
    if (kind == "frame") { return el.firstChild.firstChild.nodeValue; }
    if (kind == "combotext") { return el.firstChild.value; }
    if (QLCX_HasItems(kind)) { return GetGadgetItemText(ID, GetGadgetState(ID), 0); }
    if (kind == "panel") { return GetGadgetItemText(ID, QLCX_GadgetStates[ID], 0); }
    return "none";
}

function QLCX_SetKindText(ID, kind, text) {
    var el = QLCX_Gadget(ID);
    if (kind == "checkbox" || kind == "option") {
        el.lastChild.nodeValue = text;
    } else if (kind == "frame") {
        el.firstChild.firstChild.nodeValue = text;
    } else if (kind == "combotext") {
        el.firstChild.value = text;
    } else if (QLCX_HasItems(kind) || kind == "panel") {
        return 1;
    } else {
        return 0;
    }
    return 1;
}
