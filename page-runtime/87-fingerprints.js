// Fingerprints of text: MD5, SHA-1, SHA-2 (224, 256, 384, 512 bits) and CRC32, as lower-case
// hexadecimal. The browser's own digests answer later (a promise), but a program reads the
// fingerprint on the next line, so they are computed here, synchronously. The SHA-2 constants
// are the fractional bits of the roots of the first primes, worked out exactly with big
// integers once, rather than copied as 300 hexadecimal numbers.
var QLCX_CipherCRC32 = 1;
var QLCX_CipherMD5 = 2;
var QLCX_CipherSHA1 = 4;
var QLCX_CipherSHA2 = 8;
var QLCX_Sha2Rounds = 0;
var QLCX_Sha2Primes = 0;

// The plugins only say that a program means to use a kind of fingerprint; every kind is
// always there.
function UseMD5Fingerprint() {
    return 1;
}

function UseSHA1Fingerprint() {
    return 1;
}

function UseSHA2Fingerprint() {
    return 1;
}

function UseCRC32Fingerprint() {
    return 1;
}

// The bytes of a text: UTF-8 unless format is #PB_Ascii (24: one byte a character) or
// #PB_Unicode (25: two bytes a character, low byte first).
function QLCX_TextBytes(text, format) {
    var s = "" + text;
    var bytes = [];
    for (var i = 0; i < s.length; i++) {
        var c = s.charCodeAt(i);
        if (format == 24) {
            bytes.push(c & 255);
        } else if (format == 25) {
            bytes.push(c & 255, c >> 8);
        } else if (c < 128) {
            bytes.push(c);
        } else if (c < 2048) {
            bytes.push(192 + (c >> 6), 128 + (c & 63));
        } else {
            if (c >= 55296 && c < 56320 && i + 1 < s.length) {
                c = 65536 + ((c - 55296) << 10) + (s.charCodeAt(i + 1) - 56320);
                i++;
                bytes.push(240 + (c >> 18), 128 + ((c >> 12) & 63));
            } else {
                bytes.push(224 + (c >> 12));
            }
            bytes.push(128 + ((c >> 6) & 63), 128 + (c & 63));
        }
    }
    return bytes;
}

function StringFingerprint(text, plugin, bits, format) {
    return QLCX_Fingerprint(QLCX_TextBytes(text, format), plugin, bits);
}

// There is no memory to point into: the buffer is a text (its UTF-8 bytes) or an array of
// byte values, of which the first size count.
function Fingerprint(buffer, size, plugin, bits) {
    var bytes = buffer;
    if (!QLCX_IsArray(buffer)) { bytes = QLCX_TextBytes(buffer, 0); }
    bytes = bytes.slice(0, Math.max(0, Math.floor(size)));
    for (var i = 0; i < bytes.length; i++) { bytes[i] = bytes[i] & 255; }
    return QLCX_Fingerprint(bytes, plugin, bits);
}

function QLCX_Fingerprint(bytes, plugin, bits) {
    if (plugin == QLCX_CipherCRC32) { return QLCX_Hex32(QLCX_Crc32(bytes)); }
    if (plugin == QLCX_CipherMD5) { return QLCX_Md5(bytes); }
    if (plugin == QLCX_CipherSHA1) { return QLCX_Sha1(bytes); }
    if (plugin == QLCX_CipherSHA2) {
        if (bits == 384 || bits == 512) { return QLCX_Sha512(bytes, bits); }
        return QLCX_Sha256(bytes, bits == 224);
    }
    return "";
}

function QLCX_Hex32(n) {
    return ("0000000" + (n >>> 0).toString(16)).slice(-8);
}

function QLCX_Crc32(bytes) {
    var crc = 4294967295;
    for (var i = 0; i < bytes.length; i++) {
        crc = crc ^ bytes[i];
        for (var k = 0; k < 8; k++) {
            var low = crc & 1;
            crc = crc >>> 1;
            if (low) { crc = crc ^ 3988292384; }
        }
    }
    return (crc ^ 4294967295) >>> 0;
}

