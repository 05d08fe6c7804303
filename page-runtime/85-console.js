// The console: a text area below the windows that Print and PrintN write to, with an input
// line for Input, a key buffer for Inkey and RawKey, and Delay.
//
// Text goes into runs (span elements) of one colour pair each. A graphical console
// (EnableGraphicalConsole(1)) is instead a fixed grid of 80 columns and 25 rows whose rows are
// drawn again, once a frame, when something changed in them.
var QLCX_ConsoleBox = 0;
var QLCX_ConsoleRun = 0;
// Colours from the 16-colour palette; -1 is the page theme's own colour.
var QLCX_ConsoleFront = -1;
var QLCX_ConsoleBack = -1;
var QLCX_ConsolePalette = ["#000000", "#000080", "#008000", "#008080", "#800000", "#800080", "#808000", "#c0c0c0", "#808080", "#0000ff", "#00ff00", "#00ffff", "#ff0000", "#ff00ff", "#ffff00", "#ffffff"];
// The line being written and the last line that held any text: an input box asks with it.
var QLCX_ConsoleLine = "";
var QLCX_ConsoleShown = "";
var QLCX_ScrollPending = 0;
// The number of open windows when the console was last placed below them.
var QLCX_ConsoleWindows = -1;
// Graphical console: rows of characters and of colour pairs, the cursor, and the rows whose
// elements are out of date.
var QLCX_Grid = 0;
var QLCX_GridFront = 0;
var QLCX_GridBack = 0;
var QLCX_GridRows = 0;
var QLCX_GridDirty = [];
var QLCX_GridX = 0;
var QLCX_GridY = 0;
var QLCX_GridColumns = 80;
var QLCX_GridHeight = 25;
// The input line while a line is asked for; the typed line once Enter ended it.
var QLCX_InputLine = 0;
var QLCX_LineReady = 0;
var QLCX_Line = "";
// The procedure waiting in Input() for the line: the function that settles its wait, or 0.
var QLCX_LineWaiter = 0;
// Keys pressed and not yet taken by Inkey: pairs [character, key code].
var QLCX_KeyBuffer = [];
var QLCX_KeyTaken = 0;
var QLCX_LastRawKey = 0;

// Registered by the page's start function when the program uses the console.
function QLCX_StartConsole() {
    document.addEventListener("keydown", QLCX_ConsoleKey);
}

function OpenConsole(title) {
    if (title) { QLCX_TitlePage("" + title); }
    if (QLCX_ConsoleBox) { return 1; }
    QLCX_ConsoleBox = document.createElement("div");
    QLCX_ConsoleBox.className = "console";
    QLCX_ConsoleBox.id = "QLCXconsole";
    QLCX_ConsoleBox.onclick = QLCX_ConsoleClicked;
    QLCX_PageBody().appendChild(QLCX_ConsoleBox);
    QLCX_PlaceConsole();
    return 1;
}

// The text stays where it is; a later Print goes on writing into it.
function CloseConsole() {
    return 1;
}

function ConsoleTitle(title) {
    QLCX_PageTitled = 1;
    document.title = "" + title;
    return 1;
}

function Print(text) {
    QLCX_ConsoleWrite("" + text);
    return 1;
}

function PrintN(text) {
    if (text || text === 0) { QLCX_ConsoleWrite(text + "\n"); }
    else { QLCX_ConsoleWrite("\n"); }
    return 1;
}

function ConsoleColor(front, back) {
    QLCX_ConsoleFront = QLCX_PaletteIndex(front);
    QLCX_ConsoleBack = QLCX_PaletteIndex(back);
    QLCX_ConsoleRun = 0;
    return 1;
}

// On the console's own background (0, black, or none set) the text colour is a class, which the
// style block gives a shade that reads well in the page's light or dark theme; on any other
// background the pair is shown as the palette has it.
function QLCX_ColouredRun(front, back) {
    var run = document.createElement("span");
    if (back > 0) {
        run.style.backgroundColor = QLCX_ConsolePalette[back];
        run.style.color = QLCX_ConsolePalette[7];
        if (front >= 0) { run.style.color = QLCX_ConsolePalette[front]; }
    } else if (front >= 0) {
        run.className = "f" + front;
    }
    return run;
}

function QLCX_PaletteIndex(v) {
    var n = Math.floor(QLCX_Number(v));
    if (n < 0 || n > 15) { return -1; }
    return n;
}

// Empties the console; a background colour that is set fills the whole area from now on.
function ClearConsole() {
    OpenConsole();
    var box = QLCX_ConsoleBox;
    while (box.firstChild) { box.removeChild(box.firstChild); }
    QLCX_ConsoleRun = 0;
    QLCX_ConsoleLine = "";
    QLCX_ConsoleShown = "";
    box.style.backgroundColor = "";
    if (QLCX_ConsoleBack > 0) { box.style.backgroundColor = QLCX_ConsolePalette[QLCX_ConsoleBack]; }
    if (QLCX_Grid) { QLCX_MakeGrid(); }
    if (QLCX_InputLine) { box.appendChild(QLCX_InputLine); }
    return 1;
}

