// Windows of the page runtime: the element tree and its sizes, the window functions, dragging
// by the title, raising, and the close box, driven by real mouse input in Chromium.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser } from './lib/harness.mjs';
import { ask, box, modes, withTestPage } from './runtime-gui-support.mjs';

let browser;
before(async () => {
  browser = await launchBrowser();
});
after(async () => {
  await browser.close();
});

// Centre of an element in page coordinates, for real mouse presses.
async function centreOf(page, selector) {
  const b = await page.locator(selector).first().boundingBox();
  return { x: b.x + b.width / 2, y: b.y + b.height / 2 };
}

async function pressAt(page, selector, offset = { x: 0, y: 0 }) {
  const c = await centreOf(page, selector);
  await page.mouse.click(c.x + offset.x, c.y + offset.y);
}

const twoWindows = `
function INIT() {
OpenWindow(1, 150, 20, 200, 100, "First");
OpenWindow(0, 0, 0, 0, 0, "");
ChangeLoop(qcLoop);
}
function qcAnswer(ask) {
if (ask == "events") { return qcEvents(); }
if (ask == "is") { return [IsWindow(0), IsWindow(1), IsWindow(2)].join(","); }
if (ask == "resize") { return ResizeWindow(1, 0, 50, -1, 200); }
if (ask == "resize missing") { return ResizeWindow(7, 5, 5, 5, 5); }
if (ask == "title") { SetWindowTitle(1, "Renamed"); return 1; }
if (ask == "color") { SetWindowColor(1, RGB(0, 128, 255)); return 1; }
if (ask == "close") { return CloseWindow(0); }
if (ask == "close again") { return CloseWindow(0); }
if (ask == "end") { end(); return 1; }
if (ask == "active") { SetActiveWindow(0); SetActiveWindow(0); SetActiveWindow(1); return 1; }
if (ask == "gadgets") { ButtonGadget(20, 5, 5, 50, 20, "B"); UseGadgetList(1); return ButtonGadget(21, 5, 5, 50, 20, "C"); }
return "?";
}
`;

const oneWindow = `
function INIT() {
OpenWindow(3, 50, 50, 150, 80, "Three");
ChangeLoop(qcLoop);
}
function qcAnswer(ask) {
return qcEvents();
}
`;

for (const { compact, name: label } of modes) {
  describe(`windows (${label})`, () => {
    test('OpenWindow adds the frame sizes and fills in defaults',
      () => withTestPage(browser, twoWindows, { compact }, async ({ page }) => {
      // The elements inside are seen in the reference picture; their ids are used below.
      assert.deepEqual(await box(page, 'window1'),
        { left: '150px', top: '20px', width: '213px', height: '89px', z: '' });
      assert.deepEqual(await box(page, 'window0'),
        { left: '0px', top: '0px', width: '113px', height: '49px', z: '' });
      assert.equal(await page.textContent('#window0_title'), '');
      assert.equal(await page.evaluate(() => document.body.id), 'winout');
      assert.equal(await page.evaluate(() => document.getElementById('window1').parentNode.id),
        'winout');
    }));

    test('window functions change only what they are given',
      () => withTestPage(browser, twoWindows, { compact }, async ({ page }) => {
      assert.equal(await ask(page, 'is'), '1,1,0');
      assert.equal(await ask(page, 'resize'), 1);
      assert.deepEqual(await box(page, 'window1'),
        { left: '150px', top: '50px', width: '213px', height: '189px', z: '' });
      assert.equal(await ask(page, 'resize missing'), 0);
      await ask(page, 'title');
      assert.equal(await page.textContent('#window1_title'), 'Renamed');
      await ask(page, 'color');
      assert.equal(await page.evaluate(() =>
        getComputedStyle(document.getElementById('window1_content')).backgroundColor),
      'rgb(0, 128, 255)');
      await ask(page, 'active');
      assert.deepEqual([(await box(page, 'window0')).z, (await box(page, 'window1')).z],
        ['1000', '1001']);
      await ask(page, 'gadgets');
      assert.deepEqual(await page.evaluate(() => ['20', '21'].map((id) =>
        document.getElementById(id).parentNode.id)), ['window0_content', 'window1_content']);
      assert.equal(await ask(page, 'close'), 1);
      assert.equal(await page.locator('#window0').count(), 0);
      assert.equal(await ask(page, 'is'), '0,1,0');
      assert.equal(await ask(page, 'close again'), 0);
      await ask(page, 'end');
      assert.equal(await page.locator('section').count(), 0);
    }));

    test('dragging by the title moves the window with the pointer',
      () => withTestPage(browser, twoWindows, { compact }, async ({ page }) => {
      const start = await centreOf(page, '#window1_title');
      await page.mouse.move(start.x, start.y);
      await page.mouse.down();
      await page.mouse.move(start.x + 60, start.y + 35, { steps: 4 });
      await page.mouse.up();
      assert.deepEqual(await box(page, 'window1'),
        { left: '210px', top: '55px', width: '213px', height: '89px', z: '1000' });
      assert.deepEqual(await box(page, 'window0'),
        { left: '0px', top: '0px', width: '113px', height: '49px', z: '' }, 'the other stays');
      // Without a pressed title, moving the pointer moves nothing.
      await page.mouse.move(start.x + 200, start.y + 200, { steps: 3 });
      assert.equal((await box(page, 'window1')).left, '210px');
      // Pressing the body does not drag either.
      const body = await centreOf(page, '#window1_content');
      await page.mouse.move(body.x, body.y);
      await page.mouse.down();
      await page.mouse.move(body.x + 40, body.y + 40, { steps: 3 });
      await page.mouse.up();
      assert.equal((await box(page, 'window1')).left, '210px');
    }));

    test('raising takes a new z-index only for a window not already on top',
      () => withTestPage(browser, twoWindows, { compact }, async ({ page }) => {
      const z = async () => [(await box(page, 'window0')).z, (await box(page, 'window1')).z];
      await pressAt(page, '#window1_content', { x: 40, y: 0 });
      await pressAt(page, '#window1_content', { x: 40, y: 10 });
      assert.deepEqual(await z(), ['', '1000']);
      await pressAt(page, '#window0_content');
      assert.deepEqual(await z(), ['1001', '1000']);
      await pressAt(page, '#window1_title');
      assert.deepEqual(await z(), ['1001', '1002']);
    }));

    test('the close box queues one close event per burst of presses',
      () => withTestPage(browser, oneWindow, { compact }, async ({ page }) => {
      await pressAt(page, '#window3 .close');
      await pressAt(page, '#window3 .close');
      assert.equal(await ask(page, 'events'), '3,1,0,0');
      await pressAt(page, '#window3 .close');
      assert.equal(await ask(page, 'events'), '3,1,0,0');
      assert.equal(await ask(page, 'events'), '');
      // The close box only reports; closing is the program's decision.
      assert.equal(await page.locator('#window3').count(), 1);
    }));
  });
}
