// Images loaded from files and rotating sprites of the page runtime, checked through the
// canvas's pixel data in Chromium. (Shapes, keys and the mouse on a screen are data cases under
// tests/programs/screen.)
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { waitFor } from './lib/harness.mjs';
import {
  launchGuiBrowser, makePng, modes, pixels, requestedFiles, withTestPage,
} from './runtime-gui-support.mjs';

const palette = {
  r: [255, 0, 0, 255], g: [0, 255, 0, 255], b: [0, 0, 255, 255], y: [255, 255, 0, 255],
  '.': [0, 0, 0, 0],
};
const red = [255, 0, 0, 255];
const white = [255, 255, 255, 255];
const black = [0, 0, 0, 255];

let browser;
let files;
before(async () => {
  browser = await launchGuiBrowser();
  const square = Array(10).fill('r'.repeat(10));
  // Four coloured quarters, so every quarter turn puts a different colour top left.
  const quarters = [...Array(4).fill('rrrrgggg'), ...Array(4).fill('bbbbyyyy')];
  files = {
    'red.png': await makePng(browser, ['rrrr', 'rrrr', 'rrrr', 'rrrr'], palette),
    'half.png': await makePng(browser, ['r.', 'r.'], palette),
    'blue.png': await makePng(browser, ['bb', 'bb'], palette),
    'square.png': await makePng(browser, square, palette),
    'quarters.png': await makePng(browser, quarters, palette),
  };
});
after(async () => {
  await browser.close();
});

// Waits until the page's program reports that its images have loaded and it has drawn.
async function whenDrawn(page) {
  await waitFor(() => page.evaluate(() => window.qcDrawn === 1), 5000, 'drawing');
}

const images = `
function INIT() {
OpenWindowedScreen(0, 0, 0, 60, 60);
ClearScreen(RGB(255, 255, 255));
LoadImage(1, "red.png");
LoadImage(2, "half.png");
LoadImage(3, "blue.png");
LoadImage(3, "red.png");
LoadImage(4, "blue.png");
FreeImage(4);
DrawImage(1, 0, 0);
DrawAlphaImage(1, 0, 10);
window.qcEarly = [ImageWidth(1), ImageHeight(1), IsImage(1), IsImage(4), IsImage(9)].join(",");
ChangeLoop(qcDraw);
}
function qcDraw() {
if (ImageWidth(1) == 0 || ImageWidth(2) == 0 || ImageWidth(3) == 0) { return; }
DrawImage(1, 20, 20);
DrawImage(2, 30, 20);
DrawAlphaImage(2, 40, 20);
DrawAlphaImage(1, 50, 20, 51);
window.qcSizes = [ImageWidth(3), ImageHeight(2), IsImage(4)].join(",");
window.qcDrawn = 1;
ChangeLoop(0);
}
`;

const sprites = `
function INIT() {
OpenWindowedScreen(0, 0, 0, 120, 40);
ClearScreen(RGB(255, 255, 255));
LoadSprite(1, "quarters.png");
LoadSprite(2, "square.png");
CreateSprite3D(1, 1);
CreateSprite3D(2, 1);
CreateSprite3D(3, 1);
CreateSprite3D(4, 1);
RotateSprite3D(1, 90, 1);
RotateSprite3D(1, 90, 1);
RotateSprite3D(2, 45);
RotateSprite3D(2, 180, 0);
ZoomSprite3D(4, 16, 16);
CreateSprite3D(5, 1);
ZoomSprite3D(5, 16, 16);
ChangeLoop(qcDraw);
}
function qcDraw() {
if (SpriteWidth(1) == 0 || SpriteWidth(2) == 0) { return; }
DisplaySprite3D(1, 10, 10);
DisplaySprite3D(2, 30, 10);
DisplaySprite3D(3, 50, 10);
DisplaySprite3D(4, 80, 10);
Sprite3DQuality(1);
DisplaySprite3D(5, 100, 20);
Sprite3DQuality(0);
FreeSprite3D(3);
window.qcCollisions = [SpriteCollision(2, 0, 0, 2, 10, 10), SpriteCollision(2, 0, 0, 2, 11, 0), SpriteCollision(2, 11, 0, 2, 0, 0), SpriteCollision(2, 0, 10, 2, 0, 0), SpriteCollision(2, 0, 0, 2, 5, 5), SpriteCollision(2, 0, 0, 2, 0, 11), SpriteCollision(2, 5, 5, 1, 0, 0)].join(",");
window.qcSprites = [IsSprite3D(1), IsSprite3D(3), IsSprite3D(7)].join(",");
window.qcDrawn = 1;
ChangeLoop(0);
}
`;

