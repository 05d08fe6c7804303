// Screen, images and rotating sprites (sprites themselves are in 71-sprites.js). The screen is the page's one canvas, set up by
// QLCXInit; the drawing commands are in 75-drawing.js.
// The screen functions set the canvas position (QLCX_CanvasX, QLCX_CanvasY) that mouse
// coordinates are measured from.
// Image number -> browser image (0 once freed) and the path it was loaded from.
var QLCX_Images = [];
var QLCX_ImagePaths = [];
// Rotating sprite number -> [image, angle in radians, draw width, draw height]; a draw size
// of -1 follows the image, whose size is unknown until it has loaded.
var QLCX_Sprites3D = [];

// The text form of a colour value for the drawing context and element styles; alpha is left
// out, and a missing colour is black.
function QLCX_ColorText(color) {
    if (!color) { color = 0; }
    return "rgb(" + (color & 255) + "," + ((color >> 8) & 255) + "," + ((color >> 16) & 255) + ")";
}

function QLCX_SetUpScreen(width, height) {
    QLCX_Settle(QLCX_Canvas);
    QLCX_Canvas.width = width;
    QLCX_Canvas.height = height;
    QLCX_Context.textBaseline = "top";
    QLCX_Context.font = "10pt Arial";
    QLCX_Context.imageSmoothingEnabled = false;
}

function OpenScreen(width, height, depth, title) {
    QLCX_SetUpScreen(width, height);
    if (title) { document.title = title; }
    QLCX_CanvasX = QLCX_Canvas.offsetLeft;
    QLCX_CanvasY = QLCX_Canvas.offsetTop;
    return 1;
}

// The canvas goes where the program puts its screen, so that mouse positions, measured from
// x, y, are positions on the screen: left in the page's flow, the canvas would sit behind the
// body margin and a pen would land beside the pointer. In an open window it goes into the
// window's inner area, above the window's own background.
function OpenWindowedScreen(WindowID, x, y, Width, Height) {
    if (!x) { x = 0; }
    if (!y) { y = 0; }
    QLCX_SetUpScreen(Width, Height);
    var holder = document.getElementById("window" + WindowID + "_content");
    if (holder) { holder.appendChild(QLCX_Canvas); }
    QLCX_Canvas.style.position = "absolute";
    QLCX_Canvas.style.left = QLCX_Pixels(x);
    QLCX_Canvas.style.top = QLCX_Pixels(y);
    QLCX_CanvasX = x;
    QLCX_CanvasY = y;
    return 1;
}

// The screen goes away: it takes no room, and ScreenWidth and ScreenHeight give 0.
function CloseScreen() {
    QLCX_SetUpScreen(0, 0);
}

function ScreenWidth() {
    return QLCX_Canvas.width;
}

function ScreenHeight() {
    return QLCX_Canvas.height;
}

// SetFrameRate(rate): the frame timer runs the loop that many times a second (1 to 1000);
// a timer already running starts again at the new period.
function SetFrameRate(rate) {
    rate = Math.max(1, Math.min(1000, QLCX_Number(rate)));
    QLCX_FramePeriod = Math.floor(1000 / rate);
    if (QLCX_LoopTimer) {
        clearInterval(QLCX_LoopTimer);
        QLCX_LoopTimer = setInterval(QLCX_RunFrame, QLCX_FramePeriod);
    }
}

function ClearScreen(color) {
    QLCX_Settle(QLCX_Canvas);
    QLCX_Context.fillStyle = QLCX_ColorText(color);
    QLCX_Context.fillRect(0, 0, QLCX_Canvas.width, QLCX_Canvas.height);
}

// With #PB_Any the picked number is returned, otherwise the image. The file comes from the
// page itself when the page holds it (see QLCX_FileUrl), else from beside the page.
function LoadImage(ID, path) {
    var picked = ID == -1;
    ID = QLCX_PickNumber(ID, QLCX_Images);
    if (QLCX_Images[ID]) { FreeImage(ID); }
    var img = new Image();
    var url = QLCX_FileUrl(path);
    QLCX_Images[ID] = img;
    QLCX_ImagePaths[ID] = url;
    if (("" + url).substr(0, 5) != "data:") { QLCX_FileImages.push(img); }
    img.src = url;
    if (picked) { return ID; }
    return img;
}