function EnableGraphicalConsole(mode) {
    OpenConsole();
    if (mode && !QLCX_Grid) {
        QLCX_MakeGrid();
    }
    if (!mode && QLCX_Grid) {
        QLCX_Grid = 0;
        QLCX_ConsoleRun = 0;
    }
    return 1;
}

function ConsoleLocate(x, y) {
    if (!QLCX_Grid) { EnableGraphicalConsole(1); }
    QLCX_GridX = Math.max(0, Math.min(QLCX_GridColumns - 1, Math.floor(QLCX_Number(x))));
    QLCX_GridY = Math.max(0, Math.min(QLCX_GridHeight - 1, Math.floor(QLCX_Number(y))));
    return 1;
}

function QLCX_ConsoleWrite(text) {
    if (!QLCX_ConsoleBox) { OpenConsole(); }
    if (QLCX_Grid) {
        QLCX_GridWrite(text);
        return 0;
    }
    // Chr(8) takes back the character before it; at the start of a line there is none.
    var pieces = text.split(window.String.fromCharCode(8));
    QLCX_ConsoleAppend(pieces[0]);
    for (var i = 1; i < pieces.length; i++) {
        QLCX_ConsoleBackspace();
        QLCX_ConsoleAppend(pieces[i]);
    }
    QLCX_ConsoleChanged();
    return 1;
}

// A console line holds 80 characters; the 81st starts the next line, wherever the words end.
function QLCX_ConsoleAppend(text) {
    var column = QLCX_ConsoleLine.length;
    var out = "";
    for (var i = 0; i < text.length; i++) {
        var c = text.charAt(i);
        if (c == "\n") {
            column = 0;
        } else {
            if (column == QLCX_GridColumns) {
                out = out + "\n";
                column = 0;
            }
            column++;
        }
        out = out + c;
    }
    if (out == "") { return; }
    if (!QLCX_ConsoleRun) {
        QLCX_ConsoleRun = QLCX_ColouredRun(QLCX_ConsoleFront, QLCX_ConsoleBack);
        if (QLCX_InputLine) { QLCX_ConsoleBox.insertBefore(QLCX_ConsoleRun, QLCX_InputLine); }
        else { QLCX_ConsoleBox.appendChild(QLCX_ConsoleRun); }
    }
    QLCX_ConsoleRun.appendChild(document.createTextNode(out));
    QLCX_NoteLines(out);
}

// Removes the last character of the line being written from the last text that holds one
// (runs of other colours included).
function QLCX_ConsoleBackspace() {
    if (QLCX_ConsoleLine == "") { return; }
    var runs = QLCX_ConsoleBox.childNodes;
    for (var r = runs.length - 1; r >= 0; r--) {
        var run = runs[r];
        // Texts emptied by earlier backspaces go, so the last text is the one to shorten.
        while (run.lastChild && run.lastChild.nodeValue == "") { run.removeChild(run.lastChild); }
        if (run.lastChild && run.lastChild.nodeValue) {
            var value = run.lastChild.nodeValue;
            run.lastChild.nodeValue = value.slice(0, value.length - 1);
            QLCX_ConsoleLine = QLCX_ConsoleLine.slice(0, QLCX_ConsoleLine.length - 1);
            QLCX_ConsoleShown = QLCX_ConsoleLine;
            return;
        }
    }
}

// Keeps the line being written and the last line with text up to date.
function QLCX_NoteLines(text) {
    var end = text.lastIndexOf("\n");
    if (end < 0) {
        QLCX_ConsoleLine = QLCX_ConsoleLine + text;
    } else {
        var lines = text.split("\n");
        for (var i = 0; i < lines.length - 1; i++) {
            var done = lines[i];
            if (i == 0) { done = QLCX_ConsoleLine + done; }
            if (done != "") { QLCX_ConsoleShown = done; }
        }
        QLCX_ConsoleLine = text.slice(end + 1);
    }
    if (QLCX_ConsoleLine != "") { QLCX_ConsoleShown = QLCX_ConsoleLine; }
}

// Scrolling to the end and drawing grid rows wait for the next frame, so a loop that prints
// thousands of lines lays the page out once, not once a line.
function QLCX_ConsoleChanged() {
    if (!QLCX_ScrollPending) {
        QLCX_ScrollPending = 1;
        window.requestAnimationFrame(QLCX_ConsoleRefresh);
    }
}

