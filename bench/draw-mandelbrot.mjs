#!/usr/bin/env node
// How long the drawing example takes for its 400 x 300 Mandelbrot picture, one Plot per pixel,
// in headless Chromium: the figure the page itself shows, for the compacted and the plain page.
// Prints figures only; nothing fails on a slow run (other processes on the machine add time,
// so the fastest run is the page's own cost).
//   node bench/draw-mandelbrot.mjs [runs]     (QUILLCAST_CLI picks the converter)
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const harness = await import(path.join(root, 'tests/browser/lib/harness.mjs'));
const runs = Number(process.argv[2] ?? 7);
const source = path.join(root, 'examples/draw/draw.pb');
const browser = await harness.launchBrowser();
for (const compact of [true, false]) {
  const built = harness.convertSource(source, { compact });
  const times = [];
  for (let r = 0; r < runs; r++) {
    const { page, context } = await harness.openPage(browser, built.page);
    const text = () => page.evaluate(() => document.getElementById('1').textContent);
    await harness.waitFor(async () => /\d+ ms/.test(await text()), 30000, 'the picture');
    times.push(Number((await text()).match(/(\d+) ms/)[1]));
    await context.close();
  }
  times.sort((a, b) => a - b);
  console.log(`Mandelbrot 400 x 300 with Plot, ${compact ? 'compacted' : 'plain'} page: `
    + `median ${times[Math.floor(runs / 2)]} ms, fastest ${times[0]} ms (${runs} runs)`);
}
await browser.close();
