#!/usr/bin/env node
// How fast a converted program runs against the same work written by hand in JavaScript: a
// sieve of primes, recursive Fibonacci, string appends and a pixel buffer, each timed in Chromium on the
// compacted page the converter writes and on a page of hand-written JavaScript on the same
// runtime library. Prints the median of each and their ratio (the goal is 1.5x or less).
//   node bench/page-speed.mjs [runs]     (QUILLCAST_CLI picks the converter)
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const harness = await import(path.join(root, 'tests/browser/lib/harness.mjs'));
const runs = Number(process.argv[2] ?? 7);

// Each work once as a program of the dialect and once as JavaScript; both print
// "milliseconds result" on the console. The JavaScript keeps a main program's variables where
// a page keeps them, at page level, and a procedure's as locals, so that the figures show
// what the converted arithmetic and calls cost, not where variables live.
const works = [
  {
    name: 'sieve of 2,000,000, three times',
    program: `OpenConsole()
n = 2000000
Dim flags(n)
t = ElapsedMilliseconds()
For r = 1 To 3
  For i = 0 To n
    flags(i) = 0
  Next
  count = 0
  For i = 2 To n
    If flags(i) = 0
      count + 1
      j = i * i
      While j <= n
        flags(j) = 1
        j + i
      Wend
    EndIf
  Next
Next
PrintN(Str(ElapsedMilliseconds() - t) + " " + Str(count))
`,
    js: `var n, flags, t, count, r, i, j;
function INIT() {
  OpenConsole();
  n = 2000000;
  flags = [];
  for (i = 0; i <= n; i++) flags.push(0);
  t = ElapsedMilliseconds();
  for (r = 1; r <= 3; r++) {
    for (i = 0; i <= n; i++) flags[i] = 0;
    count = 0;
    for (i = 2; i <= n; i++) {
      if (flags[i] == 0) {
        count++;
        for (j = i * i; j <= n; j += i) flags[j] = 1;
      }
    }
  }
  PrintN((ElapsedMilliseconds() - t) + " " + count);
}
`,
  },
  {
    name: 'recursive Fibonacci of 32',
    program: `Procedure Fib(n)
  If n < 2
    ProcedureReturn n
  EndIf
  ProcedureReturn Fib(n - 1) + Fib(n - 2)
EndProcedure
OpenConsole()
t = ElapsedMilliseconds()
f = Fib(32)
PrintN(Str(ElapsedMilliseconds() - t) + " " + Str(f))
`,
    js: `function fib(n) {
  if (n < 2) return n;
  return fib(n - 1) + fib(n - 2);
}
function INIT() {
  OpenConsole();
  var t = ElapsedMilliseconds();
  var f = fib(32);
  PrintN((ElapsedMilliseconds() - t) + " " + f);
}
`,
  },
  {
    name: '1,000,000 string appends',
    program: `OpenConsole()
t = ElapsedMilliseconds()
s$ = ""
For i = 1 To 1000000
  s$ + Str(i % 10)
Next
PrintN(Str(ElapsedMilliseconds() - t) + " " + Str(Len(s$)))
`,
    js: `var t, s, i;
function INIT() {
  OpenConsole();
  t = ElapsedMilliseconds();
  s = "";
  for (i = 1; i <= 1000000; i++) s += String(i % 10);
  PrintN((ElapsedMilliseconds() - t) + " " + s.length);
}
`,
  },
  {
    // The frames of a 320 x 200 pixel buffer in the heap, as a fire or plasma demo fills
    // them: 100 frames, so frames a second are 100,000 / the milliseconds.
    name: '100 frames of 320 x 200 pixels with PokeL',
    program: `OpenConsole()
w = 320
h = 200
*buf = AllocateMemory(w * h * 4)
t = ElapsedMilliseconds()
For frame = 1 To 100
  For y = 0 To h - 1
    For x = 0 To w - 1
      PokeL(*buf + (y * w + x) * 4, (x * frame + y) & $FFFFFF)
    Next
  Next
Next
PrintN(Str(ElapsedMilliseconds() - t) + " " + Str(PeekL(*buf + 4000)))
`,
    js: `var w, h, buf, t, frame, x, y;
function INIT() {
  OpenConsole();
  w = 320;
  h = 200;
  buf = new window.Int32Array(w * h);
  t = ElapsedMilliseconds();
  for (frame = 1; frame <= 100; frame++) {
    for (y = 0; y < h; y++) {
      for (x = 0; x < w; x++) {
        buf[y * w + x] = (x * frame + y) & 16777215;
      }
    }
  }
  PrintN((ElapsedMilliseconds() - t) + " " + buf[1000]);
}
`,
  },
];

const dir = harness.tempDir('qc-page-speed-');
const browser = await harness.launchBrowser();

async function time(page) {
  const session = await harness.openPage(browser, page);
  const text = async () => session.page.evaluate(
    () => document.getElementById('QLCXconsole')?.innerText ?? '');
  await harness.waitFor(async () => (await text()).includes(' '), 60000, 'the work');
  const shown = (await text()).trim().split(' ');
  await session.context.close();
  return { ms: Number(shown[0]), result: shown[1] };
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
console.log(`converter: ${harness.cli}; median of ${runs} runs (ms)`);
for (const work of works) {
  const converted = harness.convertSource(work.program, { dir });
  if (converted.status !== 0) throw new Error(converted.log.join('\n'));
  const written = harness.pageFromJs(work.js, { dir });
  if (written.status !== 0) throw new Error(written.log.join('\n'));
  const figures = { converted: [], written: [] };
  for (let r = 0; r < runs; r++) {
    const a = await time(converted.page);
    const b = await time(written.page);
    if (a.result !== b.result) throw new Error(`${work.name}: ${a.result} against ${b.result}`);
    figures.converted.push(a.ms);
    figures.written.push(b.ms);
  }
  const a = median(figures.converted);
  const b = median(figures.written);
  console.log(`${work.name}:`);
  console.log(`  converted:     ${a}   runs ${figures.converted.join(' ')}`);
  console.log(`  by hand:       ${b}   runs ${figures.written.join(' ')}`);
  console.log(`  ratio:         ${(a / b).toFixed(2)}x (medians), `
    + `${(Math.min(...figures.converted) / Math.min(...figures.written)).toFixed(2)}x (fastest runs)`);
}
await browser.close();
console.log('Other processes only ever add time: on a busy machine the fastest runs show the cost.');
