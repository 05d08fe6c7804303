// Whole files and directories of the page's tree, preferences files, and the requesters that
// reach the user's own disk through the browser.

// FileSize(name): the size in bytes, -1 when nothing is there, -2 for a directory.
// The parts of a path, cut at its last "/" or "\\": the folder with its separator, the file's
// name, and the extension behind the name's last ".", without it.
function QLCX_NameStart(path) {
    return Math.max(path.lastIndexOf("/"), path.lastIndexOf("\\")) + 1;
}

function GetPathPart(path) {
    var p = "" + path;
    return p.substr(0, QLCX_NameStart(p));
}

function GetFilePart(path, mode) {
    var p = "" + path;
    var name = p.substr(QLCX_NameStart(p));
    var dot = name.lastIndexOf(".");
    if (mode & 1 && dot > 0) {
        return name.substr(0, dot);
    }
    return name;
}

function GetExtensionPart(path) {
    var name = GetFilePart(path, 0);
    var dot = name.lastIndexOf(".");
    return dot < 0 ? "" : name.substr(dot + 1);
}

function FileSize(name) {
    var path = QLCX_Existing(name);
    if (!path) { return -1; }
    if (QLCX_FileKind[path] == 2) { return -2; }
    return QLCX_FileBytes(path).length;
}

function QLCX_Forget(path) {
    QLCX_FileKind[path] = 0;
    QLCX_FileData[path] = 0;
    QLCX_FileChanged[path] = 1;
}

function DeleteFile(name) {
    var path = QLCX_Existing(name);
    if (!path || QLCX_FileKind[path] != 1) { return 0; }
    QLCX_Forget(path);
    QLCX_SaveFiles();
    return 1;
}

// The place a file may be written to: not a directory, and its directory is there.
function QLCX_Writable(name) {
    var path = QLCX_Existing(name);
    if (!path) { path = QLCX_FilePath(name); }
    if (path == "/" || QLCX_FileKind[path] == 2) { return ""; }
    if (QLCX_FileKind[QLCX_ParentPath(path)] != 2) { return ""; }
    return path;
}

function CopyFile(source, target) {
    var from = QLCX_Existing(source);
    var to = QLCX_Writable(target);
    if (!from || QLCX_FileKind[from] != 1 || !to) { return 0; }
    QLCX_PutFile(to, QLCX_FileBytes(from).slice(0));
    QLCX_SaveFiles();
    return 1;
}

// RenameFile moves a file, or a directory with everything under it.
function RenameFile(oldName, newName) {
    var from = QLCX_Existing(oldName);
    var to = QLCX_Writable(newName);
    if (!from || !to || from == "/" || QLCX_FileKind[to] || to.indexOf(from + "/") == 0) {
        return 0;
    }
    var paths = window.Object.keys(QLCX_FileKind);
    for (var i = 0; i < paths.length; i++) {
        var p = paths[i];
        if (!QLCX_FileKind[p] || (p != from && p.indexOf(from + "/") != 0)) { continue; }
        var moved = to + p.substr(from.length);
        QLCX_FileKind[moved] = QLCX_FileKind[p];
        QLCX_FileData[moved] = QLCX_FileData[p];
        QLCX_FileChanged[moved] = 1;
        QLCX_Forget(p);
    }
    QLCX_SaveFiles();
    return 1;
}

function CreateDirectory(name) {
    var path = QLCX_Writable(name);
    if (!path || QLCX_FileKind[path]) { return 0; }
    QLCX_FileKind[path] = 2;
    QLCX_FileChanged[path] = 1;
    QLCX_SaveFiles();
    return 1;
}

// The page's tree has one root; the program's "own folder" is that root.
function GetCurrentDirectory() {
    return QLCX_FileCurrent;
}

function SetCurrentDirectory(name) {
    var path = QLCX_Existing(name);
    if (!path || QLCX_FileKind[path] != 2) { return 0; }
    QLCX_FileCurrent = path + "/";
    if (path == "/") { QLCX_FileCurrent = "/"; }
    return 1;
}

function QLCX_SpecialDirectory(path) {
    QLCX_LoadFiles();
    if (!QLCX_FileKind[path]) { QLCX_FileKind[path] = 2; }
    return path + "/";
}

function GetTemporaryDirectory() {
    return QLCX_SpecialDirectory("/tmp");
}

function GetHomeDirectory() {
    return QLCX_SpecialDirectory("/home");
}

// Directory listings by number: [entries as [name, type, size], index of the current one].
var QLCX_Listings = [];

// Whether a name matches a pattern of "*" and "?"; "" and "*.*" match every name.
function QLCX_NameMatches(name, pattern) {
    if (pattern == "" || pattern == "*.*" || pattern == "*") { return 1; }
    return QLCX_MatchFrom(name.toLowerCase(), 0, pattern.toLowerCase(), 0);
}

function QLCX_MatchFrom(name, at, pattern, from) {
    while (from < pattern.length) {
        var c = pattern.charAt(from);
        if (c == "*") {
            for (var k = at; k <= name.length; k++) {
                if (QLCX_MatchFrom(name, k, pattern, from + 1)) { return 1; }
            }
            return 0;
        }
        if (at >= name.length || (c != "?" && c != name.charAt(at))) { return 0; }
        at++;
        from++;
    }
    if (at == name.length) { return 1; }
    return 0;
}

// ExamineDirectory(id, directory$, pattern$): the entries right inside the directory, in name
// order; "." and ".." are not listed.
function ExamineDirectory(id, name, pattern) {
    var dir = QLCX_Existing(name);
    if (!dir || QLCX_FileKind[dir] != 2) { return 0; }
    var asked = id;
    id = QLCX_PickNumber(id, QLCX_Listings);
    var prefix = dir + "/";
    if (dir == "/") { prefix = "/"; }
    var entries = [];
    var paths = window.Object.keys(QLCX_FileKind).sort();
    for (var i = 0; i < paths.length; i++) {
        var p = paths[i];
        var rest = p.substr(prefix.length);
        if (!QLCX_FileKind[p] || p.indexOf(prefix) != 0 || rest == "" || rest.indexOf("/") >= 0) {
            continue;
        }
        if (!QLCX_NameMatches(rest, "" + QLCX_Text(pattern))) { continue; }
        entries.push([rest, QLCX_FileKind[p], FileSize(p)]);
    }
    QLCX_Listings[id] = [entries, -1];
    return QLCX_Created(asked, id);
}

function QLCX_Entry(id) {
    var listing = QLCX_Listings[id];
    if (!listing || listing[1] < 0 || listing[1] >= listing[0].length) { return ["", 0, 0]; }
    return listing[0][listing[1]];
}

function NextDirectoryEntry(id) {
    var listing = QLCX_Listings[id];
    if (!listing) { return 0; }
    listing[1] = listing[1] + 1;
    return QLCX_Entry(id)[1];
}

function DirectoryEntryName(id) {
    return QLCX_Entry(id)[0];
}

// #PB_DirectoryEntry_File 1, #PB_DirectoryEntry_Directory 2.
function DirectoryEntryType(id) {
    return QLCX_Entry(id)[1];
}

function DirectoryEntrySize(id) {
    var entry = QLCX_Entry(id);
    if (entry[1] != 1) { return 0; }
    return entry[2];
}

function FinishDirectory(id) {
    QLCX_Listings[id] = 0;
}
