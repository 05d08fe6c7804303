// The debug pane: with quillcast-cli --debug-pane, Debug lines go to a pane below the windows
// (and the console) instead of a message box each, like the desktop's debug output window.
// Lines are numbered from 1 and a clear button empties the pane. It never takes the keyboard
// focus: nothing in it is focusable, and a press in it is not let through, so typing goes on
// in the gadget that had the focus. Lines wait for the next frame, so a program that prints
// thousands of lines lays the page out once a frame. Its look is set here, not in the style
// block, since the pane exists only on pages written with the switch.
var QLCX_Pane = 0;
var QLCX_PaneLines = 0;
var QLCX_PaneCount = 0;
var QLCX_PanePending = [];
var QLCX_PaneScheduled = 0;
// The pane keeps the last lines only, so a program that never stops printing cannot fill
// the browser's memory.
var QLCX_PaneLimit = 5000;

function QLCX_MakePane() {
    var pane = QLCX_MakeElement("div", "", "QLCXdebug");
    pane.setAttribute("style", "position:absolute;left:8px;right:8px;z-index:1;font:12px/16px monospace;background-color:#fbfbf8;color:#1e1e1e;border:1px solid #8a8a8a");
    pane.onmousedown = QLCX_PanePressed;
    var head = QLCX_MakeElement("div", "", "");
    head.setAttribute("style", "font:bold 12px/20px sans-serif;padding:0 6px;background-color:#e4e4e0;border-bottom:1px solid #8a8a8a");
    head.appendChild(document.createTextNode("Debug output "));
    var clear = QLCX_MakeElement("span", "", "QLCXdebugclear");
    clear.setAttribute("style", "float:right;cursor:pointer;font-weight:normal;padding:0 6px;border:1px solid #8a8a8a;border-radius:3px;background-color:#f4f4f2;line-height:16px;margin-top:1px");
    clear.appendChild(document.createTextNode("Clear"));
    clear.onclick = QLCX_ClearPane;
    head.appendChild(clear);
    pane.appendChild(head);
    QLCX_PaneLines = QLCX_MakeElement("div", "", "QLCXdebuglines");
    QLCX_PaneLines.setAttribute("style", "height:160px;overflow:auto;white-space:pre;padding:2px 0");
    pane.appendChild(QLCX_PaneLines);
    QLCX_PageBody().appendChild(pane);
    QLCX_Pane = pane;
}

// Keeps the focus where it is; the clear button still gets its click.
function QLCX_PanePressed(ev) {
    if (!ev) { ev = window.event; }
    ev.preventDefault();
    return false;
}

function QLCX_PaneLine(text) {
    if (!QLCX_Pane) { QLCX_MakePane(); }
    QLCX_PanePending.push(text);
    if (!QLCX_PaneScheduled) {
        QLCX_PaneScheduled = 1;
        window.requestAnimationFrame(QLCX_ShowPaneLines);
    }
}

function QLCX_ShowPaneLines() {
    QLCX_PaneScheduled = 0;
    var lines = QLCX_PanePending;
    QLCX_PanePending = [];
    // Of a frame's lines only those the pane keeps are made at all.
    if (lines.length > QLCX_PaneLimit) {
        QLCX_PaneCount = QLCX_PaneCount + lines.length - QLCX_PaneLimit;
        lines = lines.slice(lines.length - QLCX_PaneLimit);
    }
    var batch = document.createDocumentFragment();
    for (var i = 0; i < lines.length; i++) {
        QLCX_PaneCount++;
        var row = QLCX_MakeElement("div", "", "");
        var number = QLCX_MakeElement("span", "", "");
        number.setAttribute("style", "display:inline-block;min-width:5ch;padding-right:1ch;text-align:right;color:#8a8a8a;user-select:none");
        number.appendChild(document.createTextNode("" + QLCX_PaneCount));
        row.appendChild(number);
        var words = QLCX_MakeElement("span", "", "");
        words.appendChild(document.createTextNode(lines[i]));
        row.appendChild(words);
        batch.appendChild(row);
    }
    QLCX_PaneLines.appendChild(batch);
    while (QLCX_PaneLines.childNodes.length > QLCX_PaneLimit) { QLCX_PaneLines.removeChild(QLCX_PaneLines.firstChild); }
    QLCX_PlacePane();
    QLCX_PaneLines.scrollTop = QLCX_PaneLines.scrollHeight;
}

// Below every open window and below the console, so that it covers neither.
function QLCX_PlacePane() {
    var bottom = 0;
    for (var id = 0; id < QLCX_WindowOpen.length; id++) {
        var section = document.getElementById("window" + id);
        if (QLCX_WindowOpen[id] == 1 && section) { bottom = Math.max(bottom, section.offsetTop + section.offsetHeight); }
    }
    if (QLCX_ConsoleBox) { bottom = Math.max(bottom, QLCX_ConsoleBox.offsetTop + QLCX_ConsoleBox.offsetHeight); }
    QLCX_Pane.style.top = QLCX_Pixels(bottom + 8);
}

// Lines still waiting for their frame go too; the numbers start again from 1.
function QLCX_ClearPane() {
    QLCX_PanePending = [];
    QLCX_PaneCount = 0;
    while (QLCX_PaneLines.firstChild) { QLCX_PaneLines.removeChild(QLCX_PaneLines.firstChild); }
    return false;
}
