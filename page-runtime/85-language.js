// Numbers as text, dates, data sections, maps, sorting and the small statements of the
// language (Swap, Bool, Sign, Mod).

// The character of a code.
function Chr(code) {
    return window.String.fromCharCode(code);
}

// The bits of an integer type, by the type constant Hex, Bin and StrU take (#PB_Byte,
// #PB_Ascii, #PB_Word, #PB_Character, #PB_Unicode, #PB_Long); 64 for the others (#PB_Quad,
// #PB_Integer) and without one.
function QLCX_TypeBits(type) {
    if (type == 1 || type == 24) {
        return 8;
    }
    if (type == 3 || type == 11 || type == 25) {
        return 16;
    }
    if (type == 5) {
        return 32;
    }
    return 64;
}

// An integer read as an unsigned number of the type's width: a negative one is its two's
// complement. Exact over the whole 64-bit range; a float is first rounded as an integer
// place rounds it.
function QLCX_Unsigned(n, type) {
    var v = n;
    if (n <= 9007199254740991 && n >= -9007199254740991) {
        v = QLCX_Round(n);
    }
    return window.BigInt.asUintN(QLCX_TypeBits(type), QLCX_Wide(v));
}

function Hex(n, type) {
    return QLCX_Unsigned(n, type).toString(16).toUpperCase();
}

function Bin(n, type) {
    return QLCX_Unsigned(n, type).toString(2);
}

// Rounded to the given decimals; without them as any float is written.
function StrF(x, decimals) {
    if (decimals || decimals === 0) {
        return (x * 1).toFixed(Math.max(0, Math.floor(decimals)));
    }
    return QLCX_NumberText(x);
}

function StrD(x, decimals) {
    return StrF(x, decimals);
}

// A number with its thousands grouped: 2 decimals, "." and "," unless given.
function FormatNumber(x, decimals, point, thousands) {
    var d = decimals || decimals === 0 ? Math.max(0, Math.floor(decimals)) : 2;
    var dot = point || point === "" ? "" + point : ".";
    var group = thousands || thousands === "" ? "" + thousands : ",";
    var text = (QLCX_Float(x) * 1).toFixed(d);
    var sign = "";
    if (text.charAt(0) == "-") {
        sign = "-";
        text = text.substr(1);
    }
    var cut = text.indexOf(".");
    var whole = cut < 0 ? text : text.substr(0, cut);
    var rest = cut < 0 ? "" : dot + text.substr(cut + 1);
    var grouped = "";
    while (whole.length > 3) {
        grouped = group + whole.substr(whole.length - 3) + grouped;
        whole = whole.substr(0, whole.length - 3);
    }
    return sign + whole + grouped + rest;
}

// Bytes of a text in a format: 2 a character unless #PB_Ascii (1) or #PB_UTF8 is given.
function StringByteLength(s, format) {
    var t = "" + s;
    if (format == 24) {
        return t.length;
    }
    if (format != 2) {
        return t.length * 2;
    }
    var bytes = 0;
    for (var i = 0; i < t.length; i++) {
        var c = t.charCodeAt(i);
        if (c < 128) {
            bytes += 1;
        } else if (c < 2048) {
            bytes += 2;
        } else if (c >= 55296 && c < 56320 && i + 1 < t.length) {
            bytes += 4;
            i++;
        } else {
            bytes += 3;
        }
    }
    return bytes;
}

// A number read as unsigned, of the type's width (64 bits without one).
function StrU(n, type) {
    return QLCX_Unsigned(n, type).toString();
}

// A float: a whole number too wide for one is rounded, as natively.
function ValF(s) {
    return QLCX_Float(QLCX_ReadValue(s, 1));
}

function ValD(s) {
    return QLCX_Float(QLCX_ReadValue(s, 1));
}

function Bool(x) {
    if (x) {
        return 1;
    }
    return 0;
}

function Sign(x) {
    if (x > 0) {
        return 1;
    }
    if (x < 0) {
        return -1;
    }
    return 0;
}

