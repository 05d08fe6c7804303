// The gradient and custom filter drawing modes. In either, a shape's pixels each get their own
// colour (through the pixel copy of the drawing functions): the gradient's colour at that point,
// or what the program's filter procedure gives for the point, the colour drawn and the colour
// already there.
var QLCX_ModeGradient = 64;
var QLCX_ModeCustomFilter = 128;
var QLCX_Filter = 0;
// The gradient: 1 linear from (a, b) to (c, d), 2 circular around (a, b) with radius c.
var QLCX_GradientShape = [1, 0, 0, 1, 0];
// Colour stops the program added, [position, colour], kept in order of position; the ends are
// the back colour (0) and the front colour (1) unless a stop sits there.
var QLCX_GradientStops = [];

function CustomFilterCallback(filter) {
    QLCX_Filter = filter;
}

function LinearGradient(x1, y1, x2, y2) {
    QLCX_GradientShape = [1, x1, y1, x2, y2];
}

function CircularGradient(x, y, radius) {
    QLCX_GradientShape = [2, x, y, radius, 0];
}

// A stop at position 0 to 1 along the gradient; a second stop at a position replaces the first.
function GradientColor(position, color) {
    var at = Math.max(0, Math.min(1, QLCX_Number(position)));
    var stops = [];
    var placed = 0;
    for (var i = 0; i < QLCX_GradientStops.length; i++) {
        var stop = QLCX_GradientStops[i];
        if (!placed && stop[0] > at) {
            stops.push([at, color]);
            placed = 1;
        }
        if (stop[0] != at) { stops.push(stop); }
    }
    if (!placed) { stops.push([at, color]); }
    QLCX_GradientStops = stops;
}

function ResetGradientColors() {
    QLCX_GradientStops = [];
}

// Where x, y lies along the gradient, 0 to 1.
function QLCX_GradientPlace(x, y) {
    var g = QLCX_GradientShape;
    var t = 0;
    if (g[0] == 2) {
        if (g[3] > 0) { t = Math.sqrt((x - g[1]) * (x - g[1]) + (y - g[2]) * (y - g[2])) / g[3]; }
    } else {
        var dx = g[3] - g[1];
        var dy = g[4] - g[2];
        var length = dx * dx + dy * dy;
        if (length > 0) { t = ((x - g[1]) * dx + (y - g[2]) * dy) / length; }
    }
    return Math.max(0, Math.min(1, t));
}

function QLCX_GradientAt(x, y) {
    var t = QLCX_GradientPlace(x, y);
    var stops = [[0, QLCX_BackColor]];
    for (var i = 0; i < QLCX_GradientStops.length; i++) { stops.push(QLCX_GradientStops[i]); }
    stops.push([1, QLCX_FrontColor]);
    var k = 1;
    while (k < stops.length - 1 && stops[k][0] < t) { k++; }
    var from = stops[k - 1];
    var to = stops[k];
    var f = 0;
    if (to[0] > from[0]) { f = (t - from[0]) / (to[0] - from[0]); }
    return QLCX_MixColors(from[1], to[1], f);
}

// The colour f of the way from a to b (0: a, 1: b), channel by channel.
function QLCX_MixColors(a, b, f) {
    var mixed = 0;
    for (var shift = 0; shift < 24; shift += 8) {
        var ca = (a >> shift) & 255;
        var cb = (b >> shift) & 255;
        mixed = mixed + (Math.round(ca + (cb - ca) * f) << shift);
    }
    return mixed;
}

// One pixel of a shape in the current mode.
function QLCX_PaintPixel(p, i, x, y, color) {
    if (QLCX_DrawMode & QLCX_ModeGradient) { color = QLCX_GradientAt(x, y); }
    if ((QLCX_DrawMode & QLCX_ModeCustomFilter) && QLCX_Filter) {
        var target = p[i] + (p[i + 1] << 8) + (p[i + 2] << 16);
        var made = QLCX_Number(QLCX_Filter(x, y, color, target));
        p[i] = made & 255;
        p[i + 1] = (made >> 8) & 255;
        p[i + 2] = (made >> 16) & 255;
        p[i + 3] = 255;
        return;
    }
    QLCX_SetPixel(p, i, color);
}
