// The example programs end to end: each is converted by the real quillcast-cli from a copy of
// its folder (so the page can fetch only the files the example ships), opened in Chromium and
// used as a person would use it. Every test then repeats the same session on the page written
// with --no-compact and requires the same observations: compaction must not change behaviour.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import {
  launchBrowser, convertSource, openPage, waitFor, debugLines, sourceDir, tempDir,
} from './lib/harness.mjs';

const examplesDir = path.join(sourceDir, 'examples');
let browser;

before(async () => {
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
});

function convertExample(name, compact) {
  const dir = path.join(tempDir(`qc-example-${name}-`), name);
  fs.cpSync(path.join(examplesDir, name), dir, { recursive: true });
  const result = convertSource(path.join(dir, `${name}.pb`), { compact, dir });
  assert.equal(result.status, 0, `${name} did not convert cleanly:\n${result.log.join('\n')}`);
  return { ...result, dir };
}

// Converts and opens an example. `init` runs in the page before its own script (instruments
// the canvas, seeds the random numbers). Requests of every tab outside the example's folder
// are blocked and recorded.
async function openExample(name, { compact = true, answer, init } = {}) {
  const converted = convertExample(name, compact);
  const session = await openPage(browser, converted.page,
    { allowedDir: converted.dir, answer, init });
  const allowed = pathToFileURL(converted.dir).href;
  Object.assign(session, { allowed, compact, allRequests: [] });
  session.context.on('request', (r) => session.allRequests.push(r.url()));
  await session.context.route('**/*', (route) => (route.request().url().startsWith(allowed)
    ? route.continue() : route.abort()));
  return session;
}

async function closeExample(session) {
  assert.deepEqual(session.errors, [], 'the page reported script errors');
  const outside = [...session.requests, ...session.allRequests]
    .filter((url) => !url.startsWith(session.allowed));
  assert.deepEqual(outside, [], 'the page requested files outside its example folder');
  await session.context.close();
}

// Runs one scenario on the compacted page, then on the plain page, and requires the same facts.
async function compactedAndPlain(name, scenario, options = {}) {
  const observed = [];
  for (const compact of [true, false]) {
    const session = await openExample(name, { ...options, compact });
    try {
      observed.push(await scenario(session));
    } catch (e) {
      await session.context.close();
      throw e;
    }
    await closeExample(session);
  }
  assert.deepEqual(observed[1], observed[0], 'the --no-compact page behaved differently');
  return observed[0];
}

const gadget = (page, id) => page.locator(`[id="${id}"]`);

async function waitForDialogs(session, count, what) {
  await waitFor(() => session.dialogs.length >= count, 5000, what);
  return session.dialogs[count - 1].message;
}

// ---------------------------------------------------------------- canvas helpers

// Pixels of the canvas whose colour passes `test` (given r, g, b): how many, their centre and
// their bounding box, in canvas coordinates. With `shot` (a PNG screenshot of the canvas) the
// pixels come from the picture instead: once a page from a file has drawn an image of its
// folder, the browser no longer lets a script read the canvas back.
async function pixelsWhere(page, area, testSource, shot) {
  return page.evaluate(async ([area, testSource, shot]) => {
    const test = new Function('r', 'g', 'b', `return ${testSource};`);
    let canvas = document.getElementById('QLCXcanvas');
    if (shot) {
      const picture = new Image();
      picture.src = `data:image/png;base64,${shot}`;
      await picture.decode();
      canvas = document.createElement('canvas');
      canvas.width = picture.width;
      canvas.height = picture.height;
      canvas.getContext('2d').drawImage(picture, 0, 0);
    }
    const { x: ax, y: ay, w, h } = area ?? { x: 0, y: 0, w: canvas.width, h: canvas.height };
    const data = canvas.getContext('2d').getImageData(ax, ay, w, h).data;
    let count = 0; let sx = 0; let sy = 0;
    let minX = Infinity; let minY = Infinity; let maxX = -1; let maxY = -1;
    for (let y = 0; y < h; y++) {
      for (let x = 0; x < w; x++) {
        const i = (y * w + x) * 4;
        if (!test(data[i], data[i + 1], data[i + 2])) continue;
        count++; sx += x + ax; sy += y + ay;
        minX = Math.min(minX, x + ax); maxX = Math.max(maxX, x + ax);
        minY = Math.min(minY, y + ay); maxY = Math.max(maxY, y + ay);
      }
    }
    return count ? { count, x: sx / count, y: sy / count, minX, minY, maxX, maxY } : { count };
  }, [area, testSource, shot]);
}

