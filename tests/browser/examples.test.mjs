// The game example end to end, played by looking at the screen: converted by the real
// quillcast-cli from a copy of its folder (so the page can fetch only the files the example
// ships), opened in Chromium and played, then the same session runs on the page written with
// --no-compact and must observe the same. The other examples are data cases under
// tests/programs/examples.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import {
  launchBrowser, convertSource, openPage, waitFor, sourceDir, tempDir,
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
  Object.assign(session, { allowed, compact, allRequests: [], pagePath: converted.page });
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

// ---------------------------------------------------------------- game

// Runs before the page's script: a repeatable Math.random, and a record of what the game
// draws (the score line's text, and the transform of every rock drawn). The page holds the
// sprites itself, so a rock is known by its file's base64 text at the end of its data URL.
const spriteData = (f) => fs.readFileSync(path.join(examplesDir, 'game', f)).toString('base64');
const gameInstruments = `(${function instrument(rockData) {
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
    if (String(image.src).endsWith(rockData)) {
      const m = this.getTransform();
      window.__rockAngles.push(Math.round(Math.atan2(m.b, m.a) * 180 / Math.PI));
    }
    return drawImage.call(this, image, ...rest);
  };
}})(${JSON.stringify(spriteData('rock.png'))});`;

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
    const pageText = fs.readFileSync(session.pagePath, 'utf8');
    seen.spritesInPage = ['ship.png', 'rock.png', 'star.png'].every((f) => pageText.includes(spriteData(f))
      && !session.requests.some((u) => u.endsWith(`/${f}`)));
    return seen;
  }, { init: gameInstruments });

  assert.deepEqual(facts, {
    rocksShown: true,
    starShown: true,
    left: -1, // the left key moves the ship left
    right: 1,
    scoreStep: 10, // catching a star scores 10
    rocksTurn: true, // the rocks are drawn at changing angles
    spritesInPage: true, // carried in the page, not fetched from beside it
  });
  // The rate depends on the machine, so it is not part of the comparison above; both pages
  // must hold it.
  t.diagnostic(`GetFPS() readings: ${JSON.stringify(gameRates)}`);
  for (const [page, rates] of Object.entries(gameRates)) {
    assert.ok(Math.min(...rates) >= 29, `the ${page} page showed GetFPS() ${rates.join(', ')}`);
  }
});
