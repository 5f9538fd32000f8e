// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The key map of a continent: which unit covers each pixel, plus markers that
// make countries too small to point at clickable.
import { paint } from './raster.js';

export const MARKER = 10; // marker square side in pixels
const MIN_BLOCK = 8; // every country needs a MIN_BLOCK × MIN_BLOCK block of its own

// Shapes of the units that reach into the frame. Unlisted units come first so
// that listed countries win any pixel both claim. Id 0 is the sea.
export function layoutShapes(continent, units, proj) {
  const listed = new Map(continent.countries.map((c, k) => [c.name, k]));
  const shapes = [];
  for (const unit of units) {
    const rings = unit.polygons.flatMap((p) => proj.rings(p));
    if (!rings.some((r) => reachesFrame(r, proj.width, proj.height))) continue;
    shapes.push({ name: unit.name, country: listed.has(unit.name) ? listed.get(unit.name) : -1, rings });
  }
  shapes.sort((a, b) => (a.country >= 0) - (b.country >= 0));
  shapes.forEach((s, k) => (s.id = k + 1));
  const missing = continent.countries.filter((c) => !shapes.some((s) => s.name === c.name));
  if (missing.length) throw new Error(`${continent.base}: no shape for ${missing.map((c) => c.name)}`);
  return shapes;
}

function reachesFrame(ring, width, height) {
  return (
    ring.some(([x]) => x >= 0) && ring.some(([x]) => x < width) &&
    ring.some(([, y]) => y >= 0) && ring.some(([, y]) => y < height)
  );
}

export function rasterise(shapes, width, height, scale) {
  const grid = new Uint16Array(width * scale * height * scale);
  for (const s of shapes) paint(grid, width * scale, height * scale, scale, s.rings, s.id);
  return grid;
}

// Largest all-`id` square ending at each pixel, reported as the biggest side.
export function largestSquare(grid, width, height, id) {
  const run = new Uint16Array(width * height);
  let best = 0;
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      const k = y * width + x;
      if (grid[k] !== id) continue;
      const up = y ? run[k - width] : 0, left = x ? run[k - 1] : 0, diag = x && y ? run[k - width - 1] : 0;
      run[k] = 1 + Math.min(up, left, diag);
      best = Math.max(best, run[k]);
    }
  }
  return best;
}

// Makes every listed country clickable through a MIN_BLOCK square of its own.
// A country that nearly has one gets a patch: the MIN_BLOCK square that holds
// most of its pixels, taken over whole (a barely visible thickening). A tiny
// country gets a marker: a MARKER square centred near its Find point, drawn
// with an outline on the visible map. Both are painted into the grid; returns
// { patches, markers } as [{ shape, x, y, size }] (top-left corners).
export function makeClickable(continent, shapes, grid, width, height) {
  const byCountry = new Map(shapes.filter((s) => s.country >= 0).map((s) => [s.country, s]));
  const finds = continent.countries.map((c) => c.find);
  const patches = [], markers = [];
  const area = (k) => grid.reduce((n, id) => n + (id === byCountry.get(k).id), 0);
  // Smallest first: tiny countries get the best spots for their markers.
  const small = continent.countries
    .map((c, k) => k)
    .filter((k) => largestSquare(grid, width, height, byCountry.get(k).id) < MIN_BLOCK)
    .sort((a, b) => area(a) - area(b) || a - b);
  for (const k of small) {
    const c = continent.countries[k], shape = byCountry.get(k);
    // Leave room around the Find points of the small countries still to come.
    const reserved = small
      .filter((j) => j !== k && finds[j] && ![...patches, ...markers].some((m) => m.shape === byCountry.get(j)))
      .map((j) => ({ x: finds[j][0] - MARKER / 2, y: finds[j][1] - MARKER / 2, size: MARKER }));
    const ctx = { k, shape, finds, placed: [...patches, ...markers], reserved, grid, width, height };
    const patch = bestPatch(ctx);
    if (patch && patch.own >= PATCH_MIN_OWN) {
      patches.push({ shape, x: patch.x, y: patch.y, size: MIN_BLOCK });
      continue;
    }
    if (!c.find) throw new Error(`${c.name} is too small and has no Find point`);
    const marker = bestMarker(ctx, c.find);
    if (!marker) throw new Error(`no room for a marker of ${c.name}`);
    markers.push({ shape, x: marker.x, y: marker.y, size: MARKER });
  }
  for (const m of [...patches, ...markers])
    for (let y = m.y; y < m.y + m.size; y++) grid.fill(m.shape.id, y * width + m.x, y * width + m.x + m.size);
  return { patches, markers };
}

const PATCH_MIN_OWN = 40; // of the MIN_BLOCK² pixels

function bestPatch(ctx) {
  const { shape, grid, width, height } = ctx;
  let x0 = width, y0 = height, x1 = -1, y1 = -1;
  for (let y = 0; y < height; y++)
    for (let x = 0; x < width; x++)
      if (grid[y * width + x] === shape.id) (x0 = Math.min(x0, x)), (y0 = Math.min(y0, y)), (x1 = Math.max(x1, x)), (y1 = Math.max(y1, y));
  let best = null;
  for (let y = y0 - MIN_BLOCK + 1; y <= y1; y++) {
    for (let x = x0 - MIN_BLOCK + 1; x <= x1; x++) {
      const r = squareCost(x, y, MIN_BLOCK, ctx);
      if (r && (!best || r.own > best.own || (r.own === best.own && r.cost < best.cost))) best = { x, y, ...r };
    }
  }
  return best;
}

function bestMarker(ctx, [fx, fy]) {
  let best = null;
  // The Find point stays two pixels inside the square, clear of the outline.
  for (let y = fy - MARKER + 3; y <= fy - 2; y++) {
    for (let x = fx - MARKER + 3; x <= fx - 2; x++) {
      const r = squareCost(x, y, MARKER, ctx);
      if (!r) continue;
      const cost = r.cost + Math.hypot(x + MARKER / 2 - 0.5 - fx, y + MARKER / 2 - 0.5 - fy);
      if (!best || cost < best.cost) best = { x, y, cost };
    }
  }
  return best;
}

// Null when the square leaves the map, comes within a pixel of another
// country's Find point or of a square already placed; otherwise the count of
// own pixels and a cost that grows with the land taken from others and the
// room taken from markers still to be placed.
function squareCost(x, y, size, { k, shape, finds, placed, reserved, grid, width, height }) {
  if (x < 0 || y < 0 || x + size > width || y + size > height) return null;
  const near = (px, py) => px >= x - 1 && px <= x + size && py >= y - 1 && py <= y + size;
  if (finds.some((f, j) => j !== k && f && near(f[0], f[1]))) return null;
  if (placed.some((m) => m.x <= x + size && x <= m.x + m.size && m.y <= y + size && y <= m.y + m.size)) return null;
  let own = 0, cost = 0;
  for (let py = y; py < y + size; py++) {
    for (let px = x; px < x + size; px++) {
      const id = grid[py * width + px];
      if (id === shape.id) own++;
      else cost += id ? 4 : 1;
      if (reserved.some((r) => px >= r.x && px < r.x + r.size && py >= r.y && py < r.y + r.size)) cost += 4;
    }
  }
  return { own, cost };
}