async function screenShot(page) {
  return (await page.locator('#QLCXcanvas').screenshot()).toString('base64');
}

async function canvasBox(page) {
  return page.locator('#QLCXcanvas').boundingBox();
}

// ---------------------------------------------------------------- form

test('form: a tea order typed, counted, confirmed, cleared and quit', async () => {
  const facts = await compactedAndPlain('form', async (session) => {
    const { page } = session;
    const seen = {};
    await waitFor(() => gadget(page, 12).isVisible(), 5000, 'the form');
    seen.title = await page.locator('#window0_title').textContent();

    await gadget(page, 6).click();
    seen.emptyName = await waitForDialogs(session, 1, 'the empty-name message');

    await gadget(page, 2).click();
    await page.keyboard.type('Ada');
    await gadget(page, 4).focus();
    for (let k = 0; k < 3; k++) await page.keyboard.press('ArrowRight');
    await waitFor(async () => (await gadget(page, 5).textContent()) === '4 cups', 5000,
      'the cup count to follow the slider');

    await gadget(page, 6).click();
    seen.firstOrder = await waitForDialogs(session, 2, 'the first order');
    seen.statusAfterFirst = await gadget(page, 9).textContent();
    seen.barAfterFirst = await gadget(page, 8).evaluate((e) => Number(e.value));

    await gadget(page, 6).click();
    await waitForDialogs(session, 3, 'the second order');
    seen.statusAfterSecond = await gadget(page, 9).textContent();
    seen.barAfterSecond = await gadget(page, 8).evaluate((e) => Number(e.value));

    await gadget(page, 7).click();
    await waitFor(async () => (await gadget(page, 5).textContent()) === '1 cups', 5000, 'Clear');
    seen.clearedName = await gadget(page, 2).inputValue();
    seen.clearedSlider = await gadget(page, 4).inputValue();

    const popup = session.context.waitForEvent('page');
    await gadget(page, 11).click();
    const menu = await popup;
    await menu.waitForLoadState();
    seen.menuOpened = path.basename(new URL(menu.url()).pathname);
    seen.menuInsideFolder = menu.url().startsWith(session.allowed);
    await menu.close();
    await waitFor(async () => (await gadget(page, 9).textContent()).includes('menu'), 5000,
      'the program to notice the link');
    seen.statusAfterLink = await gadget(page, 9).textContent();

    await gadget(page, 12).click();
    await waitFor(async () => (await page.locator('#window0').count()) === 0, 5000,
      'Quit to close the window');
    seen.dialogCount = session.dialogs.length;
    return seen;
  });

  assert.equal(facts.title, 'Tea order form');
  assert.equal(facts.emptyName, 'Tea order\n\nPlease type your name first.');
  assert.equal(facts.firstOrder, 'Tea order\n\nThank you, Ada!\n4 cups of tea are on their way.');
  assert.equal(facts.statusAfterFirst, 'Order 1: 4 for Ada, 4 cups today');
  assert.equal(facts.barAfterFirst, 4);
  assert.equal(facts.statusAfterSecond, 'Order 2: 4 for Ada, 8 cups today');
  assert.equal(facts.barAfterSecond, 8);
  assert.equal(facts.clearedName, '');
  assert.equal(facts.clearedSlider, '1');
  assert.equal(facts.menuOpened, 'menu.txt');
  assert.equal(facts.menuInsideFolder, true);
  assert.equal(facts.statusAfterLink, 'The menu opens in a new tab.');
  assert.equal(facts.dialogCount, 3, 'no message besides the three orders');
});

// ---------------------------------------------------------------- game

// Runs before the page's script: a repeatable Math.random, and a record of what the game
// draws (the score line's text, and the transform of every rock drawn).
function gameInstruments() {
  let seed = 20240611;
  Math.random = () => {
    seed = (seed * 16807) % 2147483647;
    return (seed - 1) / 2147483646;
  };
  window.__scoreLines = [];
  window.__rockAngles = [];
  const proto = CanvasRenderingContext2D.prototype;
  const fillText = proto.fillText;
  proto.fillText = function (text, ...rest) {
    if (String(text).startsWith('Score:')) window.__scoreLines.push(String(text));
    if (String(text).startsWith('GAME OVER')) window.__gameOver = performance.now();
    return fillText.call(this, text, ...rest);
  };
  const drawImage = proto.drawImage;
  proto.drawImage = function (image, ...rest) {
    if (String(image.src).endsWith('/rock.png')) {
      const m = this.getTransform();
      window.__rockAngles.push(Math.round(Math.atan2(m.b, m.a) * 180 / Math.PI));
    }
    return drawImage.call(this, image, ...rest);
  };
}

