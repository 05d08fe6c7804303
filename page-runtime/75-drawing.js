// Drawing: every drawing command works on the output that StartDrawing chose (the screen, an
// image, a canvas gadget or a window), or on the screen when none was chosen.
//
// Pixels are exact, as on the desktop: shapes are rows of whole pixels filled with fillRect,
// never anti-aliased paths, so Point reads back exactly the colour drawn, and FillArea stops at
// an outline without leaking through soft edges.
//
// Single pixels (Plot, Point, FillArea and the XOr mode) go through a copy of the output's
// pixels: reading and writing the canvas one pixel at a time is far too slow for a fractal or a
// cellular automaton. The copy is written back before anything else draws on that canvas, at
// StopDrawing, and when the script next gives the browser a turn.

// Mode bits of DrawingMode.
var QLCX_ModeTransparent = 1;
var QLCX_ModeXOr = 2;
var QLCX_ModeOutlined = 4;
var QLCX_ModeAlphaBlend = 16;
var QLCX_DefaultFont = "10pt Arial";

// The output drawn on (0: the screen) and its context.
var QLCX_DrawCanvas = 0;
var QLCX_DrawContext = 0;
var QLCX_DrawMode = 0;
var QLCX_FrontColor = 0;
var QLCX_BackColor = 0;
var QLCX_DrawFont = QLCX_DefaultFont;

// The pixel copy: the canvas it belongs to, its image data and pixel array, whether it holds
// pixels the canvas does not have yet, and whether a write-back is already scheduled.
var QLCX_CopyCanvas = 0;
var QLCX_CopyData = 0;
var QLCX_CopyPixels = 0;
var QLCX_CopyDirty = 0;
var QLCX_CopyScheduled = 0;

// Canvases that show an image loaded from a file: a page opened from disk may not read their
// pixels back, so single-pixel work there falls back to what the context can do.
var QLCX_Tainted = [];

// Fonts by number, as FontID gives them: [name, size in points, bold, italic].
var QLCX_Fonts = [];

function QLCX_IsCanvas(output) {
    if (!output) { return 0; }
    if (output.getContext) { return 1; }
    return 0;
}

function QLCX_TargetCanvas() {
    if (QLCX_DrawCanvas) { return QLCX_DrawCanvas; }
    return QLCX_Canvas;
}

function QLCX_TargetContext() {
    if (QLCX_DrawContext) { return QLCX_DrawContext; }
    return QLCX_Context;
}

// StartDrawing(output): an output from ImageOutput, CanvasOutput or WindowOutput; anything
// else (ScreenOutput(), or nothing) is the screen.
function StartDrawing(output) {
    QLCX_DrawBufferBack();
    QLCX_Settle(0);
    QLCX_DrawCanvas = 0;
    QLCX_DrawContext = 0;
    if (QLCX_IsCanvas(output)) {
        QLCX_DrawCanvas = output;
        QLCX_DrawContext = output.getContext("2d");
        // A scaled image keeps whole pixels, as the screen does without Sprite3DQuality.
        QLCX_DrawContext.imageSmoothingEnabled = false;
    }
    QLCX_DrawMode = 0;
    QLCX_DrawFont = QLCX_DefaultFont;
    var ctx = QLCX_TargetContext();
    if (!ctx) { return 0; }
    ctx.textBaseline = "top";
    ctx.font = QLCX_DrawFont;
    return 1;
}

function StopDrawing() {
    QLCX_DrawBufferBack();
    var canvas = QLCX_DrawCanvas;
    QLCX_Settle(0);
    QLCX_DrawCanvas = 0;
    QLCX_DrawContext = 0;
    if (canvas) { QLCX_ImageDrawn(canvas); }
    return 1;
}

function DrawingMode(mode) {
    QLCX_DrawMode = QLCX_Number(mode);
}

function FrontColor(color) {
    QLCX_FrontColor = QLCX_Number(color);
}

function BackColor(color) {
    QLCX_BackColor = QLCX_Number(color);
}

// A colour argument, or the front colour when it is missing.
function QLCX_Front(color) {
    if (!color && color != 0) { return QLCX_FrontColor; }
    return color;
}

function QLCX_HasMode(bit) {
    return (QLCX_DrawMode & bit) != 0;
}

// Writes the pixel copy back into its canvas; the copy stays valid.
function QLCX_Flush() {
    QLCX_CopyScheduled = 0;
    if (!QLCX_CopyDirty) { return; }
    QLCX_CopyDirty = 0;
    QLCX_CopyCanvas.getContext("2d").putImageData(QLCX_CopyData, 0, 0);
}

