// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks content/Maps/GeoMap.dat against tables.json:
//   node verify.js [ARCHIVE]
// Exit status 1 and a list of faults when any rule is broken.
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import jpeg from 'jpeg-js';
import { readBmp } from './lib/bmp.js';
import { readPack } from './lib/pack.js';

const here = dirname(fileURLToPath(import.meta.url));
const archivePath = process.argv[2] ?? join(here, '../../content/Maps/GeoMap.dat');
const tables = JSON.parse(readFileSync(join(here, 'tables.json'), 'utf8'));
const states = JSON.parse(readFileSync(join(here, 'states.json'), 'utf8'));
const capitals = JSON.parse(readFileSync(join(here, 'capitals.json'), 'utf8'));
const WINDOW = [513, 415]; // the map window's client area
const WHITE = 0xffffff, GREY = 0xd8d8d8, MIN_BLOCK = 8;
// An item of a layer of Poland is pointable when it holds a 5 × 5 block:
// the smallest targets are a peak's 3-pixel disc and a spit's 7-pixel band
// (kept narrow so that the ranges and lagoons around them stay pointable).
const MIN_LAYER_BLOCK = 5;
const collator = new Intl.Collator('pl', { sensitivity: 'base' });
const faults = [];
const fault = (msg) => faults.push(msg);
const hex = (v) => v.toString(16).toUpperCase().padStart(6, '0');

const world = tables.continents.filter((c) => !c.layer);
const layers = tables.continents.filter((c) => c.layer);

function checkTables() {
  const names = world.flatMap((c) => c.countries.map((k) => k.name));
  const distinct = new Set(names);
  for (const s of states) if (!distinct.has(s)) fault(`tables: the state ${s} is on no map`);
  const list = tables.findList;
  if (list.length !== distinct.size || new Set(list).size !== distinct.size)
    fault('tables: Find list must hold every name once');
  for (const n of distinct) {
    const withPoint = world.filter((c) => c.countries.some((k) => k.name === n && k.find));
    if (withPoint.length !== 1) fault(`tables: ${n} has ${withPoint.length} Find points`);
    if (!list.includes(n)) fault(`tables: ${n} missing from the Find list`);
  }
  for (const c of layers) {
    const names = c.countries.map((k) => k.name);
    if (new Set(names).size !== names.length) fault(`${c.base}: names repeat`);
    if (names.some((n, i) => i && collator.compare(names[i - 1], n) >= 0)) fault(`${c.base}: rows not in Polish alphabetical order`);
    if (c.countries.some((k) => !k.find)) fault(`${c.base}: an item has no Find point`);
  }
  for (const c of tables.continents) {
    const colours = c.countries.map((k) => k.colour);
    if (new Set(colours).size !== colours.length) fault(`${c.base}: key colours repeat`);
    for (const k of c.countries) {
      const v = parseInt(k.colour, 16);
      if (v === WHITE || v === GREY) fault(`${c.base}: ${k.name} has the reserved colour ${k.colour}`);
    }
  }
}

// Every state, and nothing else, has a capital and a flag of its own.
function checkCapitals(entries) {
  const named = Object.keys(capitals);
  for (const s of states) if (!capitals[s]?.capital) fault(`capitals: ${s} has no capital`);
  for (const n of named) if (!states.includes(n)) fault(`capitals: ${n} is no state of the list`);
  const flags = named.map((n) => capitals[n].flag);
  if (new Set(flags).size !== flags.length) fault('capitals: flag codes repeat');
  for (const code of flags) {
    const png = entries.get(`flags/${code}.png`);
    if (!png || png.toString('latin1', 1, 4) !== 'PNG') fault(`capitals: no flag picture for ${code}`);
  }
}

// Side of the largest square of pixels equal to colour.
function largestSquare(key, colour) {
  const { width, height } = key;
  const run = new Uint16Array(width * height);
  let best = 0;
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      if (key.rgb(x, y) !== colour) continue;
      const k = y * width + x;
      run[k] = 1 + Math.min(y ? run[k - width] : 0, x ? run[k - 1] : 0, x && y ? run[k - width - 1] : 0);
      best = Math.max(best, run[k]);
    }
  }
  return best;
}

