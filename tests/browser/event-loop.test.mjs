// Restructured loops in Chromium: the main program's Repeat loops run as timer functions.
// A real event loop must react to clicks, end when its window is closed, run the code after
// it exactly once, and never hold the page for a long task; programs with nested loops,
// loops in Else branches, Break and Continue must show their effects in source order.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { convertSource, debugLines, launchBrowser, openPage, waitFor } from './lib/harness.mjs';

let browser;
before(async () => {
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
});

const eventLoop = `OpenWindow(0, 10, 10, 300, 160, "Loop")
ButtonGadget(1, 10, 10, 140, 30, "Click me")
OpenWindow(1, 360, 10, 220, 100, "Status")
TextGadget(2, 10, 20, 180, 20, "running")
quit = 0
clicks = 0
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_Gadget And EventGadget() = 1
    clicks = clicks + 1
    SetGadgetText(1, "Clicked " + Str(clicks))
  EndIf
  If e = #PB_Event_CloseWindow And EventWindow() = 0
    quit = 1
  EndIf
Until quit
CloseWindow(0)
after = after + 1
SetGadgetText(2, "after " + Str(after) + " clicks " + Str(clicks))
`;

// Records every task longer than 50 ms from the moment the page has loaded.
const longTaskProbe = `
window.qcLongTasks = [];
let loadedAt = Infinity;
window.addEventListener('load', () => { loadedAt = performance.now(); });
new PerformanceObserver((list) => {
  for (const entry of list.getEntries()) {
    if (entry.startTime >= loadedAt) window.qcLongTasks.push(Math.round(entry.duration));
  }
}).observe({ type: 'longtask' });
`;

// Lets the page's timer run several more times (each frame is a chance for a loop function
// that should have stopped to run again).
async function letFramesPass(page, frames) {
  await page.evaluate((n) => new Promise((done) => {
    const step = (left) => (left === 0 ? done() : requestAnimationFrame(() => step(left - 1)));
    step(n);
  }), frames);
}

for (const compact of [true, false]) {
  test(`an event loop reacts, ends with its window and never blocks (${compact ? 'compacted' : 'plain'})`,
    async () => {
      const converted = convertSource(eventLoop, { compact });
      assert.equal(converted.status, 0, converted.log.join('\n'));
      const { page, context, errors } = await openPage(browser, converted.page);
      await page.addInitScript(longTaskProbe);
      await page.reload();
      await page.waitForSelector('#window0 input');

      for (let i = 1; i <= 3; i++) {
        await page.click('#window0 input');
        await waitFor(async () => (await page.inputValue('#window0 input')) === `Clicked ${i}`,
          5000, `click ${i}`);
      }
      assert.equal(await page.textContent('#window1 p'), 'running');

      await page.click('#window0 .close');
      await waitFor(async () => (await page.locator('#window0').count()) === 0, 5000,
        'the window to close');
      await letFramesPass(page, 20);
      assert.equal(await page.textContent('#window1 p'), 'after 1 clicks 3');
      assert.deepEqual(await page.evaluate(() => window.qcLongTasks), []);
      assert.deepEqual(errors, []);
      await context.close();
    });
}

const orderCases = [
  {
    name: 'a flat loop, then the code after it',
    source: `x = 1
Debug "x" + Str(x)
Repeat
  k = k + 1
  Debug "k" + Str(k)
Until k = 3
y = 2
Debug "y" + Str(y)`,
    expected: ['x1', 'k1', 'k2', 'k3', 'y2'],
  },
  {
    name: 'a loop nested in an If inside a loop',
    source: `Debug "a"
Repeat
  n = n + 1
  Debug "b" + Str(n)
  If n = 2
    Repeat
      m = m + 1
      Debug "c" + Str(m)
    Until m = 2
    Debug "d"
  EndIf
  Debug "e" + Str(n)
Until n = 3
Debug "f"`,
    expected: ['a', 'b1', 'e1', 'b2', 'c1', 'c2', 'd', 'e2', 'b3', 'e3', 'f'],
  },
  {
    name: 'loops in Else branches, Break and Continue',
    source: `For t = 0 To 1
  Debug "t" + Str(t)
Next
If t = 2
  Debug "skip"
Else
  Debug "never"
EndIf
x = 0
If x
  Debug "then"
Else
  Repeat
    c = c + 1
    Debug "c" + Str(c)
  Until c = 2
  Debug "d"
EndIf
Debug "e"
If x = 0
  Repeat
    p = p + 1
  Until p = 2
  Debug "p" + Str(p)
Else
  Repeat
    q = q + 1
  Until q = 2
  Debug "q"
EndIf
Repeat
  n = n + 1
  If n = 2
    Continue
  EndIf
  Debug "n" + Str(n)
  If n = 4
    Break
  EndIf
ForEver
Debug "end"`,
    expected: ['t0', 't1', 'skip', 'c1', 'c2', 'd', 'e', 'p2', 'n1', 'n3', 'n4', 'end'],
  },
];

for (const { name, source, expected } of orderCases) {
  test(`effects in source order: ${name}`, async () => {
    const converted = convertSource(source);
    assert.equal(converted.status, 0, converted.log.join('\n'));
    const { page, context, dialogs, errors } = await openPage(browser, converted.page);
    await waitFor(() => debugLines(dialogs).includes(expected.at(-1)), 10000, 'the last line');
    await letFramesPass(page, 10);
    assert.deepEqual(debugLines(dialogs), expected);
    assert.deepEqual(errors, []);
    await context.close();
  });
}