// Sprites from files have numbers of their own beside the images, show through their alpha,
// and become a canvas when drawn on; a copy shares the picture.
const loadedSprites = `
function INIT() {
OpenWindowedScreen(0, 0, 0, 60, 20);
ClearScreen(RGB(255, 255, 255));
LoadImage(1, "blue.png");
LoadSprite(1, "half.png");
LoadSprite(2, "red.png");
ChangeLoop(qcDraw);
}
function qcDraw() {
if (SpriteWidth(1) == 0 || SpriteWidth(2) == 0 || ImageWidth(1) == 0) { return; }
CopySprite(2, 3);
StartDrawing(SpriteOutput(2));
Box(0, 0, 2, 2, RGB(0, 255, 0));
StopDrawing();
DisplayTransparentSprite(1, 0, 0);
DisplaySprite(1, 10, 0);
DisplayTransparentSprite(2, 20, 0);
DisplayTransparentSprite(3, 30, 0);
DrawImage(1, 40, 0);
window.qcSizes = [SpriteWidth(1), ImageWidth(1), SpriteWidth(3), IsSprite(3), IsImage(2)].join(",");
window.qcDrawn = 1;
ChangeLoop(0);
}
`;

for (const { compact, name: label } of modes) {
  describe(`screen and images (${label})`, () => {
    test('an image draws only once it has loaded, with a black underlay',
      () => withTestPage(browser, images, { compact, files }, async (opened) => {
      const { page } = opened;
      await whenDrawn(page);
      assert.equal(await page.evaluate(() => window.qcEarly), '0,0,1,0,0');
      // Second LoadImage on one number keeps the second image; FreeImage forgets it.
      assert.equal(await page.evaluate(() => window.qcSizes), '4,2,0');
      const got = await pixels(page, [[1, 1], [1, 11], [21, 21], [30, 21], [31, 21], [41, 21],
        [50, 21]]);
      assert.deepEqual(got.slice(0, 6), [white, white, red, red, black, white]);
      // Alpha 51 of 255 over white: a fifth of the red.
      assert.deepEqual(got[6].slice(0, 3).map((v) => Math.round(v / 10)), [26, 20, 20]);
      const fetched = new Set(requestedFiles(opened).filter((f) => !f.startsWith('test')));
      assert.deepEqual([...fetched].sort(), ['blue.png', 'half.png', 'red.png']);
    }));

    test('sprites from files keep their own numbers, alpha and pixels',
      () => withTestPage(browser, loadedSprites, { compact, files }, async ({ page }) => {
      await whenDrawn(page);
      assert.equal(await page.evaluate(() => window.qcSizes), '2,2,4,1,0');
      const green = [0, 255, 0, 255];
      const blue = [0, 0, 255, 255];
      const got = await pixels(page, [[0, 0], [1, 0], [10, 0], [11, 0], [20, 0], [23, 3],
        [30, 0], [40, 0]]);
      // half.png's clear half shows the screen through, or black with DisplaySprite; drawing
      // on sprite 2 leaves its copy 3 red; image 1 is still blue.png.
      assert.deepEqual(got, [red, white, red, black, green, red, red, blue]);
    }));

    test('rotating sprites turn around their centre and collide at touching edges',
      () => withTestPage(browser, sprites, { compact, files }, async ({ page }) => {
      await whenDrawn(page);
      assert.equal(await page.evaluate(() => window.qcCollisions), '1,0,0,1,1,0,1');
      assert.equal(await page.evaluate(() => window.qcSprites), '1,0,0');
      const region = (cx, cy, size) => page.evaluate(({ cx, cy, size }) => {
        const ctx = document.getElementById('QLCXcanvas').getContext('2d');
        return Array.from(ctx.getImageData(cx - size / 2, cy - size / 2, size, size).data);
      }, { cx, cy, size });
      const twoQuarters = await region(10, 10, 8);
      const halfTurn = await region(30, 10, 8);
      const unturned = await region(50, 10, 8);
      assert.deepEqual(twoQuarters, halfTurn);
      assert.notDeepEqual(twoQuarters, unturned);
      // Unturned, drawn centred: top left red, bottom right yellow; a half turn swaps them.
      const [tl, br, turnedTl, zoomedEdge, outside] =
        await pixels(page, [[47, 7], [53, 13], [7, 7], [73, 3], [75, 20]]);
      assert.deepEqual([tl, br, turnedTl, zoomedEdge, outside],
        [red, [255, 255, 0, 255], [255, 255, 0, 255], red, white]);
      // Where red meets green, a zoomed sprite stays sharp without smoothing and blends with it.
      const [sharp, smooth] = await pixels(page, [[79, 4], [99, 14]]);
      assert.deepEqual(sharp, red);
      assert.ok(smooth[0] > 100 && smooth[1] > 30 && smooth[1] < 200, `smoothed ${smooth}`);
    }));
  });
}
