// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Generates the photo sets content/Data/*.dat: for every country a 384 x 256
// picture (map and locator globe) and its line in Spis.txt. Together the sets
// show every state of tools/maps/states.json, under the same names.
//   node src/main.js [--out DIR] [--preview DIR] [--only NAME]
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import * as d3 from 'd3-geo';
import { PHOTO_SETS } from './countries.js';
import { loadCountries, shapeIndex } from './world.js';
import { pictureSvg, WIDTH, HEIGHT } from './picture.js';
import { renderSvg, renderSvgPng, encodeJpeg, decodeJpeg } from './raster.js';
import { buildPack, encodeCp1250 } from './pack.js';
import { closestPieces, MIN_PIECE_DIFFERENCE } from './pieces.js';
import { fontMetrics } from './textWidth.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, '../../..');
const MAX_DESCRIPTION = 100;
// The puzzle shows the name and the description each on one line of a
// 233-pixel label in the program's 11-pixel interface font.
const DESCRIPTION_LABEL = { width: 233, pixelSize: 11 };
// The photo-set chooser lists "Zestaw nr N – heading" in a drop-down of at
// most 720 pixels, of which the arrow and the frame take about 30.
const CHOOSER_ITEM = { width: 690, pixelSize: 11 };
const STATES = JSON.parse(fs.readFileSync(path.join(repo, 'tools/maps/states.json'), 'utf8'));
const textWidth = fontMetrics(path.join(repo, 'resources/fonts/LiberationSans-Regular.ttf'));
const VARIANTS = 6;
// A capital on a coast may fall just outside the simplified coastline.
const CAPITAL_TOLERANCE_KM = 15;

function option(name, fallback) {
  const i = process.argv.indexOf(name);
  return i > 0 ? process.argv[i + 1] : fallback;
}

// The program's own measure (hinted, kerned) may differ by a fraction of a pixel: keep one spare.
function checkWidth(what, text, label) {
  const width = textWidth(text, label.pixelSize);
  if (width > label.width - 1) throw new Error(`${what} ${width.toFixed(1)} px wide, the label holds ${label.width}`);
}

function checkEntry(entry, country) {
  if (!country) throw new Error(`${entry.name}: no shape ${entry.shape ?? entry.id}`);
  if (!STATES.some((s) => s.toLocaleUpperCase('pl') === entry.name)) throw new Error(`${entry.name}: not a state's name in capitals`);
  if (entry.text.length > MAX_DESCRIPTION) throw new Error(`${entry.name}: description longer than ${MAX_DESCRIPTION}`);
  checkWidth(`${entry.name}: name`, entry.name, DESCRIPTION_LABEL);
  checkWidth(`${entry.name}: description`, entry.text, DESCRIPTION_LABEL);
  if (!d3.geoContains(country.feature, entry.capital)) {
    const nearest = d3.geoDistance(entry.capital, closestVertex(country.feature, entry.capital)) * 6371;
    if (nearest > CAPITAL_TOLERANCE_KM) throw new Error(`${entry.name}: the capital lies ${nearest.toFixed(0)} km outside the country`);
  }
}

function closestVertex(feature, point) {
  let best = null;
  let bestDistance = Infinity;
  const visit = (c) => {
    if (typeof c[0] === 'number') {
      const d = d3.geoDistance(c, point);
      if (d < bestDistance) [best, bestDistance] = [c, d];
    } else c.forEach(visit);
  };
  visit(feature.geometry.coordinates);
  return best;
}

// Every state is in Europe's set or in a regional one.
function checkEveryState(sets) {
  const shown = new Set(sets.filter((s) => s.file !== 'Swiat.dat').flatMap((s) => s.countries.map((c) => c.name)));
  const missing = STATES.filter((s) => !shown.has(s.toLocaleUpperCase('pl')));
  if (missing.length) throw new Error(`No picture of ${missing.join(', ')}`);
}

// Renders a country's picture, trying layout variants until its puzzle pieces all differ.
function makePicture({ countries, coarse }, entry, preview) {
  const index = shapeIndex(countries, entry);
  let closest = null;
  for (let variant = 0; variant < VARIANTS; variant++) {
    const svg = pictureSvg({ countries, coarse, index, capital: entry.capital, frame: entry.frame, variant });
    const jpeg = encodeJpeg(renderSvg(svg));
    const decoded = decodeJpeg(jpeg);
    if (decoded.width !== WIDTH || decoded.height !== HEIGHT) throw new Error(`${entry.name}: picture is ${decoded.width}x${decoded.height}`);
    closest = closestPieces(decoded);
    if (closest.difference >= MIN_PIECE_DIFFERENCE) return { jpeg, svg, variant, closest };
  }
  if (preview) fs.writeFileSync(path.join(preview, 'failed.png'), renderSvgPng(pictureSvg({ countries, coarse, index, capital: entry.capital, frame: entry.frame }), 2 * WIDTH));
  throw new Error(`${entry.name}: pieces ${closest.pair} differ by only ${closest.difference.toFixed(1)} in every layout`);
}

function spisText(set) {
  const line = (c) => `${c.name}*${c.text}`;
  const lines = [set.heading, line(set.countries[0]), ...set.countries.map(line)];
  return encodeCp1250(lines.map((l) => `${l}\r\n`).join(''));
}

function main() {
  const outDir = option('--out', path.join(repo, 'content/Data'));
  const preview = option('--preview', null);
  const only = option('--only', null)?.split(',');
  const countries = loadCountries('50m');
  const coarse = loadCountries('110m');
  fs.mkdirSync(outDir, { recursive: true });
  if (preview) fs.mkdirSync(preview, { recursive: true });

  checkEveryState(PHOTO_SETS);
  // A state in two sets (the world's and its region's) is drawn once.
  const pictures = new Map();
  PHOTO_SETS.forEach((set, i) => checkWidth(`${set.file}: heading`, `Zestaw nr ${i + 1} – ${set.heading}`, CHOOSER_ITEM));
  for (const set of PHOTO_SETS) {
    set.countries.forEach((entry) => checkEntry(entry, countries[shapeIndex(countries, entry)]));
    if (only && !set.countries.some((c) => only.includes(c.name))) continue;
    const members = [{ name: 'Spis.txt', data: spisText(set) }];
    set.countries.forEach((entry, i) => {
      if (only && !only.includes(entry.name)) return;
      if (!pictures.has(entry)) pictures.set(entry, makePicture({ countries, coarse }, entry, preview));
      const picture = pictures.get(entry);
      members.push({ name: `Im${i + 1}.jpg`, data: picture.jpeg });
      console.log(`${set.file} Im${i + 1}.jpg ${entry.name}: ${picture.jpeg.length} B, layout ${picture.variant}, closest pieces ${picture.closest.pair} differ by ${picture.closest.difference.toFixed(1)}`);
      if (preview) fs.writeFileSync(path.join(preview, `${path.basename(set.file, '.dat')}-${i + 1}.png`), renderSvgPng(picture.svg, 2 * WIDTH));
    });
    if (only) continue;
    // Picture 0 is the first picture again, as line 1 of Spis.txt is.
    members.push({ name: 'Im0.jpg', sameAs: 'Im1.jpg' });
    const archive = buildPack(members);
    fs.writeFileSync(path.join(outDir, set.file), archive);
    console.log(`${set.file}: ${set.countries.length} pictures, ${archive.length} bytes`);
  }
}

main();
