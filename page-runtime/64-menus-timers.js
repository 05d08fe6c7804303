// Menus, pop-up menus and keyboard shortcuts, window timers, status bars and bound events.
// A menu item is known by its number alone, as the program's events know it: per item
// number [element, window, checked, disabled].
var QLCX_MenuItems = [];
// The menu element new titles and items go into, the innermost open sub-menu last.
var QLCX_MenuStack = [];
var QLCX_MenuBar = 0;
var QLCX_MenuWindow = -1;
// Pop-up menus by number: [element, window it was last shown for].
var QLCX_Popups = [];
// [window, key code with modifiers, menu item number].
var QLCX_Shortcuts = [];
// [window, timer number, period, time it is next due].
var QLCX_Timers = [];
// Status bars by number: their element; the last one made takes new fields.
var QLCX_StatusBars = [];
var QLCX_LastStatusBar = -1;
// A menu bar and a status bar each add this many pixels to their window (20 and a border).
var QLCX_BarHeight = 22;
// [event, procedure, window, object, event type]; -1 matches any.
var QLCX_Bindings = [];

// The menu bar sits between the window's title and its inner area.
function CreateMenu(ID, win) {
    var section = QLCX_WindowSection(win);
    if (!section) { return 0; }
    QLCX_MenuBar = QLCX_MakeElement("div", "menubar", "QLCXmenubar" + ID);
    section.insertBefore(QLCX_MenuBar, document.getElementById("window" + win + "_content"));
    QLCX_MenuWindow = win;
    QLCX_MenuStack = [];
    QLCX_AddBar(win, QLCX_BarHeight);
    return 1;
}

function MenuTitle(title) {
    if (!QLCX_MenuBar) { return; }
    var entry = QLCX_MakeElement("span", "menutitle", "");
    var label = QLCX_MakeElement("span", "", "");
    label.appendChild(document.createTextNode(QLCX_Text(title)));
    label.onclick = QLCX_MenuTitleClicked;
    entry.appendChild(label);
    var list = QLCX_MakeElement("div", "menu", "");
    entry.appendChild(list);
    QLCX_MenuBar.appendChild(entry);
    QLCX_MenuStack = [list];
}

function QLCX_MenuHolder() {
    return QLCX_MenuStack[QLCX_MenuStack.length - 1];
}

// Text after a tab is the shortcut, shown at the right.
function MenuItem(ID, text) {
    var holder = QLCX_MenuHolder();
    if (!holder) { return 0; }
    text = "" + QLCX_Text(text);
    var tab = text.indexOf("\t");
    var item = QLCX_MakeElement("div", "menuitem", "");
    var label = QLCX_MakeElement("span", "", "");
    label.appendChild(document.createTextNode(text));
    item.appendChild(label);
    if (tab >= 0) {
        label.firstChild.nodeValue = text.substr(0, tab);
        var keys = QLCX_MakeElement("span", "keys", "");
        keys.appendChild(document.createTextNode(text.substr(tab + 1)));
        item.appendChild(keys);
    }
    item.onclick = QLCX_MenuItemClicked;
    holder.appendChild(item);
    QLCX_MenuItems[ID] = [item, QLCX_MenuWindow, 0, 0];
    return 1;
}

function MenuBar() {
    var holder = QLCX_MenuHolder();
    if (holder) { holder.appendChild(document.createElement("hr")); }
}

function OpenSubMenu(text) {
    var holder = QLCX_MenuHolder();
    if (!holder) { return; }
    var item = QLCX_MakeElement("div", "menuitem submenu", "");
    var label = QLCX_MakeElement("span", "", "");
    label.appendChild(document.createTextNode(QLCX_Text(text)));
    item.appendChild(label);
    var list = QLCX_MakeElement("div", "menu", "");
    item.appendChild(list);
    holder.appendChild(item);
    QLCX_MenuStack.push(list);
}

function CloseSubMenu() {
    if (QLCX_MenuStack.length > 1) { QLCX_MenuStack.pop(); }
}

// A click on a title opens its menu, or closes it when it is open.
function QLCX_MenuTitleClicked() {
    var label = this;
    var entry = label.parentNode;
    var open = entry.className == "menutitle open";
    QLCX_CloseMenus();
    if (!open) { entry.className = "menutitle open"; }
    return false;
}

function QLCX_CloseMenus() {
    for (var i = 0; i < QLCX_MenuItems.length; i++) {
        var record = QLCX_MenuItems[i];
        if (record) {
            var entry = record[0];
            while (entry && entry.className != "menutitle open" && entry.className != "menu popup") { entry = entry.parentNode; }
            if (entry && entry.className == "menutitle open") { entry.className = "menutitle"; }
        }
    }
    for (var p = 0; p < QLCX_Popups.length; p++) {
        if (QLCX_Popups[p]) { QLCX_Popups[p][0].style.display = "none"; }
    }
}