// Before the context draws on canvas (0: any canvas), the copy goes back and is forgotten, since
// the drawing changes pixels the copy would not know.
function QLCX_Settle(canvas) {
    if (!QLCX_CopyData) { return; }
    if (canvas && canvas != QLCX_CopyCanvas) { return; }
    QLCX_Flush();
    QLCX_CopyData = 0;
    QLCX_CopyPixels = 0;
    QLCX_CopyCanvas = 0;
}

// The context of the output, ready to draw on.
function QLCX_Direct() {
    QLCX_Settle(0);
    return QLCX_TargetContext();
}

function QLCX_Taint(canvas) {
    if (QLCX_Tainted.indexOf(canvas) < 0) { QLCX_Tainted.push(canvas); }
}

// The pixel array of the output (4 bytes a pixel, row by row), or 0 when it cannot be read.
function QLCX_PixelCopy() {
    var canvas = QLCX_TargetCanvas();
    if (QLCX_CopyData && QLCX_CopyCanvas == canvas) { return QLCX_CopyPixels; }
    QLCX_Settle(0);
    if (!canvas) { return 0; }
    if (QLCX_Tainted.indexOf(canvas) >= 0) { return 0; }
    if (!(canvas.width > 0) || !(canvas.height > 0)) { return 0; }
    QLCX_CopyData = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height);
    QLCX_CopyPixels = QLCX_CopyData.data;
    QLCX_CopyCanvas = canvas;
    return QLCX_CopyPixels;
}

// Marks the copy changed; a program that plots and never stops drawing (on the screen) still
// sees its pixels once it gives the browser a turn.
function QLCX_CopyChanged() {
    QLCX_CopyDirty = 1;
    if (!QLCX_CopyScheduled) {
        QLCX_CopyScheduled = 1;
        setTimeout(QLCX_Flush, 0);
    }
}

// The index of pixel x, y in the copy, or -1 outside the output.
function QLCX_PixelIndex(x, y) {
    var canvas = QLCX_CopyCanvas;
    x = Math.floor(x);
    y = Math.floor(y);
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) { return -1; }
    return (y * canvas.width + x) * 4;
}

// The bits of a that b does not share, and those of b that a does not: exclusive or, written
// without its operator, which script compaction does not carry.
function QLCX_Flip(a, b) {
    return (a | b) - (a & b);
}

// Sets one pixel of the copy in the drawing mode: XOr flips the colour's bits, AlphaBlend mixes
// by the colour's alpha, anything else replaces the pixel.
function QLCX_SetPixel(p, i, color) {
    var r = color & 255;
    var g = (color >> 8) & 255;
    var b = (color >> 16) & 255;
    if (QLCX_DrawMode & QLCX_ModeXOr) {
        p[i] = QLCX_Flip(p[i], r);
        p[i + 1] = QLCX_Flip(p[i + 1], g);
        p[i + 2] = QLCX_Flip(p[i + 2], b);
        return;
    }
    if (QLCX_DrawMode & QLCX_ModeAlphaBlend) {
        var a = (color >> 24) & 255;
        var keep = 255 - a;
        p[i] = Math.round((r * a + p[i] * keep) / 255);
        p[i + 1] = Math.round((g * a + p[i + 1] * keep) / 255);
        p[i + 2] = Math.round((b * a + p[i + 2] * keep) / 255);
        if (p[i + 3] < a) { p[i + 3] = a; }
        return;
    }
    p[i] = r;
    p[i + 1] = g;
    p[i + 2] = b;
    p[i + 3] = 255;
}

function Plot(x, y, color) {
    color = QLCX_Front(color);
    var p = QLCX_PixelCopy();
    if (!p) {
        QLCX_FillStyle(QLCX_Direct(), color);
        QLCX_Direct().fillRect(Math.floor(x), Math.floor(y), 1, 1);
        return;
    }
    var i = QLCX_PixelIndex(x, y);
    if (i < 0) { return; }
    QLCX_PaintPixel(p, i, Math.floor(x), Math.floor(y), color);
    QLCX_CopyChanged();
}

// The colour at x, y as RGB gives it; 0 outside the output.
function Point(x, y) {
    var p = QLCX_PixelCopy();
    if (!p) { return 0; }
    var i = QLCX_PixelIndex(x, y);
    if (i < 0) { return 0; }
    return p[i] + (p[i + 1] << 8) + (p[i + 2] << 16);
}

