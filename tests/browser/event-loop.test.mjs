// A real event loop in Chromium, where the main program's Repeat loops run as timer
// functions: it must react to clicks, end when its window is closed, run the code after it
// exactly once, and never hold the page for a long task. (The order of effects in nested
// loops, Break, Continue and End are data cases under tests/programs/statements.)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { convertSource, launchBrowser, openPage, waitFor } from './lib/harness.mjs';
import { modes } from './lib/runtime-page.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

const eventLoop = `OpenWindow(0, 10, 10, 300, 160, "Loop")
ButtonGadget(1, 10, 10, 140, 30, "Click me")
OpenWindow(1, 360, 10, 220, 100, "Status")
TextGadget(2, 10, 20, 180, 20, "running")
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_Gadget And EventGadget() = 1
    clicks = clicks + 1
    SetGadgetText(1, "Clicked " + Str(clicks))
  EndIf
Until e = #PB_Event_CloseWindow And EventWindow() = 0
CloseWindow(0)
after = after + 1
SetGadgetText(2, "after " + Str(after) + " clicks " + Str(clicks))
`;

// Records every task longer than 50 ms from the moment the page has loaded.
const longTaskProbe = `window.qcLongTasks = [];
let loadedAt = Infinity;
window.addEventListener('load', () => { loadedAt = performance.now(); });
new PerformanceObserver((list) => {
  for (const e of list.getEntries()) if (e.startTime >= loadedAt) window.qcLongTasks.push(e.duration);
}).observe({ type: 'longtask' });`;

for (const { compact, name } of modes) {
  test(`an event loop reacts, ends with its window and never blocks (${name})`, async () => {
    const converted = convertSource(eventLoop, { compact });
    assert.equal(converted.status, 0, converted.log.join('\n'));
    const { page, context, errors } = await openPage(browser, converted.page, { init: longTaskProbe });
    await page.waitForSelector('#window0 input');
    for (let i = 1; i <= 3; i++) {
      await page.click('#window0 input');
      await waitFor(async () => (await page.inputValue('#window0 input')) === `Clicked ${i}`,
        5000, `click ${i}`);
    }
    assert.equal(await page.textContent('#window1 p'), 'running');
    await page.click('#window0 .close');
    await waitFor(async () => (await page.locator('#window0').count()) === 0, 5000, 'the close');
    // Twenty more frames, each a chance for a loop function that should have stopped to run.
    await page.evaluate(() => new Promise((done) => {
      const step = (left) => (left === 0 ? done() : requestAnimationFrame(() => step(left - 1)));
      step(20);
    }));
    assert.equal(await page.textContent('#window1 p'), 'after 1 clicks 3');
    assert.deepEqual(await page.evaluate(() => window.qcLongTasks), []);
    assert.deepEqual(errors, []);
    await context.close();
  });
}