const shipColour = 'r < 40 && g > 190 && b > 230';
const starColour = 'r > 230 && g > 200 && b < 60';
const rockColour = '(Math.abs(r - 150) < 12 && Math.abs(g - 110) < 12 && Math.abs(b - 80) < 12)';

async function scoreLine(page) {
  return page.evaluate(() => window.__scoreLines.at(-1) ?? '');
}

function scoreField(line, field) {
  const m = new RegExp(`${field}: (\\d+)`).exec(line);
  return m ? Number(m[1]) : NaN;
}

const playfield = { x: 0, y: 20, w: 480, h: 340 };

async function shipPosition(page) {
  return pixelsWhere(page, playfield, shipColour, await screenShot(page));
}

// Starts a new game when the last one is over: holds Space until the lives are back.
async function restartIfOver(page) {
  if (scoreField(await scoreLine(page), 'Lives') !== 0) return false;
  await page.keyboard.down('Space');
  await waitFor(async () => scoreField(await scoreLine(page), 'Lives') === 3, 5000, 'a new game');
  await page.keyboard.up('Space');
  return true;
}

// Steers the ship onto the star as a player would, looking at the screen between key presses,
// until the score changes.
async function catchStar(page) {
  let before = scoreField(await scoreLine(page), 'Score');
  const held = new Set();
  const hold = async (key, on) => {
    if (on && !held.has(key)) { held.add(key); await page.keyboard.down(key); }
    if (!on && held.has(key)) { held.delete(key); await page.keyboard.up(key); }
  };
  try {
    await waitFor(async () => {
      if (scoreField(await scoreLine(page), 'Score') !== before) return true;
      if (await restartIfOver(page)) before = scoreField(await scoreLine(page), 'Score');
      const shot = await screenShot(page);
      const ship = await pixelsWhere(page, playfield, shipColour, shot);
      const star = await pixelsWhere(page, playfield, starColour, shot);
      if (!ship.count || !star.count) return false;
      await hold('ArrowLeft', star.x < ship.x - 3);
      await hold('ArrowRight', star.x > ship.x + 3);
      await hold('ArrowUp', star.y < ship.y - 3);
      await hold('ArrowDown', star.y > ship.y + 3);
      return false;
    }, 15000, 'the ship to reach the star');
  } finally {
    for (const key of [...held]) await hold(key, false);
  }
  return { before, after: scoreField(await scoreLine(page), 'Score') };
}

// Holds a key until the ship has moved 20 pixels sideways; the sign of the move.
async function moveShip(page, key) {
  await restartIfOver(page);
  const start = await shipPosition(page);
  await page.keyboard.down(key);
  try {
    await waitFor(async () => Math.abs((await shipPosition(page)).x - start.x) > 20, 5000,
      `${key} to move the ship`);
  } finally {
    await page.keyboard.up(key);
  }
  return Math.sign((await shipPosition(page)).x - start.x);
}

// The frame rates the game showed, by page, for the messages.
const gameRates = {};

test('game: sprites load, the ship steers, catches stars, rocks turn, 29+ frames/s', async (t) => {
  const facts = await compactedAndPlain('game', async (session) => {
    const { page } = session;
    const seen = {};
    await waitFor(async () => (await shipPosition(page)).count > 100, 5000, 'the ship sprite');

    // The rate shows in the score line from the end of the first second on; once the start
    // (loading, compiling the script) is two seconds behind, read it once a second.
    await waitFor(async () => scoreField(await scoreLine(page), 'FPS') > 0, 5000, 'a rate');
    await page.waitForTimeout(1000);
    const rates = [];
    for (let k = 0; k < 4; k++) {
      await page.waitForTimeout(1000);
      rates.push(scoreField(await scoreLine(page), 'FPS'));
    }
    gameRates[session.compact ? 'compacted' : 'plain'] = rates;

    const hasPixels = async (colour, min) => {
      try {
        await waitFor(async () => (await pixelsWhere(page, null, colour, await screenShot(page)))
          .count > min, 5000);
        return true;
      } catch {
        return false;
      }
    };
    seen.rocksShown = await hasPixels(rockColour, 50);
    seen.starShown = await hasPixels(starColour, 20);
    seen.left = await moveShip(page, 'ArrowLeft');
    seen.right = await moveShip(page, 'ArrowRight');
    const caught = await catchStar(page);
    seen.scoreStep = caught.after - caught.before;
    const angles = await page.evaluate(() => window.__rockAngles.slice(-60));
    seen.rocksTurn = new Set(angles).size > 10;
    seen.spritesFetched = ['ship.png', 'rock.png', 'star.png']
      .every((f) => session.requests.some((u) => u.endsWith(`/${f}`)));
    return seen;
  }, { init: gameInstruments });

  assert.deepEqual(facts, {
    rocksShown: true,
    starShown: true,
    left: -1, // the left key moves the ship left
    right: 1,
    scoreStep: 10, // catching a star scores 10
    rocksTurn: true, // the rocks are drawn at changing angles
    spritesFetched: true,
  });
  // The rate depends on the machine, so it is not part of the comparison above; both pages
  // must hold it.
  t.diagnostic(`GetFPS() readings: ${JSON.stringify(gameRates)}`);
  for (const [page, rates] of Object.entries(gameRates)) {
    assert.ok(Math.min(...rates) >= 29, `the ${page} page showed GetFPS() ${rates.join(', ')}`);
  }
});

