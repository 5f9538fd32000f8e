// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Generates the photo sets content/Data/*.dat: for every country a 384 x 256
// picture (map and locator globe) and its line in Spis.txt.
//   node src/main.js [--out DIR] [--preview DIR] [--only NAME]
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import * as d3 from 'd3-geo';
import { PHOTO_SETS } from './countries.js';
import { loadCountries } from './world.js';
import { pictureSvg, WIDTH, HEIGHT } from './picture.js';
import { renderSvg, renderSvgPng, encodeJpeg, decodeJpeg } from './raster.js';
import { buildPack, encodeCp1250 } from './pack.js';
import { closestPieces, MIN_PIECE_DIFFERENCE } from './pieces.js';
import { fontMetrics } from './textWidth.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, '../../..');
const MAX_DESCRIPTION = 100;
// The puzzle shows the description on one line of a 233-pixel label in the
// program's 11-pixel interface font.
const DESCRIPTION_LABEL = { width: 233, pixelSize: 11 };
const textWidth = fontMetrics(path.join(repo, 'resources/fonts/LiberationSans-Regular.ttf'));
const VARIANTS = 6;
// A capital on a coast may fall just outside the simplified coastline.
const CAPITAL_TOLERANCE_KM = 15;

function option(name, fallback) {
  const i = process.argv.indexOf(name);
  return i > 0 ? process.argv[i + 1] : fallback;
}

function checkEntry(entry, country) {
  if (!country) throw new Error(`${entry.name}: no shape with id ${entry.id}`);
  if (entry.name !== entry.name.toLocaleUpperCase('pl')) throw new Error(`${entry.name}: the name must be in capitals`);
  if (entry.name.includes('*')) throw new Error(`${entry.name}: "*" in the name`);
  if (entry.text.length > MAX_DESCRIPTION) throw new Error(`${entry.name}: description longer than ${MAX_DESCRIPTION}`);
  const width = textWidth(entry.text, DESCRIPTION_LABEL.pixelSize);
  // The program's own measure (hinted, kerned) may differ by a fraction of a pixel: keep one spare.
  if (width > DESCRIPTION_LABEL.width - 1) throw new Error(`${entry.name}: description ${width.toFixed(1)} px wide, the label holds ${DESCRIPTION_LABEL.width}`);
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

// Renders a country's picture, trying layout variants until its puzzle pieces all differ.
function makePicture({ countries, coarse }, entry, preview) {
  const index = countries.findIndex((c) => c.id === entry.id);
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

  for (const set of PHOTO_SETS) {
    set.countries.forEach((entry) => checkEntry(entry, countries.find((c) => c.id === entry.id)));
    if (only && !set.countries.some((c) => only.includes(c.name))) continue;
    const members = [{ name: 'Spis.txt', data: spisText(set) }];
    set.countries.forEach((entry, i) => {
      if (only && !only.includes(entry.name)) return;
      const picture = makePicture({ countries, coarse }, entry, preview);
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
