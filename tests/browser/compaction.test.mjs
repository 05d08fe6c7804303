// Compaction must not change what a page does: every golden program and every example
// without image files is run compacted and plain, and both pages must show the same. What the
// compacted text looks like is checked in tests/compaction; renamed names and code-like
// strings are data cases under tests/programs/harden.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {
  convertSourceAsync, launchBrowser, openInTab, sourceDir, tempDir,
} from './lib/harness.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

// Every golden program and every example without image files: the compacted page and the plain
// page must show the same dialogs, DOM and canvas after the same frames. The clock is fake and
// Math.random repeats the same numbers, so both pages run exactly alike, and several programs
// run at once (QUILLCAST_PAGES, 4).
const start = 1700000000000;
const repeatableRandom = `(() => { let s = 12345;
  Math.random = () => { s = (s * 1103515245 + 12345) % 2147483648; return s / 2147483648; }; })();`;

async function observe(pagePath) {
  const answer = (d) => (d.type() === 'prompt' ? '7' : undefined);
  // A kept tab, as the data cases use: nobody acts on these pages, so each can go back.
  const { page, dialogs, errors, release } = await openInTab(browser, pagePath,
    { clock: start, init: repeatableRandom, answer, allowedDir: '/' });
  let seen;
  try {
    for (let t = 0; t < 3000; t += 100) await page.clock.runFor(100);
    seen = await page.evaluate(() => {
      const canvas = document.getElementById('QLCXcanvas');
      return { dom: document.body.innerHTML, canvas: canvas ? canvas.toDataURL() : '' };
    });
  } catch (e) {
    await release(false);
    throw e;
  }
  await release(true);
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

const pages = Math.max(1, Number(process.env.QUILLCAST_PAGES ?? 4));
describe('compacted and plain', { concurrency: pages }, () => {
  for (const { name, file } of programsToCompare()) {
    test(`${name}: compacted and plain pages behave alike`, async () => {
      const dir = tempDir('qc-cmp-');
      const compacted = await convertSourceAsync(file, { compact: true, dir });
      const plain = await convertSourceAsync(file, { compact: false, dir });
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
});
