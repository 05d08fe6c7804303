// Memory: one growable heap of bytes, little-endian as on the desktop. An address is a byte
// offset into it; no block starts below 16, so 0 (a null pointer) is never an address, and a
// read or write outside a live block stops the program with "invalid memory access".
// Blocks start on 8 bytes, so the usual 4-byte reads and writes of a buffer are one typed
// element each; an unaligned one goes through the scratch value of 79-file-values.js.

// The heap is made by the first allocation: a page that never allocates carries none of it.
var QLCX_MemHeap = 0;
var QLCX_MemBytes = [];
var QLCX_MemLongs = [];
// The other widths a field through a typed pointer is read and written with, and the address
// such an access works on (the translation writes the access in place, not as a call).
var QLCX_MemSigned = [];
var QLCX_MemWords = [];
var QLCX_MemChars = [];
var QLCX_MemFloats = [];
var QLCX_MemDoubles = [];
var QLCX_MemAt = 0;
// A 64-bit write's address and value, while it tests whether the value fits one long.
var QLCX_MemWide = 0;
var QLCX_MemValue = 0;
// The live blocks by start address: their starts in order and their sizes.
var QLCX_MemStarts = [];
var QLCX_MemSizes = [];
// Freed blocks, by start address: [start, size], reused first fit.
var QLCX_MemFree = [];
var QLCX_MemTop = 16;
// The block found last: a loop over one buffer finds it again at once.
var QLCX_MemHitStart = 0;
var QLCX_MemHitEnd = 0;

function QLCX_MemFault() {
    throw new Error("invalid memory access");
}

// Makes the heap hold at least `size` bytes, keeping what it holds.
function QLCX_MemGrow(size) {
    if (size <= QLCX_MemBytes.length) { return; }
    var length = Math.max(QLCX_MemBytes.length, 65536);
    while (length < size) { length = length * 2; }
    var heap = new window.ArrayBuffer(length);
    var bytes = new window.Uint8Array(heap);
    for (var i = 0; i < QLCX_MemTop && i < QLCX_MemBytes.length; i++) { bytes[i] = QLCX_MemBytes[i]; }
    QLCX_MemHeap = heap;
    QLCX_MemBytes = bytes;
    QLCX_MemLongs = new window.Int32Array(heap);
    QLCX_MemSigned = new window.Int8Array(heap);
    QLCX_MemWords = new window.Int16Array(heap);
    QLCX_MemChars = new window.Uint16Array(heap);
    QLCX_MemFloats = new window.Float32Array(heap);
    QLCX_MemDoubles = new window.Float64Array(heap);
}

