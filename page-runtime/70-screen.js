// Screen, drawing, images and rotating sprites. The screen is the page's one canvas, set up by
// QLCXInit; drawing goes straight to it, so StartDrawing and StopDrawing have nothing to do.
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

function ClearScreen(color) {
QLCX_Context.fillStyle = QLCX_ColorText(color);
QLCX_Context.fillRect(0, 0, QLCX_Canvas.width, QLCX_Canvas.height);
}

function StartDrawing() {
return 1;
}

function StopDrawing() {
return 1;
}

function DrawText(x, y, text, color) {
QLCX_Context.fillStyle = QLCX_ColorText(color);
QLCX_Context.fillText(QLCX_Text(text), x, y);
}

function Box(x, y, w, h, color) {
QLCX_Context.fillStyle = QLCX_ColorText(color);
QLCX_Context.fillRect(x, y, w, h);
}

function LineXY(x1, y1, x2, y2, color) {
QLCX_Context.strokeStyle = QLCX_ColorText(color);
QLCX_Context.beginPath();
QLCX_Context.moveTo(x1, y1);
QLCX_Context.lineTo(x2, y2);
QLCX_Context.stroke();
}

function Circle(x, y, radius, color) {
QLCX_Context.fillStyle = QLCX_ColorText(color);
QLCX_Context.beginPath();
QLCX_Context.arc(x, y, radius, 0, 2 * Math.PI);
QLCX_Context.closePath();
QLCX_Context.fill();
}

function LoadImage(ID, path) {
if (QLCX_Images[ID]) { FreeImage(ID); }
var img = new Image();
QLCX_Images[ID] = img;
QLCX_ImagePaths[ID] = path;
img.src = path;
return img;
}

function FreeImage(ID) {
QLCX_Images[ID] = 0;
}

function IsImage(ID) {
if (QLCX_Images[ID]) { return 1; }
return 0;
}

// An image counts only once all of it has arrived: the browser knows the size from the first
// bytes and would draw a half-loaded image in part, or nothing, and refuses a broken one. Its
// "complete" member is read by name, since compaction renames members it does not know.
function QLCX_Arrived(img) {
if (!img) { return 0; }
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

// The black underlay makes transparent parts of a sprite black, as on a screen that is not
// cleared between sprites.
function DrawImage(ID, x, y) {
var img = QLCX_LoadedImage(ID);
if (!img) { return; }
QLCX_Context.fillStyle = "rgb(0,0,0)";
QLCX_Context.fillRect(x, y, img.width, img.height);
QLCX_Context.drawImage(img, x, y);
}

function QLCX_UseAlpha(alpha) {
if (alpha) { QLCX_Context.globalAlpha = alpha / 255; }
}

function DrawAlphaImage(ID, x, y, alpha) {
var img = QLCX_LoadedImage(ID);
if (!img) { return; }
QLCX_UseAlpha(alpha);
QLCX_Context.drawImage(img, x, y);
QLCX_Context.globalAlpha = 1;
}

// Touching edges count as a collision.
function SpriteCollision(ID1, x1, y1, ID2, x2, y2) {
var w1 = ImageWidth(ID1);
var h1 = ImageHeight(ID1);
var w2 = ImageWidth(ID2);
var h2 = ImageHeight(ID2);
if (x1 > x2 + w2 || y1 > y2 + h2) { return 0; }
if (x1 < x2 && x1 + w1 < x2) { return 0; }
if (y1 < y2 && y1 + h1 < y2) { return 0; }
return 1;
}

function CreateSprite3D(ID3D, ID) {
var img = QLCX_Images[ID];
var w = ImageWidth(ID);
var h = ImageHeight(ID);
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
QLCX_Context.save();
QLCX_UseAlpha(alpha);
QLCX_Context.translate(x, y);
QLCX_Context.rotate(sprite[1]);
QLCX_Context.drawImage(img, 0 - w / 2, 0 - h / 2, w, h);
QLCX_Context.restore();
QLCX_Context.globalAlpha = 1;
}
