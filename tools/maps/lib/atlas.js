// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The visible map: the key map's shapes drawn like a school atlas, 4× super-
// sampled — soft country colours with thin dark borders, shaded sea with a
// graticule, unlisted neighbours grey, and the markers of small countries.
import { rasterise } from './keymap.js';

const S = 4; // samples per pixel side
const SOFT = [
  [250, 226, 134], // straw
  [240, 168, 140], // salmon
  [178, 216, 148], // light green
  [238, 176, 206], // pink
  [194, 184, 234], // lavender
  [156, 214, 196], // mint
];
const NEIGHBOUR_GREY = [222, 220, 214];
const SEA_NEAR = [196, 228, 245];
const SEA_FAR = [160, 204, 232];
const GRATICULE = [128, 176, 212];
const COAST = [70, 110, 150];
const BORDER = [72, 64, 60];
const GREY_BORDER = [150, 148, 144];
const MARKER_EDGE = [50, 45, 40];
const FRAME = [58, 88, 118];

export function drawAtlas({ shapes, proj, keyGrid, patches, markers }) {
  const { width, height } = proj;
  const W = width * S, H = height * S;
  const sub = rasterise(shapes, width, height, S);
  for (const p of patches)
    for (let y = p.y * S; y < (p.y + p.size) * S; y++) sub.fill(p.shape.id, y * W + p.x * S, y * W + (p.x + p.size) * S);
  const fill = landColours(shapes, [[sub, W, H], [keyGrid, width, height]], keyGrid, width, height);
  const lines = edgeKinds(sub, shapes, W, H);
  const grat = graticule(proj, W, H);
  const seaShade = seaColours(keyGrid, width, height);

  const rgba = Buffer.alloc(width * height * 4);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      let r = 0, g = 0, b = 0;
      for (let sy = 0; sy < S; sy++) {
        for (let sx = 0; sx < S; sx++) {
          const k = (y * S + sy) * W + x * S + sx;
          const id = sub[k];
          const c =
            lines[k] === 1 ? COAST
            : lines[k] === 2 ? BORDER
            : lines[k] === 3 ? GREY_BORDER
            : id ? fill[id]
            : grat[k] ? GRATICULE
            : seaShade[y * width + x];
          r += c[0]; g += c[1]; b += c[2];
        }
      }
      const o = (y * width + x) * 4;
      rgba[o] = Math.round(r / (S * S));
      rgba[o + 1] = Math.round(g / (S * S));
      rgba[o + 2] = Math.round(b / (S * S));
      rgba[o + 3] = 255;
    }
  }
  for (const m of markers) drawMarker(rgba, width, m, fill[m.shape.id]);
  drawFrame(rgba, width, height);
  return rgba;
}

// Listed countries get soft colours, neighbours never sharing one; the rest
// grey. Neighbours are found in every grid given (the key grid adds markers).
// Countries close across the sea, or neighbours of a neighbour, get another
// colour where one is left.
function landColours(shapes, grids, keyGrid, width, height) {
  const listed = new Set(shapes.filter((s) => s.country >= 0).map((s) => s.id));
  const adj = relation(shapes), close = relation(shapes);
  const link = (rel, a, b) => {
    if (a !== b && listed.has(a) && listed.has(b)) rel.get(a).add(b), rel.get(b).add(a);
  };
  for (const [grid, W, H] of grids) {
    for (let y = 0; y < H; y++) {
      for (let x = 0; x < W; x++) {
        const k = y * W + x;
        if (x + 1 < W) link(adj, grid[k], grid[k + 1]);
        if (y + 1 < H) link(adj, grid[k], grid[k + W]);
      }
    }
  }
  const R = 8; // pixels of sea that still count as close
  for (let y = 0; y < height; y += 2)
    for (let x = 0; x < width; x += 2)
      for (let dy = -R; dy <= R; dy += 2)
        for (let dx = -R; dx <= R; dx += 2) {
          const xx = x + dx, yy = y + dy;
          if (xx >= 0 && yy >= 0 && xx < width && yy < height) link(close, keyGrid[y * width + x], keyGrid[yy * width + xx]);
        }
  for (const [id, set] of adj) for (const n of set) for (const m of adj.get(n)) if (m !== id) close.get(id).add(m);

  const fill = [];
  const used = SOFT.map(() => 0);
  const order = [...listed].sort((a, b) => adj.get(b).size - adj.get(a).size || a - b);
  for (const id of order) {
    const taken = new Set([...adj.get(id)].map((n) => fill[n]));
    const free = SOFT.filter((c) => !taken.has(c));
    if (!free.length) throw new Error(`no free colour for ${shapes[id - 1].name}`);
    const near = new Set([...close.get(id)].map((n) => fill[n]));
    const score = (c) => (near.has(c) ? 1000 : 0) + used[SOFT.indexOf(c)];
    const c = free.reduce((best, c) => (score(c) < score(best) ? c : best));
    used[SOFT.indexOf(c)]++;
    fill[id] = c;
  }
  for (const s of shapes) fill[s.id] ??= NEIGHBOUR_GREY;
  return fill;
}

