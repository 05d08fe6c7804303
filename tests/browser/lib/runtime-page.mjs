// Runs hand-written scripts on the runtime library, plain or compacted together with it.
// A script defines INIT(), which the page calls after QLCXInit; it reports through rec(value),
// which collects into window.QCR. Scripts keep to the same JavaScript as the library, since
// compaction renames their names too; only window.* words pass through, which is how results
// and functions reach the test (window.QCfoo=foo exposes foo under a name that stays).
import assert from 'node:assert/strict';
import { openPage, pageFromJs } from './harness.mjs';

export const modes = [
  { compact: false, name: 'plain' },
  { compact: true, name: 'compacted' },
];

const prelude = ['window.QCR=[];', 'function rec(value){', 'window.QCR.push(value);', '}'].join('\n');

// Builds the page, checks that compaction took every word, opens it and returns the opened
// page (page, context, dialogs, errors) with the results recorded during start-up.
export async function runScript(browser, js, { compact, clock, answer } = {}) {
  const built = pageFromJs(`${prelude}\n${js}\n`, { compact });
  const unknown = built.log.filter((l) => l.includes('JSL unknow'));
  assert.deepEqual(unknown, [], 'compaction met words it does not know');
  assert.equal(built.status, 0, built.log.join('\n'));
  const opened = await openPage(browser, built.page, { clock, answer });
  const results = await opened.page.evaluate(() => window.QCR);
  assert.deepEqual(opened.errors, [], 'errors in the page');
  return { ...opened, results, built };
}

// Compares recorded results with expected rows of [label, value], one message per mismatch.
export function assertRows(results, rows) {
  const wrong = [];
  rows.forEach(([label, expected], i) => {
    try {
      assert.deepStrictEqual(results[i], expected);
    } catch {
      wrong.push(`${label}: got ${JSON.stringify(results[i])}, expected ${JSON.stringify(expected)}`);
    }
  });
  assert.equal(results.length, rows.length, 'number of results');
  assert.deepEqual(wrong, []);
}
