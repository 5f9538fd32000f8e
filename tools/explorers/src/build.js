// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds content/Maps/GeoMen.dat: for every topic its RTF document and its
// route map. Usage: node src/build.js [--out FILE] [--preview DIR] [--only SOURCE]
// --preview also writes each map as PNG for looking at; --only renders one
// topic's preview without writing the archive.

import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { TOPICS } from './topics.js';
import { markupToRtf } from './rtf.js';
import { buildPack } from './pack.js';
import { encodeJpeg, mapSvg, rasterise } from './render.js';

const toolDir = join(dirname(fileURLToPath(import.meta.url)), '..');
const defaultOut = join(toolDir, '../../content/Maps/GeoMen.dat');

function option(name) {
  const i = process.argv.indexOf(name);
  return i < 0 ? undefined : process.argv[i + 1];
}

async function topicFiles(topic, previewDir) {
  const source = readFileSync(join(toolDir, 'texts', topic.source + '.md'), 'utf8');
  const { default: map } = await import(join(toolDir, 'maps', topic.source + '.js'));
  const image = rasterise(mapSvg(map));
  if (previewDir) writeFileSync(join(previewDir, topic.source + '.png'), image.png());
  return [
    { name: topic.entry, data: Buffer.from(markupToRtf(source), 'latin1') },
    { name: topic.picture, data: Buffer.from(encodeJpeg(image)) },
  ];
}

const previewDir = option('--preview');
if (previewDir) mkdirSync(previewDir, { recursive: true });
const only = option('--only');
const topics = only ? TOPICS.filter((t) => t.source === only) : TOPICS;
const entries = [];
for (const topic of topics) entries.push(...(await topicFiles(topic, previewDir)));
if (!only) {
  const out = option('--out') ?? defaultOut;
  mkdirSync(dirname(out), { recursive: true });
  writeFileSync(out, buildPack(entries));
  console.log(`${out}: ${entries.length} entries`);
}
