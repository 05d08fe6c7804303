// Files in the page: one tree of paths ("/data.txt", "/img/ship.png") that holds the files
// the conversion embedded (read-only originals) and what the program writes. What it writes,
// creates or deletes is kept in the browser's storage under the page's own path, so a reload
// finds it again; an original written to is replaced by that copy, the page keeps the original.
// File contents are arrays of byte values; an embedded original stays base64 text until it is
// first read.

// path -> 1 file, 2 directory (absent: nothing there)
var QLCX_FileKind = {};
// path -> its bytes, or the base64 text of an original not read yet
var QLCX_FileData = {};
// path -> 1 for the paths whose state differs from the page's originals (kept in storage)
var QLCX_FileChanged = {};
var QLCX_FilesLoaded = 0;
var QLCX_FileCurrent = "/";
// Open files by number: [path, bytes, position, string format, download name, written]
var QLCX_OpenFiles = [];
// path -> the name SaveFileRequester gave it: closing it offers it as a download
var QLCX_Downloads = {};
var QLCX_UTF8 = 2;
var QLCX_Ascii = 24;
var QLCX_Unicode = 25;

function QLCX_StorageKey() {
    return "QLCXfiles " + window.location.pathname;
}

// The embedded files (a data block the conversion wrote into the page: [[name, base64], ...])
// and then what earlier visits of this page kept: [[path, kind, base64]], kind 0 deleted.
function QLCX_LoadFiles() {
    if (QLCX_FilesLoaded) { return; }
    QLCX_FilesLoaded = 1;
    QLCX_FileKind["/"] = 2;
    var block = document.getElementById("QLCXfiles");
    if (block) {
        var list = window.JSON.parse(window.Reflect.get(block, "textContent"));
        for (var i = 0; i < list.length; i++) {
            var path = QLCX_FilePath(list[i][0]);
            QLCX_MakeParents(path);
            QLCX_FileKind[path] = 1;
            QLCX_FileData[path] = list[i][1];
        }
    }
    QLCX_Kept = 0;
    QLCX_Attempt(QLCX_ReadKept);
    var kept = QLCX_Kept;
    if (!kept) { return; }
    var entries = window.JSON.parse(kept);
    for (var k = 0; k < entries.length; k++) {
        var entry = entries[k];
        QLCX_FileChanged[entry[0]] = 1;
        QLCX_FileKind[entry[0]] = entry[1];
        QLCX_FileData[entry[0]] = entry[2];
    }
}

function QLCX_SaveFiles() {
    var entries = [];
    var paths = window.Object.keys(QLCX_FileChanged);
    for (var i = 0; i < paths.length; i++) {
        var p = paths[i];
        var kind = QLCX_FileKind[p];
        if (!kind) { kind = 0; }
        var data = "";
        if (kind == 1) { data = QLCX_Base64(QLCX_FileBytes(p)); }
        entries.push([p, kind, data]);
    }
    QLCX_Kept = window.JSON.stringify(entries);
    if (!QLCX_Attempt(QLCX_WriteKept) && !QLCX_StorageWarned) {
        QLCX_StorageWarned = 1;
        var why = " (" + QLCX_AttemptError + ")";
        window.console.warn("The page's files stay only until it is closed: not kept" + why);
    }
}

// The browser's storage throws where it is blocked (a private window, a page opened from disk
// in some browsers) or full: the files then live as long as the page, and the program goes on.
var QLCX_Kept = 0;
var QLCX_StorageWarned = 0;

function QLCX_ReadKept() {
    QLCX_Kept = window.localStorage.getItem(QLCX_StorageKey());
}

function QLCX_WriteKept() {
    window.localStorage.setItem(QLCX_StorageKey(), QLCX_Kept);
}

