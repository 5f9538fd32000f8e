// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows BMP with a colour table: 8 bits per pixel, uncompressed, bottom-up,
// BITMAPINFOHEADER. Reading also accepts 24-bit pictures.

// indices: width × height palette indices, top row first; palette: [[r, g, b]...].
export function writeBmp8(width, height, indices, palette) {
  const stride = (width + 3) & ~3;
  const dataOffset = 14 + 40 + 4 * palette.length;
  const buf = Buffer.alloc(dataOffset + stride * height);
  buf.write('BM', 0, 'latin1');
  buf.writeUInt32LE(buf.length, 2);
  buf.writeUInt32LE(dataOffset, 10);
  buf.writeUInt32LE(40, 14);
  buf.writeInt32LE(width, 18);
  buf.writeInt32LE(height, 22); // positive: bottom-up
  buf.writeUInt16LE(1, 26);
  buf.writeUInt16LE(8, 28);
  buf.writeUInt32LE(0, 30); // BI_RGB
  buf.writeUInt32LE(stride * height, 34);
  buf.writeInt32LE(2835, 38); // 72 dpi
  buf.writeInt32LE(2835, 42);
  buf.writeUInt32LE(palette.length, 46);
  buf.writeUInt32LE(palette.length, 50);
  palette.forEach(([r, g, b], k) => {
    buf[54 + 4 * k] = b;
    buf[55 + 4 * k] = g;
    buf[56 + 4 * k] = r;
  });
  for (let y = 0; y < height; y++) {
    const row = dataOffset + (height - 1 - y) * stride;
    for (let x = 0; x < width; x++) buf[row + x] = indices[y * width + x];
  }
  return buf;
}

// Returns { width, height, bitCount, rgb(x, y) -> 0xRRGGBB } for an
// uncompressed 8- or 24-bit BMP.
export function readBmp(buf) {
  if (buf.toString('latin1', 0, 2) !== 'BM') throw new Error('not a BMP');
  const dataOffset = buf.readUInt32LE(10);
  const headerSize = buf.readUInt32LE(14);
  const width = buf.readInt32LE(18);
  const rawHeight = buf.readInt32LE(22);
  const bitCount = buf.readUInt16LE(28);
  const compression = buf.readUInt32LE(30);
  if (compression !== 0 || (bitCount !== 8 && bitCount !== 24)) throw new Error('unsupported BMP');
  const height = Math.abs(rawHeight);
  const stride = ((width * bitCount + 31) >> 5) * 4;
  const rowStart = (y) => dataOffset + (rawHeight > 0 ? height - 1 - y : y) * stride;
  const colours = buf.readUInt32LE(46) || 256;
  const paletteAt = 14 + headerSize;
  const entry = (k) => (buf[paletteAt + 4 * k + 2] << 16) | (buf[paletteAt + 4 * k + 1] << 8) | buf[paletteAt + 4 * k];
  const rgb =
    bitCount === 8
      ? (x, y) => {
          const k = buf[rowStart(y) + x];
          if (k >= colours) throw new Error(`palette index ${k} out of range`);
          return entry(k);
        }
      : (x, y) => {
          const o = rowStart(y) + 3 * x;
          return (buf[o + 2] << 16) | (buf[o + 1] << 8) | buf[o];
        };
  return { width, height, bitCount, rgb };
}
