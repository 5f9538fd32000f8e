// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the committed archive and the text sources against the topic list.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { TOPICS } from '../src/topics.js';
import { readPack } from '../src/pack.js';
import { parseMarkup, plainWords } from '../src/rtf.js';
import * as d3 from 'd3-geo';
import {
  BAND_TEXT_WIDTH, COLORS, HEIGHT, SCALE, WIDTH, bandFontSize, bandTextWidth, lakePolygon, mapSvg, rasterise,
} from '../src/render.js';

const toolDir = join(dirname(fileURLToPath(import.meta.url)), '..');
const archive = readPack(readFileSync(join(toolDir, '../../content/Maps/GeoMen.dat')));

// Width and height from a baseline JPEG's SOF0 segment.
function jpegSize(data) {
  let i = 2;
  while (i < data.length) {
    const marker = data[i + 1];
    const length = data.readUInt16BE(i + 2);
    if (marker === 0xc0) return [data.readUInt16BE(i + 7), data.readUInt16BE(i + 5)];
    i += 2 + length;
  }
  throw new Error('no SOF0 segment');
}

test('the archive holds exactly the documents and pictures the reader asks for', () => {
  const expected = TOPICS.flatMap((t) => [t.entry, t.picture]);
  assert.deepEqual(archive.map((e) => e.name), expected);
  assert.ok(archive.some((e) => e.name === 'hillary.rtf'));
  assert.ok(archive.some((e) => e.name === 'Im20a.jpg'));
});

test('every document is ASCII RTF in code page 1250', () => {
  for (const { name, data } of archive.filter((e) => e.name.endsWith('.rtf'))) {
    assert.ok(data.every((b) => b < 0x80), name);
    assert.ok(data.toString('latin1').startsWith('{\\rtf1\\ansi\\ansicpg1250'), name);
  }
});

test('every picture is a JPEG of the portrait-frame proportions', () => {
  for (const { name, data } of archive.filter((e) => e.name.endsWith('.jpg'))) {
    assert.equal(data.readUInt16BE(0), 0xffd8, name);
    assert.deepEqual(jpegSize(data), [WIDTH, HEIGHT], name);
  }
  assert.equal(WIDTH * 117, HEIGHT * 96);
});

test('every text source has a title, a dated subtitle and at least 300 words', () => {
  for (const topic of TOPICS) {
    const source = readFileSync(join(toolDir, 'texts', topic.source + '.md'), 'utf8');
    const blocks = parseMarkup(source);
    assert.equal(blocks[0].style, 'title', topic.source);
    assert.equal(blocks[1].style, 'subtitle', topic.source);
    assert.ok(plainWords(source).length >= 300, `${topic.source}: ${plainWords(source).length} words`);
  }
});

const maps = await Promise.all(
  TOPICS.map(async (t) => ({ source: t.source, map: (await import(`../maps/${t.source}.js`)).default })),
);

// Pixels of the picture shrunk to the reader's frame by averaging SCALE x SCALE blocks.
function shrink({ width, height, pixels }) {
  const w = width / SCALE;
  const h = height / SCALE;
  const out = [];
  for (let y = 0; y < h; y++) {
    for (let x = 0; x < w; x++) {
      const sum = [0, 0, 0];
      for (let dy = 0; dy < SCALE; dy++) {
        for (let dx = 0; dx < SCALE; dx++) {
          const i = ((y * SCALE + dy) * width + x * SCALE + dx) * 4;
          for (let c = 0; c < 3; c++) sum[c] += pixels[i + c];
        }
      }
      out.push(sum.map((v) => v / (SCALE * SCALE)));
    }
  }
  return out;
}

const hex = (c) => [1, 3, 5].map((i) => parseInt(c.slice(i, i + 2), 16));
const near = (p, c, tolerance) => p.every((v, i) => Math.abs(v - c[i]) <= tolerance);

test('every picture reads in the 96 x 117 frame: its route, its marks and large years', () => {
  for (const { source, map } of maps) {
    const svg = mapSvg(map);
    const small = shrink(rasterise(svg));
    const route = small.filter((p) => near(p, hex(COLORS.route), 40)).length;
    const marks = small.filter((p) => near(p, hex(COLORS.star), 50) || near(p, [255, 255, 255], 20)).length;
    assert.ok(route >= 45, `${source}: ${route} route pixels`);
    assert.ok(marks >= 4, `${source}: ${marks} mark pixels`);
    // The band of years is the only lettering.
    assert.equal(svg.match(/<text/g).length, 1, source);
    const size = bandFontSize(map.band);
    assert.ok(size / SCALE >= 8, `${source}: ${size} px`);
    assert.ok(bandTextWidth(map.band, size) <= BAND_TEXT_WIDTH, source);
  }
});

test('every lake encloses its water, not the rest of the globe', () => {
  const lakes = maps.flatMap(({ map }) => map.lakes ?? []);
  assert.ok(lakes.length >= 6);
  for (const lake of lakes) assert.ok(d3.geoArea(lakePolygon(lake)) < 0.01);
});
