// The runtime's fingerprints, seeded random numbers and list moves, run in node (no browser)
// against independent references: node's own digests, a plain array as the list, counts of
// drawn numbers. Random inputs reach what fixed test vectors miss, such as padding at every
// length around a block's end.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import vm from 'node:vm';
import { sourceDir } from './lib/harness.mjs';

// The runtime files named, in one context whose global is also its window.
function runtime(...files) {
  const context = vm.createContext({ Math, Number, Uint8Array });
  context.window = context;
  vm.runInContext('function QLCX_Number(v) { var n = v * 1; if (n == n) { return n; } return 0; }', context);
  for (const f of files) {
    vm.runInContext(fs.readFileSync(path.join(sourceDir, 'page-runtime', f), 'utf8'), context, { filename: f });
  }
  return context;
}

// A small repeatable generator for the inputs, apart from the one under test.
function inputs(seed) {
  let s = seed;
  return (n) => { s = (s * 1103515245 + 12345) % 2147483648; return Math.floor((s / 2147483648) * n); };
}

test('fingerprints equal node\'s digests at every length around the block ends', () => {
  const rt = runtime('20-lists.js', '87-fingerprints.js');
  const pick = inputs(3);
  // 64-byte blocks end their padding at 55 and 119 bytes, 128-byte blocks at 111 and 239.
  const short = Array.from({ length: 131 }, (_, n) => n);
  const long = [0, 1, 110, 111, 112, 113, 127, 128, 129, 238, 239, 240, 256];
  const algorithms = [['md5', 2, 0, short], ['sha1', 4, 0, short], ['sha224', 8, 224, short],
    ['sha256', 8, 256, short], ['sha384', 8, 384, long], ['sha512', 8, 512, long]];
  for (const length of short.concat(long.filter((n) => n > 130))) {
    const bytes = Array.from({ length }, () => pick(256));
    for (const [name, plugin, bits, lengths] of algorithms) {
      if (!lengths.includes(length)) continue;
      const want = crypto.createHash(name).update(Buffer.from(bytes)).digest('hex');
      assert.equal(rt.Fingerprint(bytes, length, plugin, bits), want, `${name} of ${length} bytes`);
    }
    const crc = rt.Fingerprint(bytes, length, 1, 0);
    assert.match(crc, /^[0-9a-f]{8}$/);
    if (length === 0) assert.equal(crc, '00000000');
  }
});

test('text fingerprints take UTF-8, one byte or two bytes a character', () => {
  const rt = runtime('20-lists.js', '87-fingerprints.js');
  const pick = inputs(11);
  const alphabet = ['a', 'Z', ' ', '\u00e9', '\u20ac', '\u4e2d', '\ud83d\ude00', '\u007f', '\u0080', '\u07ff', '\u0800'];
  for (let round = 0; round < 200; round++) {
    const text = Array.from({ length: pick(40) }, () => alphabet[pick(alphabet.length)]).join('');
    const md5 = (buffer) => crypto.createHash('md5').update(buffer).digest('hex');
    assert.equal(rt.StringFingerprint(text, 2), md5(Buffer.from(text, 'utf8')), text);
    assert.equal(rt.StringFingerprint(text, 2, 0, 25), md5(Buffer.from(text, 'utf16le')), text);
    const low = Buffer.from(Array.from({ length: text.length }, (_, i) => text.charCodeAt(i) & 255));
    assert.equal(rt.StringFingerprint(text, 2, 0, 24), md5(low), text);
  }
});

test('a seed repeats its numbers, covers the whole range evenly and leaves Math.random alone', () => {
  const rt = runtime('40-helpers.js');
  const draw = (seed, n) => { rt.RandomSeed(seed); return Array.from({ length: n }, () => rt.Random(9, 1)); };
  assert.deepEqual(draw(7, 50), draw(7, 50));
  assert.notDeepEqual(draw(7, 50), draw(-7, 50));
  const counts = new Array(10).fill(0);
  for (const v of draw(123, 90000)) counts[v]++;
  assert.equal(counts[0], 0);
  for (let v = 1; v <= 9; v++) assert.ok(Math.abs(counts[v] - 10000) < 500, `${v} drawn ${counts[v]} times`);
  rt.RandomSeed(5);
  for (let i = 0; i < 10000; i++) {
    const f = rt.RandomFloat(1);
    assert.ok(f >= 0 && f < 1, `RandomFloat gave ${f}`);
  }
  const fresh = runtime('40-helpers.js');
  let called = 0;
  fresh.Math = Object.create(Math, { random: { value: () => { called++; return 0.5; } } });
  vm.runInContext('Math = window.Math;', fresh);
  assert.equal(fresh.Random(10), 5);
  assert.equal(called, 1);
});

// The list as the runtime keeps it, against a plain array of its elements and an index.
test('SwapElements, MoveElement and ChangeCurrentElement keep the list whole', () => {
  const rt = runtime('20-lists.js');
  const pick = inputs(5);
  for (let round = 0; round < 300; round++) {
    const list = rt.NewList(() => 0);
    const model = [];
    const size = 1 + pick(7);
    for (let i = 0; i < size; i++) {
      rt.AddElement(list);
      list[list[0]] = i;
      model.push(i);
    }
    let current = size - 1;
    for (let step = 0; step < 10; step++) {
      const a = pick(size + 1);
      const b = pick(size + 1);
      const what = pick(3);
      if (what === 0) {
        rt.SwapElements(list, a, b);
        if (a < size && b < size) [model[a], model[b]] = [model[b], model[a]];
      } else if (what === 1) {
        rt.ChangeCurrentElement(list, a);
        if (a < size) current = a;
      } else {
        // The elements are all different, so the model finds them by value.
        const location = 1 + pick(4);
        rt.MoveElement(list, location, b);
        const moving = model[current];
        const other = model[b];
        if (location <= 2 || (b < size && b !== current)) {
          model.splice(current, 1);
          if (location === 1) model.unshift(moving);
          else if (location === 2) model.push(moving);
          else model.splice(model.indexOf(other) + (location === 4 ? 1 : 0), 0, moving);
          current = model.indexOf(moving);
        }
      }
      assert.deepEqual([...list.slice(3, list[2] + 1)], model, `round ${round} step ${step}`);
      assert.equal(rt.ListIndex(list), current, `round ${round} step ${step}`);
      assert.equal(rt.ListSize(list), size);
    }
  }
});
