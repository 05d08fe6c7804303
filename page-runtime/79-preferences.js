// Preferences files ("[Group]" lines and "Key = Value" lines, in UTF-8) and the requesters
// that pick files.

// The open preferences: [path ("" when writes go nowhere), groups as [name, keys, values],
// current group, changed]. Keys before any group line belong to the group named "".
var QLCX_Prefs = 0;

function QLCX_NewPrefs(path) {
    QLCX_Prefs = [path, [["", [], []]], 0, 0];
}

function QLCX_ParsePrefs(text) {
    var lines = text.split("\r").join("").split("\n");
    for (var i = 0; i < lines.length; i++) {
        var line = QLCX_TrimText(lines[i]);
        var first = line.charAt(0);
        if (first == "[" && line.charAt(line.length - 1) == "]") {
            PreferenceGroup(line.substr(1, line.length - 2));
        } else if (line != "" && first != ";" && first != "#" && line.indexOf("=") > 0) {
            var cut = line.indexOf("=");
            QLCX_SetPref(QLCX_TrimText(line.substr(0, cut)), QLCX_TrimText(line.substr(cut + 1)));
        }
    }
    QLCX_Prefs[2] = 0;
    QLCX_Prefs[3] = 0;
}

function QLCX_TrimText(text) {
    var from = 0;
    var to = text.length;
    while (from < to && (text.charAt(from) == " " || text.charAt(from) == "\t")) { from++; }
    while (to > from && (text.charAt(to - 1) == " " || text.charAt(to - 1) == "\t")) { to--; }
    return text.substr(from, to - from);
}

// OpenPreferences(file$): 0 when the file is not there; reads then give their defaults.
function OpenPreferences(name) {
    var path = QLCX_Existing(name);
    if (!path || QLCX_FileKind[path] != 1) {
        QLCX_NewPrefs("");
        return 0;
    }
    QLCX_NewPrefs(path);
    QLCX_ParsePrefs(QLCX_DecodeText(QLCX_FileBytes(path), QLCX_UTF8));
    return 1;
}

function CreatePreferences(name) {
    var path = QLCX_Writable(name);
    QLCX_NewPrefs(path);
    if (!path) { return 0; }
    QLCX_Prefs[3] = 1;
    return 1;
}

// Closing writes the file when something was written to it.
function ClosePreferences() {
    var prefs = QLCX_Prefs;
    QLCX_Prefs = 0;
    if (!prefs || !prefs[0] || !prefs[3]) { return; }
    var text = "";
    for (var g = 0; g < prefs[1].length; g++) {
        var group = prefs[1][g];
        if (g > 0) { text = text + "\n[" + group[0] + "]\n"; }
        for (var k = 0; k < group[1].length; k++) {
            text = text + group[1][k] + " = " + group[2][k] + "\n";
        }
    }
    QLCX_PutFile(prefs[0], QLCX_EncodeText(text, QLCX_UTF8));
    QLCX_SaveFiles();
}

// PreferenceGroup(name$): later keys are read and written there; 1 when it was there before.
function PreferenceGroup(name) {
    if (!QLCX_Prefs) { QLCX_NewPrefs(""); }
    var groups = QLCX_Prefs[1];
    var wanted = ("" + QLCX_Text(name)).toLowerCase();
    for (var g = 1; g < groups.length; g++) {
        if (groups[g][0].toLowerCase() == wanted) {
            QLCX_Prefs[2] = g;
            return 1;
        }
    }
    groups.push(["" + QLCX_Text(name), [], []]);
    QLCX_Prefs[2] = groups.length - 1;
    return 0;
}

function QLCX_PrefIndex(key) {
    if (!QLCX_Prefs) { QLCX_NewPrefs(""); }
    var keys = QLCX_Prefs[1][QLCX_Prefs[2]][1];
    var wanted = ("" + QLCX_Text(key)).toLowerCase();
    for (var k = 0; k < keys.length; k++) {
        if (keys[k].toLowerCase() == wanted) { return k; }
    }
    return -1;
}

