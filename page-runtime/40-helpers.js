// Colours, random numbers, Debug and the requesters.
//
// A colour value is r + g*256 + b*65536 (+ a*16777216), the components 0 to 255. The bit
// operators work on 32-bit signed integers, so a colour with alpha 128 or more is negative;
// Red, Green, Blue and Alpha mask after shifting and read it back correctly.

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
    return lo + Math.floor(Math.random() * (hi - lo + 1));
}

// A real number at least 0 and below v.
function RandomFloat(v) {
    return Math.random() * v;
}

function Debug(msg) {
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
