// Regular expressions, on the browser's own. The dialect's patterns are the Perl-compatible
// kind; the browser's take nearly all of them as they are. A leading option group such as
// "(?i)" becomes the expression's flags, and \A, \Z and \z become ^ and $ (which is what they
// are without the multi-line option).
//
// A bad pattern makes the browser throw: the pattern is compiled through QLCX_Attempt, which
// keeps the browser's message for RegularExpressionError.
var QLCX_Regexes = [];
var QLCX_RegexError = "";
var QLCX_RegexMade = 0;
var QLCX_RegexSource = "";
var QLCX_RegexFlags = "";

// Option bits of CreateRegularExpression, as #PB_RegularExpression_... give them.
var QLCX_RegexDotAll = 1;
var QLCX_RegexExtended = 2;
var QLCX_RegexMultiLine = 4;
var QLCX_RegexNoCase = 16;

function QLCX_CompilePattern() {
    QLCX_RegexMade = window.RegExp(QLCX_RegexSource, QLCX_RegexFlags);
}

// Extended: blanks and comments from # to the end of the line are not part of the pattern
// (outside a class or an escape).
function QLCX_WithoutBlanks(pattern) {
    var out = "";
    var inClass = 0;
    for (var i = 0; i < pattern.length; i++) {
        var c = pattern.charAt(i);
        if (c == "\\") {
            out = out + pattern.substr(i, 2);
            i++;
        } else if (inClass) {
            if (c == "]") { inClass = 0; }
            out = out + c;
        } else if (c == "#") {
            while (i < pattern.length && pattern.charAt(i) != "\n") { i++; }
        } else if (c != " " && c != "\t" && c != "\n" && c != "\r") {
            if (c == "[") { inClass = 1; }
            out = out + c;
        }
    }
    return out;
}

// The anchors the browser lacks, outside classes; other escapes pass unchanged.
function QLCX_BrowserPattern(pattern) {
    var out = "";
    for (var i = 0; i < pattern.length; i++) {
        var c = pattern.charAt(i);
        var next = pattern.charAt(i + 1);
        if (c == "\\" && next == "A") {
            out = out + "^";
            i++;
        } else if (c == "\\" && (next == "Z" || next == "z")) {
            out = out + "$";
            i++;
        } else if (c == "\\") {
            out = out + c + next;
            i++;
        } else {
            out = out + c;
        }
    }
    return out;
}

// The expression for a pattern and option bits, or 0 with QLCX_RegexError set.
function QLCX_MakeRegex(pattern, flags) {
    var source = "" + pattern;
    var options = "g";
    var lead = window.RegExp("^[(][?]([imsx]+)[)]").exec(source);
    if (lead) {
        source = source.substr(lead[0].length);
        if (lead[1].indexOf("i") >= 0) { flags = flags | QLCX_RegexNoCase; }
        if (lead[1].indexOf("m") >= 0) { flags = flags | QLCX_RegexMultiLine; }
        if (lead[1].indexOf("s") >= 0) { flags = flags | QLCX_RegexDotAll; }
        if (lead[1].indexOf("x") >= 0) { flags = flags | QLCX_RegexExtended; }
    }
    if (flags & QLCX_RegexExtended) { source = QLCX_WithoutBlanks(source); }
    if (flags & QLCX_RegexNoCase) { options = options + "i"; }
    if (flags & QLCX_RegexMultiLine) { options = options + "m"; }
    if (flags & QLCX_RegexDotAll) { options = options + "s"; }
    QLCX_RegexSource = QLCX_BrowserPattern(source);
    QLCX_RegexFlags = options;
    QLCX_RegexMade = 0;
    QLCX_RegexError = "";
    if (!QLCX_Attempt(QLCX_CompilePattern)) { QLCX_RegexError = QLCX_AttemptError; }
    if (!QLCX_RegexMade && !QLCX_RegexError) { QLCX_RegexError = "invalid regular expression"; }
    return QLCX_RegexMade;
}

function CreateRegularExpression(ID, pattern, flags) {
    var made = QLCX_MakeRegex(pattern, QLCX_Number(flags));
    if (!made) { return 0; }
    var asked = ID;
    ID = QLCX_PickNumber(ID, QLCX_Regexes);
    QLCX_Regexes[ID] = made;
    return QLCX_Created(asked, ID);
}

// The browser's message about the last pattern that failed; "" after one that compiled.
function RegularExpressionError() {
    return QLCX_RegexError;
}

function FreeRegularExpression(ID) {
    if (ID == -1) {
        QLCX_Regexes = [];
        return;
    }
    QLCX_Regexes[ID] = 0;
}

function IsRegularExpression(ID) {
    if (QLCX_Regexes[ID]) { return 1; }
    return 0;
}

function QLCX_Regex(ID) {
    var re = QLCX_Regexes[ID];
    if (!re) { throw new Error("regular expression " + ID + " is not created"); }
    re.lastIndex = 0;
    return re;
}

// Every match in the text, in order: [start, matched text]. An empty match moves one
// character on, so a pattern such as "x*" ends.
function QLCX_Matches(ID, text) {
    var re = QLCX_Regex(ID);
    var s = "" + text;
    var found = [];
    var m = re.exec(s);
    while (m) {
        found.push([m.index, m[0]]);
        if (m[0].length == 0) { re.lastIndex = re.lastIndex + 1; }
        if (re.lastIndex > s.length) { break; }
        m = re.exec(s);
    }
    return found;
}

function MatchRegularExpression(ID, text) {
    var re = QLCX_Regex(ID);
    if (re.exec("" + text)) { return 1; }
    return 0;
}

// Fills the array with the matches (resized in place, so the caller's array holds them) and
// gives their count.
function ExtractRegularExpression(ID, text, found) {
    var matches = QLCX_Matches(ID, text);
    if (QLCX_IsArray(found)) {
        found.length = 0;
        for (var i = 0; i < matches.length; i++) { found.push(matches[i][1]); }
    }
    return matches.length;
}

// Every match replaced by the replacement, which is plain text: "$1" stays as it is written.
function ReplaceRegularExpression(ID, text, replacement) {
    var s = "" + text;
    var matches = QLCX_Matches(ID, s);
    var out = "";
    var at = 0;
    for (var i = 0; i < matches.length; i++) {
        out = out + s.slice(at, matches[i][0]) + replacement;
        at = matches[i][0] + matches[i][1].length;
    }
    return out + s.slice(at);
}
