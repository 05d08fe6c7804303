// Small programs with what they must show, run in Chromium compacted and plain. Each case is
// one file under tests/programs/ (folders group them by area): the program, then comment
// blocks that say what to expect. Adding a case is adding a file; no test code changes.
//
//   ; expect:            the Debug lines, in order (a lone ";" is an empty line; a line such as
//                        "; total: 3" would open a block, so write "total = 3")
//   ; expect-log:        the conversion's messages, in order; without it there must be none
//   ; expect-error:      text the page's error must contain, uncaught or in its fault panel
//                        (without it: no error)
//   ; console:           the console's text, line by line (blanks at the end do not count)
//   ; type:              lines typed, Enter after each; each waits up to 1 s for an input line
//   ; run-ms: N          how long to go on once that was shown (default 150 ms of page time)
//   ; answer: TEXT       the reply to every input box (default: accept with the preset); as a
//                        block, one reply a line for the input and question boxes in turn,
//                        (cancel) cancelling one
//   ; dialogs:           the texts of the requesters other than Debug, in order, line breaks as \n,
//                        an input box's preset after it in brackets
//   ; mouse:             actions done once the page has loaded, one a line, "ACTION GADGET X Y"
//                        with X, Y from the top left of gadget number GADGET: move, down, up,
//                        click, dblclick (then left, right or middle; left when missing),
//                        wheel (then the wheel's DY); "key GADGET KEY" presses a key there
//   ; program: PATH      run this program (relative to the case file) instead of the case itself
//   ; switches: ARGS     more command-line switches for the conversion (as "--debug-pane")
//   ; query: ?TEXT       the query the page's address ends with (the program's parameters)
//   ; clock: real        the page runs on the real clock, one page at a time: for a case that
//                        measures how fast time passes for it (passes or frames a second);
//                        without it the page's clock is fake (see below)
//   ; do:                what a person does once the page runs (after typing), one action a line:
//                        click, double-click or right-click TEXT (a control, item or menu
//                        found by its visible text), click TEXT answered within MS ms by SEE
//                        (from the click's DOM event to the page first showing what "see SEE"
//                        waits for, less than MS ms on the page's clock),
//                        choose LABEL [in GADGET] (an entry of a combo box or list view),
//                        type TEXT into GADGET, key KEYS [in GADGET] (as "Control+Q"), wait MS,
//                        hold KEY MS (down for MS milliseconds), mouse ACTION (as in "; mouse:"),
//                        see ID WHAT VALUE (waits until element ID shows it: WHAT is text for
//                        its visible text, line breaks as \n, .NAME a property (or path), @NAME an
//                        attribute, else a computed style), see ID missing, see ID pixel X Y
//                        R,G,B (of an image or canvas), see at X Y ID (the element with an id
//                        at page point X, Y), reload (the page again, its storage kept),
//                        pick PATH (the next file chooser gets PATH, under tests/programs)
//
// Math.random repeats the same numbers, so both pages run alike. The page's clock is fake unless
// the case says otherwise: its time moves only when the runner moves it, every timer due firing
// in order, so waits ("wait 800", Delay, WaitWindowEvent timeouts, ElapsedMilliseconds) take
// page time rather than real time and several pages run at once in one browser, however loaded
// the machine is. A case that checks a rate needs the real clock and the machine to itself:
// those run afterwards, one at a time.
//
// QUILLCAST_CASES=text runs only the cases whose path contains text; QUILLCAST_CLOCK=fake or
// real only the cases on that clock; QUILLCAST_PAGES=N sets how many pages run at once (4);
// QUILLCAST_SWITCHES adds switches to every conversion ("--no-embed").
import { after, before, describe, test } from 'node:test';
import fs from 'node:fs';
import path from 'node:path';
import { launchBrowser, sourceDir, tempDir } from './lib/harness.mjs';
import { caseFiles, checkCase, parseCase } from './lib/program-cases.mjs';

const root = path.join(sourceDir, 'tests/programs');
const only = process.env.QUILLCAST_CASES ?? '';
const clocks = process.env.QUILLCAST_CLOCK ? [process.env.QUILLCAST_CLOCK] : ['fake', 'real'];
const pages = Number(process.env.QUILLCAST_PAGES ?? 4);

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

const cases = caseFiles(root).filter((f) => path.relative(root, f).includes(only)).map((file) => {
  const want = parseCase(fs.readFileSync(file, 'utf8'));
  // A mistaken clock setting goes with the fake-clock cases, where checkCase reports it.
  const clock = want.clock === 'real' ? 'real' : 'fake';
  return { file, name: path.relative(root, file), want, clock };
});

// A page that never gives control back (a fault that loops for ever) fails its case instead
// of holding up the suite.
const timeout = 120000;

function register(clock) {
  for (const c of cases.filter((k) => k.clock === clock)) {
    test(c.name, { timeout }, () => checkCase(browser, c.file, c.want, tempDir('qc-prog-')));
  }
}

if (clocks.includes('fake')) {
  describe('fake clock, several pages at once', { concurrency: Math.max(1, pages) }, () => {
    register('fake');
  });
}
if (clocks.includes('real')) {
  describe('real clock, one page at a time', { concurrency: 1 }, () => register('real'));
}
