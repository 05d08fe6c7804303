// Colours, random numbers, Debug and the requesters.
//
// A colour value is r + g*256 + b*65536 (+ a*16777216), the components 0 to 255. The bit
// operators work on 32-bit signed integers, so a colour with alpha 128 or more is negative;
// Red, Green, Blue and Alpha mask after shifting and read it back correctly.

// Work that may throw (a pattern the browser rejects, storage it refuses or that is full) runs
// through QLCX_Attempt, which tells whether it threw and keeps the message in
// QLCX_AttemptError. The runtime cannot catch (compaction does not carry try), so the work runs
// as the click handler of a detached element: the browser reports what a handler throws to the
// window's error handler, synchronously, while click() returns normally. That handler (the
// fault panel's) sees an attempt under way and only notes the fault for it.
var QLCX_AttemptWork = 0;
var QLCX_AttemptFailed = 0;
var QLCX_AttemptError = "";
var QLCX_AttemptTrap = 0;

function QLCX_AttemptRun() {
    QLCX_AttemptWork();
}

// 1 when work(), called with no arguments, returned normally; 0 when it threw.
function QLCX_Attempt(work) {
    if (!QLCX_AttemptTrap) {
        QLCX_AttemptTrap = document.createElement("span");
        QLCX_AttemptTrap.onclick = QLCX_AttemptRun;
    }
    QLCX_AttemptWork = work;
    QLCX_AttemptFailed = 0;
    QLCX_AttemptError = "";
    QLCX_AttemptTrap.click();
    QLCX_AttemptWork = 0;
    return QLCX_AttemptFailed ? 0 : 1;
}

function RGB(r, g, b) {
    return r + (g << 8) + (b << 16);
}

function RGBA(r, g, b, a) {
    return (r + (g << 8) + (b << 16) + (a << 24)) | 0;
}

function Red(c) {
    return c & 255;
}

function Green(c) {
    return (c >> 8) & 255;
}

function Blue(c) {
    return (c >> 16) & 255;
}

function Alpha(c) {
    return (c >> 24) & 255;
}

// The colour text that the drawing context and style sheets take, QLCX_ColorText, lives with
// the screen functions, its main users.

// A whole number from 0 to v (or from low to v), every one equally likely: a die must show 1
// and 6 as often as 3.
function Random(v, low) {
    var lo = 0;
    if (low) {
        lo = Math.floor(low);
    }
    var hi = Math.floor(v);
    if (hi < lo) {
        var swap = hi;
        hi = lo;
        lo = swap;
    }
    return lo + Math.floor(QLCX_NextRandom() * (hi - lo + 1));
}

// A real number at least 0 and below v.
function RandomFloat(v) {
    return QLCX_NextRandom() * v;
}

// After RandomSeed the numbers come from the runtime's own generator (a 32-bit mixing
// generator on integer arithmetic only), so a seed gives the same numbers in every browser;
// until then from the browser's, which differs from run to run.
var QLCX_Seeded = 0;
var QLCX_SeedState = 0;

function RandomSeed(seed) {
    QLCX_Seeded = 1;
    QLCX_SeedState = Math.floor(QLCX_Number(seed)) | 0;
}

// A number at least 0 and below 1.
function QLCX_NextRandom() {
    if (!QLCX_Seeded) { return Math.random(); }
    QLCX_SeedState = (QLCX_SeedState + 1831565813) | 0;
    var t = QLCX_SeedState;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t = t ^ (t + Math.imul(t ^ (t >>> 7), t | 61));
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}

// The debug pane's line function on a page written with the pane (quillcast-cli
// --debug-pane), set by the last statement of its script; the page's only reference to the
// pane, so a page without it carries none of the pane's code.
var QLCX_DebugPaneLine = 0;

// A message box for each line, or with the debug pane a line in the pane, which does not stop
// the program.
function Debug(msg) {
    if (QLCX_DebugPaneLine) {
        QLCX_DebugPaneLine("" + msg);
        return;
    }
    alert("Debug: " + msg);
}

// The browser's input box with title, an empty line and message, pre-filled with def; the
// entered text, or "" when the user cancels.
function InputRequester(title, message, def) {
    var preset = "";
    if (def || def === 0) {
        preset = "" + def;
    }
    var answer = window.prompt(title + "\n\n" + message, preset);
    if (!answer) {
        return "";
    }
    return answer;
}

// Flags: 1 Yes and No, the confirmation box, giving 6 (Yes) or 7 (No); 2 Yes, No and Cancel,
// an input box answered with "yes" or "no" (any other answer or Cancel gives 2, Cancel); 4, 8
// and 16 (information, warning, error) name the kind of message before its title. The plain
// message box gives 0 (OK).
function MessageRequester(title, message, flag) {
    var text = title + "\n\n" + message;
    if (flag & 4) {
        text = "Information: " + text;
    }
    if (flag & 8) {
        text = "Warning: " + text;
    }
    if (flag & 16) {
        text = "Error: " + text;
    }
    if (flag & 1) {
        if (window.confirm(text)) {
            return 6;
        }
        return 7;
    }
    if (flag & 2) {
        var answer = window.prompt(text + "\n\n(yes, no or cancel)", "yes");
        if (!answer) {
            return 2;
        }
        answer = answer.toLowerCase();
        if (answer.charAt(0) == "y") {
            return 6;
        }
        if (answer.charAt(0) == "n") {
            return 7;
        }
        return 2;
    }
    alert(text);
    return 0;
}

// The browser's colour picker answers only later, and a program reads the colour on the next
// line, so the colour is asked for as text in an input box, "#RRGGBB" as style sheets write
// it, preset with the colour given. -1 when the user cancels or the text is no colour.
function ColorRequester(color) {
    var preset = "#000000";
    if (color) { preset = QLCX_HexColor(color); }
    var answer = window.prompt("Colour (#RRGGBB)", preset);
    if (!answer) { return -1; }
    var digits = ("" + answer).toLowerCase();
    if (digits.charAt(0) == "#") { digits = digits.substr(1); }
    if (digits.length != 6 || !window.RegExp("^[0-9a-f]+$").exec(digits)) { return -1; }
    var n = window.parseInt(digits, 16);
    return RGB((n >> 16) & 255, (n >> 8) & 255, n & 255);
}

function QLCX_HexColor(color) {
    var n = (Red(color) << 16) + (Green(color) << 8) + Blue(color);
    return "#" + ("00000" + n.toString(16)).slice(-6);
}

// The font is asked for as "name, size" in an input box; what was chosen is read back with
// SelectedFontName and SelectedFontSize. 0 when the user cancels.
var QLCX_ChosenFont = ["Arial", 10, 0, 0];

function FontRequester(name, size, flags, color, style) {
    var preset = QLCX_ChosenFont[0] + ", " + QLCX_ChosenFont[1];
    if (name) { preset = name + ", " + (size || 10); }
    var answer = window.prompt("Font (name, size)", preset);
    if (!answer) { return 0; }
    var parts = ("" + answer).split(",");
    var chosenSize = Math.floor(QLCX_Number(parts[1]));
    if (!(chosenSize > 0)) { chosenSize = 10; }
    QLCX_ChosenFont = [Trim(parts[0]), chosenSize, QLCX_Number(color), QLCX_Number(style)];
    return 1;
}

function SelectedFontName() {
    return QLCX_ChosenFont[0];
}

function SelectedFontSize() {
    return QLCX_ChosenFont[1];
}

function SelectedFontColor() {
    return QLCX_ChosenFont[2];
}

function SelectedFontStyle() {
    return QLCX_ChosenFont[3];
}
