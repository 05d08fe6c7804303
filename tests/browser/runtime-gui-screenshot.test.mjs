// How windows and gadgets look: a page with two windows and one gadget of each kind is compared
// with the committed reference picture, plain and compacted. UPDATE_REFERENCE=1 retakes the
// reference from the plain page (review the new picture before committing it).
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { waitFor } from './lib/harness.mjs';
import {
  launchGuiBrowser, makePng, modes, openTestPage, requestedFiles,
} from './runtime-gui-support.mjs';

const reference = path.join(path.dirname(fileURLToPath(import.meta.url)),
  'reference', 'gui-windows.png');
const viewport = { width: 640, height: 280 };

const twoWindows = `
function INIT() {
LoadImage(1, "pic.png");
OpenWindow(1, 10, 10, 300, 200, "Form");
StringGadget(1, 10, 10, 180, 26, "Some text");
ButtonGadget(2, 200, 10, 80, 26, "Press");
TextGadget(3, 10, 60, 260, 20, "A label in the window");
ProgressBarGadget(4, 10, 90, 260, 16, 0, 100);
SetGadgetState(4, 60);
TrackBarGadget(5, 10, 120, 260, 26, 0, 10);
SetGadgetState(5, 3);
OpenWindow(2, 340, 10, 260, 220, "Media");
SetWindowColor(2, RGB(255, 240, 200));
ImageGadget(6, 10, 10, 0, 0, 1);
WebGadget(7, 60, 10, 180, 100, "frame.html");
HyperLinkGadget(8, 10, 130, 200, 26, "https://example.org/page", RGB(0, 0, 255));
}
`;

// Differences between two PNGs of one size, decoded by the browser: how many pixels differ by
// more than `threshold` in some channel.
async function compare(browser, pngA, pngB, threshold = 48) {
  const page = await browser.newPage();
  const result = await page.evaluate(async ({ a, b, threshold }) => {
    const decode = async (base64) => {
      const img = new Image();
      img.src = `data:image/png;base64,${base64}`;
      await img.decode();
      const canvas = document.createElement('canvas');
      canvas.width = img.width;
      canvas.height = img.height;
      const ctx = canvas.getContext('2d');
      ctx.drawImage(img, 0, 0);
      return ctx.getImageData(0, 0, img.width, img.height);
    };
    const [da, db] = [await decode(a), await decode(b)];
    if (da.width !== db.width || da.height !== db.height) {
      return { size: [da.width, da.height, db.width, db.height], differing: -1 };
    }
    let differing = 0;
    for (let i = 0; i < da.data.length; i += 4) {
      for (let c = 0; c < 3; c += 1) {
        if (Math.abs(da.data[i + c] - db.data[i + c]) > threshold) {
          differing += 1;
          break;
        }
      }
    }
    return { size: [da.width, da.height], differing, total: da.width * da.height };
  }, { a: pngA.toString('base64'), b: pngB.toString('base64'), threshold });
  await page.close();
  return result;
}

let browser;
let files;
before(async () => {
  browser = await launchGuiBrowser();
  const palette = { r: [220, 40, 40, 255], w: [255, 255, 255, 255], k: [20, 20, 20, 255] };
  const rows = Array.from({ length: 32 }, (_, y) =>
    Array.from({ length: 32 }, (_, x) => (Math.floor(x / 8) + Math.floor(y / 8)) % 2 ? 'r' : 'w')
      .join(''));
  rows[0] = 'k'.repeat(32);
  files = {
    'pic.png': await makePng(browser, rows, palette),
    'frame.html': '<body style="margin:4px;font:12px sans-serif;background:#dfe">A framed page</body>',
  };
});
after(async () => {
  await browser.close();
});

async function screenshotOf(compact) {
  const opened = await openTestPage(browser, twoWindows, { compact, files, viewport });
  const { page } = opened;
  await waitFor(() => page.evaluate(() => document.getElementById('6').naturalWidth > 0), 5000,
    'image');
  await waitFor(() => page.frames().some((f) => f.url().endsWith('/frame.html')), 5000, 'frame');
  await page.frames().find((f) => f.url().endsWith('/frame.html')).waitForLoadState('load');
  await page.mouse.move(639, 279);
  const shot = await page.screenshot();
  return { shot, opened };
}

describe('the look of windows and gadgets', () => {
  for (const { compact, name: label } of modes) {
    test(`two windows with one gadget of each kind match the reference (${label})`, async () => {
      const { shot, opened } = await screenshotOf(compact);
      if (process.env.UPDATE_REFERENCE && !compact) {
        fs.mkdirSync(path.dirname(reference), { recursive: true });
        fs.writeFileSync(reference, shot);
      }
      const result = await compare(browser, shot, fs.readFileSync(reference));
      // Font smoothing may move a few edge pixels between Chromium builds; a missing or
      // misplaced element, even a missing link text, changes several hundred.
      assert.ok(result.differing >= 0 && result.differing <= result.total / 1000,
        `differs from the reference: ${JSON.stringify(result)}`);
      assert.deepEqual(requestedFiles(opened).filter((f) => !f.startsWith('test')).sort(),
        ['frame.html', 'pic.png']);
      assert.deepEqual(opened.errors, []);
      await opened.context.close();
    });
  }
});
