// Numbers and strings in open files, little-endian as on the desktop: Byte 1, Word 2, Long 4,
// Quad and Integer 8, Float 4, Double 8 bytes, Character 2. Reads past the end give 0.

var QLCX_ValueBuffer = new window.ArrayBuffer(8);
var QLCX_ValueBytes = new window.Uint8Array(QLCX_ValueBuffer);
var QLCX_ValueInts = new window.Int32Array(QLCX_ValueBuffer);
var QLCX_ValueFloat = new window.Float32Array(QLCX_ValueBuffer);
var QLCX_ValueDouble = new window.Float64Array(QLCX_ValueBuffer);

function QLCX_ReadInto(id, count) {
    var bytes = QLCX_ReadBytes(id, count);
    for (var i = 0; i < 8; i++) { QLCX_ValueBytes[i] = 0; }
    for (var k = 0; k < count; k++) { QLCX_ValueBytes[k] = bytes[k]; }
}

function QLCX_WriteFrom(id, count) {
    var bytes = [];
    for (var i = 0; i < count; i++) { bytes.push(QLCX_ValueBytes[i]); }
    QLCX_WriteBytes(id, bytes);
}

// A signed integer of `count` bytes (1, 2 or 4).
function QLCX_ReadSigned(id, count) {
    QLCX_ReadInto(id, count);
    var shift = 32 - count * 8;
    return (QLCX_ValueInts[0] << shift) >> shift;
}

function QLCX_WriteInt(id, value, count) {
    QLCX_ValueInts[0] = Math.floor(QLCX_Number(value));
    QLCX_WriteFrom(id, count);
}

function ReadByte(id) {
    return QLCX_ReadSigned(id, 1);
}

function ReadAsciiCharacter(id) {
    return QLCX_ReadBytes(id, 1)[0];
}

function ReadWord(id) {
    return QLCX_ReadSigned(id, 2);
}

function ReadCharacter(id) {
    var bytes = QLCX_ReadBytes(id, 2);
    return bytes[0] + bytes[1] * 256;
}

function ReadLong(id) {
    return QLCX_ReadSigned(id, 4);
}

// 64 bits as two halves; beyond 2^53 a script number loses the low digits.
function ReadQuad(id) {
    QLCX_ReadInto(id, 8);
    var low = QLCX_ValueInts[0];
    if (low < 0) { low = low + 4294967296; }
    return QLCX_ValueInts[1] * 4294967296 + low;
}

function ReadInteger(id) {
    return ReadQuad(id);
}

function ReadFloat(id) {
    QLCX_ReadInto(id, 4);
    return QLCX_ValueFloat[0];
}

function ReadDouble(id) {
    QLCX_ReadInto(id, 8);
    return QLCX_ValueDouble[0];
}

function WriteByte(id, value) {
    QLCX_WriteInt(id, value, 1);
}

function WriteAsciiCharacter(id, value) {
    QLCX_WriteInt(id, value, 1);
}

function WriteWord(id, value) {
    QLCX_WriteInt(id, value, 2);
}

function WriteCharacter(id, value) {
    QLCX_WriteInt(id, value, 2);
}

function WriteLong(id, value) {
    QLCX_WriteInt(id, value, 4);
}

function WriteQuad(id, value) {
    var n = Math.floor(QLCX_Number(value));
    var high = Math.floor(n / 4294967296);
    QLCX_ValueInts[0] = n - high * 4294967296;
    QLCX_ValueInts[1] = high;
    QLCX_WriteFrom(id, 8);
}

function WriteInteger(id, value) {
    WriteQuad(id, value);
}

function WriteFloat(id, value) {
    QLCX_ValueFloat[0] = QLCX_Number(value);
    QLCX_WriteFrom(id, 4);
}

function WriteDouble(id, value) {
    QLCX_ValueDouble[0] = QLCX_Number(value);
    QLCX_WriteFrom(id, 8);
}

