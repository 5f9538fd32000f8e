// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing PACK archives and Windows-1250 text.

const decoder = new TextDecoder('windows-1250');
const CP1250 = new Map();
for (let b = 0x80; b <= 0xff; b++) {
  const ch = decoder.decode(Uint8Array.of(b));
  if (ch !== '\ufffd') CP1250.set(ch, b);
}

// Encodes text in Windows-1250; throws on a character the code page lacks.
export function encodeCp1250(text) {
  const out = [];
  for (const ch of text) {
    const code = ch.codePointAt(0);
    if (code < 0x80) out.push(code);
    else if (CP1250.has(ch)) out.push(CP1250.get(ch));
    else throw new Error(`Character ${ch} (U+${code.toString(16)}) has no Windows-1250 code`);
  }
  return Buffer.from(out);
}

// Builds an archive: "PACK", directory offset, directory length; the members;
// then 128-byte records (120-byte name, offset, size). A member may be listed
// under several names ({ name, sameAs }), sharing the stored bytes.
export function buildPack(members) {
  const parts = [];
  const placed = new Map();
  let offset = 12;
  for (const m of members) {
    if (m.sameAs) continue;
    placed.set(m.name, { offset, size: m.data.length });
    parts.push(m.data);
    offset += m.data.length;
  }
  const directory = Buffer.alloc(members.length * 128);
  members.forEach((m, i) => {
    const where = placed.get(m.sameAs ?? m.name);
    const name = encodeCp1250(m.name);
    if (name.length >= 120) throw new Error(`Entry name too long: ${m.name}`);
    name.copy(directory, i * 128);
    directory.writeInt32LE(where.offset, i * 128 + 120);
    directory.writeInt32LE(where.size, i * 128 + 124);
  });
  const header = Buffer.alloc(12);
  header.write('PACK', 0, 'latin1');
  header.writeInt32LE(offset, 4);
  header.writeInt32LE(directory.length, 8);
  return Buffer.concat([header, ...parts, directory]);
}