function QLCX_MenuItemClicked(ev) {
    var item = this;
    if (!ev) { ev = window.event; }
    ev.stopPropagation();
    for (var id = 0; id < QLCX_MenuItems.length; id++) {
        var record = QLCX_MenuItems[id];
        if (record && record[0] == item) {
            if (record[3]) { return false; }
            QLCX_CloseMenus();
            QLCX_AddEvent(record[1], QLCX_EvMenu, id, 0);
        }
    }
    return false;
}

function CreatePopupMenu(ID) {
    var list = QLCX_MakeElement("div", "menu popup", "QLCXpopup" + ID);
    list.style.display = "none";
    QLCX_PageBody().appendChild(list);
    QLCX_Popups[ID] = [list, -1];
    QLCX_MenuStack = [list];
    QLCX_MenuWindow = -1;
    return 1;
}

// Shows the menu at the pointer (or at x, y in the page); its items report to the window.
function DisplayPopupMenu(ID, win, x, y) {
    var popup = QLCX_Popups[ID];
    if (!popup) { return; }
    if (!QLCX_Given(x) && !QLCX_Given(y)) {
        x = QLCX_PointerX;
        y = QLCX_PointerY;
    }
    QLCX_CloseMenus();
    for (var i = 0; i < QLCX_MenuItems.length; i++) {
        var record = QLCX_MenuItems[i];
        if (record && record[0].parentNode == popup[0]) { record[1] = win; }
    }
    var list = popup[0];
    list.style.left = QLCX_Pixels(x);
    list.style.top = QLCX_Pixels(y);
    list.style.display = "block";
}

function EventMenu() {
    return QLCX_EventGadget;
}

// A check mark before the item for state 1.
function SetMenuItemState(menu, item, state) {
    var record = QLCX_MenuItems[item];
    if (!record) { return; }
    record[2] = 0;
    if (state) { record[2] = 1; }
    QLCX_MenuItemClass(record);
}

function GetMenuItemState(menu, item) {
    var record = QLCX_MenuItems[item];
    if (!record) { return 0; }
    return record[2];
}

function DisableMenuItem(menu, item, state) {
    var record = QLCX_MenuItems[item];
    if (!record) { return; }
    record[3] = 0;
    if (state) { record[3] = 1; }
    QLCX_MenuItemClass(record);
}

function QLCX_MenuItemClass(record) {
    var item = record[0];
    item.className = "menuitem";
    if (record[2]) { item.className = item.className + " checked"; }
    if (record[3]) { item.className = item.className + " disabled"; }
}

function SetMenuItemText(menu, item, text) {
    var record = QLCX_MenuItems[item];
    if (record) { record[0].firstChild.firstChild.nodeValue = QLCX_Text(text); }
}

// The shortcut code of a key press: its key code plus 65536 for Shift, 131072 for Control
// and 262144 for Alt, as the #PB_Shortcut_ constants add up.
function QLCX_ShortcutCode(ev) {
    var code = ev.keyCode;
    if (ev.shiftKey) { code = code + 65536; }
    if (ev.ctrlKey || ev.metaKey) { code = code + 131072; }
    if (ev.altKey) { code = code + 262144; }
    return code;
}

function AddKeyboardShortcut(win, shortcut, eventID) {
    RemoveKeyboardShortcut(win, shortcut);
    QLCX_Shortcuts.push([win, shortcut, eventID]);
}

function RemoveKeyboardShortcut(win, shortcut) {
    for (var i = QLCX_Shortcuts.length - 1; i >= 0; i--) {
        if (QLCX_Shortcuts[i][0] == win && QLCX_Shortcuts[i][1] == shortcut) { QLCX_Shortcuts.splice(i, 1); }
    }
}

// The page's start function wires in each of these features when the program uses it.
function QLCX_StartMenus() {
    QLCX_ShortcutTaker = QLCX_TakeShortcut;
}

function QLCX_StartTimers() {
    QLCX_TimerFirer = QLCX_FireTimers;
}

function QLCX_StartBoundEvents() {
    QLCX_BoundCaller = QLCX_CallBound;
}

// A key press that is a shortcut of the active window (or of a window, when none is active)
// becomes that window's menu event, and the browser does not act on it; 1 when it did.
function QLCX_TakeShortcut(ev) {
    var code = QLCX_ShortcutCode(ev);
    for (var i = 0; i < QLCX_Shortcuts.length; i++) {
        var shortcut = QLCX_Shortcuts[i];
        if (shortcut[1] == code && (shortcut[0] == QLCX_ActiveWindow || QLCX_ActiveWindow < 0)) {
            QLCX_AddEvent(shortcut[0], QLCX_EvMenu, shortcut[2], 0);
            ev.preventDefault();
            return 1;
        }
    }
    return 0;
}

function AddWindowTimer(win, timer, ms) {
    RemoveWindowTimer(win, timer);
    QLCX_Timers.push([win, timer, ms, new Date().getTime() + ms]);
}