// Text to bytes in a string format (#PB_Ascii, #PB_UTF8, #PB_Unicode as UTF-16LE). Ascii keeps
// the low byte of each character.
function QLCX_EncodeText(text, format) {
    var bytes = [];
    text = "" + QLCX_Text(text);
    for (var i = 0; i < text.length; i++) {
        var c = text.charCodeAt(i);
        if (format == QLCX_Unicode) {
            bytes.push(c & 255, c >> 8);
        } else if (format == QLCX_Ascii || c < 128) {
            bytes.push(c & 255);
        } else {
            var next = text.charCodeAt(i + 1);
            if (c >= 55296 && c < 56320 && next >= 56320 && next < 57344) {
                c = 65536 + (c - 55296) * 1024 + (next - 56320);
                i++;
            }
            QLCX_PushUtf8(bytes, c);
        }
    }
    return bytes;
}

function QLCX_PushUtf8(bytes, c) {
    if (c < 2048) {
        bytes.push(192 | (c >> 6), 128 | (c & 63));
    } else if (c < 65536) {
        bytes.push(224 | (c >> 12), 128 | ((c >> 6) & 63), 128 | (c & 63));
    } else {
        bytes.push(240 | (c >> 18), 128 | ((c >> 12) & 63), 128 | ((c >> 6) & 63), 128 | (c & 63));
    }
}

function QLCX_DecodeText(bytes, format) {
    var text = "";
    if (format == QLCX_Unicode) {
        for (var u = 0; u + 1 < bytes.length; u = u + 2) {
            text = text + window.String.fromCharCode(bytes[u] + bytes[u + 1] * 256);
        }
        return text;
    }
    for (var i = 0; i < bytes.length; i++) {
        var c = bytes[i];
        var more = 0;
        if (format != QLCX_Ascii && c >= 192) {
            more = 1;
            if (c >= 224) { more = 2; }
            if (c >= 240) { more = 3; }
            c = c & (63 >> more);
            for (var k = 0; k < more && i + 1 < bytes.length; k++) {
                i++;
                c = c * 64 + (bytes[i] & 63);
            }
        }
        if (c >= 65536) {
            c = c - 65536;
            text = text + window.String.fromCharCode(55296 + (c >> 10), 56320 + (c & 1023));
        } else {
            text = text + window.String.fromCharCode(c);
        }
    }
    return text;
}

function QLCX_Format(id, format) {
    if (format == QLCX_Ascii || format == QLCX_UTF8 || format == QLCX_Unicode) { return format; }
    return QLCX_File(id)[3];
}

// ReadString(file [, format [, length]]): the characters up to the end of the line (LF, CR or
// CR LF, which are passed over), or `length` characters. A UTF-8 byte order mark at the start
// of the file is passed over too.
function ReadString(id, format, length) {
    var file = QLCX_File(id);
    format = QLCX_Format(id, format);
    var unit = 1;
    if (format == QLCX_Unicode) { unit = 2; }
    var data = file[1];
    if (file[2] == 0 && format == QLCX_UTF8 && data[0] == 239 && data[1] == 187 && data[2] == 191) {
        file[2] = 3;
    }
    if (length > 0) { return QLCX_DecodeText(QLCX_ReadBytes(id, length * unit), format); }
    var start = file[2];
    var end = start;
    while (end + unit <= data.length && !QLCX_LineEnd(data, end, unit)) { end = end + unit; }
    var text = QLCX_DecodeText(data.slice(start, end), format);
    if (end + unit <= data.length && data[end] == 13 && QLCX_LineEnd(data, end, unit)) {
        end = end + unit;
    }
    if (end + unit <= data.length && data[end] == 10 && QLCX_LineEnd(data, end, unit)) {
        end = end + unit;
    }
    file[2] = Math.max(end, start);
    return text;
}

function QLCX_LineEnd(data, at, unit) {
    if (data[at] != 10 && data[at] != 13) { return 0; }
    if (unit == 2 && data[at + 1] != 0) { return 0; }
    return 1;
}

function ReadStringN(id, format, length) {
    return ReadString(id, format, length);
}

function WriteString(id, text, format) {
    var bytes = QLCX_EncodeText(text, QLCX_Format(id, format));
    QLCX_WriteBytes(id, bytes);
    return bytes.length;
}

// A line ends with LF, as #CRLF$ and the other line breaks do in the page's strings.
function WriteStringN(id, text, format) {
    return WriteString(id, QLCX_Text(text) + "\n", format);
}
