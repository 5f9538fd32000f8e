// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Writer of PACK archives: a 12-byte header ("PACK", directory offset,
// directory length), the members' bytes, then 128-byte directory records
// (120-byte zero-padded name, member offset, member size; integers 32-bit LE).

import { encodeCp1250 } from './cp1250.js';

const HEADER_SIZE = 12;
const RECORD_SIZE = 128;
const NAME_SIZE = 120;

/** Builds the archive bytes from [{name, data}] in the given order. */
export function buildPack(entries) {
  const seen = new Set();
  const records = [];
  let offset = HEADER_SIZE;
  for (const { name, data } of entries) {
    const key = name.toLowerCase();
    if (seen.has(key)) throw new Error(`duplicate entry name ${name}`);
    seen.add(key);
    const encoded = encodeCp1250(name);
    if (encoded.length === 0 || encoded.length > NAME_SIZE) {
      throw new Error(`entry name length out of range: ${name}`);
    }
    if (data.length === 0) throw new Error(`empty entry ${name}`);
    records.push({ encoded, offset, size: data.length });
    offset += data.length;
  }

  const header = Buffer.alloc(HEADER_SIZE);
  header.write('PACK', 0, 'latin1');
  header.writeInt32LE(offset, 4);
  header.writeInt32LE(records.length * RECORD_SIZE, 8);

  const directory = Buffer.alloc(records.length * RECORD_SIZE);
  records.forEach((r, i) => {
    const base = i * RECORD_SIZE;
    r.encoded.copy(directory, base);
    directory.writeInt32LE(r.offset, base + NAME_SIZE);
    directory.writeInt32LE(r.size, base + NAME_SIZE + 4);
  });

  return Buffer.concat([header, ...entries.map((e) => e.data), directory]);
}

/** Reads an archive back into [{name, data}]; used to check what was written. */
export function readPack(bytes) {
  if (bytes.toString('latin1', 0, 4) !== 'PACK') throw new Error('not a PACK archive');
  const dirOffset = bytes.readInt32LE(4);
  const count = Math.trunc(bytes.readInt32LE(8) / RECORD_SIZE);
  const entries = [];
  for (let i = 0; i < count; i++) {
    const base = dirOffset + i * RECORD_SIZE;
    const field = bytes.subarray(base, base + NAME_SIZE);
    const end = field.indexOf(0);
    const name = new TextDecoder('windows-1250').decode(end < 0 ? field : field.subarray(0, end));
    const offset = bytes.readInt32LE(base + NAME_SIZE);
    const size = bytes.readInt32LE(base + NAME_SIZE + 4);
    if (offset < 0 || size < 0 || offset + size > bytes.length) {
      throw new Error(`entry ${name} lies outside the archive`);
    }
    entries.push({ name, data: bytes.subarray(offset, offset + size) });
  }
  return entries;
}
