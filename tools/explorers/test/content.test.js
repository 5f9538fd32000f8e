// Checks the committed archive and the text sources against the topic list.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { TOPICS } from '../src/topics.js';
import { readPack } from '../src/pack.js';
import { parseMarkup, plainWords } from '../src/rtf.js';
import { WIDTH, HEIGHT } from '../src/render.js';

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