function QLCX_SetPref(key, value) {
    var at = QLCX_PrefIndex(key);
    var group = QLCX_Prefs[1][QLCX_Prefs[2]];
    if (at < 0) {
        group[1].push("" + QLCX_Text(key));
        at = group[1].length - 1;
    }
    group[2][at] = "" + QLCX_Text(value);
    QLCX_Prefs[3] = 1;
    return 1;
}

function ReadPreferenceString(key, preset) {
    var at = QLCX_PrefIndex(key);
    if (at < 0) { return QLCX_Text(preset); }
    return QLCX_Prefs[1][QLCX_Prefs[2]][2][at];
}

function ReadPreferenceLong(key, preset) {
    var at = QLCX_PrefIndex(key);
    if (at < 0) { return QLCX_Number(preset); }
    return Math.trunc(QLCX_AsNumber(QLCX_Prefs[1][QLCX_Prefs[2]][2][at]));
}

function ReadPreferenceFloat(key, preset) {
    var at = QLCX_PrefIndex(key);
    if (at < 0) { return QLCX_Number(preset); }
    return QLCX_AsNumber(QLCX_Prefs[1][QLCX_Prefs[2]][2][at]);
}

function WritePreferenceString(key, value) {
    return QLCX_SetPref(key, value);
}

function WritePreferenceLong(key, value) {
    return QLCX_SetPref(key, Math.trunc(QLCX_Number(value)));
}

function WritePreferenceFloat(key, value) {
    return QLCX_SetPref(key, QLCX_Number(value));
}

// OpenFileRequester(title$, default$, pattern$, position): the browser cannot wait for its
// file chooser inside a script, so the first call opens the chooser and gives "" (as if
// cancelled); once the user has picked a file, it is read into the tree at the root under its
// own name, and the event being handled comes again, and this time the call gives the file's
// path. A program that asks in answer to a button or a menu item thus gets the file.
var QLCX_PickedFile = "";

function OpenFileRequester(title, preset, pattern, position) {
    if (QLCX_PickedFile) {
        var picked = QLCX_PickedFile;
        QLCX_PickedFile = "";
        return picked;
    }
    var chooser = document.createElement("input");
    chooser.type = "file";
    var again = [QLCX_EventWindow, QLCX_EventGadget, QLCX_EventType];
    chooser.onchange = function () {
        var file = chooser.files[0];
        if (!file) { return; }
        var reader = new window.FileReader();
        reader.onload = function () {
            var bytes = [];
            var view = new window.Uint8Array(reader.result);
            for (var i = 0; i < view.length; i++) { bytes.push(view[i]); }
            QLCX_LoadFiles();
            QLCX_PickedFile = "/" + file.name;
            QLCX_MakeParents(QLCX_PickedFile);
            QLCX_FileKind[QLCX_PickedFile] = 1;
            QLCX_FileData[QLCX_PickedFile] = bytes;
            QLCX_AskAgain(again);
        };
        reader.readAsArrayBuffer(file);
    };
    chooser.click();
    return "";
}

// The event that asked for a file, queued once more: a gadget's or else a menu item's.
function QLCX_AskAgain(event) {
    var code = QLCX_EvMenu;
    if (QLCX_GadgetKinds[event[1]]) { code = PB_Ev_Gadget; }
    if (event[0] < 0) { return; }
    QLCX_AddEvent(event[0], code, event[1], event[2]);
}

// SaveFileRequester(title$, default$, pattern$, position): the file the program then writes
// is offered as a download, named after the default's last part, when it is closed.
function SaveFileRequester(title, preset, pattern, position) {
    var name = ("" + QLCX_Text(preset)).split("\\").join("/");
    name = name.substr(name.lastIndexOf("/") + 1);
    if (name == "") { name = "untitled.txt"; }
    QLCX_LoadFiles();
    QLCX_Downloads["/" + name] = name;
    return "/" + name;
}

// The page's tree has a single root, which a program may write below.
function PathRequester(title, preset) {
    return "/";
}
