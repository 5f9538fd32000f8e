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
  // A state the data has no shape of is placed by its coordinates alone.
  continent.countries.forEach((c, k) => {
    if (c.lonlat && !shapes.some((s) => s.name === c.name))
      shapes.push({ name: c.name, country: k, rings: [], point: proj.point(c.lonlat) });
  });
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
  const patches = [], markers = [];
  // A marker may cut into a neighbour; the next pass mends that neighbour.
  for (let pass = 0; pass < 3; pass++) {
    const before = patches.length + markers.length;
    clickablePass(continent, shapes, grid, width, height, patches, markers);
    if (patches.length + markers.length === before) break;
  }
  return { patches, markers };
}

function clickablePass(continent, shapes, grid, width, height, patches, markers) {
  const byCountry = new Map(shapes.filter((s) => s.country >= 0).map((s) => [s.country, s]));
  const finds = continent.countries.map((c) => c.find);
  const added = [];
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
      added.push(patches.at(-1));
      continue;
    }
    if (!c.find) throw new Error(`${c.name} is too small and has no Find point`);
    let marker = bestMarker(ctx, c.find);
    // Where a neighbour's point leaves no room, the marker moves off into
    // the sea nearby and takes the Find point along to its middle.
    for (let reach = 2; !marker && reach <= MARKER_REACH; reach += 2) marker = nearbyMarker(ctx, c.find, reach);
    if (!marker) throw new Error(`no room for a marker of ${c.name}`);
    if (marker.moved) c.find = [marker.x + MARKER / 2, marker.y + MARKER / 2];
    markers.push({ shape, x: marker.x, y: marker.y, size: MARKER });
    added.push(markers.at(-1));
  }
  for (const m of added)
    for (let y = m.y; y < m.y + m.size; y++) grid.fill(m.shape.id, y * width + m.x, y * width + m.x + m.size);
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

const MARKER_REACH = 16; // how far a marker may move from its country

function nearbyMarker(ctx, [fx, fy], reach) {
  let best = null;
  for (let y = fy - reach - MARKER; y <= fy + reach; y++) {
    for (let x = fx - reach - MARKER; x <= fx + reach; x++) {
      const r = squareCost(x, y, MARKER, ctx);
      if (!r) continue;
      const cost = r.cost + 4 * Math.hypot(x + MARKER / 2 - fx, y + MARKER / 2 - fy);
      if (!best || cost < best.cost) best = { x, y, cost, moved: true };
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

// The Find point of a country whose row has none: its pixel farthest from
// every other country and the sea; for a country with no pixel, the middle of
// its largest ring (or its coordinates). Rows with "find": null are found on
// another continent and keep no point here.
export function placeFinds(continent, shapes, grid, width, height) {
  const depth = chamferDepth(grid, width, height);
  continent.countries.forEach((c, k) => {
    if ('find' in c) return;
    const shape = shapes.find((s) => s.country === k);
    let best = -1, at = null;
    for (let i = 0; i < grid.length; i++)
      if (grid[i] === shape.id && depth[i] > best) (best = depth[i]), (at = [i % width, Math.floor(i / width)]);
    c.find = at ?? middleOf(shape, width, height);
  });
}

// Distance in pixels (chamfer 1/1, 8 neighbours) from each pixel to the
// nearest pixel of another id or the map's edge.
export function chamferDepth(grid, width, height) {
  const d = new Float32Array(grid.length).fill(Infinity);
  const at = (x, y) => (x < 0 || y < 0 || x >= width || y >= height ? 0 : null);
  const pass = (ys, xs, steps) => {
    for (const y of ys)
      for (const x of xs) {
        const i = y * width + x;
        for (const [dx, dy] of steps) {
          const nx = x + dx, ny = y + dy;
          const edge = at(nx, ny);
          const n = edge === 0 ? 0 : grid[ny * width + nx] === grid[i] ? d[ny * width + nx] : 0;
          d[i] = Math.min(d[i], n + 1);
        }
      }
  };
  const range = (n) => [...Array(n).keys()];
  pass(range(height), range(width), [[-1, 0], [0, -1], [-1, -1], [1, -1]]);
  pass(range(height).reverse(), range(width).reverse(), [[1, 0], [0, 1], [1, 1], [-1, 1]]);
  return d;
}

function middleOf(shape, width, height) {
  if (shape.point) return clampPoint(shape.point, width, height);
  const area = (r) => Math.abs(r.reduce((a, p, i) => a + p[0] * r[(i + 1) % r.length][1] - r[(i + 1) % r.length][0] * p[1], 0));
  const ring = shape.rings.reduce((a, r) => (area(r) > area(a) ? r : a), shape.rings[0]);
  const mean = [0, 1].map((j) => ring.reduce((a, p) => a + p[j], 0) / ring.length);
  return clampPoint(mean, width, height);
}

const clampPoint = ([x, y], width, height) => [
  Math.min(width - 6, Math.max(5, Math.floor(x))),
  Math.min(height - 6, Math.max(5, Math.floor(y))),
];
