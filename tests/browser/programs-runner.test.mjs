// The data-case runner must fail a case whose page does not do what the case says: each row is
// a program with a case that holds and one that does not, and the second must fail with the
// row's message. A runner that stops looking (a wait that ends at once, a clock that never
// moves, a fault the fake clock swallows, a check left out) would pass every data case; here it
// fails. The rows run on the fake clock, as most data cases do.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { launchBrowser, tempDir } from './lib/harness.mjs';
import { checkCase, parseCase } from './lib/program-cases.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

const rows = [
  {
    what: 'a wrong Debug line',
    program: ['Debug "one"', 'Debug "two"'],
    good: ['; expect:', '; one', '; two'],
    bad: ['; expect:', '; one', '; three'],
    fails: /Debug lines/,
  },
  {
    // The line comes late in page time: the run waits for it, and goes on after the last line
    // it expects long enough to see one more.
    what: 'a line after the expected ones',
    program: ['Delay(3000)', 'Debug "late"', 'Delay(100)', 'Debug "later"'],
    good: ['; expect:', '; late', '; later'],
    bad: ['; expect:', '; late'],
    fails: /Debug lines/,
  },
  {
    // The run waits 5 s of page time for what it expects, after the actions' own waits.
    what: 'a line later than the run waits for',
    program: ['Delay(7000)', 'Debug "late"'],
    good: ['; do:', '; wait 3000', '; expect:', '; late'],
    bad: ['; expect:', '; late'],
    fails: /Debug lines/,
  },
  {
    what: 'a wrong console line',
    program: ['OpenConsole()', 'For i = 1 To 3', '  PrintN(Str(i))', '  Delay(200)', 'Next'],
    good: ['; console:', '; 1', '; 2', '; 3'],
    bad: ['; console:', '; 1', '; 2', '; 4'],
    fails: /console/,
  },
  {
    // The fault comes in a frame, from a timer of the page.
    what: 'a fault the case does not expect',
    program: ['Structure Item', '  n.i', 'EndStructure', 'Dim items.Item(2)', 'Repeat',
      '  count + 1', '  If count = 3', '    x = items(count + 5)\\n', '  EndIf', 'ForEver'],
    good: ['; expect-error:', '; array index out of bounds'],
    bad: [],
    fails: /page errors/,
  },
  {
    what: 'a fault that does not come',
    program: ['Structure Item', '  n.i', 'EndStructure', 'Dim items.Item(2)', 'x = items(1)\\n'],
    good: [],
    bad: ['; expect-error:', '; array index out of bounds'],
    fails: /page error/,
  },
  {
    what: 'a conversion message the case does not name',
    program: ['Dim a.Nope(3)'],
    good: ['; expect-log:', '; line 1  column 5 ERROR unknow typ "a.Nope"'],
    bad: [],
    fails: /conversion messages/,
  },
  {
    what: 'a wrong requester text',
    program: ['MessageRequester("Note", "Done.")'],
    good: ['; dialogs:', '; Note\\n\\nDone.'],
    bad: ['; dialogs:', '; Note\\n\\nDone!'],
    fails: /requesters/,
  },
  {
    what: 'a wrong gadget text',
    program: ['OpenWindow(0, 10, 10, 200, 100, "W")', 'TextGadget(1, 10, 10, 100, 20, "hi")',
      'Repeat', '  e = WaitWindowEvent()', 'Until e = #PB_Event_CloseWindow'],
    good: ['; do:', '; wait 500', '; see 1 text hi'],
    bad: ['; do:', '; wait 500', '; see 1 text ho'],
    fails: /1 text ho/,
  },
  {
    // The plain page runs in the tab the compacted one left, whose clock has moved on 1.5 s:
    // the page must still count its time from its own start.
    what: 'a page time that does not start with the page',
    program: ['Debug Str(Bool(ElapsedMilliseconds() < 100))', 'Delay(1500)', 'Debug "done"'],
    good: ['; expect:', '; 1', '; done'],
    bad: ['; expect:', '; 0', '; done'],
    fails: /Debug lines/,
  },
  {
    what: 'a clock that is neither fake nor real',
    program: ['Debug "one"'],
    good: ['; expect:', '; one', '; clock: fake'],
    bad: ['; expect:', '; one', '; clock: slow'],
    fails: /unknown clock/,
  },
];

// The case file made of a row's program and blocks, checked as programs.test.mjs does.
function check(program, blocks) {
  const dir = tempDir('qc-runner-');
  const file = path.join(dir, 'case.pb');
  fs.writeFileSync(file, [...program, ...blocks, ''].join('\n'));
  return checkCase(browser, file, parseCase(fs.readFileSync(file, 'utf8')), dir);
}

describe('the data-case runner', { concurrency: Number(process.env.QUILLCAST_PAGES ?? 4) }, () => {
  for (const row of rows) {
    test(`fails on ${row.what}`, async () => {
      await check(row.program, row.good);
      await assert.rejects(check(row.program, row.bad), row.fails);
    });
  }
});
