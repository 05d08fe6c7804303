// The drawing example end to end, compacted and plain: the Mandelbrot picture computed with
// Plot appears in the image gadget with exact colours, and the canvas takes strokes, rings and
// a wipe from the mouse.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { convertSource, launchBrowser, openPage, sourceDir, tempDir, waitFor } from './lib/harness.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

// Colours of pixels of gadget id (an img or a canvas), as [r, g, b].
function colours(page, id, points) {
  return page.evaluate(({ id, points }) => {
    const el = document.getElementById(id);
    const c = document.createElement('canvas');
    [c.width, c.height] = [el.width, el.height];
    c.getContext('2d').drawImage(el, 0, 0);
    const at = ([x, y]) => [...c.getContext('2d').getImageData(x, y, 1, 1).data.slice(0, 3)];
    return points.map(at);
  }, { id: String(id), points });
}

const paper = [255, 255, 240];
const ink = [30, 60, 200];
const ring = [200, 40, 40];

async function session(compact) {
  const dir = tempDir('qc-draw-');
  fs.copyFileSync(path.join(sourceDir, 'examples/draw/draw.pb'), path.join(dir, 'draw.pb'));
  const built = convertSource(path.join(dir, 'draw.pb'), { compact, dir });
  assert.equal(built.status, 0, built.log.join('\n'));
  const { page, context, errors } = await openPage(browser, built.page);
  const text = () => page.evaluate(() => document.getElementById('1').textContent);
  await waitFor(async () => (await text()).startsWith('Mandelbrot set'), 10000, 'the picture');
  const facts = {};
  await waitFor(async () => (await colours(page, 3, [[0, 0]]))[0][0] > 0, 5000, 'the gadget');
  // Inside the set (c = 0), and a corner that escapes after two steps.
  facts.picture = await colours(page, 3, [[260, 150], [399, 299]]);
  const box = await page.locator('[id="2"]').boundingBox();
  const to = (x, y) => page.mouse.move(box.x + x, box.y + y, { steps: 4 });
  const canvasIs = (x, y, want) => waitFor(async () =>
    JSON.stringify((await colours(page, 2, [[x, y]]))[0]) === JSON.stringify(want), 5000,
  `${want} at ${x},${y}`);
  await canvasIs(100, 50, paper);
  await to(50, 50);
  await page.mouse.down();
  for (const x of [80, 110, 150]) await to(x, 50);
  await canvasIs(150, 50, ink);
  await page.mouse.up();
  facts.stroke = await colours(page, 2, [[50, 50], [100, 50], [100, 51], [0, 0]]);
  await page.mouse.click(box.x + 100, box.y + 200, { button: 'right' });
  await canvasIs(112, 200, ring);
  facts.ring = await colours(page, 2, [[88, 200], [100, 188], [100, 200]]);
  await page.mouse.dblclick(box.x + 100, box.y + 120);
  await canvasIs(112, 200, paper);
  facts.wiped = await colours(page, 2, [[100, 50]]);
  assert.deepEqual(errors, []);
  await context.close();
  return facts;
}

test('draw: the Mandelbrot picture in an image gadget, a canvas drawn on with the mouse', async () => {
  for (const compact of [true, false]) {
    const facts = await session(compact);
    assert.deepEqual(facts.picture, [[0, 0, 0], [8, 6, 94]]);
    assert.deepEqual(facts.stroke, [ink, ink, paper, [120, 120, 120]]);
    assert.deepEqual(facts.ring, [ring, ring, paper]);
    assert.deepEqual(facts.wiped, [paper]);
  }
});
