// Compaction must not change what a page does: each script runs on the runtime library once
// compacted and once as written, and both pages must show the same title, dialogs and errors.
// What the compacted text looks like (dropped functions, hexadecimal numbers) is checked in
// tests/compaction; here only what the browser makes of it. (Renamed names and code-like
// strings are data cases under tests/programs/harden.)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {
  convertSource, launchBrowser, openPage, pageFromJs, scriptOf, sourceDir, tempDir, waitFor,
} from './lib/harness.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

// Builds and opens both pages; returns what each showed once document.title left "-".
async function runBoth(js) {
  const seen = {};
  for (const compact of [true, false]) {
    const built = pageFromJs(js, { compact });
    assert.equal(built.status, 0, built.log.join('\n'));
    const { page, context, dialogs, errors } = await openPage(browser, built.page);
    await waitFor(async () => (await page.title()) !== '-' || errors.length > 0, 5000, 'title');
    seen[compact ? 'compacted' : 'plain'] = {
      title: await page.title(),
      dialogs: dialogs.map((d) => d.message),
      errors,
      script: scriptOf(built.page),
    };
    await context.close();
  }
  const { compacted, plain } = seen;
  assert.deepEqual(compacted.errors, []);
  assert.deepEqual(plain.errors, []);
  assert.equal(compacted.title, plain.title);
  assert.deepEqual(compacted.dialogs, plain.dialogs);
  assert.ok(compacted.script.length < plain.script.length, 'compaction saved nothing');
  return compacted;
}

test('a program with more than 5,000 distinct names still runs', async () => {
  const count = 6000;
  const lines = [];
  for (let i = 0; i < count; i++) lines.push(`var value${i} = ${i % 7};`);
  const sum = Array.from({ length: count }, (_, i) => `value${i}`);
  const chunks = [];
  for (let i = 0; i < sum.length; i += 50) chunks.push(`total = total + ${sum.slice(i, i + 50).join(' + ')};`);
  const js = `${lines.join('\n')}
var total = 0;
function INIT() {
${chunks.join('\n')}
  document.title = "sum:" + total;
}`;
  let expected = 0;
  for (let i = 0; i < count; i++) expected += i % 7;
  const shown = await runBoth(js);
  assert.equal(shown.title, `sum:${expected}`);
});

// Every golden program and every example without image files: the compacted page and the plain
// page must show the same dialogs, DOM and canvas after the same frames. The clock is fake and
// Math.random repeats the same numbers, so both pages run exactly alike.
const start = 1700000000000;
const repeatableRandom = `(() => { let s = 12345;
  Math.random = () => { s = (s * 1103515245 + 12345) % 2147483648; return s / 2147483648; }; })();`;

async function observe(pagePath) {
  const answer = (d) => (d.type() === 'prompt' ? '7' : undefined);
  const { page, context, dialogs, errors } = await openPage(browser, pagePath,
    { clock: start, init: repeatableRandom, answer, allowedDir: '/' });
  for (let t = 0; t < 3000; t += 100) await page.clock.runFor(100);
  const seen = await page.evaluate(() => {
    const canvas = document.getElementById('QLCXcanvas');
    return { dom: document.body.innerHTML, canvas: canvas ? canvas.toDataURL() : '' };
  });
  await context.close();
  return { ...seen, dialogs: dialogs.map((d) => `${d.type}: ${d.message}`), errors };
}

function programsToCompare() {
  const golden = path.join(sourceDir, 'tests/golden');
  const list = fs.readdirSync(golden).filter((f) => f.endsWith('.bas'))
    .map((f) => ({ name: `golden ${f}`, file: path.join(golden, f) }));
  const examples = path.join(sourceDir, 'examples');
  for (const name of fs.existsSync(examples) ? fs.readdirSync(examples) : []) {
    const files = fs.readdirSync(path.join(examples, name));
    const program = files.find((f) => f.endsWith('.pb'));
    if (program && !files.some((f) => /\.(png|jpe?g|gif|bmp)$/i.test(f)))
      list.push({ name: `example ${name}`, file: path.join(examples, name, program) });
  }
  return list;
}

for (const { name, file } of programsToCompare()) {
  test(`${name}: compacted and plain pages behave alike`, async () => {
    const dir = tempDir('qc-cmp-');
    const compacted = convertSource(file, { compact: true, dir });
    const plain = convertSource(file, { compact: false, dir });
    // Programs with deliberate errors may pass odd words through; all others must not.
    if (!fs.existsSync(file.replace(/\.bas$/, '.log'))) {
      assert.deepEqual(compacted.log.filter((l) => l.includes('JSL unknow')), []);
    }
    const a = await observe(compacted.page);
    const b = await observe(plain.page);
    // Error messages name identifiers, which compaction renames: compare their kinds only.
    const kinds = (errors) => errors.map((e) => e.split(':')[0]);
    assert.deepEqual(kinds(a.errors), kinds(b.errors), 'page errors');
    assert.deepEqual(a.dialogs, b.dialogs, 'dialogs');
    // A statement that was reported may still be left in the page, where compaction can break
    // it (an unsupported operator): for such programs only the fault panel may differ.
    const deliberate = fs.existsSync(file.replace(/\.bas$/, '.log'));
    const dom = (d) => (deliberate ? d.replace(/<div class="fault"[^>]*>.*?<\/div>/s, '') : d);
    assert.equal(dom(a.dom), dom(b.dom), 'DOM');
    assert.ok(a.canvas === b.canvas, 'canvas pixels differ');
  });
}