// Whether drawing this image makes a canvas unreadable: a browser lets a page opened from
// disk read the pixels of images it holds itself (data URLs) and of canvases, not of files.
// The images loaded from beside the page are listed, since reading back a long data URL on
// every draw would cost a game its frames.
var QLCX_FileImages = [];

function QLCX_FromFile(img) {
    if (QLCX_FileImages.indexOf(img) >= 0) { return 1; }
    return 0;
}

function FreeImage(ID) {
    var listed = QLCX_FileImages.indexOf(QLCX_Images[ID]);
    if (listed >= 0) { QLCX_FileImages.splice(listed, 1); }
    QLCX_Images[ID] = 0;
}

function IsImage(ID) {
    if (QLCX_Images[ID]) { return 1; }
    return 0;
}

// An image counts only once all of it has arrived (a created image, a canvas, at once): the browser knows the size from the first
// bytes and would draw a half-loaded image in part, or nothing, and refuses a broken one. Its
// "complete" member is read by name, since compaction renames members it does not know.
function QLCX_Arrived(img) {
    if (!img) { return 0; }
    if (img.getContext) { return 1; }
    if (!window.Reflect.get(img, "complete")) { return 0; }
    return img.width > 0;
}

// The image of a number, or 0 while it is missing or still loading.
function QLCX_LoadedImage(ID) {
    var img = QLCX_Images[ID];
    if (!QLCX_Arrived(img)) { return 0; }
    return img;
}

function ImageWidth(ID) {
    var img = QLCX_LoadedImage(ID);
    if (!img) { return 0; }
    return img.width;
}

function ImageHeight(ID) {
    var img = QLCX_LoadedImage(ID);
    if (!img) { return 0; }
    return img.height;
}

// The rotating sprite shows sprite ID's picture (sprites are in 71-sprites.js).
function CreateSprite3D(ID3D, ID) {
    var sprite = QLCX_Sprite(ID);
    if (!sprite) { return 0; }
    var img = sprite[0];
    var w = SpriteWidth(ID);
    var h = SpriteHeight(ID);
    if (!(w > 0)) {
        w = -1;
        h = -1;
    }
    QLCX_Sprites3D[ID3D] = [img, 0, w, h];
    return 1;
}

function RotateSprite3D(ID, angle, mode) {
    var sprite = QLCX_Sprites3D[ID];
    if (!sprite) { return; }
    var radians = angle * Math.PI / 180;
    if (mode) { radians = radians + sprite[1]; }
    sprite[1] = radians;
}

function ZoomSprite3D(ID, w, h) {
    var sprite = QLCX_Sprites3D[ID];
    if (!sprite) { return; }
    sprite[2] = w;
    sprite[3] = h;
}

function FreeSprite3D(ID) {
    var sprite = QLCX_Sprites3D[ID];
    if (sprite) { sprite[0] = 0; }
}

function IsSprite3D(ID) {
    var sprite = QLCX_Sprites3D[ID];
    if (!sprite) { return 0; }
    if (!sprite[0]) { return 0; }
    return 1;
}

function Sprite3DQuality(Quality) {
    if (Quality) {
        QLCX_Context.imageSmoothingEnabled = true;
    } else {
        QLCX_Context.imageSmoothingEnabled = false;
    }
}

// x, y is the centre of the sprite: it turns around its middle.
function DisplaySprite3D(ID, x, y, alpha) {
    var sprite = QLCX_Sprites3D[ID];
    if (!sprite) { return; }
    var img = sprite[0];
    if (!QLCX_Arrived(img)) { return; }
    var w = sprite[2];
    var h = sprite[3];
    if (w < 0) {
        w = img.width;
        h = img.height;
    }
    QLCX_Settle(QLCX_Canvas);
    QLCX_Context.save();
    if (alpha) { QLCX_Context.globalAlpha = alpha / 255; }
    QLCX_Context.translate(x, y);
    QLCX_Context.rotate(sprite[1]);
    QLCX_Context.drawImage(img, 0 - w / 2, 0 - h / 2, w, h);
    if (QLCX_FromFile(img)) { QLCX_Taint(QLCX_Canvas); }
    QLCX_Context.restore();
    QLCX_Context.globalAlpha = 1;
}
