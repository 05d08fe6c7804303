// Draws the three sprites of the game example and writes them as PNG files beside this script:
//   node examples/game/make-sprites.mjs
// The PNGs are committed; run this again only to change the pictures. Each sprite keeps to
// a few flat colours that no other sprite uses, so a test can find it on the screen by colour.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));

export const colours = {
  ship: [0, 220, 255],
  flame: [255, 120, 0],
  rock: [150, 110, 80],
  crater: [105, 75, 55],
  star: [255, 230, 0],
};

const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const body = Buffer.concat([Buffer.from(type, 'ascii'), data]);
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([length, body, crc]);
}

// RGBA pixels (width * height * 4 bytes) to a PNG file: 8 bits per channel, colour type 6,
// every row with filter 0.
export function encodePng(width, height, rgba) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;
  header[9] = 6;
  const rows = Buffer.alloc((width * 4 + 1) * height);
  for (let y = 0; y < height; y++) {
    rgba.copy(rows, y * (width * 4 + 1) + 1, y * width * 4, (y + 1) * width * 4);
  }
  const signature = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);
  return Buffer.concat([signature, chunk('IHDR', header), chunk('IDAT', zlib.deflateSync(rows)),
    chunk('IEND', Buffer.alloc(0))]);
}

// Fills a sprite from a function that gives the colour of each pixel centre, or null.
function paint(size, colourAt) {
  const rgba = Buffer.alloc(size * size * 4);
  for (let y = 0; y < size; y++) {
    for (let x = 0; x < size; x++) {
      const colour = colourAt(x + 0.5, y + 0.5);
      if (!colour) continue;
      rgba.set([...colour, 255], (y * size + x) * 4);
    }
  }
  return encodePng(size, size, rgba);
}

// An arrow-head ship pointing up, with a flame under its notch.
function ship(x, y) {
  const half = 14 * (y - 2) / 26;
  if (y >= 2 && y <= 28 && Math.abs(x - 16) <= half && !(y > 22 && Math.abs(x - 16) < y - 22)) {
    return colours.ship;
  }
  if (y > 26 && y <= 31 && Math.abs(x - 16) <= 3 - (y - 26) / 2) return colours.flame;
  return null;
}

// A lumpy rock with two craters; lumpy so that its turning is visible.
function rock(x, y) {
  const dx = x - 16;
  const dy = y - 16;
  const radius = 13 + 2 * Math.sin(Math.atan2(dy, dx) * 5);
  if (Math.hypot(dx, dy) > radius) return null;
  if (Math.hypot(x - 11, y - 12) < 4 || Math.hypot(x - 20, y - 20) < 3) return colours.crater;
  return colours.rock;
}

// A five-pointed star.
function star(x, y) {
  const dx = x - 8;
  const dy = y - 8;
  const angle = Math.atan2(dy, dx) + Math.PI / 2;
  const spike = Math.abs(((angle / (2 * Math.PI / 5)) % 1 + 1) % 1 - 0.5) * 2;
  return Math.hypot(dx, dy) <= 3.5 + 4.5 * spike ? colours.star : null;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  for (const [name, size, shape] of [['ship', 32, ship], ['rock', 32, rock], ['star', 16, star]]) {
    fs.writeFileSync(path.join(here, `${name}.png`), paint(size, shape));
  }
}
