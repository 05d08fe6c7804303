// Created images: a canvas that is never put into the page, kept in the image table beside the
// images loaded from files, so ImageWidth, DrawImage, FreeImage and the rest treat both alike.
// An image gadget shows a created image as a picture of its pixels, renewed whenever drawing
// on that image stops.

// Image gadgets that show a created image: gadget number -> its canvas.
var QLCX_ShownCanvases = [];
var QLCX_ShowingGadgets = [];

function QLCX_NewCanvas(w, h) {
    var canvas = document.createElement("canvas");
    canvas.width = Math.max(1, Math.round(QLCX_Number(w)));
    canvas.height = Math.max(1, Math.round(QLCX_Number(h)));
    return canvas;
}

// The number and the result of a command that makes image id: with #PB_Any the picked number
// is returned, otherwise 1.
function QLCX_StoreImage(id, canvas) {
    var asked = id;
    id = QLCX_PickNumber(id, QLCX_Images);
    QLCX_Images[id] = canvas;
    QLCX_ImagePaths[id] = "";
    return QLCX_Created(asked, id);
}

// CreateImage(id, width, height [, depth [, background]]): filled with the background, black
// when it is missing. The depth is not used: every image keeps 32 bits.
function CreateImage(id, width, height, depth, background) {
    var canvas = QLCX_NewCanvas(width, height);
    var ctx = canvas.getContext("2d");
    ctx.fillStyle = QLCX_ColorText(background);
    ctx.fillRect(0, 0, canvas.width, canvas.height);
    return QLCX_StoreImage(id, canvas);
}

// The canvas of image id to draw on; an image loaded from a file becomes a canvas first.
function QLCX_ImageCanvas(id) {
    var img = QLCX_LoadedImage(id);
    if (!img) { return 0; }
    if (img.getContext) { return img; }
    var canvas = QLCX_NewCanvas(img.width, img.height);
    canvas.getContext("2d").drawImage(img, 0, 0);
    if (QLCX_FromFile(img)) { QLCX_Taint(canvas); }
    QLCX_Images[id] = canvas;
    return canvas;
}

function ImageOutput(id) {
    return QLCX_ImageCanvas(id);
}

// A new image made from part (or all) of another.
function QLCX_CopyPart(src, dst, x, y, w, h) {
    var img = QLCX_LoadedImage(src);
    if (!img) { return 0; }
    QLCX_Settle(img);
    var canvas = QLCX_NewCanvas(w, h);
    canvas.getContext("2d").drawImage(img, x, y, w, h, 0, 0, w, h);
    if (QLCX_FromFile(img) || QLCX_Tainted.indexOf(img) >= 0) { QLCX_Taint(canvas); }
    return QLCX_StoreImage(dst, canvas);
}

function CopyImage(src, dst) {
    return QLCX_CopyPart(src, dst, 0, 0, ImageWidth(src), ImageHeight(src));
}

function GrabImage(src, dst, x, y, w, h) {
    return QLCX_CopyPart(src, dst, x, y, w, h);
}

// The image keeps its number; its pixels are scaled to the new size.
function ResizeImage(id, w, h) {
    var old = QLCX_ImageCanvas(id);
    if (!old) { return 0; }
    QLCX_Settle(old);
    var copy = QLCX_NewCanvas(old.width, old.height);
    copy.getContext("2d").drawImage(old, 0, 0);
    old.width = Math.max(1, Math.round(QLCX_Number(w)));
    old.height = Math.max(1, Math.round(QLCX_Number(h)));
    old.getContext("2d").drawImage(copy, 0, 0, old.width, old.height);
    QLCX_ImageDrawn(old);
    return 1;
}

// SaveImage(id, file$): the browser offers the image as a PNG download named after the file's
// last path part.
function SaveImage(id, file) {
    var canvas = QLCX_ImageCanvas(id);
    if (!canvas) { return 0; }
    if (QLCX_Tainted.indexOf(canvas) >= 0) { return 0; }
    QLCX_Settle(canvas);
    var name = "" + QLCX_Text(file);
    name = name.substr(Math.max(name.lastIndexOf("/"), name.lastIndexOf("\\")) + 1);
    if (name == "") { name = "image.png"; }
    var link = document.createElement("a");
    link.href = canvas.toDataURL("image/png");
    link.download = name;
    QLCX_PageBody().appendChild(link);
    link.click();
    QLCX_PageBody().removeChild(link);
    return 1;
}

// What an img element shows for image id: the file of a loaded image, a picture of the pixels
// of a created one. An image gadget (gadget not -1) is remembered, so that later drawing shows
// in it.
function QLCX_ImageSource(id, gadget) {
    var img = QLCX_Images[id];
    var follows = gadget != -1;
    if (follows) { QLCX_ShownCanvases[gadget] = 0; }
    if (!img || !img.getContext) { return QLCX_ImagePaths[id]; }
    if (follows && QLCX_ShowingGadgets.indexOf(gadget) < 0) { QLCX_ShowingGadgets.push(gadget); }
    if (follows) { QLCX_ShownCanvases[gadget] = img; }
    QLCX_Settle(img);
    if (QLCX_Tainted.indexOf(img) >= 0) { return ""; }
    return img.toDataURL("image/png");
}

// Drawing on canvas has stopped: image gadgets that show it show the new pixels.
function QLCX_ImageDrawn(canvas) {
    for (var i = 0; i < QLCX_ShowingGadgets.length; i++) {
        var gadget = QLCX_ShowingGadgets[i];
        var el = QLCX_Gadget(gadget);
        if (el && QLCX_ShownCanvases[gadget] == canvas && QLCX_Tainted.indexOf(canvas) < 0) {
            el.src = canvas.toDataURL("image/png");
        }
    }
}
