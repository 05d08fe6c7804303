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
//   ; run-ms: N          how long to go on once that was shown (default 150)
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
//   ; do:                what a person does once the page runs (after typing), one action a line:
//                        click, double-click or right-click TEXT (a control, item or menu
//                        found by its visible text),
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
// Math.random repeats the same numbers, so both pages run alike.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {
  convertSource, debugLines, launchBrowser, openPage, sourceDir, tempDir, waitFor,
} from './lib/harness.mjs';

const root = path.join(sourceDir, 'tests/programs');
const repeatableRandom = `(() => { let s = 12345;
  Math.random = () => { s = (s * 1103515245 + 12345) % 2147483648; return s / 2147483648; }; })();`;

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

// The blocks of a case file: a line "; name:" opens a block, each "; text" line after it
// belongs to it; "; name: value" is a one-line setting.
export function parseCase(text) {
  const blocks = {};
  let open = null;
  for (const raw of text.split(/\r?\n/)) {
    const m = raw.match(/^; ([a-z-]+):\s*(.*)$/);
    if (m) {
      open = m[2] === '' ? m[1] : null;
      blocks[m[1]] = m[2] === '' ? [] : m[2];
    } else if (open && raw.startsWith(';')) {
      blocks[open].push(raw.slice(raw.startsWith('; ') ? 2 : 1));
    } else {
      open = null;
    }
  }
  return blocks;
}

function caseFiles(dir) {
  if (!fs.existsSync(dir)) return [];
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((e) => {
    const full = path.join(dir, e.name);
    if (e.isDirectory()) return caseFiles(full);
    return e.name.endsWith('.pb') ? [full] : [];
  }).sort();
}

// With mouse actions the Debug boxes stay closed (their texts are kept in the page), since the
// browser drops input while one is open.
const closedAlerts = `window.alert = (m) => {
  (window.qcShown = window.qcShown || []).push({ type: 'alert', message: String(m) }); };`;

// Real time: the page runs until it has shown what the case expects (or 5 s pass), then a
// little longer, so that lines it should not show have their chance to appear.
async function run(pagePath, want) {
  const replies = [want.answer ?? []].flat();
  const reply = (r) => (r === '(cancel)' ? false : r);
  const answer = (d) => (Array.isArray(want.answer) && d.type() !== 'alert' ? reply(replies.shift())
    : d.type() === 'prompt' ? want.answer : undefined);
  const init = want.mouse ? repeatableRandom + closedAlerts : repeatableRandom;
  const { page, context, dialogs, errors } = await openPage(browser, pagePath,
    { init, answer, allowedDir: '/', query: want.query });
  const shown = async () => (want.mouse ? page.evaluate(() => window.qcShown || []) : dialogs);
  const text = (id) => page.evaluate((i) => document.getElementById(i)?.innerText ?? null, id);
  const lines = (t) => t.trimEnd().split('\n').map((l) => l.trimEnd());
  const consoleLines = async () => lines((await text('QLCXconsole')) ?? '');
  const wantedConsole = lines((want.console ?? []).join('\n'));
  const consoleDone = async () => !want.console
    || JSON.stringify(await consoleLines()) === JSON.stringify(wantedConsole);
  const faulted = async () => errors.length > 0 || (await text('QLCXfault')) !== null;
  const wanted = (want.expect ?? []).length;
  const done = async () => (want['expect-error'] ? faulted()
    : debugLines(await shown()).length >= wanted && consoleDone());
  if (want.mouse) await useMouse(page, shown, want.mouse);
  for (const line of want.type ?? []) {
    await waitFor(async () => (await text('QLCXinput')) !== null, 1000, 'input line').catch(() => {});
    await page.keyboard.type(line);
    await page.keyboard.press('Enter');
  }
  for (const action of want.do ?? []) await act(page, action);
  await waitFor(async () => (await done()) || (await faulted()), 5000, 'the expected output')
    .catch(() => {});
  await new Promise((r) => setTimeout(r, Number(want['run-ms'] ?? 150)));
  const fault = await text('QLCXfault');
  const all = [...(await shown()), ...(want.mouse ? dialogs : [])];
  const seen = {
    debug: debugLines(all),
    dialogs: all.filter((d) => !d.message.startsWith('Debug: '))
      .map((d) => d.message.replaceAll('\n', '\\n') + (d.type === 'prompt' ? ` [${d.defaultValue}]` : '')),
    errors: fault === null ? errors : [...errors, fault],
    console: await consoleLines(),
    wantedConsole,
  };
  await context.close();
  return seen;
}

// Each action waits for its gadget and until the program has shown everything for the last one.
async function useMouse(page, shown, actions) {
  const pause = () => new Promise((r) => setTimeout(r, 250));
  for (const action of actions) {
    for (let seen = -1; seen !== (await shown()).length; await pause()) seen = (await shown()).length;
    await mouseAt(page, action);
  }
}

async function mouseAt(page, action) {
  const [what, gadget, x, y, more] = action.trim().split(/\s+/);
  const el = page.locator(`[id="${gadget}"]`).first();
  await el.waitFor();
  if (what === 'key') {
    await el.focus();
    await page.keyboard.press(x);
  } else {
    const box = await el.boundingBox();
    const [px, py, button] = [box.x + Number(x), box.y + Number(y), more ?? 'left'];
    await page.mouse.move(px, py);
    if (what === 'down') await page.mouse.down({ button });
    if (what === 'up') await page.mouse.up({ button });
    if (what === 'click') await page.mouse.click(px, py, { button });
    if (what === 'dblclick') await page.mouse.dblclick(px, py, { button });
    if (what === 'wheel') await page.mouse.wheel(0, Number(more));
  }
}

