// Gadgets of the page runtime: placement with each kind's offsets, the events real input
// produces, the text and state functions and ResizeGadget, in Chromium.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, waitFor } from './lib/harness.mjs';
import {
  ask, box, makePng, modes, requestedFiles, withTestPage,
} from './runtime-gui-support.mjs';

let browser;
let files;
before(async () => {
  browser = await launchBrowser();
  const palette = { r: [255, 0, 0, 255], b: [0, 0, 255, 255] };
  files = {
    'pic.png': await makePng(browser, ['rb', 'br'], palette),
    'pic2.png': await makePng(browser, ['rrr', 'bbb'], palette),
    'frame.html': '<p>frame</p>',
    'frame2.html': '<p>frame two</p>',
  };
});
after(async () => {
  await browser.close();
});

// Gadget 9 comes before any window, the others go into window 0; 10 and 11 miss their text.
const allGadgets = `
function INIT() {
StringGadget(9, 600, 5, 50, 20, "early");
LoadImage(1, "pic.png");
OpenWindow(0, 0, 0, 500, 400, "Gadgets");
StringGadget(1, 10, 10, 120, 26, "abc");
ButtonGadget(2, 10, 50, 120, 26, "Go");
TextGadget(3, 10, 90, 120, 20, "Label");
ProgressBarGadget(4, 10, 130, 120, 20, 0, 100);
ImageGadget(5, 200, 10, 40, 40, 1);
WebGadget(6, 200, 60, 120, 60, "frame.html");
TrackBarGadget(7, 10, 170, 120, 26, 0, 10);
HyperLinkGadget(8, 10, 210, 120, 26, "#here", 0);
TextGadget(10, 260, 250, 80, 20);
WebGadget(11, 260, 280, 80, 40);
ChangeLoop(qcLoop);
}
function qcText() {
var texts = [];
for (var id = 1; id <= 10; id++) { texts.push(GetGadgetText(id)); }
return texts.join("|");
}
function qcStates() {
var states = [];
for (var id = 1; id <= 9; id++) { states.push(GetGadgetState(id)); }
return states;
}
function qcAnswer(ask) {
if (ask == "events") { return qcEvents(); }
if (ask == "texts") { return qcText(); }
if (ask == "states") { return qcStates(); }
if (ask == "missing") { return [GetGadgetText(99), GetGadgetState(99), 1].join(","); }
if (ask == "set texts") { return qcSetTexts(); }
if (ask == "set states") { return qcSetStates(); }
if (ask == "resize") { return qcResizeAll(20, 40, 100, 30); }
if (ask == "resize width") { return qcResizeAll(0, -1, 60, 0); }
return "?";
}
function qcSetTexts() {
SetGadgetText(1, "typed");
SetGadgetText(2, "Stop");
SetGadgetText(3, "Hello");
SetGadgetText(6, "frame2.html");
SetGadgetText(7, "3");
SetGadgetText(8, "https://example.org/a");
SetGadgetText(99, "nothing");
return 1;
}
function qcSetStates() {
LoadImage(2, "pic2.png");
SetGadgetState(1, 12);
SetGadgetState(4, 40);
SetGadgetState(5, 2);
SetGadgetState(7, 6);
SetGadgetState(3, 8);
return 1;
}
function qcResizeAll(x, y, w, h) {
for (var id = 1; id <= 8; id++) { ResizeGadget(id, x, y, w, h); }
return 1;
}
`;

const px = (left, top, width = '', height = '') => ({ left, top, width, height, z: '' });