function QLCX_ConsoleRefresh() {
    QLCX_ScrollPending = 0;
    if (QLCX_Grid) {
        for (var y = 0; y < QLCX_GridHeight; y++) {
            if (QLCX_GridDirty[y]) { QLCX_DrawGridRow(y); }
        }
    }
    QLCX_PlaceConsole();
    QLCX_ConsoleBox.scrollTop = QLCX_ConsoleBox.scrollHeight;
}

// Sits below every open window, so that it covers none; placed again when windows open or
// close, not when one is dragged.
function QLCX_PlaceConsole() {
    var open = 0;
    var bottom = 0;
    for (var id = 0; id < QLCX_WindowOpen.length; id++) {
        if (QLCX_WindowOpen[id] == 1) {
            open++;
            var section = document.getElementById("window" + id);
            if (section) { bottom = Math.max(bottom, section.offsetTop + section.offsetHeight); }
        }
    }
    if (open == QLCX_ConsoleWindows) { return 0; }
    QLCX_ConsoleWindows = open;
    QLCX_ConsoleBox.style.marginTop = QLCX_Pixels(bottom + 8);
    return 1;
}

function QLCX_MakeGrid() {
    QLCX_Grid = [];
    QLCX_GridFront = [];
    QLCX_GridBack = [];
    QLCX_GridRows = [];
    var box = QLCX_ConsoleBox;
    while (box.firstChild) { box.removeChild(box.firstChild); }
    for (var y = 0; y < QLCX_GridHeight; y++) {
        QLCX_Grid[y] = [];
        QLCX_GridFront[y] = [];
        QLCX_GridBack[y] = [];
        for (var x = 0; x < QLCX_GridColumns; x++) {
            QLCX_Grid[y][x] = " ";
            QLCX_GridFront[y][x] = -1;
            QLCX_GridBack[y][x] = QLCX_ConsoleBack;
        }
        QLCX_GridRows[y] = document.createElement("div");
        box.appendChild(QLCX_GridRows[y]);
        QLCX_GridDirty[y] = 1;
    }
    QLCX_GridX = 0;
    QLCX_GridY = 0;
    QLCX_ConsoleRun = 0;
    QLCX_ConsoleChanged();
}

// Writes at the cursor; a line end moves to the start of the next row, and the grid scrolls
// up by a row when the cursor passes the last one.
function QLCX_GridWrite(text) {
    for (var i = 0; i < text.length; i++) {
        var c = text.charAt(i);
        if (c == "\n") {
            QLCX_GridX = 0;
            QLCX_GridY++;
        } else if (c.charCodeAt(0) == 8) {
            // Back one column, and the character there goes.
            if (QLCX_GridX > 0) {
                QLCX_GridX--;
                QLCX_Grid[QLCX_GridY][QLCX_GridX] = " ";
                QLCX_GridDirty[QLCX_GridY] = 1;
            }
        } else {
            if (QLCX_GridX >= QLCX_GridColumns) {
                QLCX_GridX = 0;
                QLCX_GridY++;
            }
            if (QLCX_GridY >= QLCX_GridHeight) { QLCX_GridScroll(); }
            QLCX_Grid[QLCX_GridY][QLCX_GridX] = c;
            QLCX_GridFront[QLCX_GridY][QLCX_GridX] = QLCX_ConsoleFront;
            QLCX_GridBack[QLCX_GridY][QLCX_GridX] = QLCX_ConsoleBack;
            QLCX_GridDirty[QLCX_GridY] = 1;
            QLCX_GridX++;
        }
    }
    if (QLCX_GridY >= QLCX_GridHeight) { QLCX_GridScroll(); }
    QLCX_NoteLines(text);
    QLCX_ConsoleChanged();
}

function QLCX_GridScroll() {
    var last = QLCX_GridHeight - 1;
    QLCX_Grid.push(QLCX_Grid.shift());
    QLCX_GridFront.push(QLCX_GridFront.shift());
    QLCX_GridBack.push(QLCX_GridBack.shift());
    for (var x = 0; x < QLCX_GridColumns; x++) {
        QLCX_Grid[last][x] = " ";
        QLCX_GridFront[last][x] = -1;
        QLCX_GridBack[last][x] = QLCX_ConsoleBack;
    }
    for (var y = 0; y < QLCX_GridHeight; y++) { QLCX_GridDirty[y] = 1; }
    QLCX_GridY = last;
}

// One row as runs of equal colours.
function QLCX_DrawGridRow(y) {
    var row = QLCX_GridRows[y];
    QLCX_GridDirty[y] = 0;
    while (row.firstChild) { row.removeChild(row.firstChild); }
    var start = 0;
    for (var x = 1; x <= QLCX_GridColumns; x++) {
        if (x == QLCX_GridColumns || QLCX_GridFront[y][x] != QLCX_GridFront[y][start] || QLCX_GridBack[y][x] != QLCX_GridBack[y][start]) {
            var run = QLCX_ColouredRun(QLCX_GridFront[y][start], QLCX_GridBack[y][start]);
            run.appendChild(document.createTextNode(QLCX_Grid[y].slice(start, x).join("")));
            row.appendChild(run);
            start = x;
        }
    }
}