const relation = (shapes) => new Map(shapes.map((s) => [s.id, new Set()]));

// Per sample: 0 none, 1 coast, 2 border of a listed country, 3 border between
// grey neighbours. A line is about one pixel wide, half on each side.
function edgeKinds(sub, shapes, W, H) {
  const listed = new Uint8Array(shapes.length + 1);
  for (const s of shapes) listed[s.id] = s.country >= 0 ? 1 : 0;
  const R = 2;
  const out = new Uint8Array(W * H);
  for (let y = 0; y < H; y++) {
    for (let x = 0; x < W; x++) {
      const id = sub[y * W + x];
      let kind = 0;
      for (let dy = -R; dy <= R && kind !== 1; dy++) {
        const yy = y + dy;
        if (yy < 0 || yy >= H) continue;
        for (let dx = -R; dx <= R; dx++) {
          const xx = x + dx;
          if (xx < 0 || xx >= W) continue;
          const other = sub[yy * W + xx];
          if (other === id) continue;
          if (!id || !other) { kind = 1; break; }
          const k = listed[id] || listed[other] ? 2 : 3;
          if (!kind || k < kind) kind = k;
        }
      }
      out[y * W + x] = kind;
    }
  }
  return out;
}

// Parallels and meridians every 10°, as thin sample lines.
function graticule(proj, W, H) {
  const mask = new Uint8Array(W * H);
  const line = (points) => {
    let prev = null;
    for (const ll of points) {
      const p = proj.point(ll);
      if (prev && p && Math.hypot(p[0] - prev[0], p[1] - prev[1]) < 40) segment(mask, W, H, prev, p);
      prev = p;
    }
  };
  const steps = (from, to, step) => Array.from({ length: Math.round((to - from) / step) + 1 }, (_, i) => from + i * step);
  for (let lon = -180; lon < 180; lon += 10) line(steps(-80, 80, 0.5).map((lat) => [lon, lat]));
  for (let lat = -80; lat <= 80; lat += 10) line(steps(-180, 180, 0.5).map((lon) => [lon, lat]));
  return mask;
}

function segment(mask, W, H, [x0, y0], [x1, y1]) {
  const n = Math.ceil(Math.hypot(x1 - x0, y1 - y0) * S * 2) + 1;
  for (let i = 0; i <= n; i++) {
    const x = Math.floor((x0 + ((x1 - x0) * i) / n) * S), y = Math.floor((y0 + ((y1 - y0) * i) / n) * S);
    if (x >= 0 && x < W && y >= 0 && y < H) mask[y * W + x] = 1;
  }
}

// Sea is lighter along the coasts and deepens within a few pixels offshore.
function seaColours(keyGrid, width, height) {
  const dist = new Float32Array(width * height).fill(1e9);
  for (let k = 0; k < dist.length; k++) if (keyGrid[k]) dist[k] = 0;
  const relax = (x, y, dx, dy, d) => {
    const xx = x + dx, yy = y + dy;
    if (xx >= 0 && xx < width && yy >= 0 && yy < height) {
      const k = y * width + x;
      dist[k] = Math.min(dist[k], dist[yy * width + xx] + d);
    }
  };
  for (let y = 0; y < height; y++)
    for (let x = 0; x < width; x++) relax(x, y, -1, 0, 1), relax(x, y, 0, -1, 1), relax(x, y, -1, -1, 1.4), relax(x, y, 1, -1, 1.4);
  for (let y = height - 1; y >= 0; y--)
    for (let x = width - 1; x >= 0; x--) relax(x, y, 1, 0, 1), relax(x, y, 0, 1, 1), relax(x, y, 1, 1, 1.4), relax(x, y, -1, 1, 1.4);
  return Array.from(dist, (d) => {
    const t = Math.min(1, d / 12);
    return SEA_NEAR.map((c, i) => c + (SEA_FAR[i] - c) * t);
  });
}

function drawMarker(rgba, width, { x, y, size }, colour) {
  for (let py = y; py < y + size; py++) {
    for (let px = x; px < x + size; px++) {
      const edge = px === x || py === y || px === x + size - 1 || py === y + size - 1;
      const c = edge ? MARKER_EDGE : colour;
      rgba.set(c, (py * width + px) * 4);
    }
  }
}

// A thin neat line around the map, as printed maps have.
function drawFrame(rgba, width, height) {
  for (let x = 0; x < width; x++) rgba.set(FRAME, x * 4), rgba.set(FRAME, ((height - 1) * width + x) * 4);
  for (let y = 0; y < height; y++) rgba.set(FRAME, y * width * 4), rgba.set(FRAME, (y * width + width - 1) * 4);
}
