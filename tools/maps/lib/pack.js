// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// PACK archive: "PACK", int32 LE directory offset, int32 LE directory length;
// member bytes; then 128-byte directory records: a 120-byte zero-padded name,
// int32 LE offset, int32 LE size. Names here are plain ASCII, which reads the
// same in Windows-1250.

// entries: [{ name, data: Buffer }] in directory order.
export function writePack(entries) {
  const parts = [Buffer.alloc(12)];
  let offset = 12;
  const dir = Buffer.alloc(128 * entries.length);
  entries.forEach(({ name, data }, k) => {
    if (!/^[\x20-\x7e]{1,119}$/.test(name)) throw new Error(`bad entry name ${name}`);
    dir.write(name, 128 * k, 'latin1');
    dir.writeInt32LE(offset, 128 * k + 120);
    dir.writeInt32LE(data.length, 128 * k + 124);
    parts.push(data);
    offset += data.length;
  });
  parts[0].write('PACK', 0, 'latin1');
  parts[0].writeInt32LE(offset, 4);
  parts[0].writeInt32LE(dir.length, 8);
  return Buffer.concat([...parts, dir]);
}

// Returns Map(name -> Buffer).
export function readPack(buf) {
  if (buf.toString('latin1', 0, 4) !== 'PACK') throw new Error('not a PACK archive');
  const dirOffset = buf.readInt32LE(4), dirLength = buf.readInt32LE(8);
  if (dirLength % 128 || dirOffset < 12 || dirOffset + dirLength > buf.length) throw new Error('bad PACK directory');
  const entries = new Map();
  for (let at = dirOffset; at < dirOffset + dirLength; at += 128) {
    const raw = buf.subarray(at, at + 120);
    const name = raw.toString('latin1', 0, raw.indexOf(0) < 0 ? 120 : raw.indexOf(0));
    const offset = buf.readInt32LE(at + 120), size = buf.readInt32LE(at + 124);
    if (offset < 0 || size < 0 || offset + size > buf.length) throw new Error(`entry ${name} out of range`);
    entries.set(name, buf.subarray(offset, offset + size));
  }
  return entries;
}
