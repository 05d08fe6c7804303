// Integer arithmetic of the dialect on the script's numbers.

// Integers are 64 bits wide. A value is the script's number while it is a safe integer
// (|v| <= 2^53 - 1) and a BigInt beyond, so the common case runs on numbers. Each operation
// below takes the number path when its operands are numbers small enough that the result is
// exact, and otherwise redoes the operation in BigInt, wrapping at 64 bits as natively.
// A BigInt is never small: every wide result goes through QLCX_Canon. Comparisons need no
// help, since the browser compares a BigInt with a number by value. The bounds are written
// out, as the browser compiles a literal tighter than a variable: 9007199254740991 is
// 2^53 - 1, the largest safe integer, and 4503599627370496 is 2^52, below which a sum or a
// difference of two numbers stays safe.
// Add, Sub and Mul test first for the browser's small integers (31 bits): against bounds of
// that size it keeps the operands and the result as machine integers, where the wide bounds
// alone make it compare, and store, floating point. A sum of two values below 2^30 and a
// product of two below 2^26 are exact.

// A wide result: wrapped to 64 bits, and a number again when it is small.
function QLCX_Canon(v) {
    var w = window.BigInt.asIntN(64, v);
    if (w <= 9007199254740991 && w >= -9007199254740991) {
        return window.Number(w);
    }
    return w;
}

// An integer as a BigInt; what is no integer (a float stored as one, Infinity, NaN) counts as
// its rounded value, or 0.
function QLCX_Wide(a) {
    if (a <= 9007199254740991 && a >= -9007199254740991) {
        return window.BigInt(Math.round(a));
    }
    if (a != a || a == 1 / 0 || a == -1 / 0) {
        return window.BigInt(0);
    }
    return window.BigInt(a);
}

// A literal beyond 2^53, written as its digits.
function QLCX_Big(digits) {
    return QLCX_Canon(window.BigInt(digits));
}

// The operations beyond the numbers' exact range, in BigInt: 1 +, 2 -, 3 *, 4 /, 5 %, 6 |,
// 7 &, 8 !. Apart from the checked forms below, so that those stay small enough for the
// browser to build into the code that calls them.
function QLCX_WideOp(a, b, op) {
    var x = QLCX_Wide(a);
    var y = QLCX_Wide(b);
    var r = x;
    if (op == 1) {
        r = x + y;
    } else if (op == 2) {
        r = x - y;
    } else if (op == 3) {
        r = x * y;
    } else if (op == 4) {
        r = x / y;
    } else if (op == 5) {
        r = x % y;
    } else if (op == 6) {
        r = x | y;
    } else if (op == 7) {
        r = x & y;
    } else {
        r = x ^ y;
    }
    return QLCX_Canon(r);
}

function QLCX_Add(a, b) {
    if (a <= 1073741823 && a >= -1073741824 && b <= 1073741823 && b >= -1073741824) {
        return a + b;
    }
    if (a <= 4503599627370496 && a >= -4503599627370496 && b <= 4503599627370496 && b >= -4503599627370496) {
        return a + b;
    }
    return QLCX_WideOp(a, b, 1);
}

function QLCX_Sub(a, b) {
    if (a <= 1073741823 && a >= -1073741824 && b <= 1073741823 && b >= -1073741824) {
        return a - b;
    }
    if (a <= 4503599627370496 && a >= -4503599627370496 && b <= 4503599627370496 && b >= -4503599627370496) {
        return a - b;
    }
    return QLCX_WideOp(a, b, 2);
}

function QLCX_Mul(a, b) {
    if (a <= 67108864 && a >= -67108864 && b <= 67108864 && b >= -67108864) {
        return a * b;
    }
    if (a <= 9007199254740991 && a >= -9007199254740991 && b <= 9007199254740991 && b >= -9007199254740991) {
        var r = a * b;
        if (r <= 9007199254740991 && r >= -9007199254740991) {
            return r;
        }
    }
    return QLCX_WideOp(a, b, 3);
}

function QLCX_Neg(a) {
    if (a <= 9007199254740991 && a >= -9007199254740991) {
        return 0 - a;
    }
    return QLCX_WideOp(0, a, 2);
}

function QLCX_Complement(a) {
    if (a <= 4503599627370496 && a >= -4503599627370496) {
        return -1 - a;
    }
    return QLCX_WideOp(-1, a, 2);
}