// A name as the program writes it ("data\\a.txt", "./a.txt", "/tmp/x") as a path of the tree:
// both slashes separate, a drive letter is dropped, "." and ".." are resolved, and a relative
// name starts at the current directory.
function QLCX_FilePath(name) {
    var text = ("" + QLCX_Text(name)).split("\\").join("/");
    if (text.length > 1 && text.charAt(1) == ":") { text = text.substr(2); }
    if (text.charAt(0) != "/") { text = QLCX_FileCurrent + text; }
    var parts = text.split("/");
    var kept = [];
    for (var i = 0; i < parts.length; i++) {
        var part = parts[i];
        if (part == "..") { kept.pop(); }
        if (part != "" && part != "." && part != "..") { kept.push(part); }
    }
    return "/" + kept.join("/");
}

// The path of what is there under `name`; the case of letters decides only when two differ
// in nothing else, since the programs come from systems where it does not.
function QLCX_Existing(name) {
    QLCX_LoadFiles();
    var path = QLCX_FilePath(name);
    if (QLCX_FileKind[path]) { return path; }
    var lower = path.toLowerCase();
    var paths = window.Object.keys(QLCX_FileKind);
    for (var i = 0; i < paths.length; i++) {
        if (QLCX_FileKind[paths[i]] && paths[i].toLowerCase() == lower) { return paths[i]; }
    }
    return "";
}

function QLCX_ParentPath(path) {
    var cut = path.lastIndexOf("/");
    if (cut <= 0) { return "/"; }
    return path.substr(0, cut);
}

function QLCX_MakeParents(path) {
    var parent = QLCX_ParentPath(path);
    if (QLCX_FileKind[parent] == 2 || path == "/") { return; }
    QLCX_MakeParents(parent);
    QLCX_FileKind[parent] = 2;
}

function QLCX_FileBytes(path) {
    var data = QLCX_FileData[path];
    if (data && data.length >= 0 && !data.push) {
        data = QLCX_FromBase64(data);
        QLCX_FileData[path] = data;
    }
    if (!data) { return []; }
    return data;
}

function QLCX_PutFile(path, bytes) {
    QLCX_MakeParents(path);
    QLCX_FileKind[path] = 1;
    QLCX_FileData[path] = bytes;
    QLCX_FileChanged[path] = 1;
}

function QLCX_Base64(bytes) {
    var text = "";
    for (var i = 0; i < bytes.length; i++) { text = text + window.String.fromCharCode(bytes[i]); }
    return window.btoa(text);
}

function QLCX_FromBase64(data) {
    var text = window.atob(data);
    var bytes = [];
    for (var i = 0; i < text.length; i++) { bytes.push(text.charCodeAt(i)); }
    return bytes;
}

// The type of a file by its ending, for the data URL (pairs: ending, type).
var QLCX_MimeTypes = "png image/png jpg image/jpeg jpeg image/jpeg gif image/gif bmp image/bmp webp image/webp svg image/svg+xml wav audio/wav mp3 audio/mpeg ogg audio/ogg ttf font/ttf otf font/otf woff font/woff woff2 font/woff2 txt text/plain";

function QLCX_MimeType(path) {
    var ext = path.substr(path.lastIndexOf(".") + 1).toLowerCase();
    var types = QLCX_MimeTypes.split(" ");
    var at = types.indexOf(ext);
    if (at >= 0 && at % 2 == 0) { return types[at + 1]; }
    return "application/octet-stream";
}

// What an image, a sound or a font file loads from: the file in the page as a data URL, or,
// for a name the page does not hold, the name itself, loaded from beside the page.
function QLCX_FileUrl(path) {
    var found = QLCX_Existing(path);
    if (!found || QLCX_FileKind[found] != 1) { return QLCX_Text(path); }
    var data = QLCX_FileData[found];
    if (!data || data.push) { data = QLCX_Base64(QLCX_FileBytes(found)); }
    return "data:" + QLCX_MimeType(found) + ";base64," + data;
}