// The float remainder, with the sign of a.
function Mod(a, b) {
    return a - b * Math.trunc(a / b);
}

// Modes as the dialect numbers them: 1 nearest (halves away from zero), 2 down, 3 up.
function Round(x, mode) {
    if (mode == 2) {
        return Math.floor(x);
    }
    if (mode == 3) {
        return Math.ceil(x);
    }
    if (x < 0) {
        return 0 - Math.floor(0 - x + 0.5);
    }
    return Math.floor(x + 0.5);
}

// Dates are seconds since 1970-01-01 00:00 of the local clock: the local time is read as if
// it were universal time, so a date and its parts never shift with the time zone.
function QLCX_DateValue(y, m, d, h, i, s) {
    if (y || y === 0) {
        return Math.floor(window.Date.UTC(y, m - 1, d, h || 0, i || 0, s || 0) / 1000);
    }
    var now = new Date();
    return Math.floor(now.getTime() / 1000) - now.getTimezoneOffset() * 60;
}

// Years and months keep the day, or take the month's last one where it has fewer; the
// other units are seconds. Types: #PB_Date_Year 0, Month 1, Week 2, Day 3, Hour 4,
// Minute 5, Second 6.
function AddDate(date, type, value) {
    var v = Math.floor(value);
    if (type == 0 || type == 1) {
        var d = QLCX_DateOf(date);
        var months = d.getUTCFullYear() * 12 + d.getUTCMonth() + (type == 0 ? v * 12 : v);
        var y = Math.floor(months / 12);
        var m = months - y * 12;
        var last = new Date(window.Date.UTC(y, m + 1, 0)).getUTCDate();
        return QLCX_DateValue(y, m + 1, Math.min(d.getUTCDate(), last), d.getUTCHours(), d.getUTCMinutes(), d.getUTCSeconds());
    }
    var seconds = [0, 0, 604800, 86400, 3600, 60, 1][type] || 0;
    return Math.floor(date) + v * seconds;
}

function QLCX_DateOf(date) {
    if (date || date === 0) {
        return new Date(date * 1000);
    }
    return new Date(QLCX_DateValue() * 1000);
}

function Year(date) {
    return QLCX_DateOf(date).getUTCFullYear();
}

function Month(date) {
    return QLCX_DateOf(date).getUTCMonth() + 1;
}

function Day(date) {
    return QLCX_DateOf(date).getUTCDate();
}

function Hour(date) {
    return QLCX_DateOf(date).getUTCHours();
}

function Minute(date) {
    return QLCX_DateOf(date).getUTCMinutes();
}

function Second(date) {
    return QLCX_DateOf(date).getUTCSeconds();
}

function DayOfWeek(date) {
    return QLCX_DateOf(date).getUTCDay();
}

function QLCX_TwoDigits(n) {
    if (n < 10) {
        return "0" + n;
    }
    return "" + n;
}

function FormatDate(mask, date) {
    var t = "" + mask;
    t = ReplaceString(t, "%yyyy", "" + Year(date));
    t = ReplaceString(t, "%yy", QLCX_TwoDigits(Mod(Year(date), 100)));
    t = ReplaceString(t, "%mm", QLCX_TwoDigits(Month(date)));
    t = ReplaceString(t, "%dd", QLCX_TwoDigits(Day(date)));
    t = ReplaceString(t, "%hh", QLCX_TwoDigits(Hour(date)));
    t = ReplaceString(t, "%ii", QLCX_TwoDigits(Minute(date)));
    return ReplaceString(t, "%ss", QLCX_TwoDigits(Second(date)));
}

// Swap goes through this variable: the two places are read and written once each.
var QLCX_Swap = 0;
var QLCX_SwapAt = 0;

// Gosub keeps the part of the program to come back to, Return takes the latest kept. The main
// program's parts are its functions, run by the frame timer, kept here; a procedure's are the
// states of its own dispatch loop, kept in a stack of its own.
var QLCX_Gosubs = [];