function QLCX_Rotl(x, n) {
    return (x << n) | (x >>> (32 - n));
}

function QLCX_Rotr(x, n) {
    return (x >>> n) | (x << (32 - n));
}

// The message padded to whole 64-byte blocks and read as 32-bit words, the length in bits at
// the end; MD5 reads words and the length low byte first, SHA high byte first.
function QLCX_Words(bytes, lowFirst) {
    var m = bytes.slice(0);
    var bitLength = bytes.length * 8;
    m.push(128);
    while (m.length % 64 != 56) { m.push(0); }
    for (var i = 0; i < 8; i++) {
        var shift = 8 * i;
        if (!lowFirst) { shift = 56 - 8 * i; }
        m.push(Math.floor(bitLength / Math.pow(2, shift)) & 255);
    }
    var words = [];
    for (var j = 0; j < m.length; j += 4) {
        if (lowFirst) {
            words.push(m[j] | (m[j + 1] << 8) | (m[j + 2] << 16) | (m[j + 3] << 24));
        } else {
            words.push((m[j] << 24) | (m[j + 1] << 16) | (m[j + 2] << 8) | m[j + 3]);
        }
    }
    return words;
}

var QLCX_Md5Shifts = [7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21];

function QLCX_Md5(bytes) {
    var w = QLCX_Words(bytes, 1);
    var h = [1732584193, 4023233417, 2562383102, 271733878];
    for (var at = 0; at < w.length; at += 16) {
        var a = h[0];
        var b = h[1];
        var c = h[2];
        var d = h[3];
        for (var i = 0; i < 64; i++) {
            var f = 0;
            var g = i;
            var round = i >> 4;
            if (round == 0) {
                f = (b & c) | ((b ^ 4294967295) & d);
            } else if (round == 1) {
                f = (d & b) | ((d ^ 4294967295) & c);
                g = (5 * i + 1) % 16;
            } else if (round == 2) {
                f = b ^ c ^ d;
                g = (3 * i + 5) % 16;
            } else {
                f = c ^ (b | (d ^ 4294967295));
                g = (7 * i) % 16;
            }
            var k = Math.floor(Math.abs(Math.sin(i + 1)) * 4294967296);
            f = (f + a + k + w[at + g]) | 0;
            a = d;
            d = c;
            c = b;
            b = (b + QLCX_Rotl(f, QLCX_Md5Shifts[round * 4 + (i & 3)])) | 0;
        }
        h = [(h[0] + a) | 0, (h[1] + b) | 0, (h[2] + c) | 0, (h[3] + d) | 0];
    }
    var hex = "";
    for (var n = 0; n < 4; n++) {
        for (var s = 0; s < 32; s += 8) { hex = hex + ("0" + ((h[n] >>> s) & 255).toString(16)).slice(-2); }
    }
    return hex;
}

function QLCX_Sha1(bytes) {
    var w = QLCX_Words(bytes, 0);
    var h = [1732584193, 4023233417, 2562383102, 271733878, 3285377520];
    for (var at = 0; at < w.length; at += 16) {
        var x = w.slice(at, at + 16);
        for (var t = 16; t < 80; t++) { x[t] = QLCX_Rotl(x[t - 3] ^ x[t - 8] ^ x[t - 14] ^ x[t - 16], 1); }
        var a = h[0];
        var b = h[1];
        var c = h[2];
        var d = h[3];
        var e = h[4];
        for (var i = 0; i < 80; i++) {
            var f = b ^ c ^ d;
            var k = 3395469782;
            if (i < 20) {
                f = (b & c) | ((b ^ 4294967295) & d);
                k = 1518500249;
            } else if (i < 40) {
                k = 1859775393;
            } else if (i < 60) {
                f = (b & c) | (b & d) | (c & d);
                k = 2400959708;
            }
            var next = (QLCX_Rotl(a, 5) + f + e + k + x[i]) | 0;
            e = d;
            d = c;
            c = QLCX_Rotl(b, 30);
            b = a;
            a = next;
        }
        h = [(h[0] + a) | 0, (h[1] + b) | 0, (h[2] + c) | 0, (h[3] + d) | 0, (h[4] + e) | 0];
    }
    return QLCX_HexWords(h, 5);
}

