// The pixels of the drawing output as memory: DrawingBuffer() copies them into a block of the
// heap, 4 bytes a pixel in blue, green, red, alpha order, rows from the top; StopDrawing puts
// the block's pixels back on the output (opaque, as a screen shows them) and frees it.

var QLCX_DrawBuffer = 0;

function DrawingBuffer() {
    if (QLCX_DrawBuffer) { return QLCX_DrawBuffer; }
    var p = QLCX_PixelCopy();
    if (!p) { return 0; }
    var address = AllocateMemory(p.length, 1);
    for (var i = 0; i < p.length; i = i + 4) {
        QLCX_MemBytes[address + i] = p[i + 2];
        QLCX_MemBytes[address + i + 1] = p[i + 1];
        QLCX_MemBytes[address + i + 2] = p[i];
        QLCX_MemBytes[address + i + 3] = p[i + 3];
    }
    QLCX_DrawBuffer = address;
    return address;
}

// The bytes from one row of the buffer to the next.
function DrawingBufferPitch() {
    var canvas = QLCX_TargetCanvas();
    if (!canvas) { return 0; }
    return canvas.width * 4;
}

// #PB_PixelFormat_32Bits_BGR: blue first, rows from the top (no #PB_PixelFormat_ReversedY).
function DrawingBufferPixelFormat() {
    return 7;
}

// The block goes back on the output it was taken from, before anything else draws there.
function QLCX_DrawBufferBack() {
    var address = QLCX_DrawBuffer;
    if (!address) { return; }
    QLCX_DrawBuffer = 0;
    var p = QLCX_PixelCopy();
    if (p && MemorySize(address) == p.length) {
        for (var i = 0; i < p.length; i = i + 4) {
            p[i] = QLCX_MemBytes[address + i + 2];
            p[i + 1] = QLCX_MemBytes[address + i + 1];
            p[i + 2] = QLCX_MemBytes[address + i];
            p[i + 3] = 255;
        }
        QLCX_CopyChanged();
    }
    FreeMemory(address);
}
