// Sprites: each sprite is an off-screen canvas (or, loaded from a file, a browser image) with
// its own numbers, apart from the images. The display commands always draw on the screen, as
// the program's sprites do on the desktop, whatever StartDrawing chose.
//
// A sprite record: [source, transparent colour, clip [x, y, w, h] or 0, zoom width, zoom
// height (-1: follow the clip or the source), angle in degrees, masked copy (0: to be made),
// pixels of the masked copy, colour of the tinted copy, tinted copy (0: none)].
var QLCX_SpriteTable = [];
// The colour new sprites treat as see-through; TransparentSpriteColor(#PB_Default, c) sets it.
var QLCX_SpriteClear = 0;
// How sprites mix with the screen: a composite operation of the drawing context.
var QLCX_SpriteBlend = "source-over";
// CreateSprite flag: the sprite starts see-through instead of black.
var QLCX_SpriteAlpha = 2;

function QLCX_StoreSprite(id, source) {
    var asked = id;
    id = QLCX_PickNumber(id, QLCX_SpriteTable);
    QLCX_SpriteTable[id] = [source, QLCX_SpriteClear, 0, -1, -1, 0, 0, 0, 0, 0];
    return QLCX_Created(asked, id);
}

// CreateSprite(id, width, height [, flags]): black, or see-through with #PB_Sprite_AlphaBlending.
function CreateSprite(id, width, height, flags) {
    if (!(width > 0) || !(height > 0)) { return 0; }
    var canvas = QLCX_NewCanvas(width, height);
    if (!(flags & QLCX_SpriteAlpha)) {
        var ctx = canvas.getContext("2d");
        ctx.fillStyle = "rgb(0,0,0)";
        ctx.fillRect(0, 0, canvas.width, canvas.height);
    }
    return QLCX_StoreSprite(id, canvas);
}

// The file is loaded as an image is, then the browser image moves to the sprite's number.
function LoadSprite(id, path, flags) {
    var held = LoadImage(-1, path);
    var img = QLCX_Images[held];
    QLCX_Images[held] = 0;
    return QLCX_StoreSprite(id, img);
}

function QLCX_Sprite(id) {
    var sprite = QLCX_SpriteTable[id];
    if (!sprite || !sprite[0]) { return 0; }
    return sprite;
}

// The source of a sprite once it can be drawn (a loading image cannot), or 0.
function QLCX_SpriteSource(id) {
    var sprite = QLCX_Sprite(id);
    if (!sprite || !QLCX_Arrived(sprite[0])) { return 0; }
    return sprite[0];
}

function IsSprite(id) {
    if (QLCX_Sprite(id)) { return 1; }
    return 0;
}

function FreeSprite(id) {
    if (QLCX_SpriteTable[id]) { QLCX_SpriteTable[id] = 0; }
}

// The part of the source shown: [x, y, w, h], the clip kept inside the source.
function QLCX_SpritePart(sprite) {
    var source = sprite[0];
    var clip = sprite[2];
    if (!clip) { return [0, 0, source.width, source.height]; }
    var x = Math.max(0, Math.min(clip[0], source.width));
    var y = Math.max(0, Math.min(clip[1], source.height));
    var w = source.width - x;
    var h = source.height - y;
    if (clip[2] >= 0) { w = Math.min(w, clip[2]); }
    if (clip[3] >= 0) { h = Math.min(h, clip[3]); }
    return [x, y, w, h];
}

// The size a sprite shows at: the zoom when set, else its clipped part; 0 while it loads.
function SpriteWidth(id) {
    var sprite = QLCX_Sprite(id);
    if (!sprite || !QLCX_Arrived(sprite[0])) { return 0; }
    if (sprite[3] >= 0) { return sprite[3]; }
    return QLCX_SpritePart(sprite)[2];
}

function SpriteHeight(id) {
    var sprite = QLCX_Sprite(id);
    if (!sprite || !QLCX_Arrived(sprite[0])) { return 0; }
    if (sprite[4] >= 0) { return sprite[4]; }
    return QLCX_SpritePart(sprite)[3];
}

