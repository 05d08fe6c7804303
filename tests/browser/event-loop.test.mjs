// Translated programs in Chromium, where the main program's Repeat loops run as timer
// functions. A real event loop must react to clicks, end when its window is closed, run the
// code after it exactly once, and never hold the page for a long task; nested loops, loops in
// Else branches, Break, Continue and End inside a procedure must show their effects in source
// order.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
  convertSource, debugLines, launchBrowser, openPage, sourceDir, waitFor,
} from './lib/harness.mjs';
import { modes } from './lib/runtime-page.mjs';

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

for (const { compact, name } of modes) {
  test(`an event loop reacts, ends with its window and never blocks (${name})`, async () => {
    const converted = convertSource(eventLoop, { compact });
    assert.equal(converted.status, 0, converted.log.join('\n'));
    const { page, context, errors } = await openPage(browser, converted.page,
      { init: longTaskProbe });
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
  {
    // A Break inside a Select leaves the loop, not just the Select; Break 2 leaves two.
    name: 'exits through Select and by level (the golden program)',
    source: path.join(sourceDir, 'tests/golden/statements-break-continue.bas'),
    expected: ['8', '26', '1', '3', '4'],
  },
  {
    // Typed declarations start strings empty, and a Static value is set once.
    name: 'typed and static declarations',
    source: `Procedure Count()
  Static.i calls, base = (#PB_Key_Space - 2) * 10
  calls + 1
  ProcedureReturn base + calls
EndProcedure
Define.s label
Debug label + Str(Count()) + " " + Str(Count())`,
    expected: ['301 302'],
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

// Lists of numbers and of structures, a two-dimensional array, string functions and
// procedures, then a loop that ends the program from inside a procedure: nothing after that
// End may run, and the open window closes.
const program = `Structure Point
  x.i
  y.i
EndStructure

NewList scores.i()
NewList points.Point()
Dim grid.i(2, 3)

Procedure.i Sum(a, b)
  ProcedureReturn a + b
EndProcedure

Procedure AddPoint(px, py)
  AddElement(points())
  points()\\x = px
  points()\\y = py
EndProcedure

For i = 1 To 4
  AddElement(scores())
  scores() = i * 10
Next
FirstElement(scores())
DeleteElement(scores())
Debug "scores: " + ListJoin(scores(), ",")
Debug "size: " + Str(ListSize(scores()))

AddPoint(1, 2)
AddPoint(3, 4)
total = 0
ForEach points()
  total = total + Sum(points()\\x, points()\\y)
Next
Debug "points: " + Str(total)

For r = 0 To 2
  For c = 0 To 3
    grid(r, c) = r * 10 + c
  Next
Next
Debug "grid: " + Str(grid(2, 3)) + " of " + Str(ArraySize(grid(), 1)) + "x" + Str(ArraySize(grid(), 2))

name$ = "  Quill Cast  "
name$ = Trim(name$)
Debug "text: " + UCase(ReplaceString(name$, " ", "-")) + " " + Str(FindString(name$, "Cast", 0)) + " " + StringField("a;b;c", 2, ";")
Debug "val: " + Str(Val("$1F") + Val("12abc"))

frames = 0
Repeat
  frames = frames + 1
  If frames = 3
    Debug "frames: " + Str(frames)
  EndIf
Until frames = 5
Debug "done " + Str(frames)

Procedure Quit()
  Debug "bye"
  End
EndProcedure

OpenWindow(0, 10, 10, 200, 100, "Main")
ticks = 0
Repeat
  ticks = ticks + 1
  If ticks = 2
    Quit()
  EndIf
Until ticks >= 2
Debug "after the loop"
`;

const frame = Math.floor(1000 / 30);
// Moves the page's fake clock one frame at a time until `done` holds (at most `limit` frames).
async function runUntil(session, done, limit) {
  for (let i = 0; i < limit && !(await done()); i++) await session.page.clock.runFor(frame);
  assert.ok(await done(), 'the program did not get there');
}

for (const mode of modes) {
  test(`a translated program shows the expected Debug lines (${mode.name})`, async () => {
    const converted = convertSource(program, { compact: mode.compact });
    assert.equal(converted.status, 0, converted.log.join('\n'));
    const session = await openPage(browser, converted.page, { clock: 1700000000000 });
    const lines = () => debugLines(session.dialogs);
    const windows = () => session.page.evaluate(() => document.querySelectorAll('section').length);
    await runUntil(session, () => lines().includes('done 5'), 100);
    assert.equal(await windows(), 1, 'the window is open while the last loop runs');
    await runUntil(session, () => lines().includes('bye'), 100);
    await session.page.clock.runFor(frame * 30);
    assert.deepEqual(lines(), [
      'scores: 20,30,40',
      'size: 3',
      'points: 10',
      'grid: 23 of 2x3',
      'text: QUILL-CAST 7 b',
      'val: 43',
      'frames: 3',
      'done 5',
      'bye',
    ]);
    assert.equal(await windows(), 0, 'End closed the window');
    assert.deepEqual(session.errors, []);
    await session.context.close();
  });
}