// The visible map must show sea where the key is sea and grey where the key
// is unlisted land, away from the coasts (catches misaligned drawings).
function checkAlignment(c, key, pic) {
  const sameAround = (x, y, v) => {
    for (let dy = -2; dy <= 2; dy++)
      for (let dx = -2; dx <= 2; dx++) {
        const xx = x + dx, yy = y + dy;
        if (xx < 0 || yy < 0 || xx >= key.width || yy >= key.height || key.rgb(xx, yy) !== v) return false;
      }
    return true;
  };
  let seaBad = 0, sea = 0, greyBad = 0, grey = 0;
  for (let y = 0; y < key.height; y++) {
    for (let x = 0; x < key.width; x++) {
      const v = key.rgb(x, y);
      if (v !== WHITE && v !== GREY) continue;
      if (!sameAround(x, y, v)) continue;
      const o = (y * pic.width + x) * 4;
      const [r, g, b] = [pic.data[o], pic.data[o + 1], pic.data[o + 2]];
      if (v === WHITE) {
        sea++;
        if (!(b > r + 20 && g > r)) seaBad++;
      } else {
        grey++;
        if (Math.abs(r - g) > 12 || Math.abs(g - b) > 12) greyBad++;
      }
    }
  }
  // Graticule lines and lone islands may differ; a shifted map differs widely.
  if (seaBad > sea * 0.02) fault(`${c.base}: ${seaBad} of ${sea} sea pixels not drawn as sea`);
  if (greyBad > Math.max(grey * 0.02, 100)) fault(`${c.base}: ${greyBad} of ${grey} neighbour pixels not drawn grey`);
}

// On a layer of Poland, Poland's land that is no item is drawn as land but
// for its rivers and lakes, about 5 % (catches a key shifted against the map).
function checkLayerAlignment(c, key, pic) {
  let land = 0, wet = 0;
  for (let y = 2; y < key.height - 2; y++)
    for (let x = 2; x < key.width - 2; x++) {
      if ([-2, 0, 2].some((d) => key.rgb(x + d, y) !== GREY || key.rgb(x, y + d) !== GREY)) continue;
      const o = (y * pic.width + x) * 4;
      land++;
      if (pic.data[o + 2] > pic.data[o] + 30) wet++;
    }
  if (wet > land * 0.08) fault(`${c.base}: ${wet} of ${land} land pixels drawn as water`);
}

function checkContinent(c, entries) {
  const bmpData = entries.get(`${c.base}.bmp`), jpgData = entries.get(`${c.base}.jpg`);
  if (!bmpData || !jpgData) return fault(`${c.base}: entry missing`);
  const key = readBmp(bmpData);
  const pic = jpeg.decode(jpgData, { useTArray: true, formatAsRGBA: true });
  if (pic.width !== key.width || pic.height !== key.height)
    fault(`${c.base}: visible map ${pic.width}×${pic.height}, key ${key.width}×${key.height}`);
  if (c.offset[0] + key.width > WINDOW[0] || c.offset[1] + key.height > WINDOW[1])
    fault(`${c.base}: ${key.width}×${key.height} at ${c.offset} leaves the window`);

  const allowed = new Map(c.countries.map((k) => [parseInt(k.colour, 16), k.name]));
  const seen = new Map();
  for (let y = 0; y < key.height; y++)
    for (let x = 0; x < key.width; x++) {
      const v = key.rgb(x, y);
      seen.set(v, (seen.get(v) ?? 0) + 1);
    }
  for (const v of seen.keys())
    if (v !== WHITE && v !== GREY && !allowed.has(v)) fault(`${c.base}: stray colour ${hex(v)} (${seen.get(v)} px)`);
  if (!seen.has(WHITE)) fault(`${c.base}: no sea`);

  for (const k of c.countries) {
    const v = parseInt(k.colour, 16);
    if (!seen.has(v)) {
      fault(`${c.base}: ${k.name} (${k.colour}) does not occur`);
      continue;
    }
    const side = largestSquare(key, v), min = c.layer ? MIN_LAYER_BLOCK : MIN_BLOCK;
    if (side < min) fault(`${c.base}: ${k.name} has no ${min}×${min} block (largest ${side})`);
    if (!k.find) continue;
    const [x, y] = k.find;
    if (x < 0 || y < 0 || x >= key.width || y >= key.height) fault(`${c.base}: Find point of ${k.name} off the map`);
    else if (key.rgb(x, y) !== v) fault(`${c.base}: Find point of ${k.name} at ${x},${y} is ${hex(key.rgb(x, y))}`);
  }
  if (c.layer) checkLayerAlignment(c, key, pic);
  else checkAlignment(c, key, pic);
  console.log(`${c.base}: ${key.width}×${key.height}, ${key.bitCount}-bit key, ${seen.size} colours, jpg ${jpgData.length} B`);
}

const archive = readFileSync(archivePath);
const entries = readPack(archive);
checkTables();
checkCapitals(entries);
const expected = [
  ...tables.continents.flatMap((c) => [`${c.base}.jpg`, `${c.base}.bmp`]),
  ...Object.values(capitals).map((s) => `flags/${s.flag}.png`),
];
for (const name of entries.keys()) if (!expected.includes(name)) fault(`unexpected entry ${name}`);
for (const c of tables.continents) checkContinent(c, entries);
console.log(`${archivePath}: ${archive.length} B, sha256 ${createHash('sha256').update(archive).digest('hex')}`);
if (faults.length) {
  console.error(faults.join('\n'));
  process.exit(1);
}
console.log('all checks passed');
