// A translated program on the runtime library, end to end: lists (of numbers and of
// structures), a two-dimensional array, string functions, procedures and Repeat loops, checked
// through its Debug lines, compacted and plain. The last loop ends the program from inside a
// procedure: nothing after that End may run, and the open window closes.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { convertSource, debugLines, launchBrowser, openPage } from './lib/harness.mjs';
import { modes } from './lib/runtime-page.mjs';

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
let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

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
      'grid: 23 of 3x4',
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