// The canvas to draw on; a sprite loaded from a file becomes a canvas first.
function SpriteOutput(id) {
    var sprite = QLCX_Sprite(id);
    if (!sprite || !QLCX_Arrived(sprite[0])) { return 0; }
    var source = sprite[0];
    if (!source.getContext) {
        var canvas = QLCX_NewCanvas(source.width, source.height);
        canvas.getContext("2d").drawImage(source, 0, 0);
        QLCX_Taint(canvas);
        sprite[0] = canvas;
    }
    QLCX_SpriteChanged(sprite);
    return sprite[0];
}

// The masked and tinted copies no longer show the sprite.
function QLCX_SpriteChanged(sprite) {
    sprite[6] = 0;
    sprite[7] = 0;
    sprite[9] = 0;
}

// With #PB_Default (-1) for the sprite, the colour for sprites made from now on.
function TransparentSpriteColor(id, color) {
    color = QLCX_Number(color) & 16777215;
    if (id == -1) {
        QLCX_SpriteClear = color;
        return;
    }
    var sprite = QLCX_Sprite(id);
    if (!sprite) { return; }
    sprite[1] = color;
    QLCX_SpriteChanged(sprite);
}

// ClipSprite(id, x, y, w, h): only that part shows; #PB_Default for x shows all again, for w
// or h the rest of the sprite.
function ClipSprite(id, x, y, w, h) {
    var sprite = QLCX_Sprite(id);
    if (!sprite) { return; }
    sprite[2] = 0;
    if (x != -1) { sprite[2] = [Math.round(x), Math.round(y), Math.round(w), Math.round(h)]; }
}

// ZoomSprite(id, w, h): the size it shows at; #PB_Default for both gives back its own size.
function ZoomSprite(id, w, h) {
    var sprite = QLCX_Sprite(id);
    if (!sprite) { return; }
    sprite[3] = Math.round(w);
    sprite[4] = Math.round(h);
}

// RotateSprite(id, angle, mode): turns to angle degrees, or by angle with #PB_Relative.
function RotateSprite(id, angle, mode) {
    var sprite = QLCX_Sprite(id);
    if (!sprite) { return; }
    angle = QLCX_Number(angle);
    if (mode == 1) { angle = angle + sprite[5]; }
    sprite[5] = angle - Math.floor(angle / 360) * 360;
}

// SpriteBlendingMode(source, destination), factors numbered as the #PB_Sprite_Blend constants
// (0 zero, 1 one, 2 source colour, 4 source alpha, 8 destination colour): the drawing context
// mixes only some pairs. Adding (source alpha or one, one) and multiplying (destination colour,
// zero, or zero, source colour) have their own operation; any other pair mixes by the source's
// alpha, as sprites do by default.
function SpriteBlendingMode(source, destination) {
    QLCX_SpriteBlend = "source-over";
    if (destination == 1 && (source == 4 || source == 1)) { QLCX_SpriteBlend = "lighter"; }
    if (source == 8 && destination == 0) { QLCX_SpriteBlend = "multiply"; }
    if (source == 0 && destination == 2) { QLCX_SpriteBlend = "multiply"; }
}

// The sprite with its transparent colour see-through, as a canvas; its pixels stay in the
// record for SpritePixelCollision. A sprite from a file shows through its own alpha instead (a
// page opened from disk may not read a file's pixels), so it is its own masked copy. A copy
// made while the program draws on the sprite is not kept: more drawing may follow.
function QLCX_SpriteMask(sprite) {
    var source = sprite[0];
    if (!source.getContext || QLCX_Tainted.indexOf(source) >= 0) { return source; }
    if (sprite[6]) { return sprite[6]; }
    QLCX_Settle(source);
    var data = source.getContext("2d").getImageData(0, 0, source.width, source.height);
    var p = data.data;
    var r = sprite[1] & 255;
    var g = (sprite[1] >> 8) & 255;
    var b = (sprite[1] >> 16) & 255;
    for (var i = 0; i < p.length; i = i + 4) {
        if (p[i] == r && p[i + 1] == g && p[i + 2] == b) { p[i + 3] = 0; }
    }
    var mask = QLCX_NewCanvas(source.width, source.height);
    mask.getContext("2d").putImageData(data, 0, 0);
    sprite[7] = p;
    sprite[9] = 0;
    sprite[6] = 0;
    if (QLCX_DrawCanvas != source) { sprite[6] = mask; }
    return mask;
}

