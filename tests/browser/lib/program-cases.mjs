// Runs one data case of tests/programs/ in a page: the blocks of its file, the clock it runs
// on, and what the page showed. programs.test.mjs turns each case into a test.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import {
  convertSourceAsync, debugLines, openInTab, openPage, sourceDir, waitFor,
} from './harness.mjs';

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

export function caseFiles(dir) {
  if (!fs.existsSync(dir)) return [];
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((e) => {
    const full = path.join(dir, e.name);
    if (e.isDirectory()) return caseFiles(full);
    return e.name.endsWith('.pb') ? [full] : [];
  }).sort();
}

// The clock a case runs on: "fake" unless it says "; clock: real". Anything else is a mistake
// in the case, which must not quietly pick one of the two.
export function clockOf(want) {
  const clock = want.clock ?? 'fake';
  if (clock !== 'fake' && clock !== 'real') throw new Error(`unknown clock "${clock}"`);
  return clock;
}

// The moment the fake clock starts at (any fixed time: pages only subtract times).
const fakeStart = 1700000000000;
// How far the fake clock moves between two looks at the page: less than a frame at first, then
// more and more, since each look costs real time and most waits are for something that came
// at once or comes late. Looking late only gives the page more time, which is never less strict.
const firstStep = 25;
const longestStep = 200;

// Time as the page sees it. On the real clock the runner sleeps; on the fake one time moves
// only when the runner moves it, all timers due meanwhile firing in order, so a case that
// waits seconds of page time takes a fraction of that and every run sees the same times.
function timeline(page, clock) {
  if (clock === 'real') {
    return {
      pass: (ms) => new Promise((r) => setTimeout(r, ms)),
      until: (predicate, ms, what) => waitFor(predicate, ms, what),
    };
  }
  return {
    pass: (ms) => page.clock.runFor(ms),
    async until(predicate, ms, what) {
      let t = 0;
      for (let step = firstStep; !(await predicate()); step = Math.min(longestStep, step * 2)) {
        if (t >= ms) throw new Error(`timed out waiting for ${what}`);
        const move = Math.min(step, ms - t);
        await page.clock.runFor(move);
        t += move;
      }
    },
  };
}

const repeatableRandom = `(() => { let s = 12345;
  Math.random = () => { s = (s * 1103515245 + 12345) % 2147483648; return s / 2147483648; }; })();`;

// With mouse actions the Debug boxes stay closed (their texts are kept in the page), since the
// browser drops input while one is open.
const closedAlerts = `window.alert = (m) => {
  (window.qcShown = window.qcShown || []).push({ type: 'alert', message: String(m) }); };`;

// The page runs until it has shown what the case expects (or 5 s of its time pass), then a
// little longer, so that lines it should not show have their chance to appear.
async function run(browser, pagePath, want, clock) {
  const replies = [want.answer ?? []].flat();
  const reply = (r) => (r === '(cancel)' ? false : r);
  const answer = (d) => (Array.isArray(want.answer) && d.type() !== 'alert' ? reply(replies.shift())
    : d.type() === 'prompt' ? want.answer : undefined);
  const init = want.mouse ? repeatableRandom + closedAlerts : repeatableRandom;
  const options = { init, answer, allowedDir: '/', query: want.query };
  // On the fake clock the page runs in a kept tab, given back for the next page when what a
  // person did there leaves nothing behind.
  const { page, context, dialogs, errors, release } = clock === 'fake'
    ? await openInTab(browser, pagePath, { ...options, clock: fakeStart })
    : await openPage(browser, pagePath, options);
  const end = (reusable) => (release ? release(reusable) : context.close());
  let seen;
  try {
    seen = await watch(page, dialogs, errors, want, clock);
  } catch (e) {
    await end(false);
    throw e;
  }
  await end(leavesNothingBehind(want));
  return seen;
}

