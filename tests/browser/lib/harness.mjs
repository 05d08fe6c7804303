// Shared helpers for the browser tests: convert with the real quillcast-cli, open the page
// in the system Chromium, record dialogs and any network request the page makes.
import { chromium } from 'playwright-core';
import { execFile, execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const sourceDir = process.env.QUILLCAST_SOURCE_DIR ?? path.resolve(here, '../../..');
export const cli = process.env.QUILLCAST_CLI ?? path.join(sourceDir, 'build/cli/quillcast-cli');

const flags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export async function launchBrowser(extraFlags = []) {
  return chromium.launch({
    executablePath: '/usr/bin/chromium', args: [...flags, ...extraFlags], headless: true,
  });
}

export function tempDir(prefix = 'qc-') {
  return fs.mkdtempSync(path.join(os.tmpdir(), prefix));
}

// Runs quillcast-cli; returns { status, log, page } where page is the written file.
export function runCli(args, { cwd } = {}) {
  const r = spawnSync(cli, args, { cwd, encoding: 'utf8' });
  return { status: r.status, log: (r.stderr ?? '').split('\n').filter((l) => l !== '') };
}

// The same, without holding up the other pages a test drives meanwhile.
export function runCliAsync(args) {
  return new Promise((resolve) => {
    execFile(cli, args, { encoding: 'utf8' }, (error, stdout, stderr) => {
      const status = error ? (typeof error.code === 'number' ? error.code : null) : 0;
      resolve({ status, log: (stderr ?? '').split('\n').filter((l) => l !== '') });
    });
  });
}

// The arguments that convert BASIC source text (or a .pb file path) into a page.
function conversion(source, { compact = true, dir = tempDir(), name = 'prog.pb', args = [] } = {}) {
  let src = source;
  if (!fs.existsSync(source)) {
    src = path.join(dir, name);
    fs.writeFileSync(src, source);
  }
  const out = path.join(dir, path.basename(src) + (compact ? '.html' : '.plain.html'));
  return { args: [src, '-o', out, ...(compact ? [] : ['--no-compact']), ...args], page: out };
}

// Converts BASIC source text (or a .pb file path) into a page; compact by default.
export function convertSource(source, options) {
  const { args, page } = conversion(source, options);
  return { ...runCli(args), page };
}

export async function convertSourceAsync(source, options) {
  const { args, page } = conversion(source, options);
  return { ...(await runCliAsync(args)), page };
}

// Builds a page from hand-written JavaScript that defines INIT(), run on the runtime library.
export function pageFromJs(js, { compact = true, dir = tempDir() } = {}) {
  const src = path.join(dir, 'test.js');
  fs.writeFileSync(src, js);
  const out = path.join(dir, compact ? 'test.html' : 'test.plain.html');
  const r = runCli([src, '--page-from-js', '-o', out, ...(compact ? [] : ['--no-compact'])]);
  return { ...r, page: out };
}

// The fake clock catches what a timer callback throws and rethrows it from runFor, so the
// page's error handler (its fault panel) would never hear of it and a faulty frame would run
// again and again. Wrapped like this, the page reports the error itself, as with real timers.
const timersReportFaults = `(() => {
  const guard = (f) => (typeof f !== 'function' ? f : function (...args) {
    try { return f.apply(this, args); } catch (e) { reportError(e); }
  });
  for (const name of ['setTimeout', 'setInterval', 'requestAnimationFrame']) {
    const fake = window[name];
    window[name] = (f, ...rest) => fake(guard(f), ...rest);
  }
})();`;

// Opens a written page. Dialogs (alert, prompt, confirm) are answered by `answer` (default:
// accept) and recorded; every request that is not for a file under allowedDir is blocked and
// recorded, so a test can assert the page fetched nothing else. With `clock` (milliseconds
// since 1970) the page's clock and timers are fake and stand still at that time from the first
// script on; only page.clock.runFor moves them, so frame timers can be tested without waiting.
// `init` (a function or script text) runs in the page before the page's own script; `query`
// ("?a=1&b") follows the page's address.
export async function openPage(browser, pagePath, { answer, allowedDir, viewport, clock, init, query } = {}) {
  const context = await browser.newContext({ viewport: viewport ?? { width: 1024, height: 768 } });
  const page = await context.newPage();
  if (init) await page.addInitScript(init);
  if (clock !== undefined) {
    // The installed clock runs on until paused, and it cannot pause in its past: start it a
    // minute early and pause at the time asked for (no page script has run yet).
    await page.clock.install({ time: clock - 60000 });
    await page.clock.pauseAt(clock);
    await page.addInitScript(timersReportFaults);
  }
  const dialogs = [];
  const requests = [];
  const errors = [];
  const allowed = pathToFileURL(allowedDir ?? path.dirname(pagePath)).href;
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('dialog', async (d) => {
    dialogs.push({ type: d.type(), message: d.message(), defaultValue: d.defaultValue() });
    const reply = answer ? answer(d) : undefined;
    if (reply === false) await d.dismiss();
    else await d.accept(typeof reply === 'string' ? reply : undefined);
  });
  await page.route('**/*', (route) => {
    const url = route.request().url();
    requests.push(url);
    if (url.startsWith(allowed)) route.continue();
    else route.abort();
  });
  await page.goto(pathToFileURL(pagePath).href + (query ?? ''));
  return { page, context, dialogs, requests, errors };
}

// Tabs kept for one fake-clock page after another. A new tab costs the browser a renderer
// process and the clock's installation, about 0.55 CPU seconds, most of what a short case
// costs; loading a page into a kept tab costs a fifth of that. A kept tab is as a new one
// would be: its pages get the same script before their own (tabs are kept per script), the
// clock stands at the time asked for when the page starts and its monotonic time counts from
// there (see monotonicFromPageStart), the storage and cookies of the last page are gone, the
// mouse stands at (0, 0) with no button held, and no handler of the last page's is left: the
// caller gives a tab back only after a page that opened no other window and left no button
// down or file chooser prepared, and never after a failure.
const keptTabs = new WeakMap();

// The fake clock's monotonic time goes on from page to page in a tab; a page counts from its
// own start, as in a new tab ("00:00:00" on a clock showing ElapsedMilliseconds). The start is
// read from the page before (asking the clock here, before its later steps are known to the
// page, would set it wrong) and handed in by a script of its own.
const monotonicFromPageStart = `(() => {
  const now = performance.now.bind(performance);
  window.qcClockTime = now;
  performance.now = () => now() - (window.qcPageStart ?? 0);
})();`;

async function newTab(browser, { clock, init }) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  const page = await context.newPage();
  const tab = { context, page, init, session: null };
  if (init) await page.addInitScript(init);
  await page.clock.install({ time: clock - 60000 });
  await page.clock.pauseAt(clock);
  await page.addInitScript(timersReportFaults);
  await page.addInitScript(monotonicFromPageStart);
  page.on('pageerror', (e) => tab.session?.errors.push(String(e)));
  page.on('dialog', async (d) => {
    const session = tab.session;
    if (!session) return d.dismiss();
    session.dialogs.push({ type: d.type(), message: d.message(), defaultValue: d.defaultValue() });
    const reply = session.answer ? session.answer(d) : undefined;
    if (reply === false) await d.dismiss();
    else await d.accept(typeof reply === 'string' ? reply : undefined);
  });
  await page.route('**/*', (route) => {
    const url = route.request().url();
    tab.session?.requests.push(url);
    if (tab.session && url.startsWith(tab.session.allowed)) route.continue();
    else route.abort();
  });
  return tab;
}