// The masked copy with each colour channel scaled by the colour's (white keeps the sprite's
// colours, a colour tints it), as a coloured light would show it.
function QLCX_SpriteTint(sprite, mask, color) {
    color = QLCX_Number(color) & 16777215;
    if (sprite[9] && sprite[8] == color && sprite[6] == mask) { return sprite[9]; }
    var p = sprite[7];
    var canvas = QLCX_NewCanvas(mask.width, mask.height);
    var ctx = canvas.getContext("2d");
    var data = ctx.getImageData(0, 0, canvas.width, canvas.height);
    var q = data.data;
    var r = color & 255;
    var g = (color >> 8) & 255;
    var b = (color >> 16) & 255;
    for (var i = 0; i < q.length; i = i + 4) {
        q[i] = Math.round(p[i] * r / 255);
        q[i + 1] = Math.round(p[i + 1] * g / 255);
        q[i + 2] = Math.round(p[i + 2] * b / 255);
        q[i + 3] = p[i + 3];
    }
    ctx.putImageData(data, 0, 0);
    sprite[8] = color;
    sprite[9] = canvas;
    return canvas;
}

// Draws the shown part of a sprite from image (its source or a copy of it) on the screen, at
// x, y for its top left, turned around its middle. Unturned and unzoomed at whole positions,
// every pixel lands unchanged; zoomed or turned, pixels are repeated, not smoothed, as on
// the screen without Sprite3DQuality. With an underlay, see-through parts show black.
function QLCX_ShowSprite(sprite, image, x, y, alpha, underlay) {
    var part = QLCX_SpritePart(sprite);
    var w = sprite[3];
    var h = sprite[4];
    if (w < 0) { w = part[2]; }
    if (h < 0) { h = part[3]; }
    if (!(part[2] > 0) || !(part[3] > 0) || !(w > 0) || !(h > 0) || !(alpha > 0)) { return; }
    var ctx = QLCX_Context;
    // Pixels plotted on the sprite (or the screen) and not yet written back go in first.
    QLCX_Settle(image);
    QLCX_Settle(QLCX_Canvas);
    ctx.save();
    if (alpha < 255) { ctx.globalAlpha = alpha / 255; }
    if (QLCX_SpriteBlend != "source-over") {
        window.Reflect.set(ctx, "globalCompositeOperation", QLCX_SpriteBlend);
    }
    ctx.translate(Math.round(QLCX_Number(x)), Math.round(QLCX_Number(y)));
    if (sprite[5]) {
        ctx.translate(w / 2, h / 2);
        ctx.rotate(sprite[5] * Math.PI / 180);
        ctx.translate(0 - w / 2, 0 - h / 2);
    }
    if (underlay) {
        ctx.fillStyle = "rgb(0,0,0)";
        ctx.fillRect(0, 0, w, h);
    }
    ctx.drawImage(image, part[0], part[1], part[2], part[3], 0, 0, w, h);
    ctx.restore();
    if (!image.getContext || QLCX_Tainted.indexOf(image) >= 0) { QLCX_Taint(QLCX_Canvas); }
}

// Every pixel as it is; those the sprite leaves see-through show black.
function DisplaySprite(id, x, y) {
    var source = QLCX_SpriteSource(id);
    if (!source) { return; }
    QLCX_ShowSprite(QLCX_Sprite(id), source, x, y, 255, 1);
}

// DisplayTransparentSprite(id, x, y [, alpha [, colour]]): the transparent colour shows the
// screen through; alpha 0 to 255 fades the whole sprite, a colour tints it.
function DisplayTransparentSprite(id, x, y, alpha, color) {
    var source = QLCX_SpriteSource(id);
    if (!source) { return; }
    var sprite = QLCX_Sprite(id);
    if (!alpha && alpha != 0) { alpha = 255; }
    var image = QLCX_SpriteMask(sprite);
    if ((color || color == 0) && image != source) { image = QLCX_SpriteTint(sprite, image, color); }
    QLCX_ShowSprite(sprite, image, x, y, QLCX_Number(alpha), 0);
}