// The fill style for a colour: with AlphaBlend its alpha counts, otherwise it is opaque.
function QLCX_FillStyle(ctx, color) {
    if (QLCX_DrawMode & QLCX_ModeAlphaBlend) {
        ctx.fillStyle = "rgba(" + (color & 255) + "," + ((color >> 8) & 255) + "," + ((color >> 16) & 255) + "," + (((color >> 24) & 255) / 255) + ")";
        return;
    }
    ctx.fillStyle = QLCX_ColorText(color);
}

// Shapes are drawn as horizontal runs of pixels, x1 to x2 on row y. In the XOr, gradient and
// custom filter modes a run goes through the pixel copy (the context cannot flip bits or give
// each pixel its own colour); otherwise it is one fillRect.
var QLCX_RunColor = 0;
var QLCX_RunPixels = 0;
var QLCX_RunContext = 0;

function QLCX_BeginRuns(color) {
    QLCX_RunColor = color;
    QLCX_RunPixels = 0;
    if (QLCX_DrawMode & (QLCX_ModeXOr | QLCX_ModeGradient | QLCX_ModeCustomFilter)) { QLCX_RunPixels = QLCX_PixelCopy(); }
    if (QLCX_RunPixels) { return; }
    QLCX_RunContext = QLCX_Direct();
    QLCX_FillStyle(QLCX_RunContext, color);
}

function QLCX_Run(x1, x2, y) {
    if (x2 < x1) { return; }
    if (!QLCX_RunPixels) {
        QLCX_RunContext.fillRect(x1, y, x2 - x1 + 1, 1);
        return;
    }
    var canvas = QLCX_CopyCanvas;
    if (y < 0 || y >= canvas.height) { return; }
    if (x1 < 0) { x1 = 0; }
    if (x2 >= canvas.width) { x2 = canvas.width - 1; }
    for (var x = x1; x <= x2; x++) {
        QLCX_PaintPixel(QLCX_RunPixels, (y * canvas.width + x) * 4, x, y, QLCX_RunColor);
    }
    QLCX_CopyChanged();
}

// A convex shape given row by row: row j (top + j) covers lefts[j] to rights[j]. Filled, every
// row is one run; outlined, only the pixels with a neighbour outside the shape are drawn, so
// an outline is one pixel wide and closed, and it is exactly the edge of the filled shape.
function QLCX_Rows(top, lefts, rights, color) {
    var n = lefts.length;
    QLCX_BeginRuns(color);
    var outlined = QLCX_HasMode(QLCX_ModeOutlined);
    for (var j = 0; j < n; j++) {
        var l = lefts[j];
        var r = rights[j];
        if (!outlined || j == 0 || j == n - 1) {
            QLCX_Run(l, r, top + j);
            continue;
        }
        var innerL = Math.max(l + 1, lefts[j - 1], lefts[j + 1]);
        var innerR = Math.min(r - 1, rights[j - 1], rights[j + 1]);
        if (innerL > innerR) {
            QLCX_Run(l, r, top + j);
        } else {
            QLCX_Run(l, innerL - 1, top + j);
            QLCX_Run(innerR + 1, r, top + j);
        }
    }
}

// A negative width or height reaches left of x or above y.
function Box(x, y, w, h, color) {
    x = Math.round(x);
    y = Math.round(y);
    w = Math.round(w);
    h = Math.round(h);
    if (w < 0) {
        x = x + w;
        w = 0 - w;
    }
    if (h < 0) {
        y = y + h;
        h = 0 - h;
    }
    var lefts = [];
    var rights = [];
    for (var j = 0; j < h; j++) {
        lefts.push(x);
        rights.push(x + w - 1);
    }
    QLCX_Rows(y, lefts, rights, QLCX_Front(color));
}

// Half the width of an ellipse row dy rows from its middle; the radii reach half a pixel
// further, so that a circle of radius r spans 2r + 1 pixels with a flat top like the desktop's.
function QLCX_HalfWidth(rx, ry, dy) {
    var fy = dy / (ry + 0.5);
    var f = 1 - fy * fy;
    if (f <= 0) { return 0; }
    return Math.floor((rx + 0.5) * Math.sqrt(f));
}

function Ellipse(x, y, rx, ry, color) {
    x = Math.round(x);
    y = Math.round(y);
    rx = Math.abs(Math.round(rx));
    ry = Math.abs(Math.round(ry));
    var lefts = [];
    var rights = [];
    for (var dy = 0 - ry; dy <= ry; dy++) {
        var half = QLCX_HalfWidth(rx, ry, dy);
        lefts.push(x - half);
        rights.push(x + half);
    }
    QLCX_Rows(y - ry, lefts, rights, QLCX_Front(color));
}

function Circle(x, y, radius, color) {
    Ellipse(x, y, radius, radius, color);
}

