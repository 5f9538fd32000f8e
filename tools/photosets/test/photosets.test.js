// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks of the generator's geography and file-writing helpers: run with `npm test`.
import test from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import * as d3 from 'd3-geo';
import { PHOTO_SETS } from '../src/countries.js';
import { loadCountries, mainPart, shapeIndex } from '../src/world.js';
import { buildPack, encodeCp1250 } from '../src/pack.js';
import { fontMetrics } from '../src/textWidth.js';

const countries = loadCountries('50m');
const byName = (name) => countries.find((c) => c.name === name).feature;
const framed = (name, frame) => mainPart(byName(name), frame);

test('disputed and split shapes are drawn with the recognised country', () => {
  assert.ok(d3.geoContains(byName('Ukraine'), [34.1, 44.95]), 'Crimea');
  assert.ok(!d3.geoContains(byName('Russia'), [34.1, 44.95]));
  assert.ok(d3.geoContains(byName('Cyprus'), [33.32, 35.34]), 'Kyrenia');
  assert.ok(d3.geoContains(byName('W. Sahara'), [-13.2, 27.1]), 'Laayoune');
  assert.ok(!d3.geoContains(byName('Morocco'), [-13.2, 27.1]));
  assert.ok(d3.geoContains(byName('Morocco'), [-9.6, 30.4]), 'Agadir');
  assert.equal(countries.filter((c) => c.name === 'N. Cyprus').length, 0);
});

test('a map frames a whole archipelago but not distant territories', () => {
  assert.ok(d3.geoContains(framed('Philippines'), [125.5, 7.2]), 'Mindanao');
  assert.ok(d3.geoContains(framed('Japan'), [142.8, 43.5]), 'Hokkaido');
  assert.ok(!d3.geoContains(framed('Norway'), [16, 78.5]), 'Svalbard');
  assert.ok(!d3.geoContains(framed('Ecuador'), [-90.4, -0.7]), 'Galapagos');
  assert.ok(d3.geoContains(framed('United States of America'), [-150, 64]), 'Alaska by default');
  assert.ok(!d3.geoContains(framed('United States of America', { core: true }), [-150, 64]));
});

test('Windows-1250 text keeps Polish letters and refuses others', () => {
  assert.deepEqual([...encodeCp1250('ŁÓDŹ żółć')], [0xa3, 0xd3, 0x44, 0x8f, 0x20, 0xbf, 0xf3, 0xb3, 0xe6]);
  assert.throws(() => encodeCp1250('日本'), /no Windows-1250 code/);
});

test('a PACK archive lists its members, a shared one at the same place', () => {
  const pack = buildPack([
    { name: 'Spis.txt', data: Buffer.from('ab') },
    { name: 'Im1.jpg', data: Buffer.from('xyz') },
    { name: 'Im0.jpg', sameAs: 'Im1.jpg' },
  ]);
  assert.equal(pack.toString('latin1', 0, 4), 'PACK');
  const dirOffset = pack.readInt32LE(4);
  assert.equal(pack.readInt32LE(8), 3 * 128);
  assert.equal(dirOffset, 12 + 2 + 3);
  const record = (i) => {
    const at = dirOffset + i * 128;
    return [pack.toString('latin1', at, at + 120).replace(/\0+$/, ''), pack.readInt32LE(at + 120), pack.readInt32LE(at + 124)];
  };
  assert.deepEqual(record(0), ['Spis.txt', 12, 2]);
  assert.deepEqual(record(1), ['Im1.jpg', 14, 3]);
  assert.deepEqual(record(2), ['Im0.jpg', 14, 3]);
});

test('descriptions are measured in the program font as the puzzle label shows them', () => {
  const width = fontMetrics(new URL('../../../resources/fonts/LiberationSans-Regular.ttf', import.meta.url).pathname);
  // Liberation Sans at 11 px: "W" is 10.38 px wide; a Polish letter is found
  // in the font (as wide as its base letter), not measured as a missing glyph.
  assert.equal(width('iiii', 11), 4 * width('i', 11));
  assert.ok(Math.abs(width('W', 11) - 10.38) < 0.01);
  assert.equal(width('ą', 11), width('a', 11));
  // One of the old descriptions that the 233-pixel label cut off mid-word.
  assert.ok(width('Stolica: Oslo. Słynie z fiordów; należy do niej arktyczny archipelag Svalbard.', 11) > 233);
});

test('a state missing from the data is drawn at its islands; scattered islands framed around a point', () => {
  const tuvalu = byName('Tuvalu');
  assert.ok(d3.geoContains(tuvalu, [179.19, -8.52]), 'Funafuti');
  assert.ok(d3.geoArea(tuvalu) < 1e-4, 'nine small squares, not the sphere outside them');
  const tarawa = [173.0, 1.33];
  const kiribati = framed('Kiribati', { around: tarawa });
  assert.ok(d3.geoDistance(d3.geoCentroid(kiribati), tarawa) < (5 * Math.PI) / 180, 'the Gilbert Islands');
  assert.ok(!d3.geoContains(kiribati, [-157.4, 1.87]), 'not Kiritimati');
});

test('Europe and the regional sets show every state once, by its name on the maps', () => {
  const states = JSON.parse(fs.readFileSync(new URL('../../maps/states.json', import.meta.url), 'utf8'));
  const sets = PHOTO_SETS.filter((s) => s.file !== 'Swiat.dat');
  const shown = sets.flatMap((s) => s.countries.map((c) => c.name));
  assert.deepEqual([...shown].sort(), states.map((s) => s.toLocaleUpperCase('pl')).sort());
  for (const set of PHOTO_SETS) {
    assert.equal(new Set(set.countries.map((c) => c.name)).size, set.countries.length, set.file);
    for (const c of set.countries) assert.ok(countries[shapeIndex(countries, c)], c.name);
  }
});