for (const { compact, name: label } of modes) {
  describe(`gadgets (${label})`, () => {
    test('each kind is placed with its own offsets in the right parent',
      () => withTestPage(browser, allGadgets, { compact, files }, async (opened) => {
      const { page } = opened;
      const expected = {
        1: px('10px', '10px', '114px', '20px'),
        2: px('10px', '50px', '120px', '26px'),
        3: px('10px', '77px', '120px', '20px'),
        4: px('10px', '127px', '120px', '20px'),
        5: px('200px', '10px'),
        6: px('200px', '60px', '120px', '60px'),
        7: px('10px', '170px', '114px', '20px'),
        8: px('10px', '210px', '114px', '20px'),
      };
      for (const [id, want] of Object.entries(expected)) {
        assert.deepEqual(await box(page, id), want, `gadget ${id}`);
      }
      const parents = await page.evaluate(() =>
        [1, 9].map((id) => document.getElementById(String(id)).parentNode.id));
      assert.deepEqual(parents, ['window0_content', 'winout']);
      assert.equal(await page.getAttribute('#\\38', 'target'), '_blank');
      assert.equal(await page.evaluate(() => document.getElementById('4').high), 0);
      // Paths go to the browser exactly as the program gave them, and nothing else is fetched.
      assert.equal(await page.getAttribute('#\\35', 'src'), 'pic.png');
      assert.equal(await page.getAttribute('#\\36', 'src'), 'frame.html');
      assert.deepEqual(requestedFiles(opened).sort(), ['frame.html', 'pic.png', 'test' +
        (compact ? '.html' : '.plain.html')].sort());
    }));

    test('real input produces each kind of gadget event',
      () => withTestPage(browser, allGadgets, { compact, files }, async ({ page }) => {
      const typeAndLeave = async () => {
        await page.keyboard.type('xy');
        await page.keyboard.press('Tab');
      };
      const rows = [
        { id: 1, then: typeAndLeave, events: '0,2,1,3 0,2,1,1 0,2,1,5 0,2,1,4' },
        { id: 2, events: '0,2,2,1' },
        { id: 3, events: '0,2,3,1' },
        { id: 3, double: true, events: '0,2,3,1 0,2,3,2' },
        { id: 4, events: '0,2,4,1' },
        { id: 5, events: '0,2,5,1' },
        { id: 7, then: () => page.keyboard.press('ArrowRight'), events: '0,2,7,3 0,2,7,5 0,2,7,1 0,2,7,5' },
        { id: 8, events: '0,2,8,3 0,2,8,1' },
        { id: 9, events: '-1,2,9,3 -1,2,9,1' },
      ];
      for (const row of rows) {
        await page.evaluate(() => document.activeElement.blur());
        await ask(page, 'events');
        if (row.double) await page.dblclick(`[id="${row.id}"]`);
        else await page.click(`[id="${row.id}"]`);
        if (row.then) await row.then();
        assert.equal(await ask(page, 'events'), row.events, `gadget ${row.id}`);
      }
      assert.equal(await page.inputValue('[id="1"]'), 'abcxy');
    }));

    test('text and state functions read and write each kind',
      () => withTestPage(browser, allGadgets, { compact, files }, async (opened) => {
      const { page } = opened;
      const texts = (await ask(page, 'texts')).split('|');
      assert.deepEqual([texts[0], texts[1], texts[2], texts[8], texts[9]],
        ['abc', 'Go', 'Label', 'early', '']);
      assert.match(texts[5], /^file:.*\/frame\.html$/);
      assert.equal(texts[6], '0');
      assert.match(texts[7], /^file:.*#here$/);
      assert.deepEqual(await ask(page, 'states'), [0, 0, 0, 0, 1, 0, 0, 0, 0]);
      assert.equal(await ask(page, 'missing'), ',0,1');

      await ask(page, 'set texts');
      const after = (await ask(page, 'texts')).split('|');
      assert.deepEqual(after.slice(0, 3), ['typed', 'Stop', 'Hello']);
      assert.match(after[5], /\/frame2\.html$/);
      assert.deepEqual([after[6], after[7]], ['3', 'https://example.org/a']);
      // A hyperlink's address and its visible text change together.
      assert.equal(await page.textContent('[id="8"]'), 'https://example.org/a');
      assert.equal(await page.getAttribute('[id="8"]', 'href'), 'https://example.org/a');
      assert.equal(await page.textContent('[id="3"]'), 'Hello');

      await ask(page, 'set states');
      // Numbers, not attribute texts: a translated "Case 40" must match.
      assert.deepEqual(await ask(page, 'states'), [12, 0, 8, 40, 2, 0, 6, 0, 0]);
      assert.equal(await page.getAttribute('[id="5"]', 'src'), 'pic2.png');
      await waitFor(() => requestedFiles(opened).includes('frame2.html'), 5000, 'new frame');
      assert.deepEqual(requestedFiles(opened).filter((f) => !f.startsWith('test')).sort(),
        ['frame.html', 'frame2.html', 'pic.png', 'pic2.png']);
    }));

    test('ResizeGadget keeps the offsets of string and text gadgets only',
      () => withTestPage(browser, allGadgets, { compact, files }, async ({ page }) => {
      await ask(page, 'resize');
      const moved = {
        1: px('20px', '40px', '94px', '24px'),
        3: px('20px', '27px', '100px', '30px'),
      };
      for (let id = 1; id <= 8; id += 1) {
        assert.deepEqual(await box(page, id), moved[id] ?? px('20px', '40px', '100px', '30px'),
          `gadget ${id}`);
      }
      // 0 and -1 leave a value alone.
      await ask(page, 'resize width');
      assert.deepEqual(await box(page, 1), px('20px', '40px', '54px', '24px'));
      assert.deepEqual(await box(page, 3), px('20px', '27px', '60px', '30px'));
      assert.deepEqual(await box(page, 4), px('20px', '40px', '60px', '30px'));
    }));
  });
}
