// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Width of a line of text in the program's bundled interface font, read from
// the font file's own metrics (cmap and hmtx tables), so that the generator
// can refuse a description that the puzzle's label would cut off.
import fs from 'node:fs';

function tables(font) {
  const found = {};
  const count = font.readUInt16BE(4);
  for (let i = 0; i < count; i++) {
    const at = 12 + i * 16;
    found[font.toString('latin1', at, at + 4)] = font.readUInt32BE(at + 8);
  }
  return found;
}

// Maps code points to glyph indices through the Unicode BMP subtable (format 4).
function cmapFormat4(font, cmap) {
  const count = font.readUInt16BE(cmap + 2);
  for (let i = 0; i < count; i++) {
    const record = cmap + 4 + i * 8;
    const [platform, encoding] = [font.readUInt16BE(record), font.readUInt16BE(record + 2)];
    const sub = cmap + font.readUInt32BE(record + 4);
    if (platform === 3 && encoding === 1 && font.readUInt16BE(sub) === 4) return sub;
  }
  throw new Error('the font has no Unicode BMP character map');
}

function glyphIndex(font, sub, code) {
  const segments = font.readUInt16BE(sub + 6) / 2;
  const ends = sub + 14;
  const starts = ends + 2 * segments + 2;
  const deltas = starts + 2 * segments;
  const ranges = deltas + 2 * segments;
  for (let s = 0; s < segments; s++) {
    if (code > font.readUInt16BE(ends + 2 * s)) continue;
    if (code < font.readUInt16BE(starts + 2 * s)) return 0;
    const delta = font.readInt16BE(deltas + 2 * s);
    const range = font.readUInt16BE(ranges + 2 * s);
    if (range === 0) return (code + delta) & 0xffff;
    const glyph = font.readUInt16BE(ranges + 2 * s + range + 2 * (code - font.readUInt16BE(starts + 2 * s)));
    return glyph === 0 ? 0 : (glyph + delta) & 0xffff;
  }
  return 0;
}

export function fontMetrics(file) {
  const font = fs.readFileSync(file);
  const t = tables(font);
  const unitsPerEm = font.readUInt16BE(t.head + 18);
  const longMetrics = font.readUInt16BE(t.hhea + 34);
  const sub = cmapFormat4(font, t.cmap);
  const advance = (glyph) => font.readUInt16BE(t.hmtx + 4 * Math.min(glyph, longMetrics - 1));
  // Width in pixels of text at the given pixel size, without kerning (which only narrows it).
  return (text, pixelSize) =>
    ([...text].reduce((sum, ch) => sum + advance(glyphIndex(font, sub, ch.codePointAt(0))), 0) * pixelSize) / unitsPerEm;
}