function QLCX_HexWords(h, count) {
    var hex = "";
    for (var i = 0; i < count; i++) { hex = hex + QLCX_Hex32(h[i]); }
    return hex;
}

// The first n primes.
function QLCX_Primes(n) {
    var primes = [];
    for (var p = 2; primes.length < n; p++) {
        var prime = 1;
        for (var i = 0; i < primes.length && primes[i] * primes[i] <= p; i++) {
            if (p % primes[i] == 0) { prime = 0; }
        }
        if (prime) { primes.push(p); }
    }
    return primes;
}

// The first `bits` fractional bits of the root-th root of p, as a big integer: the integer
// root of p * 2^(bits*root) by Newton's steps from above, its whole part cut off.
function QLCX_RootBits(p, root, bits) {
    var big = window.BigInt;
    var r = big(root);
    var n = big(p) << big(bits * root);
    var x = big(1) << big(bits + 4);
    var next = QLCX_RootStep(x, n, r);
    while (next < x) {
        x = next;
        next = QLCX_RootStep(x, n, r);
    }
    return x & ((big(1) << big(bits)) - big(1));
}

// One Newton step towards the integer root: ((r-1)x + n / x^(r-1)) / r.
function QLCX_RootStep(x, n, r) {
    var one = window.BigInt(1);
    var power = one;
    for (var i = one; i < r; i++) { power = power * x; }
    return ((r - one) * x + n / power) / r;
}

// The 80 round constants (cube roots) as 64-bit big integers; SHA-256 takes the high 32 bits of
// the first 64.
function QLCX_Sha2Constants() {
    if (!QLCX_Sha2Rounds) {
        QLCX_Sha2Primes = QLCX_Primes(80);
        QLCX_Sha2Rounds = [];
        for (var i = 0; i < 80; i++) { QLCX_Sha2Rounds.push(QLCX_RootBits(QLCX_Sha2Primes[i], 3, 64)); }
    }
    return QLCX_Sha2Rounds;
}

// Start values: square roots of the first 8 primes (256, 512), of the 9th to 16th (224, 384);
// 224 takes the low 32 of their 64 fractional bits.
function QLCX_Sha2Start(first, bits, low) {
    QLCX_Sha2Constants();
    var big = window.BigInt;
    var h = [];
    for (var i = first; i < first + 8; i++) {
        var v = QLCX_RootBits(QLCX_Sha2Primes[i], 2, 64);
        if (bits == 32 && low) { v = v & big(4294967295); }
        if (bits == 32 && !low) { v = v >> big(32); }
        if (bits == 32) { v = window.Number(v) | 0; }
        h.push(v);
    }
    return h;
}

function QLCX_Sha256(bytes, narrow) {
    var rounds = QLCX_Sha2Constants();
    var k = [];
    for (var r = 0; r < 64; r++) { k.push(window.Number(rounds[r] >> window.BigInt(32)) | 0); }
    var h = QLCX_Sha2Start(0, 32, 0);
    if (narrow) { h = QLCX_Sha2Start(8, 32, 1); }
    var w = QLCX_Words(bytes, 0);
    for (var at = 0; at < w.length; at += 16) {
        var x = w.slice(at, at + 16);
        for (var t = 16; t < 64; t++) {
            var s0 = QLCX_Rotr(x[t - 15], 7) ^ QLCX_Rotr(x[t - 15], 18) ^ (x[t - 15] >>> 3);
            var s1 = QLCX_Rotr(x[t - 2], 17) ^ QLCX_Rotr(x[t - 2], 19) ^ (x[t - 2] >>> 10);
            x[t] = (x[t - 16] + s0 + x[t - 7] + s1) | 0;
        }
        var v = h.slice(0);
        for (var i = 0; i < 64; i++) {
            var e = v[4];
            var a = v[0];
            var ch = (e & v[5]) ^ ((e ^ 4294967295) & v[6]);
            var t1 = (v[7] + (QLCX_Rotr(e, 6) ^ QLCX_Rotr(e, 11) ^ QLCX_Rotr(e, 25)) + ch + k[i] + x[i]) | 0;
            var maj = (a & v[1]) ^ (a & v[2]) ^ (v[1] & v[2]);
            var t2 = ((QLCX_Rotr(a, 2) ^ QLCX_Rotr(a, 13) ^ QLCX_Rotr(a, 22)) + maj) | 0;
            v = [(t1 + t2) | 0, a, v[1], v[2], (v[3] + t1) | 0, e, v[5], v[6]];
        }
        for (var j = 0; j < 8; j++) { h[j] = (h[j] + v[j]) | 0; }
    }
    if (narrow) { return QLCX_HexWords(h, 7); }
    return QLCX_HexWords(h, 8);
}