// Opening: the file record goes under the number (picked with #PB_Any); the result is the
// number with #PB_Any, else 1; 0 when the file cannot be opened.
function QLCX_OpenAs(id, path, bytes, flags, dirty) {
    var asked = id;
    id = QLCX_PickNumber(id, QLCX_OpenFiles);
    var format = QLCX_UTF8;
    if ((flags & 255) == QLCX_Ascii || (flags & 255) == QLCX_Unicode) { format = flags & 255; }
    QLCX_OpenFiles[id] = [path, bytes, 0, format, QLCX_Downloads[path], dirty];
    return QLCX_Created(asked, id);
}

function ReadFile(id, name, flags) {
    var path = QLCX_Existing(name);
    if (!path || QLCX_FileKind[path] != 1) { return 0; }
    return QLCX_OpenAs(id, path, QLCX_FileBytes(path).slice(0), flags, 0);
}

function OpenFile(id, name, flags) {
    var path = QLCX_Existing(name);
    if (path && QLCX_FileKind[path] != 1) { return 0; }
    if (!path) { return CreateFile(id, name, flags); }
    return QLCX_OpenAs(id, path, QLCX_FileBytes(path).slice(0), flags, 0);
}

function CreateFile(id, name, flags) {
    var path = QLCX_Existing(name);
    if (!path) { path = QLCX_FilePath(name); }
    if (QLCX_FileKind[path] == 2 || path == "/") { return 0; }
    QLCX_PutFile(path, []);
    return QLCX_OpenAs(id, path, [], flags, 1);
}

// The record of an open file; a number that is not open stops the program, as it would on
// the desktop (the debugger's "not initialised").
function QLCX_File(id) {
    var file = QLCX_OpenFiles[id];
    if (!file) { throw new Error("The file #" + id + " is not initialised."); }
    return file;
}

function IsFile(id) {
    if (QLCX_OpenFiles[id]) { return 1; }
    return 0;
}

// What is written reaches the tree (and the browser's storage) when the file is closed.
function FlushFileBuffers(id) {
    var file = QLCX_File(id);
    if (QLCX_FileKind[file[0]] != 1) { return 0; }
    QLCX_PutFile(file[0], file[1]);
    QLCX_SaveFiles();
    return 1;
}

function CloseFile(id) {
    var file = QLCX_File(id);
    if (file[5]) { FlushFileBuffers(id); }
    if (file[5] && file[4]) { QLCX_OfferDownload(file[4], file[1]); }
    QLCX_OpenFiles[id] = 0;
}

function QLCX_OfferDownload(name, bytes) {
    var link = document.createElement("a");
    var blob = new window.Blob([new window.Uint8Array(bytes)]);
    link.href = window.URL.createObjectURL(blob);
    link.download = name;
    QLCX_PageBody().appendChild(link);
    link.click();
    QLCX_PageBody().removeChild(link);
}

function Eof(id) {
    var file = QLCX_File(id);
    if (file[2] >= file[1].length) { return 1; }
    return 0;
}

function Loc(id) {
    return QLCX_File(id)[2];
}

function Lof(id) {
    return QLCX_File(id)[1].length;
}

// FileSeek(file, position [, #PB_Relative]): a position past the end is allowed; a write
// there fills the gap with zeros.
function FileSeek(id, position, mode) {
    var file = QLCX_File(id);
    var at = Math.floor(QLCX_Number(position));
    if (mode == 1) { at = file[2] + at; }
    file[2] = Math.max(0, at);
}

function QLCX_ReadBytes(id, count) {
    var file = QLCX_File(id);
    var bytes = file[1].slice(file[2], file[2] + count);
    file[2] = file[2] + bytes.length;
    while (bytes.length < count) { bytes.push(0); }
    return bytes;
}

function QLCX_WriteBytes(id, bytes) {
    var file = QLCX_File(id);
    var data = file[1];
    while (data.length < file[2]) { data.push(0); }
    for (var i = 0; i < bytes.length; i++) { data[file[2] + i] = bytes[i]; }
    file[2] = file[2] + bytes.length;
    file[5] = 1;
}
