// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The puzzle cuts a 384 x 256 picture into 6 x 4 pieces of 64 x 64; a pupil
// can only put it together if no two pieces look alike.
export const PIECE = 64;
export const MIN_PIECE_DIFFERENCE = 12;

// Mean absolute difference per channel (0..255) of two pieces of an RGB picture.
function pieceDifference(rgb, width, a, b) {
  let sum = 0;
  for (let y = 0; y < PIECE; y++) {
    const ra = ((a.y + y) * width + a.x) * 3;
    const rb = ((b.y + y) * width + b.x) * 3;
    for (let i = 0; i < PIECE * 3; i++) sum += Math.abs(rgb[ra + i] - rgb[rb + i]);
  }
  return sum / (PIECE * PIECE * 3);
}

// The smallest difference over all pairs of pieces, and the pair.
export function closestPieces({ data, width, height }) {
  const cells = [];
  for (let y = 0; y + PIECE <= height; y += PIECE) for (let x = 0; x + PIECE <= width; x += PIECE) cells.push({ x, y });
  let best = { difference: Infinity, pair: null };
  for (let i = 0; i < cells.length; i++) {
    for (let j = i + 1; j < cells.length; j++) {
      const difference = pieceDifference(data, width, cells[i], cells[j]);
      if (difference < best.difference) best = { difference, pair: [i + 1, j + 1] };
    }
  }
  return best;
}