function DisplayTranslucentSprite(id, x, y, intensity) {
    DisplayTransparentSprite(id, x, y, intensity);
}

// GrabSprite(id, x, y, w, h [, flags]): a new sprite holding that part of the screen.
function GrabSprite(id, x, y, w, h, flags) {
    if (!(w > 0) || !(h > 0)) { return 0; }
    QLCX_Settle(QLCX_Canvas);
    var canvas = QLCX_NewCanvas(w, h);
    canvas.getContext("2d").drawImage(QLCX_Canvas, x, y, w, h, 0, 0, w, h);
    if (QLCX_Tainted.indexOf(QLCX_Canvas) >= 0) { QLCX_Taint(canvas); }
    return QLCX_StoreSprite(id, canvas);
}

// CopySprite(id, newID [, flags]): the pixels and the transparent colour; the copy shows
// unclipped, unzoomed and unturned. A sprite from a file shares its browser image, which never
// changes: drawing on either makes it a canvas of its own.
function CopySprite(id, copyID, flags) {
    var sprite = QLCX_Sprite(id);
    if (!sprite) { return 0; }
    var source = sprite[0];
    var copy = source;
    if (source.getContext) {
        QLCX_Settle(source);
        copy = QLCX_NewCanvas(source.width, source.height);
        copy.getContext("2d").drawImage(source, 0, 0);
        if (QLCX_Tainted.indexOf(source) >= 0) { QLCX_Taint(copy); }
    }
    var made = QLCX_StoreSprite(copyID, copy);
    if (copyID == -1) { copyID = made; }
    QLCX_SpriteTable[copyID][1] = sprite[1];
    return made;
}

// The boxes the sprites show in (their zoomed and clipped sizes, turns left out) meet or
// touch; a missing or loading sprite meets nothing.
function SpriteCollision(id1, x1, y1, id2, x2, y2) {
    var w1 = SpriteWidth(id1);
    var h1 = SpriteHeight(id1);
    var w2 = SpriteWidth(id2);
    var h2 = SpriteHeight(id2);
    if (!(w1 > 0) || !(w2 > 0)) { return 0; }
    if (x1 > x2 + w2 || y1 > y2 + h2) { return 0; }
    if (x1 < x2 && x1 + w1 < x2) { return 0; }
    if (y1 < y2 && y1 + h1 < y2) { return 0; }
    return 1;
}

// Whether the shown pixel dx, dy of a sprite shown at w by h is not see-through.
function QLCX_OpaqueAt(sprite, part, w, h, dx, dy) {
    var sx = part[0] + Math.floor(dx * part[2] / w);
    var sy = part[1] + Math.floor(dy * part[3] / h);
    return sprite[7][(sy * sprite[0].width + sx) * 4 + 3] > 0;
}

// Some pixel that both sprites cover is opaque in both (not their transparent colour). Where a
// sprite's pixels cannot be read (from a file, on a page opened from disk) its box counts.
function SpritePixelCollision(id1, x1, y1, id2, x2, y2) {
    if (!SpriteCollision(id1, x1, y1, id2, x2, y2)) { return 0; }
    var s1 = QLCX_Sprite(id1);
    var s2 = QLCX_Sprite(id2);
    if (QLCX_SpriteMask(s1) == s1[0] || QLCX_SpriteMask(s2) == s2[0]) { return 1; }
    x1 = Math.round(x1);
    y1 = Math.round(y1);
    x2 = Math.round(x2);
    y2 = Math.round(y2);
    var w1 = SpriteWidth(id1);
    var h1 = SpriteHeight(id1);
    var w2 = SpriteWidth(id2);
    var h2 = SpriteHeight(id2);
    var part1 = QLCX_SpritePart(s1);
    var part2 = QLCX_SpritePart(s2);
    var bottom = Math.min(y1 + h1, y2 + h2);
    var right = Math.min(x1 + w1, x2 + w2);
    for (var py = Math.max(y1, y2); py < bottom; py++) {
        for (var px = Math.max(x1, x2); px < right; px++) {
            if (QLCX_OpaqueAt(s1, part1, w1, h1, px - x1, py - y1) && QLCX_OpaqueAt(s2, part2, w2, h2, px - x2, py - y2)) { return 1; }
        }
    }
    return 0;
}