// Keys and clicks end with the page; the tab keeps only where the mouse is, which the release
// of a kept tab puts back. A button pressed and never let go stays down, and a file prepared
// for a chooser the page never opened would be handed to the next page's.
function leavesNothingBehind(want) {
  const actions = [...(want.mouse ?? []), ...(want.do ?? [])].map((a) => a.replace(/^mouse /, ''));
  const count = (word) => actions.filter((a) => a.startsWith(`${word} `)).length;
  return count('down') === count('up') && count('pick') === 0;
}

// Drives an opened page through the case and returns what it showed.
async function watch(page, dialogs, errors, want, clock) {
  const time = timeline(page, clock);
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
  if (want.mouse) await useMouse(page, time, shown, want.mouse);
  for (const line of want.type ?? []) {
    await time.until(async () => (await text('QLCXinput')) !== null, 1000, 'input line')
      .catch(() => {});
    await page.keyboard.type(line);
    await page.keyboard.press('Enter');
  }
  for (const action of want.do ?? []) await act(page, time, action);
  await time.until(async () => (await done()) || (await faulted()), 5000, 'the expected output')
    .catch(() => {});
  await time.pass(Number(want['run-ms'] ?? 150));
  const fault = await text('QLCXfault');
  const all = [...(await shown()), ...(want.mouse ? dialogs : [])];
  return {
    debug: debugLines(all),
    dialogs: all.filter((d) => !d.message.startsWith('Debug: '))
      .map((d) => d.message.replaceAll('\n', '\\n') + (d.type === 'prompt' ? ` [${d.defaultValue}]` : '')),
    errors: fault === null ? errors : [...errors, fault],
    console: await consoleLines(),
    wantedConsole,
  };
}

// Each action waits for its gadget and until the program has shown everything for the last one.
async function useMouse(page, time, shown, actions) {
  for (const action of actions) {
    for (let seen = -1; seen !== (await shown()).length; await time.pass(250)) {
      seen = (await shown()).length;
    }
    await mouseAt(page, time, action);
  }
}

// The page makes its elements in its frames, which run only while the runner moves the clock:
// an action waits here for its element rather than in the browser, where time stands still.
async function present(time, locator, what, { visible = true } = {}) {
  await time.until(async () => (await locator.count()) > 0 && (!visible || locator.isVisible()),
    5000, what);
}