function QLCX_Return(stack) {
    if (stack.length == 0) { throw new Error("Return without Gosub"); }
    return stack.pop();
}

function QLCX_FakeReturn(stack) {
    if (stack.length == 0) { throw new Error("FakeReturn without Gosub"); }
    stack.pop();
}

// The values of every DataSection in source order, and the labels as positions in them.
// The program's first statements fill them; Read takes the next value.
var QLCX_Data = [];
var QLCX_DataLabels = [];
var QLCX_DataAt = [];
var QLCX_DataRead = 0;

// `type` is the value's Data type where the program asks for the data's addresses.
function datavalue(value, type) {
    QLCX_Data.push(value);
    if (type) { QLCX_DataNote(type, value); }
}

function datalabel(name) {
    QLCX_DataLabels.push(name);
    QLCX_DataAt.push(QLCX_Data.length);
    QLCX_DataLabel(name);
}

function datarestore(name) {
    var at = QLCX_DataLabels.indexOf(name);
    if (at >= 0) {
        QLCX_DataRead = QLCX_DataAt[at];
    }
}

function dataread() {
    if (QLCX_DataRead >= QLCX_Data.length) {
        throw new Error("no more data");
    }
    QLCX_DataRead++;
    return QLCX_Data[QLCX_DataRead - 1];
}

// A map is laid out as a list (see the lists' file), so ForEach, the current element m[m[0]]
// and the position bookkeeping are the lists' own; QLCX_Keys holds each element's key at
// the element's position. QLCX_Index finds a key's position without walking the keys: it maps
// "k" + key (the prefix keeps keys such as "length" apart from the array's own properties) to
// the position. A deletion moves the later elements, so it marks the index stale, and the next
// lookup builds it again.
function NewMap(ctor) {
    var m = [2, ctor, 2];
    m.QLCX_Keys = [0, 0, 0];
    m.QLCX_Index = [];
    m.QLCX_Stale = 0;
    return m;
}

// The position of the key's element, or 0.
function QLCX_MapFind(m, key) {
    var index = m.QLCX_Index;
    if (m.QLCX_Stale) {
        var keys = m.QLCX_Keys;
        index = [];
        for (var i = 3; i <= m[2]; i++) {
            index["k" + keys[i]] = i;
        }
        m.QLCX_Index = index;
        m.QLCX_Stale = 0;
    }
    return index["k" + key] || 0;
}

// The position of the key's element, created with its type's zero value when missing; it
// becomes the current element.
function mapslot(m, key) {
    var at = QLCX_MapFind(m, key);
    if (!at) {
        m[2] = m[2] + 1;
        at = m[2];
        m[at] = m[1]();
        m.QLCX_Keys[at] = "" + key;
        m.QLCX_Index["k" + key] = at;
    }
    m[0] = at;
    return at;
}

function AddMapElement(m, key) {
    var at = mapslot(m, key);
    m[at] = m[1]();
    return 1;
}

function FindMapElement(m, key) {
    var at = QLCX_MapFind(m, key);
    if (!at) {
        return 0;
    }
    m[0] = at;
    return at;
}

// Without a key the current element goes; the one before it becomes current, so a ForEach
// goes on with the element after it.
function DeleteMapElement(m, key) {
    var keys = m.QLCX_Keys;
    var at = m[0];
    if (key || key === "" || key === 0) {
        at = QLCX_MapFind(m, key);
    }
    if (at < 3 || at > m[2]) {
        return 0;
    }
    m.QLCX_Index["k" + keys[at]] = 0;
    if (at < m[2]) {
        m.QLCX_Stale = 1;
    }
    m.splice(at, 1);
    keys.splice(at, 1);
    m[2] = m[2] - 1;
    if (m[0] >= at) {
        m[0] = m[0] - 1;
    }
    return 1;
}

function ClearMap(m) {
    var keys = m.QLCX_Keys;
    m.length = 3;
    keys.length = 3;
    m.QLCX_Index = [];
    m.QLCX_Stale = 0;
    m[0] = 2;
    m[2] = 2;
}

