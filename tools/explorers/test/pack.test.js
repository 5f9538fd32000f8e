// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { buildPack, readPack } from '../src/pack.js';

test('archive layout: header, members, then 128-byte records', () => {
  const a = Buffer.from('abc');
  const b = Buffer.from('defgh');
  const pack = buildPack([{ name: 'Wstep.rtf', data: a }, { name: 'Im1a.jpg', data: b }]);
  assert.equal(pack.toString('latin1', 0, 4), 'PACK');
  assert.equal(pack.readInt32LE(4), 12 + 3 + 5);
  assert.equal(pack.readInt32LE(8), 2 * 128);
  assert.equal(pack.length, 12 + 8 + 256);
  const rec = pack.subarray(20 + 128, 20 + 256);
  assert.equal(rec.toString('latin1', 0, 8), 'Im1a.jpg');
  assert.ok(rec.subarray(8, 120).every((x) => x === 0));
  assert.equal(rec.readInt32LE(120), 15);
  assert.equal(rec.readInt32LE(124), 5);
  assert.deepEqual(
    readPack(pack).map((e) => [e.name, e.data.toString()]),
    [['Wstep.rtf', 'abc'], ['Im1a.jpg', 'defgh']],
  );
});

test('names are Windows-1250 and at most 120 bytes', () => {
  const pack = buildPack([{ name: 'Łódź.txt', data: Buffer.from('x') }]);
  assert.deepEqual([...pack.subarray(13, 17)], [0xa3, 0xf3, 0x64, 0x9f]);
  assert.equal(readPack(pack)[0].name, 'Łódź.txt');
  assert.doesNotThrow(() => buildPack([{ name: 'a'.repeat(120), data: Buffer.from('x') }]));
  assert.throws(() => buildPack([{ name: 'a'.repeat(121), data: Buffer.from('x') }]));
});

test('names differing only in letter case are rejected, as the reader ignores case', () => {
  const x = Buffer.from('x');
  assert.throws(() => buildPack([{ name: 'Cook.rtf', data: x }, { name: 'COOK.RTF', data: x }]));
});

test('empty members are rejected', () => {
  assert.throws(() => buildPack([{ name: 'a', data: Buffer.alloc(0) }]));
});
