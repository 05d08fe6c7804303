// Run-time faults. Anything the running program throws (the runtime's own faults are
// Error("plain message")) reaches the window's error handler, wherever it was thrown: start-up,
// a frame, a key or mouse handler. The program stops there and the page shows one fault panel
// with "line N: message". Nothing runs per statement: the source line is found afterwards,
// from the browser's call stack and the line table (window.QLCXLines) at the script's end.
var QLCX_Faulted = 0;
window.onerror = QLCX_Fault;
// A fault in a procedure that waits for events (an async function) called from a bound event
// arrives as a promise that nobody awaited.
window.onunhandledrejection = QLCX_Unawaited;

function QLCX_Unawaited(event) {
    QLCX_Fault("" + event.reason, "", 0, 0, event.reason);
}

function QLCX_Fault(message, source, pageLine, column, error) {
    if (QLCX_AttemptWork) {
        QLCX_AttemptFailed = 1;
        QLCX_AttemptError = "" + message;
        if (error && error.message) { QLCX_AttemptError = "" + error.message; }
        return true;
    }
    if (QLCX_Faulted) { return true; }
    QLCX_Faulted = 1;
    QLCX_Ended = 1;
    QLCX_StopLoop();
    QLCX_WaitingLine = 0;
    var text = QLCX_FaultMessage(error, message);
    var at = QLCX_FaultLine(error, pageLine, text == "too many nested procedure calls");
    if (at > 0) { text = QLCX_SourcePlace(at) + ": " + text; }
    var panel = document.createElement("div");
    panel.className = "fault";
    panel.id = "QLCXfault";
    panel.appendChild(document.createTextNode(text));
    QLCX_PageBody().appendChild(panel);
    // Handled: the browser does not report it a second time.
    return true;
}

// "line 12", or "inc/x.pbi line 12" for a line of an include file. The line table counts the
// lines of the whole program; a program of several files carries window.QLCXSourceMap, runs
// of [program line, file name ("" for the main source), line in that file].
function QLCX_SourcePlace(at) {
    var runs = window.QLCXSourceMap;
    if (!runs) { return "line " + at; }
    var found = 0;
    for (var i = 0; i < runs.length && runs[i][0] <= at; i++) { found = runs[i]; }
    if (!found) { return "line " + at; }
    var inFile = found[2] + at - found[0];
    if (found[1] == "") { return "line " + inFile; }
    return found[1] + " line " + inFile;
}

// The source line of the innermost call that is the program's own: the runtime's frames
// (a list function, a string function) have no source line and are passed over. When calls
// nest without end, the browser may stop at the entry of a procedure rather than at a call;
// the line that recurs most among the frames is then the call that repeats.
function QLCX_FaultLine(error, pageLine, recursion) {
    var stack = "";
    if (error && error.stack) { stack = error.stack; }
    var frames = stack.split("\n");
    var best = 0;
    var bestCount = 0;
    var counts = [];
    for (var i = 0; i < frames.length; i++) {
        var at = QLCX_SourceLine(QLCX_FrameLine(frames[i]));
        if (at > 0 && !recursion) { return at; }
        if (at > 0) {
            counts[at] = (counts[at] || 0) + 1;
            if (counts[at] > bestCount) {
                best = at;
                bestCount = counts[at];
            }
        }
    }
    if (best > 0) { return best; }
    return QLCX_SourceLine(pageLine);
}

// The page line of one stack frame, written "...:LINE:COLUMN" or "...:LINE:COLUMN)".
function QLCX_FrameLine(frame) {
    var last = frame.lastIndexOf(":");
    if (last < 0) { return 0; }
    var start = frame.lastIndexOf(":", last - 1);
    if (start < 0) { return 0; }
    return QLCX_Number(frame.slice(start + 1, last));
}

// The table holds pairs: page lines since the last change, change of the source line. A
// negative number -k stands for k pairs (1, 1): k page lines, each one source line further.
// The page writes the numbers as base-64 digits of five bits, the lowest first, 32 added to
// every digit but a number's last; a number's lowest bit is its sign.
var QLCX_LineDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

function QLCX_LineNumbers(text) {
    var numbers = [];
    var value = 0;
    var scale = 1;
    for (var k = 0; k < text.length; k++) {
        var digit = QLCX_LineDigits.indexOf(text.charAt(k));
        value = value + (digit % 32) * scale;
        scale = scale * 32;
        if (digit < 32) {
            numbers.push(value % 2 == 1 ? (1 - value) / 2 : value / 2);
            value = 0;
            scale = 1;
        }
    }
    return numbers;
}

function QLCX_SourceLine(pageLine) {
    var text = window.QLCXLines;
    if (!text || !pageLine) { return 0; }
    var table = QLCX_LineNumbers(text);
    var at = 0;
    var source = 0;
    var i = 0;
    while (i < table.length) {
        var step = table[i];
        if (step < 0) {
            if (at - step >= pageLine) { return source + Math.max(pageLine - at, 0); }
            at = at - step;
            source = source - step;
            i = i + 1;
        } else {
            if (i + 1 >= table.length || at + step > pageLine) { return source; }
            at = at + step;
            source = source + table[i + 1];
            i = i + 2;
        }
    }
    return source;
}

// The browser's wording of its own faults, in the program's terms. Its texts differ between
// browsers; the kind of fault and a few words of it are enough to tell them apart.
function QLCX_FaultMessage(error, message) {
    if (!error) { return "" + message; }
    var text = "" + error.message;
    var kind = error.name;
    if (kind == "TypeError") {
        if (text.indexOf("is not a function") >= 0) { return "called something that is not a procedure"; }
        // A wide integer (a BigInt) where the page computes with the browser's numbers.
        if (text.indexOf("BigInt") >= 0) { return "integer beyond 2^53 given to a command"; }
        if (text.indexOf("undefined") >= 0 || text.indexOf("null") >= 0 || text.indexOf("no properties") >= 0) {
            return "array index out of bounds";
        }
    }
    if (kind == "RangeError") {
        if (text.indexOf("call stack") >= 0 || text.indexOf("recursion") >= 0) {
            return "too many nested procedure calls";
        }
        if (text.indexOf("array length") >= 0) { return "array size out of range"; }
    }
    if (kind == "Error") { return text; }
    return "run-time error: " + text;
}