function MapSize(m) {
    return m[2] - 2;
}

function MapKey(m) {
    var keys = m.QLCX_Keys;
    if (m[0] < 3) {
        return "";
    }
    return keys[m[0]];
}

function ResetMap(m) {
    return ResetList(m);
}

function NextMapElement(m) {
    return NextElement(m);
}

// Sorting keeps equal elements in their order (a merge sort). Options: 1 descending,
// 2 letter case ignored; a field is named by its position among the structure's fields.
function QLCX_SortKey(value, options, field) {
    var v = value;
    if (field >= 0) {
        v = value[window.Object.keys(value)[field]];
    }
    if (Mod(Math.floor(options / 2), 2) == 1) {
        return ("" + v).toLowerCase();
    }
    return v;
}

function QLCX_Before(a, b, options, field) {
    var x = QLCX_SortKey(a, options, field);
    var y = QLCX_SortKey(b, options, field);
    if (Mod(options, 2) == 1) {
        return y < x;
    }
    return x < y;
}

// Sorts items[first..last] in place.
function QLCX_Sort(items, first, last, options, field) {
    var width = 1;
    var n = last - first + 1;
    var buffer = [];
    while (width < n) {
        for (var lo = 0; lo < n - width; lo += 2 * width) {
            var mid = lo + width;
            var hi = Math.min(lo + 2 * width, n);
            var i = lo;
            var j = mid;
            var k = 0;
            while (i < mid || j < hi) {
                if (j >= hi || (i < mid && !QLCX_Before(items[first + j], items[first + i], options, field))) {
                    buffer[k] = items[first + i];
                    i++;
                } else {
                    buffer[k] = items[first + j];
                    j++;
                }
                k++;
            }
            for (k = 0; k < hi - lo; k++) {
                items[first + lo + k] = buffer[k];
            }
        }
        width = width * 2;
    }
}

function SortArray(a, options, first, last) {
    if (first || first === 0) {
        QLCX_Sort(a, first, last, options, -1);
    } else {
        QLCX_Sort(a, 0, a.length - 1, options, -1);
    }
}

function SortList(l, options) {
    QLCX_Sort(l, 3, l[2], options, -1);
}

// The place among a structure's fields of the one at a byte offset; -1 for none.
function QLCX_FieldAt(offsets, offset) {
    return offsets.indexOf(QLCX_Number(offset));
}

function SortStructuredArray(a, options, field, type, first, last) {
    if (first || first === 0) {
        QLCX_Sort(a, first, last, options, field);
    } else {
        QLCX_Sort(a, 0, a.length - 1, options, field);
    }
}

function SortStructuredList(l, options, field, type) {
    QLCX_Sort(l, 3, l[2], options, field);
}

// The program's parameters are the parts of the page address's query, split at "&" and
// decoded: "page.html?level=3&fast" has the two parameters "level=3" and "fast".
var QLCX_NextParameter = 0;

function QLCX_Parameters() {
    var query = "" + window.location.search;
    if (query.length < 2) { return []; }
    var parts = query.substr(1).split("&");
    var found = [];
    for (var i = 0; i < parts.length; i++) {
        if (parts[i] != "") { found.push(window.decodeURIComponent(parts[i].split("+").join(" "))); }
    }
    return found;
}

function CountProgramParameters() {
    return QLCX_Parameters().length;
}

// With an index, that parameter (the first is 0); without, the next one on each call. "" past
// the last.
function ProgramParameter(index) {
    var all = QLCX_Parameters();
    var at = QLCX_NextParameter;
    if (index || index === 0) {
        at = Math.floor(index);
    } else {
        QLCX_NextParameter++;
    }
    if (at < 0 || at >= all.length) { return ""; }
    return all[at];
}

// The page's own address, without its query: the file the program runs from.
function ProgramFilename() {
    var address = "" + window.location.href;
    return address.split("#")[0].split("?")[0];
}
