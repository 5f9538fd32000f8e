// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds content/Maps/GeoMap.dat: for every continent of tables.json a visible
// map (<base>.jpg) and a key bitmap (<base>.bmp) of the same size, drawn from
// Natural Earth country shapes. Same input, same bytes.
//   node generate.js [--preview DIR]   (DIR receives the maps as separate files)
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import jpeg from 'jpeg-js';
import { drawAtlas } from './lib/atlas.js';
import { writeBmp8 } from './lib/bmp.js';
import { loadUnits } from './lib/geodata.js';
import { layoutShapes, makeClickable, placeFinds, rasterise } from './lib/keymap.js';
import { writePack } from './lib/pack.js';
import { mapProjection } from './lib/projections.js';
import { assignColours, findList, writeCppTables, writeTables } from './lib/tables.js';

const here = dirname(fileURLToPath(import.meta.url));
export const ARCHIVE = join(here, '../../content/Maps/GeoMap.dat');
const TABLES = join(here, 'tables.json');
const CPP_SIZES = join(here, '../../src/maps/MapTableSizes.h');
const CPP_DATA = join(here, '../../src/maps/MapTableData.inc');
export const UNLISTED_GREY = 'D8D8D8';
const JPEG_QUALITY = 90;

const hexToRgb = (hex) => [0, 2, 4].map((i) => parseInt(hex.slice(i, i + 2), 16));

function keyBitmap(continent, shapes, grid) {
  // Palette: white sea, grey unlisted land, then the countries in table order.
  const palette = [[255, 255, 255], hexToRgb(UNLISTED_GREY), ...continent.countries.map((c) => hexToRgb(c.colour))];
  const indexOf = new Uint8Array(shapes.length + 1);
  for (const s of shapes) indexOf[s.id] = s.country >= 0 ? 2 + s.country : 1;
  return { palette, indices: Uint8Array.from(grid, (id) => indexOf[id]) };
}

function buildContinent(continent, units) {
  const proj = mapProjection(continent.base);
  const { width, height } = proj;
  assignColours(continent);
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
  const units = loadUnits();
  const entries = [];
  for (const continent of tables.continents) {
    console.log(continent.base);
    const { bmp, jpg } = buildContinent(continent, units);
    entries.push({ name: `${continent.base}.jpg`, data: jpg }, { name: `${continent.base}.bmp`, data: bmp });
    if (previewDir) {
      mkdirSync(previewDir, { recursive: true });
      writeFileSync(join(previewDir, `${continent.base}.jpg`), jpg);
      writeFileSync(join(previewDir, `${continent.base}.bmp`), bmp);
    }
  }
  tables.findList = findList(tables);
  writeTables(TABLES, tables);
  writeCppTables(CPP_SIZES, CPP_DATA, tables);
  mkdirSync(dirname(ARCHIVE), { recursive: true });
  writeFileSync(ARCHIVE, writePack(entries));
  console.log(`wrote ${ARCHIVE}`);
}

main();
