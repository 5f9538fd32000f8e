// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds content/Maps/GeoMap.dat: for every continent of tables.json a visible
// map (<base>.jpg) and a key bitmap (<base>.bmp) of the same size, drawn from
// Natural Earth country shapes, the same for every layer of the map of Poland
// (lib/poland.js), and every state's flag (flags/<code>.png).
// Same input, same bytes.
//   node generate.js [--preview DIR]   (DIR receives the maps as separate files)
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import jpeg from 'jpeg-js';
import { drawAtlas } from './lib/atlas.js';
import { writeBmp8 } from './lib/bmp.js';
import { flagEntryName, renderFlag } from './lib/flags.js';
import { loadUnits } from './lib/geodata.js';
import { layoutShapes, makeClickable, placeFinds, rasterise } from './lib/keymap.js';
import { writePack } from './lib/pack.js';
import { buildPolandLayer, polandProjection } from './lib/poland.js';
import { mapProjection } from './lib/projections.js';
import { assignColours, attachStates, findList, sortLayerRows, writeCppTables, writeTables } from './lib/tables.js';

const here = dirname(fileURLToPath(import.meta.url));
export const ARCHIVE = join(here, '../../content/Maps/GeoMap.dat');
const TABLES = join(here, 'tables.json');
const CAPITALS = join(here, 'capitals.json');
const CPP_SIZES = join(here, '../../src/maps/MapTableSizes.h');
const CPP_DATA = join(here, '../../src/maps/MapTableData.inc');
export const UNLISTED_GREY = 'D8D8D8';
const JPEG_QUALITY = 90;

const hexToRgb = (hex) => [0, 2, 4].map((i) => parseInt(hex.slice(i, i + 2), 16));

// The key of a layer of Poland: white outside, grey Poland's land, then the items.
function layerBitmap(region, proj) {
  sortLayerRows(region);
  assignColours(region);
  const { grid, rgba } = buildPolandLayer(region, proj);
  const palette = [[255, 255, 255], hexToRgb(UNLISTED_GREY), ...region.countries.map((c) => hexToRgb(c.colour))];
  return {
    bmp: writeBmp8(proj.width, proj.height, Uint8Array.from(grid), palette),
    jpg: Buffer.from(jpeg.encode({ data: rgba, width: proj.width, height: proj.height }, JPEG_QUALITY).data),
  };
}

function keyBitmap(continent, shapes, grid) {
  // Palette: white sea, grey unlisted land, then the countries in table order.
  const palette = [[255, 255, 255], hexToRgb(UNLISTED_GREY), ...continent.countries.map((c) => hexToRgb(c.colour))];
  const indexOf = new Uint8Array(shapes.length + 1);
  for (const s of shapes) indexOf[s.id] = s.country >= 0 ? 2 + s.country : 1;
  return { palette, indices: Uint8Array.from(grid, (id) => indexOf[id]) };
}

function buildContinent(continent, units, capitals) {
  const proj = mapProjection(continent.base);
  const { width, height } = proj;
  assignColours(continent);
  attachStates(continent, capitals, proj);
  const shapes = layoutShapes(continent, units, proj);
  const grid = rasterise(shapes, width, height, 1);
  placeFinds(continent, shapes, grid, width, height);
  const { patches, markers } = makeClickable(continent, shapes, grid, width, height);
  for (const m of patches) console.log(`  patch ${m.shape.name} at ${m.x},${m.y}`);
  for (const m of markers) console.log(`  marker ${m.shape.name} at ${m.x},${m.y}`);
  const { palette, indices } = keyBitmap(continent, shapes, grid);
  const rgba = drawAtlas({ shapes, proj, keyGrid: grid, patches, markers });
  return {
    bmp: writeBmp8(width, height, indices, palette),
    jpg: Buffer.from(jpeg.encode({ data: rgba, width, height }, JPEG_QUALITY).data),
  };
}

function main() {
  const previewAt = process.argv.indexOf('--preview');
  const previewDir = previewAt > 0 ? process.argv[previewAt + 1] : null;
  const tables = JSON.parse(readFileSync(TABLES, 'utf8'));
  const capitals = JSON.parse(readFileSync(CAPITALS, 'utf8'));
  const units = loadUnits();
  const entries = [];
  for (const continent of tables.continents) {
    console.log(continent.base);
    const { bmp, jpg } = continent.layer
      ? layerBitmap(continent, polandProjection())
      : buildContinent(continent, units, capitals);
    entries.push({ name: `${continent.base}.jpg`, data: jpg }, { name: `${continent.base}.bmp`, data: bmp });
    if (previewDir) {
      mkdirSync(previewDir, { recursive: true });
      writeFileSync(join(previewDir, `${continent.base}.jpg`), jpg);
      writeFileSync(join(previewDir, `${continent.base}.bmp`), bmp);
    }
  }
  const flagCodes = [...new Set(Object.values(capitals).map((s) => s.flag))].sort();
  for (const code of flagCodes) entries.push({ name: flagEntryName(code), data: renderFlag(code) });
  tables.findList = findList(tables);
  writeTables(TABLES, tables);
  writeCppTables(CPP_SIZES, CPP_DATA, tables);
  mkdirSync(dirname(ARCHIVE), { recursive: true });
  writeFileSync(ARCHIVE, writePack(entries));
  console.log(`wrote ${ARCHIVE}`);
}

main();