// Gadgets are found by their number (the element id) or, inside them, by visible text; each
// action leaves the page's frame timer time to take its events.
async function act(page, action) {
  const [, verb, rest] = action.match(/^(\S+)\s*(.*)$/);
  const gadget = (n) => page.locator(`[id="${n}"]`);
  const m = rest.match(/^(.*?)(?: (?:in|into) (\S+))?$/);
  const shown = () => page.getByText(rest, { exact: true }).filter({ visible: true }).first();
  if (verb === 'click') await shown().click();
  else if (verb === 'double-click') await shown().dblclick();
  else if (verb === 'right-click') await shown().click({ button: 'right' });
  else if (verb === 'choose') {
    const list = m[2] ? gadget(m[2]) : page.locator(`select:has(option:text-is("${m[1]}"))`);
    await list.first().selectOption({ label: m[1] });
  } else if (verb === 'type') {
    const field = gadget(m[2]);
    await (await field.evaluate((e) => e.tagName === 'SPAN') ? field.locator('input') : field).fill(m[1]);
  } else if (verb === 'key') {
    if (m[2]) await gadget(m[2]).focus();
    await page.keyboard.press(m[1]);
  } else if (verb === 'hold') {
    const [key, ms] = rest.split(' ');
    await page.keyboard.down(key);
    await page.waitForTimeout(Number(ms));
    await page.keyboard.up(key);
  } else if (verb === 'see') {
    const what = () => page.evaluate(see, rest);
    await waitFor(async () => (await what()) === rest, 5000, rest).catch(async () => {
      assert.equal(await what(), rest);
    });
  }
  else if (verb === 'wait') await page.waitForTimeout(Number(rest));
  else if (verb === 'reload') await page.reload();
  else if (verb === 'pick') page.once('filechooser', (c) => c.setFiles(path.join(root, rest)));
  else if (verb === 'mouse') await mouseAt(page, rest);
  else throw new Error(`unknown action: ${action}`);
  await page.waitForTimeout(120);
}

// What the page shows, in the words of a "see" action, to compare with it.
function see(line) {
  const [id, what, ...rest] = line.split(' ');
  if (id === 'at') {
    let el = document.elementFromPoint(Number(what), Number(rest[0]));
    while (el && !el.id) el = el.parentElement;
    return `at ${what} ${rest[0]} ${el?.id}`;
  }
  const el = document.getElementById(id);
  if (!el) return `${id} missing`;
  let value;
  if (what === 'pixel') {
    const c = Object.assign(document.createElement('canvas'), { width: el.width, height: el.height });
    c.getContext('2d').drawImage(el, 0, 0);
    return `${id} pixel ${rest[0]} ${rest[1]} ${c.getContext('2d').getImageData(rest[0], rest[1], 1, 1).data.slice(0, 3).join(',')}`;
  }
  if (what === 'text') value = el.innerText.replaceAll('\n', '\\n');
  else if (what[0] === '.') value = String(what.slice(1).split('.').reduce((o, k) => o?.[k], el));
  else if (what[0] === '@') value = el.getAttribute(what.slice(1));
  else value = getComputedStyle(el).getPropertyValue(what);
  return `${id} ${what} ${value}`;
}

// Every other line of the log is a message, internal ones ("JSL unknow ...") included.
const progress = /^(read ".*" \d+ bytes\.\.\.|finished!( \d+ bytes)?|convert\.\.\.|\d+ errors?|)$/;

// QUILLCAST_CASES=text runs only the cases whose path contains text.
const only = process.env.QUILLCAST_CASES ?? '';
const files = caseFiles(root).filter((f) => path.relative(root, f).includes(only));

for (const file of files) {
  const name = path.relative(root, file);
  test(name, async () => {
    const want = parseCase(fs.readFileSync(file, 'utf8'));
    const dir = tempDir('qc-prog-');
    for (const compact of [true, false]) {
      const program = want.program ? path.resolve(path.dirname(file), want.program) : file;
      const args = want.switches ? want.switches.split(' ') : [];
      const built = convertSource(program, { compact, dir, args });
      const how = compact ? 'compacted' : 'plain';
      assert.deepEqual(built.log.filter((l) => !progress.test(l)), want['expect-log'] ?? [],
        `${how}: conversion messages`);
      const seen = await run(built.page, want);
      if (want['expect-error']) {
        assert.ok(seen.errors.some((e) => e.includes(want['expect-error'].join('\n'))),
          `${how}: page error ${JSON.stringify(seen.errors)}`);
      } else {
        assert.deepEqual(seen.errors, [], `${how}: page errors`);
      }
      if (want.expect) assert.deepEqual(seen.debug, want.expect, `${how}: Debug lines`);
      if (want.console) assert.deepEqual(seen.console, seen.wantedConsole, `${how}: console`);
      if (want.dialogs) assert.deepEqual(seen.dialogs, want.dialogs, `${how}: requesters`);
    }
  });
}
