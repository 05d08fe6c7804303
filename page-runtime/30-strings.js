// String functions. Positions count from 1 unless a comment says otherwise. Every function
// first turns its string arguments into text, so a number passed where the source meant a
// string is read as its digits, never as a missing method.

function Left(s, n) {
    var t = "" + s;
    if (!(n > 0)) {
        return "";
    }
    return t.substr(0, n);
}

// n characters from position start; all the rest when n is missing or negative.
function Mid(s, start, n) {
    var t = "" + s;
    var from = 0;
    if (start > 1) {
        from = Math.floor(start) - 1;
    }
    if (!(n >= 0)) {
        return t.substr(from);
    }
    return t.substr(from, n);
}

// The last n characters; the whole string when n exceeds its length.
function Right(s, n) {
    var t = "" + s;
    if (!(n > 0)) {
        return "";
    }
    if (n >= t.length) {
        return t;
    }
    return t.substr(t.length - n);
}

// Position (from 1) of the first occurrence of f that begins at or after position start,
// which counts from 1 like every other position (0 or missing: from the beginning); 0 when
// there is none. An empty f is never found.
// The mode of FindString, ReplaceString and RemoveString: #PB_String_NoCase (1) compares
// each character in one case; the text keeps its length, so positions agree with the text's.
function QLCX_Compared(t, mode) {
    return mode & 1 ? QLCX_CaseEach(t, 0) : t;
}

function FindString(s, f, start, mode) {
    var t = QLCX_Compared("" + s, mode);
    var find = QLCX_Compared("" + f, mode);
    var from = 0;
    if (start > 1) {
        from = Math.floor(start) - 1;
    }
    if (find.length < 1) {
        return 0;
    }
    return t.indexOf(find, from) + 1;
}

// The case of each character on its own, as natively: a character whose other case is
// longer (the sharp s is "SS" in the browser) stays as it is, so the text keeps its length.
function QLCX_CaseEach(t, upper) {
    var whole = upper ? t.toUpperCase() : t.toLowerCase();
    if (whole.length == t.length) { return whole; }
    var out = "";
    for (var i = 0; i < t.length; i++) {
        var c = t.charAt(i);
        var changed = upper ? c.toUpperCase() : c.toLowerCase();
        out = out + (changed.length == 1 ? changed : c);
    }
    return out;
}

function LCase(s) {
    return QLCX_CaseEach("" + s, 0);
}

function UCase(s) {
    return QLCX_CaseEach("" + s, 1);
}

function Len(s) {
    var t = "" + s;
    return t.length;
}

// Non-overlapping occurrences, scanning from the left: "aa" occurs twice in "aaaa".
function CountString(s, f) {
    var t = "" + s;
    var find = "" + f;
    if (find.length < 1) {
        return 0;
    }
    var count = 0;
    var at = t.indexOf(find, 0);
    while (at >= 0) {
        count++;
        at = t.indexOf(find, at + find.length);
    }
    return count;
}

// chars (a blank when missing) repeated count times.
function Space(count, chars) {
    var unit = " ";
    if (chars || chars === "") {
        unit = "" + chars;
    }
    var times = Math.floor(count);
    var out = "";
    for (var i = 0; i < times; i++) {
        out += unit;
    }
    return out;
}

function ReverseString(s) {
    var t = "" + s;
    var out = "";
    for (var i = t.length - 1; i >= 0; i--) {
        out += t.charAt(i);
    }
    return out;
}

// The character code of the first character; 0 for an empty string.
function Asc(s) {
    var t = "" + s;
    if (t.length < 1) {
        return 0;
    }
    return t.charCodeAt(0);
}

// Every occurrence of f replaced by r, scanning from the left; the search goes on behind the
// inserted text, so replacing "a" by "aa" cannot loop.
// From StartPos on (from 1), at most Count times when it is given.
function ReplaceString(s, f, r, mode, start, count) {
    var t = "" + s;
    var find = "" + f;
    var by = "" + r;
    if (find.length < 1) {
        return t;
    }
    var hay = QLCX_Compared(t, mode);
    var needle = QLCX_Compared(find, mode);
    var from = start > 1 ? Math.floor(start) - 1 : 0;
    var left = count >= 1 ? Math.floor(count) : -1;
    var out = t.substr(0, from);
    var at = hay.indexOf(needle, from);
    while (at >= 0 && left != 0) {
        out += t.substr(from, at - from) + by;
        from = at + find.length;
        left--;
        at = hay.indexOf(needle, from);
    }
    return out + t.substr(from);
}

// Removes the first occurrence again and again until none is left ("ab" from "aabb" leaves
// nothing); with a StartPos or a Count, each occurrence once, as ReplaceString does.
function RemoveString(s, f, mode, start, count) {
    if (start > 1 || count >= 1) {
        return ReplaceString(s, f, "", mode, start, count);
    }
    var t = "" + s;
    var find = "" + f;
    if (find.length < 1) {
        return t;
    }
    var needle = QLCX_Compared(find, mode);
    var at = QLCX_Compared(t, mode).indexOf(needle, 0);
    while (at >= 0) {
        t = t.substr(0, at) + t.substr(at + find.length);
        at = at - find.length + 1;
        if (at < 0) {
            at = 0;
        }
        at = QLCX_Compared(t, mode).indexOf(needle, at);
    }
    return t;
}

// The first pos-1 characters, ins, the rest; a position before the start inserts in front.
function InsertString(s, ins, pos) {
    var t = "" + s;
    var at = 0;
    if (pos > 1) {
        at = Math.floor(pos) - 1;
    }
    return t.substr(0, at) + ins + t.substr(at);
}