// As openPage with `clock`, in a kept tab where there is one. The result's release(reusable)
// ends the page: the tab is kept for the next page when `reusable`, else closed.
export async function openInTab(browser, pagePath, { answer, allowedDir, clock, init, query }) {
  if (!keptTabs.has(browser)) keptTabs.set(browser, []);
  const kept = keptTabs.get(browser);
  const at = kept.findIndex((t) => t.init === init);
  const tab = at >= 0 ? kept.splice(at, 1)[0] : await newTab(browser, { clock, init });
  const session = {
    page: tab.page, context: tab.context, dialogs: [], requests: [], errors: [], answer,
    allowed: pathToFileURL(allowedDir ?? path.dirname(pagePath)).href,
  };
  tab.session = session;
  session.release = async (reusable) => {
    tab.session = null;
    if (reusable && !tab.page.isClosed() && tab.context.pages().length === 1) {
      try {
        // Where a new tab has the mouse, if a person moved it.
        await tab.page.mouse.move(0, 0);
        tab.pageStart = await tab.page.evaluate(() => {
          localStorage.clear();
          sessionStorage.clear();
          return window.qcClockTime();
        });
        await tab.context.clearCookies();
        kept.push(tab);
        return;
      } catch {
        // A page that cannot be asked is not one to keep.
      }
    }
    await tab.context.close();
  };
  try {
    if (at >= 0) {
      await tab.page.addInitScript((start) => { window.qcPageStart = start; }, tab.pageStart);
      await tab.page.clock.setSystemTime(clock);
    }
    await tab.page.goto(pathToFileURL(pagePath).href + (query ?? ''));
  } catch (e) {
    await session.release(false);
    throw e;
  }
  return session;
}

// Waits until `predicate()` is true, polling; fails after `ms`.
export async function waitFor(predicate, ms = 5000, what = 'condition') {
  const end = Date.now() + ms;
  for (;;) {
    if (await predicate()) return;
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
    await new Promise((r) => setTimeout(r, 25));
  }
}

// The messages of Debug dialogs, without their "Debug: " prefix.
export function debugLines(dialogs) {
  return dialogs.filter((d) => d.message.startsWith('Debug: ')).map((d) => d.message.slice(7));
}

// The script between the script tags of a written page.
export function scriptOf(pagePath) {
  const html = fs.readFileSync(pagePath, 'utf8');
  const start = html.indexOf('\r\n', html.indexOf('<script')) + 2;
  return html.slice(start, html.indexOf('</script>'));
}

export function nodeCheck(jsText) {
  const dir = tempDir('qc-check-');
  const file = path.join(dir, 'script.js');
  fs.writeFileSync(file, jsText);
  execFileSync(process.execPath, ['--check', file]);
}
