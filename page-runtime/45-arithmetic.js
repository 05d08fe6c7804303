// Integer arithmetic of the dialect on the script's numbers.

// Integer division truncates toward zero; a zero divisor stops the program.
function QLCX_Div(a, b) {
    if (b == 0) {
        throw new Error("division by zero");
    }
    return Math.trunc(a / b);
}

// A float stored into an integer place: the nearest integer, a tie to the even one.
function QLCX_Round(x) {
    var r = Math.round(x);
    if (r - x == 0.5 && Math.floor(r / 2) * 2 != r) {
        r = r - 1;
    }
    return r;
}

// The remainder of an integer division: a zero divisor stops the program, as division does.
function QLCX_Mod(a, b) {
    if (b == 0) {
        throw new Error("division by zero");
    }
    return a % b;
}

// The dialect's bit operators work on 64-bit integers, the browser's on 32 bits. Values that
// fit 32 bits take the browser's operator; others are split into their high and low 32-bit
// halves, exact up to 2^53.
var QLCX_Two32 = 4294967296;

function QLCX_BitOr(a, b) {
    if ((a | 0) == a && (b | 0) == b) {
        return a | b;
    }
    return QLCX_WideBits(a, b, 1);
}

function QLCX_BitAnd(a, b) {
    if ((a | 0) == a && (b | 0) == b) {
        return a & b;
    }
    return QLCX_WideBits(a, b, 2);
}

function QLCX_BitXOr(a, b) {
    if ((a | 0) == a && (b | 0) == b) {
        return a ^ b;
    }
    return QLCX_WideBits(a, b, 3);
}

function QLCX_WideBits(a, b, op) {
    var ha = Math.floor(a / QLCX_Two32);
    var hb = Math.floor(b / QLCX_Two32);
    var la = a - ha * QLCX_Two32;
    var lb = b - hb * QLCX_Two32;
    if (op == 1) {
        return (ha | hb) * QLCX_Two32 + ((la | lb) >>> 0);
    }
    if (op == 2) {
        return (ha & hb) * QLCX_Two32 + ((la & lb) >>> 0);
    }
    return (ha ^ hb) * QLCX_Two32 + ((la ^ lb) >>> 0);
}

// Arithmetic shifts: the count is taken modulo 64, as the processor does.
function QLCX_Shl(a, n) {
    return a * Math.pow(2, n & 63);
}

function QLCX_Shr(a, n) {
    n = n & 63;
    if ((a | 0) == a && n < 32) {
        return a >> n;
    }
    return Math.floor(a / Math.pow(2, n));
}

// The text of a number as the dialect writes it: an integer with all its digits (the
// script's own text rounds those beyond 2^53: 2^62 would read 4611686018427388000), a float
// with at most ten decimals and no trailing zeros (1/3 is 0.3333333333, 0.1 is 0.1).
function QLCX_NumberText(x) {
    if ((x | 0) === x || x * 1 !== x) {
        return "" + x;
    }
    if (window.Number.isInteger(x)) {
        if (Math.abs(x) <= 9007199254740991) {
            return "" + x;
        }
        return window.BigInt(x).toString();
    }
    if (x != x || x == 1 / 0 || x == -1 / 0) {
        return "" + x;
    }
    var t = x.toFixed(10);
    var end = t.length;
    while (t.charAt(end - 1) == "0") {
        end--;
    }
    if (t.charAt(end - 1) == ".") {
        end--;
    }
    t = t.substr(0, end);
    // A negative float too small for ten decimals is written as 0, not -0.
    if (t == "-0") {
        return "0";
    }
    return t;
}

// The special floats. The browser's global names for them cannot be redefined, so the commands
// reach these functions under other names.
function QLCX_Infinity() {
    return 1 / 0;
}

function QLCX_NaN() {
    return 0 / 0;
}

// Only a value that is not a number differs from itself.
function IsNAN(x) {
    if (x != x) { return 1; }
    return 0;
}

function IsInfinity(x) {
    if (Math.abs(x) == 1 / 0) { return 1; }
    return 0;
}

function Radian(degrees) {
    return degrees * Math.PI / 180;
}

function Degree(radians) {
    return radians * 180 / Math.PI;
}