// The index in QLCX_MemStarts of the live block that starts at or before `address`, or -1.
function QLCX_MemBlockAt(address) {
    var low = 0;
    var high = QLCX_MemStarts.length - 1;
    var found = -1;
    while (low <= high) {
        var middle = (low + high) >> 1;
        if (QLCX_MemStarts[middle] <= address) {
            found = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return found;
}

// Faults unless the `count` bytes from `address` lie in one live block.
function QLCX_MemCheck(address, count) {
    if (address >= QLCX_MemHitStart && address + count <= QLCX_MemHitEnd) { return; }
    address = QLCX_Number(address);
    var k = QLCX_MemBlockAt(address);
    if (k < 0 || count < 0 || address != Math.floor(address)) { QLCX_MemFault(); }
    if (address + count > QLCX_MemStarts[k] + QLCX_MemSizes[k]) { QLCX_MemFault(); }
    QLCX_MemHitStart = QLCX_MemStarts[k];
    QLCX_MemHitEnd = QLCX_MemStarts[k] + QLCX_MemSizes[k];
}

// The index of the live block that starts at `address` exactly; a fault for any other.
function QLCX_MemBlock(address) {
    var k = QLCX_MemBlockAt(QLCX_Number(address));
    if (k < 0 || QLCX_MemStarts[k] != address) { QLCX_MemFault(); }
    return k;
}

function AllocateMemory(size, flags) {
    size = Math.floor(QLCX_Number(size));
    if (size <= 0) { return 0; }
    var room = (size + 7) & -8;
    var start = 0;
    for (var f = 0; f < QLCX_MemFree.length && start == 0; f++) {
        var gap = QLCX_MemFree[f];
        if (gap[1] >= room) {
            start = gap[0];
            gap[0] = gap[0] + room;
            gap[1] = gap[1] - room;
            if (gap[1] == 0) { QLCX_MemFree.splice(f, 1); }
        }
    }
    if (start == 0) {
        start = QLCX_MemTop;
        QLCX_MemGrow(start + room);
        QLCX_MemTop = start + room;
    }
    // A fresh block holds zeros; #PB_Memory_NoClear keeps what a freed one held.
    if (flags != 1) {
        for (var i = start; i < start + room; i++) { QLCX_MemBytes[i] = 0; }
    }
    var k = QLCX_MemBlockAt(start) + 1;
    QLCX_MemStarts.splice(k, 0, start);
    QLCX_MemSizes.splice(k, 0, size);
    return start;
}

function FreeMemory(address) {
    var k = QLCX_MemBlock(address);
    var room = (QLCX_MemSizes[k] + 7) & -8;
    QLCX_MemStarts.splice(k, 1);
    QLCX_MemSizes.splice(k, 1);
    QLCX_MemHitStart = 0;
    QLCX_MemHitEnd = 0;
    var f = 0;
    while (f < QLCX_MemFree.length && QLCX_MemFree[f][0] < address) { f++; }
    QLCX_MemFree.splice(f, 0, [address, room]);
    // Neighbouring gaps become one, so a large block fits where small ones were.
    if (f + 1 < QLCX_MemFree.length && address + room == QLCX_MemFree[f + 1][0]) {
        QLCX_MemFree[f][1] = room + QLCX_MemFree[f + 1][1];
        QLCX_MemFree.splice(f + 1, 1);
    }
    if (f > 0 && QLCX_MemFree[f - 1][0] + QLCX_MemFree[f - 1][1] == address) {
        QLCX_MemFree[f - 1][1] = QLCX_MemFree[f - 1][1] + QLCX_MemFree[f][1];
        QLCX_MemFree.splice(f, 1);
    }
}

function MemorySize(address) {
    return QLCX_MemSizes[QLCX_MemBlock(address)];
}

// ReAllocateMemory(address, size [, flags]): a block of the new size holding what the old one
// held (up to the smaller size); the old address is no longer valid. 0 makes a new block.
function ReAllocateMemory(address, size, flags) {
    if (address == 0) { return AllocateMemory(size, flags); }
    var old = QLCX_MemSizes[QLCX_MemBlock(address)];
    var fresh = AllocateMemory(size, flags);
    if (fresh == 0) { return 0; }
    var count = Math.min(old, Math.floor(QLCX_Number(size)));
    for (var i = 0; i < count; i++) { QLCX_MemBytes[fresh + i] = QLCX_MemBytes[address + i]; }
    FreeMemory(address);
    return fresh;
}

// FillMemory(address, size [, value [, type]]): the value repeated as bytes (the default),
// characters, words or longs.
function FillMemory(address, size, value, type) {
    size = Math.floor(QLCX_Number(size));
    if (size <= 0) { return; }
    QLCX_MemCheck(address, size);
    var width = 1;
    if (type == 3 || type == 11 || type == 25) { width = 2; }
    if (type == 5) { width = 4; }
    QLCX_ValueInts[0] = Math.floor(QLCX_Number(value));
    for (var i = 0; i < size; i++) { QLCX_MemBytes[address + i] = QLCX_ValueBytes[i % width]; }
}

// CopyMemory(source, destination, size); MoveMemory is the same where the two overlap.
function CopyMemory(source, destination, size) {
    MoveMemory(source, destination, size);
}

function MoveMemory(source, destination, size) {
    size = Math.floor(QLCX_Number(size));
    if (size <= 0) { return; }
    QLCX_MemCheck(source, size);
    QLCX_MemCheck(destination, size);
    var i = 0;
    if (destination > source) {
        for (i = size - 1; i >= 0; i--) { QLCX_MemBytes[destination + i] = QLCX_MemBytes[source + i]; }
    } else {
        for (i = 0; i < size; i++) { QLCX_MemBytes[destination + i] = QLCX_MemBytes[source + i]; }
    }
}

function CompareMemory(first, second, size) {
    size = Math.floor(QLCX_Number(size));
    if (size <= 0) { return 1; }
    QLCX_MemCheck(first, size);
    QLCX_MemCheck(second, size);
    for (var i = 0; i < size; i++) {
        if (QLCX_MemBytes[first + i] != QLCX_MemBytes[second + i]) { return 0; }
    }
    return 1;
}

// The `count` bytes at address into the scratch value, the rest of it cleared.
function QLCX_MemLoad(address, count) {
    QLCX_MemCheck(address, count);
    for (var i = 0; i < 8; i++) { QLCX_ValueBytes[i] = 0; }
    for (var k = 0; k < count; k++) { QLCX_ValueBytes[k] = QLCX_MemBytes[address + k]; }
}

function QLCX_MemStore(address, count) {
    QLCX_MemCheck(address, count);
    for (var k = 0; k < count; k++) { QLCX_MemBytes[address + k] = QLCX_ValueBytes[k]; }
}

function QLCX_PeekSigned(address, count) {
    QLCX_MemLoad(address, count);
    var shift = 32 - count * 8;
    return (QLCX_ValueInts[0] << shift) >> shift;
}

// A narrow store keeps the low bits of a wide integer.
function QLCX_PokeInt(address, value, count) {
    QLCX_ValueInts[0] = Math.floor(QLCX_Number(QLCX_Low32(value)));
    QLCX_MemStore(address, count);
}

function PeekB(address) {
    return QLCX_PeekSigned(address, 1);
}

function PeekA(address) {
    QLCX_MemCheck(address, 1);
    return QLCX_MemBytes[address];
}

function PeekW(address) {
    return QLCX_PeekSigned(address, 2);
}

function PeekU(address) {
    QLCX_MemLoad(address, 2);
    return QLCX_ValueInts[0];
}

function PeekC(address) {
    return PeekU(address);
}

function PeekL(address) {
    if ((address & 3) == 0 && address >= QLCX_MemHitStart && address + 4 <= QLCX_MemHitEnd) {
        return QLCX_MemLongs[address >> 2];
    }
    return QLCX_PeekSigned(address, 4);
}

// 64 bits as two halves: a number while it is a safe integer, else a wide integer.
function PeekQ(address) {
    QLCX_MemLoad(address, 8);
    var low = QLCX_ValueInts[0];
    if (low < 0) { low = low + 4294967296; }
    var high = QLCX_ValueInts[1];
    if (high >= -2097152 && high < 2097152) { return high * 4294967296 + low; }
    return QLCX_Canon(window.BigInt(high) * window.BigInt(4294967296) + window.BigInt(low));
}

function PeekI(address) {
    return PeekQ(address);
}

function PeekF(address) {
    QLCX_MemLoad(address, 4);
    return QLCX_ValueFloat[0];
}

function PeekD(address) {
    QLCX_MemLoad(address, 8);
    return QLCX_ValueDouble[0];
}

function PokeB(address, value) {
    QLCX_PokeInt(address, value, 1);
}

function PokeA(address, value) {
    QLCX_PokeInt(address, value, 1);
}

function PokeW(address, value) {
    QLCX_PokeInt(address, value, 2);
}

function PokeU(address, value) {
    QLCX_PokeInt(address, value, 2);
}

function PokeC(address, value) {
    QLCX_PokeInt(address, value, 2);
}

function PokeL(address, value) {
    if ((address & 3) == 0 && address >= QLCX_MemHitStart && address + 4 <= QLCX_MemHitEnd) {
        QLCX_MemLongs[address >> 2] = QLCX_Low32(value);
        return;
    }
    QLCX_PokeInt(address, value, 4);
}

function PokeQ(address, value) {
    if (value > 9007199254740991 || value < -9007199254740991) {
        var wide = window.BigInt.asIntN(64, QLCX_Wide(value));
        QLCX_ValueInts[0] = window.Number(window.BigInt.asIntN(32, wide));
        QLCX_ValueInts[1] = window.Number(wide >> window.BigInt(32));
        QLCX_MemStore(address, 8);
        return;
    }
    // Only a procedure is neither a number, nor NaN, nor text.
    if (value != value * 1 && value == value && value !== value + "") { value = QLCX_FnIndex(value); }
    value = Math.floor(QLCX_Number(value));
    var high = Math.floor(value / 4294967296);
    QLCX_ValueInts[0] = value - high * 4294967296;
    QLCX_ValueInts[1] = high;
    QLCX_MemStore(address, 8);
}

function PokeI(address, value) {
    PokeQ(address, value);
}

function PokeF(address, value) {
    QLCX_ValueFloat[0] = QLCX_Number(value);
    QLCX_MemStore(address, 4);
}

function PokeD(address, value) {
    QLCX_ValueDouble[0] = QLCX_Number(value);
    QLCX_MemStore(address, 8);
}

// The string formats: #PB_Unicode (the default, two bytes a character), #PB_Ascii, #PB_UTF8;
// #PB_String_NoZero (256) leaves the terminating zero out.
function QLCX_MemFormat(flags) {
    var format = Math.floor(QLCX_Number(flags)) & 255;
    if (format == QLCX_Ascii || format == QLCX_UTF8) { return format; }
    return QLCX_Unicode;
}

// PeekS(address [, length [, format]]): the characters up to a zero, or at most `length` of
// them (for UTF-8, bytes) where it is above 0.
function PeekS(address, length, format) {
    format = QLCX_MemFormat(format);
    var unit = 1;
    if (format == QLCX_Unicode) { unit = 2; }
    var most = -1;
    if (QLCX_Number(length) > 0) { most = Math.floor(QLCX_Number(length)) * unit; }
    QLCX_MemCheck(address, 0);
    var bytes = [];
    var at = address;
    while (most < 0 || bytes.length < most) {
        QLCX_MemCheck(at, unit);
        if (QLCX_MemBytes[at] == 0 && (unit == 1 || QLCX_MemBytes[at + 1] == 0)) { break; }
        bytes.push(QLCX_MemBytes[at]);
        if (unit == 2) { bytes.push(QLCX_MemBytes[at + 1]); }
        at = at + unit;
    }
    return QLCX_DecodeText(bytes, format);
}

// PokeS(address, text [, length [, flags]]): the text (at most `length` characters where it is
// above 0) and a zero; gives the bytes written without the zero.
function PokeS(address, text, length, flags) {
    var format = QLCX_MemFormat(flags);
    text = "" + QLCX_Text(text);
    if (QLCX_Number(length) > 0) { text = text.substr(0, Math.floor(QLCX_Number(length))); }
    var bytes = QLCX_EncodeText(text, format);
    var zero = 1;
    if (format == QLCX_Unicode) { zero = 2; }
    if (Math.floor(QLCX_Number(flags)) & 256) { zero = 0; }
    QLCX_MemCheck(address, bytes.length + zero);
    for (var i = 0; i < bytes.length; i++) { QLCX_MemBytes[address + i] = bytes[i]; }
    for (var z = 0; z < zero; z++) { QLCX_MemBytes[address + bytes.length + z] = 0; }
    return bytes.length;
}

// MemoryStringLength(address [, format]): the characters before the zero.
function MemoryStringLength(address, format) {
    return PeekS(address, -1, format).length;
}

// A string variable whose address is taken keeps its text in the heap, two bytes a character
// and a zero after it, so that writes through the address show when the variable is read.
// The variable holds the block's address; 0 until it is first written stands for "".
function QLCX_TextAt(home) {
    if (home == 0) { return ""; }
    return PeekS(home, -1, QLCX_Unicode);
}

// The variable written by its name: in its own block while the text fits there, as a native
// string keeps its buffer; in a new one otherwise, which leaves an older address invalid.
function QLCX_TextPut(home, text) {
    text = "" + QLCX_Text(text);
    var size = text.length * 2 + 2;
    if (home != 0 && MemorySize(home) < size) {
        FreeMemory(home);
        home = 0;
    }
    if (home == 0) { home = AllocateMemory(size); }
    PokeS(home, text, -1, QLCX_Unicode);
    return home;
}

// "@s$": the block of the text, made for an empty one.
function QLCX_TextHome(home) {
    if (home != 0) { return home; }
    return QLCX_TextPut(0, "");
}

// A number variable whose address is taken: its block, holding its first value.
function QLCX_Placed(home, poke, value) {
    poke(home, value);
    return home;
}

// A procedure's variables in the heap end with its call, once its result is computed.
function QLCX_Unplaced(result, homes) {
    for (var k = 0; k < homes.length; k++) {
        if (homes[k] != 0) { FreeMemory(homes[k]); }
    }
    return result;
}

// The data sections in the heap, for "?label": the values are noted with their offsets while
// the sections are given, then placed in one block, packed, each in its own width; a string
// is its characters, two bytes each, and a zero. IncludeBinary's bytes come from the file the
// conversion embedded in the page.
var QLCX_DataItems = [];
var QLCX_DataOffsets = [];
var QLCX_DataSize = 0;
var QLCX_DataStart = 0;
var QLCX_DataTypes = "bawucl" + "fiqd";
var QLCX_DataWidths = [1, 1, 2, 2, 2, 4, 4, 8, 8, 8];
var QLCX_DataPokes = [PokeB, PokeA, PokeW, PokeU, PokeC, PokeL, PokeF, PokeI, PokeQ, PokeD];

function QLCX_DataNote(type, value) {
    QLCX_DataItems.push([type, value, QLCX_DataSize]);
    if (type == "s") {
        QLCX_DataSize = QLCX_DataSize + ("" + QLCX_Text(value)).length * 2 + 2;
    } else if (type == "bytes") {
        QLCX_DataSize = QLCX_DataSize + value.length;
    } else {
        QLCX_DataSize = QLCX_DataSize + QLCX_DataWidths[QLCX_DataTypes.indexOf(type)];
    }
}

function QLCX_DataLabel(name) {
    QLCX_DataOffsets[name] = QLCX_DataSize;
}

function databinary(name) {
    QLCX_LoadFiles();
    var path = QLCX_FilePath(name);
    if (QLCX_FileKind[path] != 1) { throw new Error("IncludeBinary file not in the page: " + name); }
    QLCX_DataNote("bytes", QLCX_FileBytes(path));
}

function QLCX_DataPlace() {
    QLCX_DataStart = AllocateMemory(QLCX_DataSize + 2);
    for (var k = 0; k < QLCX_DataItems.length; k++) {
        var item = QLCX_DataItems[k];
        var at = QLCX_DataStart + item[2];
        if (item[0] == "s") {
            PokeS(at, item[1]);
        } else if (item[0] == "bytes") {
            for (var i = 0; i < item[1].length; i++) { QLCX_MemBytes[at + i] = item[1][i]; }
        } else {
            QLCX_DataPokes[QLCX_DataTypes.indexOf(item[0])](at, item[1]);
        }
    }
}

function QLCX_DataAddress(label) {
    return QLCX_DataStart + QLCX_DataOffsets[label];
}

// A procedure's address in the heap: "PokeI(p, @Proc())" and "Data.i @Proc()" store a small
// number, the procedure's place in this table, which a method call looks up again.
var QLCX_FnTable = [0];
// By place, whether the procedure waits: written as an async function, its call gives a
// promise, which a method call cannot wait for.
var QLCX_FnWaits = [0];

function QLCX_FnIndex(f) {
    var k = QLCX_FnTable.indexOf(f);
    if (k < 0) {
        k = QLCX_FnTable.length;
        QLCX_FnTable.push(f);
        QLCX_FnWaits.push(("" + f).substr(0, 5) == "async");
    }
    return k;
}

// The procedure at place `slot` of the table an object's first field points at.
function QLCX_Method(object, slot) {
    var k = PeekI(PeekI(object) + slot * 8);
    var f = QLCX_FnTable[k];
    if (!f) { throw new Error("called something that is not a procedure"); }
    if (QLCX_FnWaits[k]) { throw new Error("not supported: a method that waits"); }
    return f;
}

// CatchImage, CatchSprite and CatchSound: the bytes at an address, to the end of their block
// where no size is given, as a data URL the image or sound loads from. A browser tells an
// image's format from its bytes; a sound needs its type named, so that is read off the first
// bytes.
function QLCX_CaughtUrl(address, size) {
    var k = QLCX_MemBlockAt(QLCX_Number(address));
    if (k < 0) { QLCX_MemFault(); }
    var count = Math.floor(QLCX_Number(size));
    if (!(count > 0)) { count = QLCX_MemStarts[k] + QLCX_MemSizes[k] - address; }
    QLCX_MemCheck(address, count);
    var bytes = [];
    for (var i = 0; i < count; i++) { bytes.push(QLCX_MemBytes[address + i]); }
    var head = QLCX_DecodeText(bytes.slice(0, 12), QLCX_Ascii);
    var type = "application/octet-stream";
    if (head.substr(0, 4) == "RIFF" && head.substr(8, 4) == "WAVE") { type = "audio/wav"; }
    if (head.substr(0, 4) == "OggS") { type = "audio/ogg"; }
    if (head.substr(0, 3) == "ID3" || (bytes[0] == 255 && bytes[1] >= 224)) { type = "audio/mpeg"; }
    return "data:" + type + ";base64," + QLCX_Base64(bytes);
}

function CatchImage(id, address, size) {
    return LoadImage(id, QLCX_CaughtUrl(address, size));
}

function CatchSprite(id, address, flags) {
    return LoadSprite(id, QLCX_CaughtUrl(address, 0), flags);
}

function CatchSound(id, address, size, flags) {
    return LoadSound(id, QLCX_CaughtUrl(address, size), flags);
}