// ---------------------------------------------------------------- paint

// Lines and circles are drawn with soft edges, so their pixels are shades of the pen colour.
const isRed = 'r - g > 60 && r - b > 60';
const isGreen = 'g - r > 50 && g - b > 50';

// Presses a button at canvas point (x, y), holds it until `drawn()` holds, then releases.
async function pressUntil(page, x, y, button, drawn, what) {
  const box = await canvasBox(page);
  await page.mouse.move(box.x + x, box.y + y);
  await page.mouse.down({ button });
  await waitFor(drawn, 5000, what);
  await page.mouse.up({ button });
}

test('paint: palette, a stroke under the pointer, a stamped circle, wiping', async () => {
  const facts = await compactedAndPlain('paint', async (session) => {
    const { page } = session;
    const drawingArea = { x: 0, y: 45, w: 640, h: 435 };
    await waitFor(async () => (await pixelsWhere(page, { x: 50, y: 5, w: 30, h: 30 }, isRed))
      .count === 900, 5000, 'the palette');

    // pick red: a marker appears under the red box
    await pressUntil(page, 65, 20, 'left', async () => (await pixelsWhere(page,
      { x: 50, y: 37, w: 30, h: 3 }, 'r + g + b === 0')).count === 90, 'red to be picked');

    // a stroke from (100,100) to (300,100), the pointer moving in steps
    const box = await canvasBox(page);
    await page.mouse.move(box.x + 100, box.y + 100);
    await page.mouse.down();
    await waitFor(async () => (await pixelsWhere(page, drawingArea, isRed)).count > 0, 5000,
      'the first dot');
    // follow the stroke from wherever the first dot landed; where that is is checked below
    const dot = await pixelsWhere(page, drawingArea, isRed);
    for (let x = 120; x <= 300; x += 20) {
      await page.mouse.move(box.x + x, box.y + 100);
      await waitFor(async () => (await pixelsWhere(page, drawingArea, isRed)).maxX >=
        dot.minX + x - 101, 5000, `the stroke to follow the pointer to ${x}`);
    }
    await page.mouse.up();
    const stroke = await pixelsWhere(page, drawingArea, isRed);

    // pick green, stamp a circle at (400,300) with the right button
    await pressUntil(page, 105, 20, 'left', async () => (await pixelsWhere(page,
      { x: 90, y: 37, w: 30, h: 3 }, 'r + g + b === 0')).count === 90, 'green to be picked');
    await pressUntil(page, 400, 300, 'right',
      async () => (await pixelsWhere(page, drawingArea, isGreen)).count > 0, 'the circle');
    const circle = await pixelsWhere(page, drawingArea, isGreen);

    // the wipe box clears the picture but not the palette
    await pressUntil(page, 615, 20, 'left', async () => (await pixelsWhere(page, drawingArea,
      'r < 250 || g < 250 || b < 250')).count === 0, 'the picture to be wiped');
    const paletteAfterWipe = (await pixelsWhere(page, { x: 50, y: 5, w: 30, h: 30 }, isRed)).count;

    return {
      firstDot: [dot.minX, dot.minY],
      strokeStart: Math.round(stroke.minX), strokeEnd: Math.round(stroke.maxX),
      strokeRows: [stroke.minY, stroke.maxY],
      // From the bounding box in whole pixels: the mean of a circle's pixels sits on a half
      // pixel, where rounding flips with float noise; and each frame that redraws the circle
      // darkens its soft edge, so how many edge pixels count depends on timing.
      circleCentre: [(circle.minX + circle.maxX + 1) / 2, (circle.minY + circle.maxY + 1) / 2],
      circleWidthNear24: Math.abs(circle.maxX - circle.minX + 1 - 24) <= 2,
      paletteAfterWipe,
    };
  });

  assert.deepEqual(facts.firstDot, [100, 100],
    `the pen touches down under the pointer; all facts: ${JSON.stringify(facts)}`);
  assert.ok(Math.abs(facts.strokeStart - 100) <= 1, `stroke starts at ${facts.strokeStart}`);
  assert.ok(Math.abs(facts.strokeEnd - 300) <= 1, `stroke ends at ${facts.strokeEnd}`);
  assert.ok(facts.strokeRows[0] >= 98 && facts.strokeRows[1] <= 101,
    `stroke lies on rows ${facts.strokeRows}`);
  assert.ok(Math.abs(facts.circleCentre[0] - 400) <= 1 && Math.abs(facts.circleCentre[1] - 300) <= 1,
    `the circle is stamped under the pointer, not at ${facts.circleCentre}`);
  assert.ok(facts.circleWidthNear24, `the circle is about 24 pixels wide: ${JSON.stringify(facts)}`);
  assert.equal(facts.paletteAfterWipe, 900);
});