// A box whose corners are quarter ellipses of radii rx, ry.
function RoundBox(x, y, w, h, rx, ry, color) {
    x = Math.round(x);
    y = Math.round(y);
    w = Math.abs(Math.round(w));
    h = Math.abs(Math.round(h));
    rx = Math.min(Math.abs(Math.round(rx)), Math.floor(w / 2));
    ry = Math.min(Math.abs(Math.round(ry)), Math.floor(h / 2));
    var lefts = [];
    var rights = [];
    for (var j = 0; j < h; j++) {
        var d = 0;
        if (j < ry) { d = ry - j; }
        if (j > h - 1 - ry) { d = j - (h - 1 - ry); }
        var inset = 0;
        if (d > 0) { inset = rx - QLCX_HalfWidth(rx, ry, d); }
        lefts.push(x + inset);
        rights.push(x + w - 1 - inset);
    }
    QLCX_Rows(y, lefts, rights, QLCX_Front(color));
}

// Every pixel from x1, y1 to x2, y2, both ends included (Bresenham's steps).
function LineXY(x1, y1, x2, y2, color) {
    x1 = Math.round(x1);
    y1 = Math.round(y1);
    x2 = Math.round(x2);
    y2 = Math.round(y2);
    QLCX_BeginRuns(QLCX_Front(color));
    var dx = Math.abs(x2 - x1);
    var dy = 0 - Math.abs(y2 - y1);
    var sx = 1;
    var sy = 1;
    if (x2 < x1) { sx = -1; }
    if (y2 < y1) { sy = -1; }
    var err = dx + dy;
    while (1) {
        QLCX_Run(x1, x1, y1);
        if (x1 == x2 && y1 == y2) { break; }
        var e2 = 2 * err;
        if (e2 >= dy) {
            err = err + dy;
            x1 = x1 + sx;
        }
        if (e2 <= dx) {
            err = err + dx;
            y1 = y1 + sy;
        }
    }
}

// A line from x, y over width by height pixels: Line(0, 0, 10, 1) covers ten pixels of row 0.
function QLCX_Sign(v) {
    if (v > 0) { return 1; }
    if (v < 0) { return -1; }
    return 0;
}

function Line(x, y, w, h, color) {
    LineXY(x, y, x + w - QLCX_Sign(w), y + h - QLCX_Sign(h), color);
}

// Flood fill from x, y over 4 neighbours: with an outline colour, everything up to that colour;
// with outline -1, the region of the colour found at x, y.
function FillArea(x, y, outline, color) {
    color = QLCX_Front(color);
    var p = QLCX_PixelCopy();
    if (!p) { return; }
    var start = QLCX_PixelIndex(x, y);
    if (start < 0) { return; }
    var w = QLCX_CopyCanvas.width;
    var h = QLCX_CopyCanvas.height;
    var found = p[start] + (p[start + 1] << 8) + (p[start + 2] << 16);
    var bounded = outline != -1;
    outline = outline & 16777215;
    var seen = new Uint8Array(w * h);
    var stack = [start / 4];
    while (stack.length > 0) {
        var k = stack.pop();
        if (seen[k]) { continue; }
        var i = k * 4;
        var here = p[i] + (p[i + 1] << 8) + (p[i + 2] << 16);
        if (bounded && here == outline) { continue; }
        if (!bounded && here != found) { continue; }
        seen[k] = 1;
        QLCX_SetPixel(p, i, color);
        var px = k - Math.floor(k / w) * w;
        if (px > 0) { stack.push(k - 1); }
        if (px < w - 1) { stack.push(k + 1); }
        if (k >= w) { stack.push(k - w); }
        if (k < w * (h - 1)) { stack.push(k + w); }
    }
    QLCX_CopyChanged();
}

// Fonts: LoadFont(id, name$, size [, flags]) with #PB_Font_Bold 256 and #PB_Font_Italic 512.
// A name is a font of the system, or a font file the page holds ("fonts/pixel.ttf"), which the
// browser loads under a family name of its own; text drawn before it has arrived falls back.
function LoadFont(id, name, size, flags) {
    var asked = id;
    id = QLCX_PickNumber(id, QLCX_Fonts);
    if (!(size > 0)) { size = 10; }
    var family = QLCX_Text(name);
    var url = QLCX_FileUrl(name);
    if (("" + url).substr(0, 5) == "data:" && QLCX_MimeType("" + name).substr(0, 5) == "font/") {
        family = "QLCXfont" + id;
        var face = new window.FontFace(family, "url(" + url + ")");
        document.fonts.add(face);
        // A file that is no font leaves the fallback; its failure is no fault of the program.
        face.load().then(empty, empty);
    }
    QLCX_Fonts[id] = [family, size, (flags & 256) != 0, (flags & 512) != 0];
    return QLCX_Created(asked, id);
}

