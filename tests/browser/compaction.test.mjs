// Compaction must not change what a page does: each script runs on the runtime library once
// compacted and once as written, and both pages must show the same title, dialogs and errors.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, openPage, pageFromJs, scriptOf, waitFor } from './lib/harness.mjs';

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

test('names, members of script objects and recursion survive renaming', async () => {
  const shown = await runBoth(`var counter = 0;
var Event = 0;
function bump(by) { counter = counter + by; return counter; }
function fact(n) { if (n < 2) { return 1; } return n * fact(n - 1); }
function pair(a, b) { var p = {}; p.Event = a; p.length2 = b; return p; }
function INIT() {
  var o = pair(4, 5);
  Event = o.Event + o.length2;
  bump(fact(5)); bump(-1);
  var list = [3, 1, 2];
  list.push(Event);
  Debug(counter);
  document.title = "r:" + counter + "," + Event + "," + list.length + "," + list.join("-");
}`);
  assert.equal(shown.title, 'r:119,9,4,3-1-2-9');
  assert.deepEqual(shown.dialogs, ['Debug: 119']);
});

test('functions nothing reaches are gone, the rest still runs', async () => {
  const shown = await runBoth(`function helperOfDead(x) { return "DEAD-HELPER" + x; }
function deadFunction(y) { window.QCdead = helperOfDead(y); return "DEAD-ONE"; }
function live(z) { return z + 1; }
function INIT() {
  document.title = "live:" + live(1);
}`);
  assert.equal(shown.title, 'live:2');
  assert.ok(!shown.script.includes('DEAD-ONE'));
  assert.ok(!shown.script.includes('DEAD-HELPER'));
  assert.ok(!shown.script.includes('deadFunction'));
});

test('string literals keep code-like text, blanks and quotes', async () => {
  const shown = await runBoth(`function INIT() {
  var s = "a;b // c" + "{ x = y; }";
  var t = "  two  blanks  ";
  var u = "'single'" + "=>";
  alert(s + "|" + t + "|" + u);
  document.title = "len:" + s.length + "," + t.length;
}`);
  assert.deepEqual(shown.dialogs, ["a;b // c{ x = y; }|  two  blanks  |'single'=>"]);
  assert.equal(shown.title, 'len:18,15');
});

test('hexadecimal literals become decimal with the same value', async () => {
  const shown = await runBoth(`function INIT() {
  var a = 0xff + 0X10;
  var b = 0x7fffffff;
  var c = a - -1;
  document.title = "hex:" + a + "," + b + "," + c;
}`);
  assert.equal(shown.title, 'hex:271,2147483647,272');
  assert.ok(!/0x(ff|10|7fffffff)\b/i.test(shown.script));
});

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