// ---------------------------------------------------------------- data

// What the program must find out, worked out here from its own book list and the answers.
function expectedLibraryLines(source, word, count) {
  const books = [...source.matchAll(/^AddBook\("([^"]*)", "([^"]*)", (\d+)\)/gm)]
    .map(([, title, author, year]) => ({ title, author, year: Number(year) }));
  const surname = (author) => author.split(' ').at(-1);
  const oldest = books.reduce((a, b) => (b.year < a.year ? b : a));
  const primes = [];
  for (let n = 2; n <= 100; n++) if (primes.every((p) => n % p !== 0)) primes.push(n);
  const fib = (n) => (n < 2 ? n : fib(n - 1) + fib(n - 2));
  const reversed = [...word].reverse().join('');
  const vowels = [...word.toLowerCase()].filter((c) => 'aeiou'.includes(c)).length;
  let factorial = 1;
  for (let n = 2; n <= 10; n++) factorial *= n;
  return [
    `Books: ${books.length}`,
    ...books.map((b) => `${b.title.padEnd(26, '.')} ${b.year} ${surname(b.author).toUpperCase()}`),
    `Oldest: ${oldest.title} (${oldest.year})`,
    `Since 1960: ${books.filter((b) => b.year >= 1960).map((b) => b.title).join(', ')}`,
    `Primes: ${primes.join(' ')}`,
    `That makes ${primes.length} primes below 100`,
    `Seven times:${Array.from({ length: 9 }, (_, c) => String(7 * (c + 1)).padStart(4)).join('')}`,
    `You typed ${word} (${word.length} letters)`,
    `Backwards: ${reversed}`,
    reversed.toLowerCase() === word.toLowerCase()
      ? 'That is a palindrome.' : 'That is not a palindrome.',
    `Vowels: ${vowels}, shouted: ${word.toUpperCase()}, dotted: ${word.toLowerCase().replaceAll('e', '.')}`,
    `Fibonacci: ${Array.from({ length: count }, (_, i) => fib(i + 1)).join(' ')}`,
    `10! = ${factorial}`,
  ];
}

test('data: books, primes, tables, a typed word and recursion in the debug output', async () => {
  const source = fs.readFileSync(path.join(examplesDir, 'data', 'data.pb'), 'utf8');
  for (const [word, count] of [['Racecar', 12], ['Teapot', 5]]) {
    const answers = { 'Type a word:': word, 'How many Fibonacci numbers?': String(count) };
    const answer = (d) => (d.type() === 'prompt' ? answers[d.message().split('\n\n')[1]] : undefined);
    const expected = expectedLibraryLines(source, word, count);
    const facts = await compactedAndPlain('data', async (session) => {
      // on a shortfall the comparison below shows which lines are missing
      await waitFor(() => debugLines(session.dialogs).length >= expected.length, 5000)
        .catch(() => {});
      const prompts = session.dialogs.filter((d) => d.type === 'prompt');
      return {
        lines: debugLines(session.dialogs),
        prompts: prompts.map((d) => [d.message, d.defaultValue]),
      };
    }, { answer });
    assert.deepEqual(facts.prompts, [['Little library\n\nType a word:', 'Level'],
      ['Little library\n\nHow many Fibonacci numbers?', '10']]);
    assert.deepEqual(facts.lines, expected);
  }
});