function RemoveWindowTimer(win, timer) {
    for (var i = QLCX_Timers.length - 1; i >= 0; i--) {
        if (QLCX_Timers[i][0] == win && QLCX_Timers[i][1] == timer) { QLCX_Timers.splice(i, 1); }
    }
}

// Called every frame; a timer is never more than one event behind.
function QLCX_FireTimers(now) {
    for (var i = 0; i < QLCX_Timers.length; i++) {
        var timer = QLCX_Timers[i];
        if (now >= timer[3] && QLCX_WindowOpen[timer[0]] == 1) {
            timer[3] = now + timer[2];
            QLCX_AddEvent(timer[0], QLCX_EvTimer, timer[1], 0);
        }
    }
}

function EventTimer() {
    return QLCX_EventGadget;
}

// The status bar sits below the window's inner area.
function CreateStatusBar(ID, win) {
    var section = QLCX_WindowSection(win);
    if (!section) { return 0; }
    var bar = QLCX_MakeElement("div", "statusbar", "QLCXstatus" + ID);
    section.appendChild(bar);
    QLCX_StatusBars[ID] = bar;
    QLCX_LastStatusBar = ID;
    QLCX_AddBar(win, QLCX_BarHeight);
    return 1;
}

function AddStatusBarField(width) {
    var bar = QLCX_StatusBars[QLCX_LastStatusBar];
    if (!bar) { return; }
    var field = QLCX_MakeElement("span", "", "");
    field.appendChild(document.createTextNode(""));
    // Fields line up by their tops: an empty one has no text line to sit on, and by its
    // baseline it would stand on the others' baseline and push their text down.
    field.style.verticalAlign = "top";
    if (width > 0) { field.style.width = QLCX_Pixels(width); }
    bar.appendChild(field);
}

function StatusBarText(ID, field, text) {
    var bar = QLCX_StatusBars[ID];
    if (!bar) { return; }
    while (bar.childNodes.length <= field) { AddStatusBarField(0); }
    bar.childNodes[field].firstChild.nodeValue = QLCX_Text(text);
}

function QLCX_Any(v) {
    if (!v && v != 0) { return -1; }
    return v;
}

function BindEvent(event, handler, win, object) {
    QLCX_Bindings.push([event, handler, QLCX_Any(win), QLCX_Any(object), -1]);
}

function BindGadgetEvent(gadget, handler, type) {
    QLCX_Bindings.push([PB_Ev_Gadget, handler, -1, gadget, QLCX_Any(type)]);
}

function BindMenuEvent(menu, item, handler) {
    QLCX_Bindings.push([QLCX_EvMenu, handler, -1, item, -1]);
}

function QLCX_Unbind(event, handler, win, object, type) {
    for (var i = QLCX_Bindings.length - 1; i >= 0; i--) {
        var b = QLCX_Bindings[i];
        if (b[0] == event && b[1] == handler && b[2] == win && b[3] == object && b[4] == type) { QLCX_Bindings.splice(i, 1); }
    }
}

function UnbindEvent(event, handler, win, object) {
    QLCX_Unbind(event, handler, QLCX_Any(win), QLCX_Any(object), -1);
}

function UnbindGadgetEvent(gadget, handler, type) {
    QLCX_Unbind(PB_Ev_Gadget, handler, -1, gadget, QLCX_Any(type));
}

function UnbindMenuEvent(menu, item, handler) {
    QLCX_Unbind(QLCX_EvMenu, handler, -1, item, -1);
}

// Calls the procedures bound to a queued event with EventWindow(), EventGadget() and the
// rest describing it, then gives the main loop its own current event back.
function QLCX_CallBound(record) {
    if (!QLCX_Bindings.length) { return; }
    var saved = [QLCX_EventWindow, QLCX_EventGadget, QLCX_EventType, QLCX_EventDetails];
    for (var i = 0; i < QLCX_Bindings.length; i++) {
        var b = QLCX_Bindings[i];
        if (b[0] == record[1] && (b[2] < 0 || b[2] == record[0]) && (b[3] < 0 || b[3] == record[2]) && (b[4] < 0 || b[4] == record[3])) {
            QLCX_EventWindow = record[0];
            QLCX_EventGadget = record[2];
            QLCX_EventType = record[3];
            QLCX_EventDetails = record[4];
            var handler = b[1];
            handler();
        }
    }
    QLCX_EventWindow = saved[0];
    QLCX_EventGadget = saved[1];
    QLCX_EventType = saved[2];
    QLCX_EventDetails = saved[3];
}

function MenuHeight() {
    return QLCX_BarHeight;
}

function StatusBarHeight(ID) {
    if (!QLCX_StatusBars[ID]) { return 0; }
    return QLCX_BarHeight;
}

// One desktop: the screen the browser runs on.
function ExamineDesktops() {
    return 1;
}

function DesktopWidth(index) {
    return window.screen.width;
}

function DesktopHeight(index) {
    return window.screen.height;
}

function DesktopDepth(index) {
    return window.screen.colorDepth;
}
