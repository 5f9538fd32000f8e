// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows-1250 (Central European ANSI) encoding of single characters.

const decoder = new TextDecoder('windows-1250');

// Unicode code point -> byte, for the upper half of the code page.
const upperHalf = new Map();
for (let byte = 0x80; byte <= 0xff; byte++) {
  const ch = decoder.decode(Uint8Array.of(byte));
  if (ch !== '\ufffd') upperHalf.set(ch.codePointAt(0), byte);
}

/** The Windows-1250 byte of a character, or undefined if the code page lacks it. */
export function cp1250Byte(codePoint) {
  if (codePoint < 0x80) return codePoint;
  return upperHalf.get(codePoint);
}

/** Encodes a whole text; throws on a character the code page cannot hold. */
export function encodeCp1250(text) {
  const bytes = [];
  for (const ch of text) {
    const b = cp1250Byte(ch.codePointAt(0));
    if (b === undefined) throw new Error(`character ${ch} is not in Windows-1250`);
    bytes.push(b);
  }
  return Buffer.from(bytes);
}
