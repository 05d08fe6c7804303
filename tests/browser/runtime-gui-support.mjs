// Shared pieces of the image, sprite and screenshot tests: a page built from a test script on
// the runtime library (compacted together with it, so only window.* names cross to the test),
// PNGs made by the browser, and what the page fetched.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { launchBrowser, openPage, pageFromJs, tempDir, waitFor } from './lib/harness.mjs';

// Pages from files count as one origin here: images loaded from the test folder would otherwise
// taint the canvas, and the test could not read its pixels back. The library never reads pixels.
export function launchGuiBrowser() {
  return launchBrowser(['--allow-file-access-from-files']);
}

export { modes } from './lib/runtime-page.mjs';

// Builds and opens a page whose script is `script` (it defines INIT). `files` are written next
// to the page.
export async function openTestPage(browser, script, { compact, files = {}, viewport } = {}) {
  const dir = tempDir('qc-gui-');
  for (const [name, bytes] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), bytes);
  const built = pageFromJs(script, { compact, dir });
  if (built.status !== 0) throw new Error(`page not built: ${built.log.join('\n')}`);
  const opened = await openPage(browser, built.page, { viewport });
  opened.dir = dir;
  opened.context.on('page', (popup) => popup.close());
  await waitFor(() => opened.page.evaluate(() => document.readyState === 'complete'), 5000, 'load');
  return opened;
}

// Opens the test page, runs `check` on it and requires that the page raised no script error.
export async function withTestPage(browser, script, options, check) {
  const opened = await openTestPage(browser, script, options);
  try {
    await check(opened);
    assert.deepEqual(opened.errors, []);
  } finally {
    await opened.context.close();
  }
}

// RGBA of canvas pixels, each [x, y], read with the canvas's own pixel data.
export function pixels(page, points) {
  return page.evaluate((pts) => {
    const ctx = document.getElementById('QLCXcanvas').getContext('2d');
    return pts.map(([x, y]) => Array.from(ctx.getImageData(x, y, 1, 1).data));
  }, points);
}

// A PNG made by a browser canvas: `rows` is an array of strings, one character per pixel,
// `palette` maps each character to [r, g, b, a].
export async function makePng(browser, rows, palette) {
  const page = await browser.newPage();
  const dataUrl = await page.evaluate(
    ({ rows, palette }) => {
      const canvas = document.createElement('canvas');
      canvas.width = rows[0].length;
      canvas.height = rows.length;
      const ctx = canvas.getContext('2d');
      const image = ctx.createImageData(canvas.width, canvas.height);
      rows.forEach((row, y) =>
        [...row].forEach((ch, x) => image.data.set(palette[ch], (y * canvas.width + x) * 4)));
      ctx.putImageData(image, 0, 0);
      return canvas.toDataURL('image/png');
    },
    { rows, palette },
  );
  await page.close();
  return Buffer.from(dataUrl.slice(dataUrl.indexOf(',') + 1), 'base64');
}

// Every request a page made, as paths relative to its folder (the page itself included).
export function requestedFiles(opened) {
  const base = `file://${opened.dir}/`;
  return opened.requests.map((url) => (url.startsWith(base) ? url.slice(base.length) : url));
}