async function mouseAt(page, time, action) {
  const [what, gadget, x, y, more] = action.trim().split(/\s+/);
  const el = page.locator(`[id="${gadget}"]`).first();
  await present(time, el, `gadget ${gadget}`, { visible: what !== 'key' });
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
async function act(page, time, action) {
  const [, verb, rest] = action.match(/^(\S+)\s*(.*)$/);
  const gadget = (n) => page.locator(`[id="${n}"]`).first();
  const m = rest.match(/^(.*?)(?: (?:in|into) (\S+))?$/);
  const answered = verb === 'click' && rest.match(/^(.*) answered within (\d+) ms by (.*)$/);
  if (answered) return timedClick(page, time, ...answered.slice(1));
  const shown = page.getByText(rest, { exact: true }).filter({ visible: true }).first();
  if (['click', 'double-click', 'right-click'].includes(verb)) await present(time, shown, rest);
  if (verb === 'click') await shown.click();
  else if (verb === 'double-click') await shown.dblclick();
  else if (verb === 'right-click') await shown.click({ button: 'right' });
  else if (verb === 'choose') {
    const list = m[2] ? gadget(m[2]) : page.locator(`select:has(option:text-is("${m[1]}"))`).first();
    await present(time, list, action);
    await list.selectOption({ label: m[1] });
  } else if (verb === 'type') {
    const field = gadget(m[2]);
    await present(time, field, action);
    await (await field.evaluate((e) => e.tagName === 'SPAN') ? field.locator('input') : field).fill(m[1]);
  } else if (verb === 'key') {
    if (m[2]) await present(time, gadget(m[2]), action, { visible: false });
    if (m[2]) await gadget(m[2]).focus();
    await page.keyboard.press(m[1]);
  } else if (verb === 'hold') {
    const [key, ms] = rest.split(' ');
    await page.keyboard.down(key);
    await time.pass(Number(ms));
    await page.keyboard.up(key);
  } else if (verb === 'see') {
    const what = () => page.evaluate(see, rest);
    await time.until(async () => (await what()) === rest, 5000, rest).catch(async () => {
      assert.equal(await what(), rest);
    });
  }
  else if (verb === 'wait') await time.pass(Number(rest));
  else if (verb === 'reload') {
    await storageSettled(page);
    await page.reload();
  }
  else if (verb === 'pick') {
    page.once('filechooser', (c) => c.setFiles(path.join(sourceDir, 'tests/programs', rest)));
  }
  else if (verb === 'mouse') await mouseAt(page, time, rest);
  else throw new Error(`unknown action: ${action}`);
  await time.pass(120);
}

// What a page stores reaches the browser's own storage a moment after the page wrote it, on
// the browser's clock, and a busy machine can make that moment long: a reload before it would
// find nothing kept. A page of its own in another tab reads the browser's storage rather than
// the tab's copy of it; once it sees what the page holds, the reload sees it too.
async function storageSettled(page) {
  const held = () => JSON.stringify(Object.entries(localStorage).sort());
  const want = await page.evaluate(held);
  const probeFile = path.join(path.dirname(fileURLToPath(page.url())), 'qc-storage-probe.html');
  fs.writeFileSync(probeFile, '<!DOCTYPE html><title>probe</title>');
  const probe = await page.context().newPage();
  try {
    await probe.goto(pathToFileURL(probeFile).href);
    await waitFor(async () => (await probe.evaluate(held)) === want, 10000,
      "the page's storage to reach the browser");
  } finally {
    await probe.close();
  }
}

// "click Ping answered within 100 ms by 3 text answered": the time from the click's DOM event
// (its timeStamp: when the input came, however long the page then kept it waiting) to the
// first change of the page after which it shows what the "see" words say, both on the page's
// own clock. A page that is busy when the click comes, or whose program takes the event late,
// answers late.
async function timedClick(page, time, text, ms, seen) {
  const shown = page.getByText(text, { exact: true }).filter({ visible: true }).first();
  await present(time, shown, text);
  await page.evaluate(([look, wanted]) => {
    const shows = new Function(`return (${look})`)();
    window.qcClickAt = null;
    window.qcAnswerAt = null;
    window.addEventListener('click', (e) => { window.qcClickAt ??= e.timeStamp; }, true);
    new MutationObserver((_, observer) => {
      if (window.qcClickAt === null || shows(wanted) !== wanted) return;
      window.qcAnswerAt = performance.now();
      observer.disconnect();
    }).observe(document.documentElement,
      { subtree: true, childList: true, characterData: true, attributes: true });
  }, [see.toString(), seen]);
  await shown.click();
  const answerAt = () => page.evaluate(() => window.qcAnswerAt);
  await time.until(async () => (await answerAt()) !== null, 5000, seen).catch(() => {});
  const [clickAt, at] = await page.evaluate(() => [window.qcClickAt, window.qcAnswerAt]);
  assert.notEqual(at, null, `after the click on ${text} the page never showed ${seen}`);
  assert.ok(at - clickAt < Number(ms),
    `the click on ${text} was answered after ${Math.round(at - clickAt)} ms, not within ${ms}`);
  await time.pass(120);
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

// QUILLCAST_SWITCHES: switches added to every conversion (as "--no-embed", to see how the
// cases fare with it).
const extraSwitches = (process.env.QUILLCAST_SWITCHES ?? '').split(' ').filter(Boolean);

// Converts the case compacted and plain, runs each page and checks what it showed.
export async function checkCase(browser, file, want, dir) {
  const clock = clockOf(want);
  const program = want.program ? path.resolve(path.dirname(file), want.program) : file;
  for (const compact of [true, false]) {
    const args = [...(want.switches ? want.switches.split(' ') : []), ...extraSwitches];
    const built = await convertSourceAsync(program, { compact, dir, args });
    const how = compact ? 'compacted' : 'plain';
    assert.deepEqual(built.log.filter((l) => !progress.test(l)), want['expect-log'] ?? [],
      `${how}: conversion messages`);
    const seen = await run(browser, built.page, want, clock);
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
}