// An integer where the browser needs a number: a float expression, a command's argument.
// A wide value becomes the nearest float, as natively it does in a float expression.
function QLCX_Float(a) {
    if (a <= 9007199254740991 && a >= -9007199254740991) {
        return a;
    }
    return window.Number(a);
}

// The low 32 bits of an integer, as a number, for the narrow types' wrapping.
function QLCX_Low32(a) {
    if (a <= 9007199254740991 && a >= -9007199254740991) {
        return a;
    }
    return window.Number(window.BigInt.asIntN(32, QLCX_Wide(a)));
}

// Integer division truncates toward zero; a zero divisor stops the program. The quotient of
// numbers is exact while the dividend stays below 2^51: the rounded quotient cannot then
// reach the next integer.
function QLCX_Div(a, b) {
    if (b == 0) {
        throw new Error("division by zero");
    }
    if (a <= 2251799813685248 && a >= -2251799813685248 && b <= 9007199254740991 && b >= -9007199254740991) {
        return Math.trunc(a / b);
    }
    return QLCX_WideOp(a, b, 4);
}

// The integer part of a float as a 64-bit integer: beyond 2^53 a wide one, wrapped as
// natively; what is no number gives 0.
function IntQ(x) {
    var r = Math.trunc(QLCX_Float(x));
    if (r <= 9007199254740991 && r >= -9007199254740991) {
        return r;
    }
    return QLCX_Canon(QLCX_Wide(r));
}

// A float stored into an integer place: the nearest integer, a tie to the even one.
function QLCX_Round(x) {
    var r = Math.round(x);
    if (r - x == 0.5 && Math.floor(r / 2) * 2 != r) {
        r = r - 1;
    }
    return r;
}

// The remainder of an integer division, with the sign of the dividend: a zero divisor stops
// the program, as division does.
function QLCX_Mod(a, b) {
    if (b == 0) {
        throw new Error("division by zero");
    }
    if (a <= 9007199254740991 && a >= -9007199254740991 && b <= 9007199254740991 && b >= -9007199254740991) {
        return a % b;
    }
    return QLCX_WideOp(a, b, 5);
}

// The dialect's bit operators work on 64-bit integers, the browser's on 32 bits. Values that
// fit 32 bits take the browser's operator; others take BigInt's.
function QLCX_Is32(a) {
    return a <= 2147483647 && a >= -2147483648;
}

function QLCX_BitOr(a, b) {
    if (QLCX_Is32(a) && QLCX_Is32(b)) {
        return a | b;
    }
    return QLCX_WideOp(a, b, 6);
}

function QLCX_BitAnd(a, b) {
    if (QLCX_Is32(a) && QLCX_Is32(b)) {
        return a & b;
    }
    return QLCX_WideOp(a, b, 7);
}

function QLCX_BitXOr(a, b) {
    if (QLCX_Is32(a) && QLCX_Is32(b)) {
        return a ^ b;
    }
    return QLCX_WideOp(a, b, 8);
}

// Arithmetic shifts: the count is taken modulo 64, as the processor does; a left shift
// wraps at 64 bits.
function QLCX_Shl(a, n) {
    var c = QLCX_Float(n) & 63;
    if (a <= 4503599627370496 && a >= -4503599627370496 && c < 32) {
        var r = a * Math.pow(2, c);
        if (r <= 9007199254740991 && r >= -9007199254740991) {
            return r;
        }
    }
    return QLCX_Canon(QLCX_Wide(a) << window.BigInt(c));
}

function QLCX_Shr(a, n) {
    var c = QLCX_Float(n) & 63;
    if (QLCX_Is32(a) && c < 32) {
        return a >> c;
    }
    if (a <= 9007199254740991 && a >= -9007199254740991) {
        return Math.floor(a / Math.pow(2, c));
    }
    return QLCX_Canon(QLCX_Wide(a) >> window.BigInt(c));
}

// The text of a number as the dialect writes it: an integer with all its digits (the
// script's own text rounds those beyond 2^53: 2^62 would read 4611686018427388000), a float
// with at most ten decimals and no trailing zeros (1/3 is 0.3333333333, 0.1 is 0.1).
function QLCX_NumberText(x) {
    if (!(x <= 9007199254740991 && x >= -9007199254740991)) {
        // A wide integer, a float beyond 2^53 (always a whole number), NaN, Infinity, or
        // text that is no number.
        if (x != x || x == 1 / 0 || x == -1 / 0 || x === x + "") {
            return "" + x;
        }
        return window.BigInt(x).toString();
    }
    if ((x | 0) === x || x * 1 !== x || window.Number.isInteger(x)) {
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