// The index-th field of s cut at sep; "" when index is below 1, sep is empty or s has fewer
// fields.
function StringField(s, index, sep) {
    var t = "" + s;
    var cut = "" + sep;
    if (!(index >= 1) || cut.length < 1) {
        return "";
    }
    var from = 0;
    for (var field = 1; field < Math.floor(index); field++) {
        var next = t.indexOf(cut, from);
        if (next < 0) {
            return "";
        }
        from = next + cut.length;
    }
    var end = t.indexOf(cut, from);
    if (end < 0) {
        return t.substr(from);
    }
    return t.substr(from, end - from);
}

// s cut to n characters, or s with chars (a blank when missing) appended n-Len(s) times.
function LSet(s, n, chars) {
    var t = "" + s;
    if (!(n > 0)) {
        return "";
    }
    if (t.length >= n) {
        return t.substr(0, n);
    }
    return t + Space(n - t.length, chars);
}

// The same as LSet with the padding in front: RSet("7",3,"0") is "007".
function RSet(s, n, chars) {
    var t = "" + s;
    if (!(n > 0)) {
        return "";
    }
    if (t.length >= n) {
        return t.substr(0, n);
    }
    return Space(n - t.length, chars) + t;
}

// The character that the trim functions remove: the first of chars, a blank when chars is
// missing, none ("") when chars is empty.
function QLCX_TrimChar(chars) {
    if (chars || chars === "") {
        var t = "" + chars;
        return t.charAt(0);
    }
    return " ";
}

function LTrim(s, chars) {
    var t = "" + s;
    var c = QLCX_TrimChar(chars);
    if (c.length < 1) {
        return t;
    }
    var from = 0;
    while (from < t.length && t.charAt(from) == c) {
        from++;
    }
    return t.substr(from);
}

function RTrim(s, chars) {
    var t = "" + s;
    var c = QLCX_TrimChar(chars);
    if (c.length < 1) {
        return t;
    }
    var to = t.length;
    while (to > 0 && t.charAt(to - 1) == c) {
        to--;
    }
    return t.substr(0, to);
}

function Trim(s, chars) {
    return LTrim(RTrim(s, chars), chars);
}

// The text of a number: all the digits of an integer, at most ten decimals of a float.
function Str(x) {
    return QLCX_NumberText(x);
}

// The number at the start of a text after any blanks: an optional sign, then decimal digits
// with an optional fraction, "$" and hexadecimal digits, or "%" and binary digits. 0 when
// there is no number.
// The number at the start of s, behind blanks and a sign: "$" hexadecimal or "%" binary
// digits, or else decimal ones. Val reads an integer, as its type is, and stops at a point;
// ValF and ValD (fraction 1) read a fraction and an exponent too.
function QLCX_ReadValue(s, fraction) {
    var t = "" + s;
    var at = 0;
    while (t.charAt(at) == " ") {
        at++;
    }
    var negative = 0;
    if (t.charAt(at) == "-") {
        negative = 1;
        at++;
    } else if (t.charAt(at) == "+") {
        at++;
    }
    var value = 0;
    if (t.charAt(at) == "$") {
        value = QLCX_RadixValue(t, at + 1, 16);
    } else if (t.charAt(at) == "%") {
        value = QLCX_RadixValue(t, at + 1, 2);
    } else {
        value = QLCX_DecimalValue(t, at, fraction);
    }
    // 0-value, not -1*value: a lone "-" must give 0, not -0.
    if (negative) {
        return QLCX_Neg(value);
    }
    return value;
}

function Val(s) {
    return QLCX_ReadValue(s, 0);
}

function QLCX_DecimalValue(t, at, fraction) {
    var end = QLCX_DigitsEnd(t, at);
    if (!fraction) {
        if (end - at > 15) {
            return QLCX_Canon(window.BigInt(t.substr(at, end - at)));
        }
        return end > at ? window.parseInt(t.substr(at, end - at), 10) : 0;
    }
    var digits = end - at;
    if (t.charAt(end) == ".") {
        var fractionEnd = QLCX_DigitsEnd(t, end + 1);
        digits += fractionEnd - end - 1;
        end = fractionEnd;
    }
    if (digits < 1) {
        return 0;
    }
    var e = t.charAt(end);
    if (e == "e" || e == "E") {
        var sign = t.charAt(end + 1) == "-" || t.charAt(end + 1) == "+" ? 1 : 0;
        var exponentEnd = QLCX_DigitsEnd(t, end + 1 + sign);
        if (exponentEnd > end + 1 + sign) {
            end = exponentEnd;
        }
    }
    return window.parseFloat(t.substr(at, end - at));
}

// Position behind the run of decimal digits that starts at position at (zero-based).
function QLCX_DigitsEnd(t, at) {
    var end = at;
    while (end < t.length && t.charCodeAt(end) >= 48 && t.charCodeAt(end) <= 57) {
        end++;
    }
    return end;
}

// The value of the digits of base 16 or 2 of t from position at (zero-based); 0 when none.
function QLCX_RadixValue(t, at, radix) {
    var digitsText = "0123456789abcdef";
    var lower = t.toLowerCase();
    var value = 0;
    var d = digitsText.indexOf(lower.charAt(at));
    while (at < lower.length && d >= 0 && d < radix) {
        value = QLCX_Add(QLCX_Mul(value, radix), d);
        at++;
        d = digitsText.indexOf(lower.charAt(at));
    }
    return value;
}