// A click on the console gives the input line the keyboard back, unless it selected text.
function QLCX_ConsoleClicked() {
    if (QLCX_InputLine && window.getSelection().toString() == "") { QLCX_InputLine.focus(); }
}

// Called by the main program where it was cut before an Input(): shows the input line at the
// end of the console, with the keyboard focus; the program goes on when Enter ends the line.
function QLCX_AskLine() {
    if (!QLCX_ConsoleBox) { OpenConsole(); }
    if (QLCX_Grid) { EnableGraphicalConsole(0); }
    QLCX_WaitingLine = 1;
    QLCX_LineReady = 0;
    QLCX_InputLine = document.createElement("input");
    QLCX_InputLine.className = "consoleinput";
    QLCX_InputLine.id = "QLCXinput";
    QLCX_ConsoleBox.appendChild(QLCX_InputLine);
    QLCX_InputLine.focus();
    QLCX_ConsoleChanged();
    return 1;
}

// Enter in the input line: the line stays in the console as typed.
function QLCX_LineEntered() {
    var text = QLCX_InputLine.value;
    QLCX_ConsoleBox.removeChild(QLCX_InputLine);
    QLCX_InputLine = 0;
    QLCX_ConsoleWrite(text + "\n");
    QLCX_Line = text;
    QLCX_LineReady = 1;
    QLCX_WaitingLine = 0;
    var settle = QLCX_LineWaiter;
    if (settle) {
        QLCX_LineWaiter = 0;
        QLCX_LineReady = 0;
        settle(text);
    }
}

// Input() where the program waits in a procedure (an async function) or cannot be cut: the
// same input line, and a promise of the line typed.
function QLCX_ReadLine() {
    QLCX_AskLine();
    QLCX_LineWaiter = QLCX_TaskWait()[0];
    return QLCX_Waiting;
}

// Delay(ms) in a procedure that waits: a promise settled once ms are over.
function QLCX_Sleep(ms) {
    var wait = QLCX_TaskWait();
    var waiting = QLCX_Waiting;
    window.setTimeout(wait[0], Math.max(0, QLCX_Number(ms)));
    return waiting;
}

// The line typed at the cut before this statement. Translated programs await QLCX_ReadLine
// wherever they cannot be cut; a script run on the runtime directly that calls Input() without
// a cut gets the browser's input box, with the console's last line as its message.
function Input() {
    if (QLCX_LineReady) {
        QLCX_LineReady = 0;
        return QLCX_Line;
    }
    var answer = window.prompt(QLCX_ConsoleShown, "");
    if (!answer) { answer = ""; }
    QLCX_ConsoleWrite(answer + "\n");
    return answer;
}

function QLCX_ConsoleKey(ev) {
    var code = ev.keyCode;
    if (QLCX_InputLine && ev.target == QLCX_InputLine) {
        if (code == 13) { QLCX_LineEntered(); }
        return true;
    }
    // Shift, Ctrl, Alt and the system keys only change other keys.
    if (code == 16 || code == 17 || code == 18 || code == 91 || code == 92 || code == 93 || code == 224) { return true; }
    var c = ev.key;
    if (c.length != 1) { c = ""; }
    if (code == 8 || code == 9 || code == 13 || code == 27) { c = window.String.fromCharCode(code); }
    // A program that never reads keys must not keep every key of the session.
    if (QLCX_KeyBuffer.length - QLCX_KeyTaken < 64) { QLCX_KeyBuffer.push([c, code]); }
    return true;
}

// The character of the oldest key not taken yet, "" when there is none; never waits.
function Inkey() {
    if (QLCX_KeyTaken >= QLCX_KeyBuffer.length) {
        QLCX_KeyBuffer = [];
        QLCX_KeyTaken = 0;
        QLCX_LastRawKey = 0;
        return "";
    }
    var key = QLCX_KeyBuffer[QLCX_KeyTaken];
    QLCX_KeyTaken++;
    QLCX_LastRawKey = key[1];
    return key[0];
}

// The key code of the key that the last Inkey() took (arrows and function keys give "" there).
function RawKey() {
    return QLCX_LastRawKey;
}

// Returns at once: the running loop's next pass starts no earlier than ms later. Where the
// main program was cut after a Delay, that next pass is the code behind it.
function Delay(ms) {
    var now = new Date().getTime();
    var wait = QLCX_Number(ms);
    if (wait > 0) { QLCX_ResumeAt = Math.max(QLCX_ResumeAt, now) + wait; }
    return 1;
}