function FontID(id) {
    var font = QLCX_Fonts[id];
    if (!font) { return 0; }
    return font;
}

// The text the drawing context takes for a font from FontID (or a font number); "" for none.
function QLCX_FontText(font) {
    if (font && !font.length) { font = QLCX_Fonts[font]; }
    if (!font || !font.length) { return ""; }
    var style = "";
    if (font[3]) { style = "italic "; }
    if (font[2]) { style = style + "bold "; }
    return style + font[1] + "pt " + font[0] + ", sans-serif";
}

function DrawingFont(font) {
    QLCX_DrawFont = QLCX_FontText(font);
    if (!QLCX_DrawFont) { QLCX_DrawFont = QLCX_DefaultFont; }
    var ctx = QLCX_TargetContext();
    if (ctx) { ctx.font = QLCX_DrawFont; }
}

function TextWidth(text) {
    var ctx = QLCX_TargetContext();
    ctx.font = QLCX_DrawFont;
    return Math.round(ctx.measureText(QLCX_Text(text)).width);
}

function TextHeight(text) {
    var ctx = QLCX_TargetContext();
    ctx.font = QLCX_DrawFont;
    var m = ctx.measureText("Mg");
    return Math.round(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent);
}

// Text in the front colour; in the default mode on a box of the back colour, in Transparent
// mode without it; in XOr mode its pixels flip the output's bits.
function DrawText(x, y, text, front, back) {
    text = "" + QLCX_Text(text);
    front = QLCX_Front(front);
    if (!back && back != 0) { back = QLCX_BackColor; }
    x = Math.round(x);
    y = Math.round(y);
    var w = TextWidth(text);
    var h = TextHeight(text);
    if (QLCX_HasMode(QLCX_ModeXOr)) {
        QLCX_XOrText(x, y, text, w, h, front);
        return x + w;
    }
    var ctx = QLCX_Direct();
    ctx.textBaseline = "top";
    if (!QLCX_HasMode(QLCX_ModeTransparent)) {
        QLCX_FillStyle(ctx, back);
        ctx.fillRect(x, y, w, h);
    }
    QLCX_FillStyle(ctx, front);
    ctx.fillText(text, x, y);
    return x + w;
}

// The text is drawn on a scratch canvas; each pixel it covers at least half flips its bits.
function QLCX_XOrText(x, y, text, w, h, front) {
    if (!(w > 0) || !(h > 0)) { return; }
    var scratch = document.createElement("canvas");
    scratch.width = w;
    scratch.height = h;
    var sctx = scratch.getContext("2d");
    sctx.font = QLCX_DrawFont;
    sctx.textBaseline = "top";
    sctx.fillStyle = "rgb(255,255,255)";
    sctx.fillText(text, 0, 0);
    var mask = sctx.getImageData(0, 0, w, h).data;
    QLCX_BeginRuns(front);
    for (var j = 0; j < h; j++) {
        for (var i = 0; i < w; i++) {
            if (mask[(j * w + i) * 4 + 3] >= 128) { QLCX_Run(x + i, x + i, y + j); }
        }
    }
}

// The black underlay makes transparent parts of a sprite black, as on a screen that is not
// cleared between sprites. A width and height scale the image.
function DrawImage(ID, x, y, w, h) {
    var img = QLCX_LoadedImage(ID);
    if (!img) { return; }
    if (!(w > 0) || !(h > 0)) {
        w = img.width;
        h = img.height;
    }
    var ctx = QLCX_Direct();
    ctx.fillStyle = "rgb(0,0,0)";
    ctx.fillRect(x, y, w, h);
    ctx.drawImage(img, x, y, w, h);
    QLCX_DrewImage(img);
}

function QLCX_UseAlpha(alpha) {
    if (alpha) { QLCX_TargetContext().globalAlpha = alpha / 255; }
}

function DrawAlphaImage(ID, x, y, alpha) {
    var img = QLCX_LoadedImage(ID);
    if (!img) { return; }
    var ctx = QLCX_Direct();
    QLCX_UseAlpha(alpha);
    ctx.drawImage(img, x, y);
    ctx.globalAlpha = 1;
    QLCX_DrewImage(img);
}

// An image from a file makes the output unreadable for a page opened from disk.
function QLCX_DrewImage(img) {
    if (QLCX_FromFile(img) || QLCX_Tainted.indexOf(img) >= 0) { QLCX_Taint(QLCX_TargetCanvas()); }
}