// SHA-384 and SHA-512 work on 64-bit words, here big integers kept to 64 bits.
function QLCX_Rotr64(x, n) {
    var big = window.BigInt;
    return ((x >> big(n)) | (x << big(64 - n))) & QLCX_Mask64();
}

function QLCX_Mask64() {
    return (window.BigInt(1) << window.BigInt(64)) - window.BigInt(1);
}

// 128-byte blocks, the length in 128 bits at the end, read as 64-bit words.
function QLCX_Words64(bytes) {
    var big = window.BigInt;
    var m = bytes.slice(0);
    var bitLength = bytes.length * 8;
    m.push(128);
    while (m.length % 128 != 112) { m.push(0); }
    for (var i = 15; i >= 0; i--) { m.push(Math.floor(bitLength / Math.pow(2, 8 * i)) & 255); }
    var words = [];
    for (var j = 0; j < m.length; j += 8) {
        var v = big(0);
        for (var b = 0; b < 8; b++) { v = (v << big(8)) | big(m[j + b]); }
        words.push(v);
    }
    return words;
}

function QLCX_Sha512(bytes, bits) {
    var big = window.BigInt;
    var mask = QLCX_Mask64();
    var k = QLCX_Sha2Constants();
    var h = QLCX_Sha2Start(0, 64, 0);
    if (bits == 384) { h = QLCX_Sha2Start(8, 64, 0); }
    var w = QLCX_Words64(bytes);
    for (var at = 0; at < w.length; at += 16) {
        var x = w.slice(at, at + 16);
        for (var t = 16; t < 80; t++) {
            var s0 = QLCX_Rotr64(x[t - 15], 1) ^ QLCX_Rotr64(x[t - 15], 8) ^ (x[t - 15] >> big(7));
            var s1 = QLCX_Rotr64(x[t - 2], 19) ^ QLCX_Rotr64(x[t - 2], 61) ^ (x[t - 2] >> big(6));
            x[t] = (x[t - 16] + s0 + x[t - 7] + s1) & mask;
        }
        var v = h.slice(0);
        for (var i = 0; i < 80; i++) {
            var e = v[4];
            var a = v[0];
            var ch = (e & v[5]) ^ ((e ^ mask) & v[6]);
            var t1 = (v[7] + (QLCX_Rotr64(e, 14) ^ QLCX_Rotr64(e, 18) ^ QLCX_Rotr64(e, 41)) + ch + k[i] + x[i]) & mask;
            var maj = (a & v[1]) ^ (a & v[2]) ^ (v[1] & v[2]);
            var t2 = ((QLCX_Rotr64(a, 28) ^ QLCX_Rotr64(a, 34) ^ QLCX_Rotr64(a, 39)) + maj) & mask;
            v = [(t1 + t2) & mask, a, v[1], v[2], (v[3] + t1) & mask, e, v[5], v[6]];
        }
        for (var j = 0; j < 8; j++) { h[j] = (h[j] + v[j]) & mask; }
    }
    var hex = "";
    for (var n = 0; n < bits / 64; n++) { hex = hex + ("000000000000000" + h[n].toString(16)).slice(-16); }
    return hex;
}
