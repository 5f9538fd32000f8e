// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Flat polygon fill without anti-aliasing: even-odd rule, a pixel belongs to
// the polygon when its centre does. Raster cell (i, j) covers
// [i, i+1) × [j, j+1) in units of 1/scale map pixels.

// Calls span(j, i0, i1) for every run of covered cells i0 <= i < i1 in row j.
export function fillRings(rings, width, height, scale, span) {
  const buckets = new Map(); // first row -> edges starting there
  let firstRow = Infinity, lastRow = -Infinity;
  for (const ring of rings) {
    for (let k = 0; k < ring.length; k++) {
      const p = ring[k], q = ring[(k + 1) % ring.length];
      if (p[1] === q[1]) continue;
      // Order by y so that an edge shared by two polygons yields identical
      // crossings whichever way each polygon runs along it.
      const [lo, hi] = p[1] < q[1] ? [p, q] : [q, p];
      const y0 = lo[1] * scale, y1 = hi[1] * scale;
      const j0 = Math.max(0, Math.ceil(y0 - 0.5));
      const j1 = Math.min(height, Math.ceil(y1 - 0.5)); // exclusive
      if (j0 >= j1) continue;
      const edge = { x0: lo[0] * scale, y0, dxdy: ((hi[0] - lo[0]) * scale) / (y1 - y0), j1 };
      if (!buckets.has(j0)) buckets.set(j0, []);
      buckets.get(j0).push(edge);
      firstRow = Math.min(firstRow, j0);
      lastRow = Math.max(lastRow, j1);
    }
  }
  let active = [];
  const xs = [];
  for (let j = firstRow; j < lastRow; j++) {
    active = active.filter((e) => e.j1 > j);
    const starting = buckets.get(j);
    if (starting) active.push(...starting);
    const yc = j + 0.5;
    xs.length = 0;
    for (const e of active) xs.push(e.x0 + (yc - e.y0) * e.dxdy);
    xs.sort((a, b) => a - b);
    for (let k = 0; k + 1 < xs.length; k += 2) {
      const i0 = Math.max(0, Math.ceil(xs[k] - 0.5));
      const i1 = Math.min(width, Math.ceil(xs[k + 1] - 0.5));
      if (i0 < i1) span(j, i0, i1);
    }
  }
}

// Paints value into a width × height typed array wherever the rings cover.
export function paint(grid, width, height, scale, rings, value) {
  fillRings(rings, width, height, scale, (j, i0, i1) => grid.fill(value, j * width + i0, j * width + i1));
}