// ---------------------------------------------------------------- windows

// Dragging and raising are the runtime's own and checked in runtime-gui-windows.test.mjs.
test('windows: two windows used and closed one after the other', async () => {
  const facts = await compactedAndPlain('windows', async (session) => {
    const { page } = session;
    const seen = {};
    await waitFor(async () => (await page.locator('section').count()) === 2, 5000, 'windows');
    await gadget(page, 2).click();
    await page.keyboard.type('hello there');
    await gadget(page, 3).click();
    await waitFor(async () => (await gadget(page, 5).textContent()).startsWith('Note 1'), 5000,
      'the note to arrive');
    seen.note = await gadget(page, 5).textContent();
    seen.fieldAfterSend = await gadget(page, 2).inputValue();

    for (const n of [1, 2]) {
      await gadget(page, 7).click();
      await waitFor(async () => (await gadget(page, 6).textContent()) === `Clicks: ${n}`, 5000,
        `click ${n}`);
    }
    seen.counterTitle = await page.locator('#window1_title').textContent();

    await page.locator('#window0 .close').click();
    await waitFor(async () => (await page.locator('#window0').count()) === 0, 5000, 'close 0');
    seen.afterFirstClose = [await page.locator('#window1').count(), session.dialogs.length];
    await page.locator('#window1 .close').click();
    seen.goodbye = await waitForDialogs(session, 1, 'the goodbye message');
    seen.sectionsLeft = await page.locator('section').count();
    return seen;
  });

  assert.equal(facts.note, 'Note 1: hello there');
  assert.equal(facts.fieldAfterSend, '');
  assert.equal(facts.counterTitle, 'Counter (2)');
  assert.deepEqual(facts.afterFirstClose, [1, 0], 'one window closed, the program still runs');
  assert.equal(facts.goodbye, 'Two windows\n\nBoth windows are closed. Goodbye!');
  assert.equal(facts.sectionsLeft, 0);
});

// ---------------------------------------------------------------- console

test('console: a name and guesses typed into the console, two games, the summary', async () => {
  const facts = await compactedAndPlain('console', async ({ page }) => {
    const text = () => page.locator('#QLCXconsole').innerText();
    const typeLine = async (line) => {
      await page.locator('#QLCXinput').waitFor();
      const before = (await text()).length;
      await page.keyboard.type(line);
      await page.keyboard.press('Enter');
      await waitFor(async () => (await text()).length > before, 5000, 'the echo');
    };
    // Halves the range on each answer, so a game takes at most seven guesses.
    const answers = async () => (await text()).match(/Too low|Too high|Right!/g) ?? [];
    const play = async () => {
      let low = 1; let high = 100;
      for (let tries = 1; tries <= 7; tries++) {
        const guess = Math.floor((low + high) / 2);
        const count = (await answers()).length;
        await typeLine(String(guess));
        await waitFor(async () => (await answers()).length > count, 5000, 'an answer');
        const answer = (await answers())[count];
        if (answer === 'Right!') return tries;
        if (answer === 'Too low') low = guess + 1; else high = guess - 1;
      }
      return 0;
    };
    await typeLine('Ada');
    const first = await play();
    await typeLine('y');
    const second = await play();
    await typeLine('n');
    await waitFor(async () => (await page.title()) === 'Thanks for playing', 5000, 'the end');
    const lines = (await text()).trimEnd().split('\n');
    return {
      greeting: lines[3],
      won: first > 0 && second > 0,
      summary: lines.at(-1),
      best: Math.min(first, second),
      focus: await page.evaluate(() => document.activeElement?.id ?? ''),
      colour: await page.locator('#QLCXconsole span').first().evaluate((e) => e.className),
    };
  }, { init: () => { let seed = 7; Math.random = () => { seed = (seed * 16807) % 2147483647; return (seed - 1) / 2147483646; }; } });
  assert.equal(facts.greeting, 'Hello, Ada! I am thinking of a number from 1 to 100.');
  assert.equal(facts.won, true);
  assert.equal(facts.summary, `2 game(s), best ${facts.best} tries. Bye, Ada!`);
  assert.equal(facts.colour, 'f11', 'the title line in light cyan');
  assert.notEqual(facts.focus, 'QLCXinput', 'no input line once the program ended');
});
