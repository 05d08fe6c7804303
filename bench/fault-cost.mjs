#!/usr/bin/env node
// What the run-time fault panel costs a running program: a tight loop of 10 million integer
// additions, timed in Chromium on the compacted page as written and on the same page with the
// fault handler and the line table taken out. Prints the median of each and the difference.
//   node bench/fault-cost.mjs [runs]       (QUILLCAST_CLI picks the converter)
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const harness = await import(path.join(root, 'tests/browser/lib/harness.mjs'));
const runs = Number(process.argv[2] ?? 7);

const program = `OpenConsole()
s = 0
t = ElapsedMilliseconds()
For i = 1 To 10000000
  s = s + 3
Next
PrintN(Str(ElapsedMilliseconds() - t) + " " + Str(s))
`;

const dir = harness.tempDir('qc-fault-cost-');
const built = harness.convertSource(program, { dir });
if (built.status !== 0) throw new Error(built.log.join('\n'));
const withPanel = built.page;
const without = path.join(dir, 'without.html');
const html = fs.readFileSync(withPanel, 'utf8');
// The handler's assignment shares a line with other runtime statements; the table has its own.
const stripped = html.replace(/window\.onerror=[^;]*;/, '').replace(/^window\.QLCXLines=.*\r\n/m, '');
if (stripped === html) throw new Error('no fault handler found in the page');
fs.writeFileSync(without, stripped);

const browser = await harness.launchBrowser();
async function time(page) {
  const session = await harness.openPage(browser, page);
  await harness.waitFor(async () => (await session.page.evaluate(
    () => document.getElementById('QLCXconsole')?.innerText ?? '')).includes(' '), 60000, 'the loop');
  const text = await session.page.evaluate(() => document.getElementById('QLCXconsole').innerText);
  await session.context.close();
  return Number(text.split(' ')[0]);
}
const figures = { with: [], without: [] };
for (let r = 0; r < runs; r++) {
  figures.with.push(await time(withPanel));
  figures.without.push(await time(without));
}
await browser.close();
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const a = median(figures.with);
const b = median(figures.without);
console.log(`10,000,000 additions, median of ${runs} runs each (ms):`);
console.log(`  with the fault panel:    ${a}   runs ${figures.with.join(' ')}`);
console.log(`  without it:              ${b}   runs ${figures.without.join(' ')}`);
console.log(`  difference:              ${(((a - b) / b) * 100).toFixed(1)} % (medians), `
  + `${(((Math.min(...figures.with) - Math.min(...figures.without)) / Math.min(...figures.without)) * 100).toFixed(1)} % (fastest runs)`);
console.log('Other processes only ever add time: on a busy machine the fastest runs show the cost.');
