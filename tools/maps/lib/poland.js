// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The map of Poland in layers (voivodeships, cities, rivers, mountains and
// uplands, lakes and the coast, national parks). Every layer is a region of
// its own: a key bitmap in which each item is one flat colour, Poland's land
// outside the items grey and everything else white, and a visible map drawn
// like a school wall map. Areas are filled, rivers are 9 px wide in the key
// so that a pointer a few pixels off still names them, the spits 5 px so that
// the lagoons behind them stay pointable, and points (cities, peaks, parks)
// are discs, a peak's small enough to leave its range pointable around it.
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { geoConicConformal } from 'd3-geo';
import { createRequire } from 'node:module';
import { feature } from 'topojson-client';
import { chamferDepth, largestSquare } from './keymap.js';
import { paint } from './raster.js';

const here = dirname(fileURLToPath(import.meta.url));
const require = createRequire(import.meta.url);
const readJson = (file) => JSON.parse(readFileSync(join(here, '../poland', file), 'utf8'));

export const POLAND_SIZE = [400, 351];
const MARGIN = 8;
const S = 4; // samples per pixel side of the visible map
const LINE_REACH = 4; // key lines: pixels within this distance of the course
const SPIT_REACH = 3;
const DISC = 6; // key discs: radius in pixels (holds an 8 × 8 block)
const PEAK_DISC = 3; // about a pixel centre: holds a 5 × 5 block
const MIN_BLOCK = 8;
const POINT_GAP = 13; // points closer than this are moved apart

const polygonsOf = (geometry) => (geometry.type === 'Polygon' ? [geometry.coordinates] : geometry.coordinates);
const linesOf = (geometry) => (geometry.type === 'LineString' ? [geometry.coordinates] : geometry.coordinates);

// The conformal conic projection of Poland, fitted to the map with a margin.
export function polandProjection() {
  const [width, height] = POLAND_SIZE;
  // d3 reads rings by spherical winding; the fit needs only the points.
  const points = { type: 'MultiPoint', coordinates: voivodeships().flatMap((f) => polygonsOf(f.geometry).flat(2)) };
  const projection = geoConicConformal()
    .parallels([50, 54])
    .rotate([-19.2, 0])
    .fitExtent([[MARGIN, MARGIN], [width - MARGIN, height - MARGIN]], points);
  const point = (lonLat) => projection(lonLat);
  return {
    width,
    height,
    point,
    rings: (polygon) => polygon.map((ring) => ring.map(point)),
    line: (course) => course.map(point),
  };
}

// Every layer's items: { name, kind: 'area' | 'line' | 'point', rings |
// course | at, sea (an area drawn only on open water) }, in painting order.
function layerItems(layer, proj) {
  const places = readJson('places.json');
  const area = (name, rings, extra = {}) => ({ name, kind: 'area', rings, ...extra });
  const outlineArea = (p, extra) => area(p.name, [proj.line(p.outline)], extra);
  const point = (p) => ({ name: p.name, kind: 'point', at: proj.point(p.at), within: p.within });
  const line = (name, courses, reach = LINE_REACH) => ({ name, kind: 'line', courses: courses.map(proj.line), reach });
  switch (layer) {
    case 'wojewodztwa':
      return voivodeships().map((f) =>
        area(`województwo ${f.properties.name}`, polygonsOf(f.geometry).flatMap(proj.rings), {
          onLand: true,
          seat: places.seats[f.properties.name],
        }),
      );
    case 'miasta':
      return places.cities.map(point);
    case 'rzeki':
      return riverCourses().map((r) => line(r.name, r.courses));
    case 'gory':
      return [
        ...places.uplands.map((p) => outlineArea(p)),
        ...places.mountains.map((p) => outlineArea(p, { within: p.within })),
        ...places.peaks.map((p) => ({ ...point(p), radius: PEAK_DISC })),
      ];
    case 'jeziora':
      return [
        ...places.waters.map((p) => outlineArea(p, { sea: p.name.startsWith('Zatoka') })),
        ...namedLakes(proj).map(([name, rings]) => area(name, rings)),
        ...places.lakes.map(point),
        ...places.spits.map((s) => line(s.name, [s.course], SPIT_REACH)),
      ];
    case 'parki':
      return places.parks.map(point);
    default:
      throw new Error(`no layer ${layer}`);
  }
}

// Every river's courses in longitude and latitude: the data's, mended where
// places.json says the data follows another river or a canal, then the
// rivers the data lacks.
function riverCourses() {
  const places = readJson('places.json');
  const rivers = new Map(readJson('rivers.geojson').features.map((f) => [f.properties.name, linesOf(f.geometry)]));
  for (const mend of places.mends) rivers.set(mend.name, mended(rivers, mend));
  for (const r of places.rivers) rivers.set(r.name, [r.course]);
  return [...rivers].map(([name, courses]) => ({ name, courses }));
}

// A river's courses after one mend: cut to the vertices nearest keepFrom and
// keepTo with the hand-placed head and tail joined on, or with the stretch
// below handOver.from given to the river handOver.to.
function mended(rivers, mend) {
  const courses = rivers.get(mend.name);
  const nearest = (at) => {
    let best = { d: Infinity };
    courses.forEach((c, part) =>
      c.forEach((p, k) => {
        const d = Math.hypot(p[0] - at[0], p[1] - at[1]);
        if (d < best.d) best = { d, part, k };
      }),
    );
    return best;
  };
  if (mend.handOver) {
    const { part, k } = nearest(mend.handOver.from);
    rivers.set(mend.handOver.to, [...rivers.get(mend.handOver.to), courses[part].slice(k)]);
    return courses.map((c, i) => (i === part ? c.slice(0, k + 1) : c));
  }
  const from = mend.keepFrom ? nearest(mend.keepFrom) : null, to = mend.keepTo ? nearest(mend.keepTo) : null;
  const part = (from ?? to).part;
  const kept = courses[part].slice(from ? from.k : 0, to ? to.k + 1 : undefined);
  return [...courses.slice(0, part), [...(mend.head ?? []), ...kept, ...(mend.tail ?? [])], ...courses.slice(part + 1)];
}

// The lakes of the data that carry a name, a lake of several parts as one.
function namedLakes(proj) {
  const byName = new Map();
  for (const f of readJson('lakes.geojson').features) {
    if (!f.properties.name) continue;
    if (!byName.has(f.properties.name)) byName.set(f.properties.name, []);
    byName.get(f.properties.name).push(...polygonsOf(f.geometry).flatMap(proj.rings));
  }
  return [...byName];
}

// Points nearer each other than POINT_GAP move apart, in small equal steps,
// so that every disc of the key is whole; the map draws a leader line from
// a moved point to where it lies.
function spreadPoints(items, width, height) {
  const points = items.filter((i) => i.kind === 'point');
  for (const p of points) p.shown = [...p.at];
  for (let round = 0; round < 200; round++) {
    let moved = false;
    for (let a = 0; a < points.length; a++)
      for (let b = a + 1; b < points.length; b++) {
        const [pa, pb] = [points[a].shown, points[b].shown];
        const dx = pb[0] - pa[0], dy = pb[1] - pa[1], d = Math.hypot(dx, dy);
        if (d >= POINT_GAP) continue;
        const push = (POINT_GAP - d) / 2 + 0.01, ux = d ? dx / d : 1, uy = d ? dy / d : 0;
        pa[0] -= ux * push, pa[1] -= uy * push, pb[0] += ux * push, pb[1] += uy * push;
        moved = true;
      }
    if (!moved) break;
  }
  for (const p of points) {
    p.shown = [Math.min(width - DISC - 1, Math.max(DISC + 1, p.shown[0])), Math.min(height - DISC - 1, Math.max(DISC + 1, p.shown[1]))];
    // A small disc about a pixel centre holds the largest block.
    if (p.radius) p.shown = p.shown.map((v) => Math.floor(v) + 0.5);
  }
}

// Calls visit(i) for every cell of a w × h grid (scale cells per pixel)
// whose centre lies within radius pixels of the course.
function stroke(w, h, scale, course, radius, visit) {
  const r = radius * scale;
  const pts = course.map(([x, y]) => [x * scale, y * scale]);
  if (pts.length === 1) pts.push(pts[0]);
  for (let k = 0; k + 1 < pts.length; k++) {
    const [x0, y0] = pts[k], [x1, y1] = pts[k + 1];
    const dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    const i0 = Math.max(0, Math.floor(Math.min(x0, x1) - r)), i1 = Math.min(w - 1, Math.ceil(Math.max(x0, x1) + r));
    const j0 = Math.max(0, Math.floor(Math.min(y0, y1) - r)), j1 = Math.min(h - 1, Math.ceil(Math.max(y0, y1) + r));
    for (let j = j0; j <= j1; j++)
      for (let i = i0; i <= i1; i++) {
        const px = i + 0.5, py = j + 0.5;
        const t = len2 ? Math.max(0, Math.min(1, ((px - x0) * dx + (py - y0) * dy) / len2)) : 0;
        const ex = px - (x0 + t * dx), ey = py - (y0 + t * dy);
        const at = j * w + i;
        if (ex * ex + ey * ey <= r * r) visit(at);
      }
  }
}

const voivodeships = () => readJson('wojewodztwa.geojson').features;

// Land of Poland and of the neighbours as masks of a w × h grid at the
// given scale. The voivodeships give Poland's borders on land, Natural Earth
// its coast (the register's voivodeships hold the internal sea waters: the
// Bay of Puck, the lagoons), and the neighbours.
function landMasks(proj, scale) {
  const w = proj.width * scale, h = proj.height * scale;
  const poland = new Uint8Array(w * h), land = new Uint8Array(w * h);
  for (const f of voivodeships()) paint(poland, w, h, scale, polygonsOf(f.geometry).flatMap(proj.rings), 1);
  const topology = require('world-atlas/countries-50m.json');
  const nearby = ([x, y]) => x > 0 && x < 45 && y > 40 && y < 72; // Russia's mainland reaches past it
  for (const f of feature(topology, topology.objects.countries).features) {
    if (!f.geometry) continue;
    const near = polygonsOf(f.geometry).filter((p) => p[0].every(nearby));
    if (near.length) paint(land, w, h, scale, near.flatMap(proj.rings), 1);
  }
  const neighbours = new Uint8Array(w * h);
  for (let i = 0; i < w * h; i++) {
    neighbours[i] = land[i] && !poland[i] ? 1 : 0;
    poland[i] = poland[i] && land[i] ? 1 : 0;
  }
  return { poland, neighbours };
}

// The key grid of a layer: 0 white, 1 Poland's land, 2 + k item k of rows.
function keyGrid(items, rows, proj, land) {
  const { width: w, height: h } = proj;
  const grid = new Uint16Array(w * h);
  for (let i = 0; i < grid.length; i++) grid[i] = land.poland[i] ? 1 : 0;
  const idOf = (item) => 2 + rows.findIndex((r) => r.name === item.name);
  const isArea = new Set(items.filter((i) => i.kind === 'area').map(idOf));
  const paintArea = (item) => {
    const area = new Uint8Array(w * h);
    paint(area, w, h, 1, item.rings, 1);
    const open = (i) => (item.sea ? !land.poland[i] && !land.neighbours[i] : !item.onLand || land.poland[i]);
    for (let i = 0; i < grid.length; i++) if (area[i] && open(i)) grid[i] = idOf(item);
  };
  items.filter((i) => i.kind === 'area').forEach(paintArea);
  for (const item of items.filter((i) => i.kind === 'line'))
    for (const course of item.courses) stroke(w, h, 1, course, item.reach, (i) => (grid[i] = idOf(item)));
  // The lagoons lie behind the spits: the spits keep their sea side.
  items.filter((i) => i.kind === 'area' && i.name.startsWith('Zalew')).forEach(paintArea);
  for (const item of items.filter((i) => i.kind === 'point')) stroke(w, h, 1, [item.shown], item.radius ?? DISC, (i) => (grid[i] = idOf(item)));
  // An area too small or thin to point at gets a disc at its deepest pixel,
  // over grey, white and other areas.
  for (const item of items.filter((i) => i.kind === 'area')) {
    const id = idOf(item);
    if (largestSquare(grid, w, h, id) >= MIN_BLOCK) continue;
    const depth = chamferDepth(grid, w, h);
    let best = -1, at = null;
    for (let i = 0; i < grid.length; i++) if (grid[i] === id && depth[i] > best) (best = depth[i]), (at = i);
    if (at === null) throw new Error(`${item.name} lies outside the map`);
    item.disc = [(at % w) + 0.5, Math.floor(at / w) + 0.5];
    stroke(w, h, 1, [item.disc], DISC, (i) => (grid[i] < 2 || isArea.has(grid[i])) && (grid[i] = id));
  }
  return grid;
}

// Find points: a point's disc centre; a point places.json gives; elsewhere
// the pixel deepest inside the item.
function placeFinds(items, rows, grid, w, h, proj) {
  const depth = chamferDepth(grid, w, h);
  const given = readJson('places.json').finds;
  rows.forEach((row, k) => {
    const item = items.find((i) => i.name === row.name);
    if (item.kind === 'point' || given[row.name]) {
      row.find = (item.kind === 'point' ? item.shown : proj.point(given[row.name])).map(Math.floor);
      return;
    }
    let best = -1, at = 0;
    for (let i = 0; i < grid.length; i++) if (grid[i] === 2 + k && depth[i] > best) (best = depth[i]), (at = i);
    row.find = [at % w, Math.floor(at / w)];
  });
}

// Builds one layer: fills in the rows' Find points and returns the key grid
// and the visible map's pixels.
export function buildPolandLayer(region, proj) {
  const items = layerItems(region.layer, proj);
  const names = items.map((i) => i.name);
  const rowNames = region.countries.map((r) => r.name);
  const missing = names.filter((n) => !rowNames.includes(n)), extra = rowNames.filter((n) => !names.includes(n));
  if (missing.length || extra.length || new Set(names).size !== names.length)
    throw new Error(`${region.base}: rows differ from the data: missing ${missing}, extra ${extra}`);
  spreadPoints(items, proj.width, proj.height);
  const land = landMasks(proj, 1);
  const grid = keyGrid(items, region.countries, proj, land);
  placeFinds(items, region.countries, grid, proj.width, proj.height, proj);
  for (const row of region.countries) {
    const item = items.find((i) => i.name === row.name);
    if (item.within) row.within = item.within;
    if (item.seat) row.seat = item.seat;
  }
  const rgba = drawWallMap(region.layer, items, proj);
  return { grid, rgba };
}

// ---- The visible map ----

const SEA = [156, 198, 234];
const NEIGHBOUR = [232, 230, 224];
const LOWLAND = [204, 226, 176];
const UPLAND = [236, 220, 160];
const MOUNTAIN = [204, 164, 116];
const HIGH_MOUNTAIN = [176, 128, 88];
const SMALL_RANGE = [222, 150, 96]; // the small ranges beside the Beskidy
const SMALL_RANGES = ['Gorce', 'Pieniny'];
const WATER = [92, 156, 220];
const BAY = [128, 178, 226];
const RIVER = [40, 104, 196];
const SHORE = [30, 70, 130];
const PALE_RIVER = [120, 160, 214];
const BORDER = [150, 40, 60];
const REGION_BORDER = [150, 140, 130];
const DARK = [60, 54, 50];
const SPIT = [240, 222, 150];
const CITY = [200, 30, 30];
const PARK = [40, 130, 60];
const WHITE = [255, 255, 255];
const SOFT = [
  [250, 226, 134], [240, 168, 140], [178, 216, 148], [238, 176, 206], [194, 184, 234], [156, 214, 196],
];
const FRAME = [58, 88, 118];

// A sample canvas: colour per sample, composed in layers, then averaged.
function canvas(w, h) {
  const c = new Uint8Array(w * h * 3);
  return {
    w, h,
    set(i, colour) { c[i * 3] = colour[0]; c[i * 3 + 1] = colour[1]; c[i * 3 + 2] = colour[2]; },
    fillMask(mask, colour) { for (let i = 0; i < w * h; i++) if (mask[i]) this.set(i, colour); },
    data: c,
  };
}

function drawWallMap(layer, items, proj) {
  const W = proj.width * S, H = proj.height * S;
  const cv = canvas(W, H);
  const land = landMasks(proj, S);
  for (let i = 0; i < W * H; i++) cv.set(i, land.poland[i] ? LOWLAND : land.neighbours[i] ? NEIGHBOUR : SEA);
  const voivodeships = voivodeshipGrid(proj);
  for (let i = 0; i < W * H; i++) if (!land.poland[i]) voivodeships[i] = 0;
  if (layer === 'wojewodztwa') {
    const colours = voivodeshipColours(voivodeships, W, H);
    for (let i = 0; i < W * H; i++) if (voivodeships[i]) cv.set(i, colours[voivodeships[i]]);
  } else {
    drawRelief(cv, proj, layer === 'gory');
  }
  if (layer !== 'wojewodztwa') drawWaters(cv, proj, layer === 'jeziora');
  const riverWidth = { rzeki: 2.2, wojewodztwa: 0, jeziora: 0.7 }[layer] ?? 1.1;
  drawRivers(cv, proj, riverWidth, layer === 'jeziora' ? PALE_RIVER : RIVER);
  drawBorders(cv, voivodeships, W, H, layer === 'wojewodztwa' ? DARK : ['miasta', 'parki'].includes(layer) ? REGION_BORDER : null);
  if (layer === 'jeziora')
    for (const item of items.filter((i) => i.kind === 'line')) for (const c of item.courses) stroke(W, H, S, c, 1.6, (i) => cv.set(i, SPIT));
  for (const item of items.filter((i) => i.kind === 'point')) drawPoint(cv, layer, item);
  if (layer === 'wojewodztwa') drawSeats(cv, proj);
  return downsample(cv, proj.width, proj.height);
}

function voivodeshipGrid(proj) {
  const W = proj.width * S, H = proj.height * S;
  const grid = new Uint8Array(W * H);
  voivodeships().forEach((f, k) => paint(grid, W, H, S, polygonsOf(f.geometry).flatMap(proj.rings), k + 1));
  return grid;
}

// Soft colours, neighbours never alike, each colour used about as often.
function voivodeshipColours(grid, W, H) {
  const adj = new Map();
  const link = (a, b) => {
    if (!a || !b || a === b) return;
    if (!adj.has(a)) adj.set(a, new Set());
    if (!adj.has(b)) adj.set(b, new Set());
    adj.get(a).add(b), adj.get(b).add(a);
  };
  for (let y = 0; y + 1 < H; y++) for (let x = 0; x + 1 < W; x++) link(grid[y * W + x], grid[y * W + x + 1]), link(grid[y * W + x], grid[(y + 1) * W + x]);
  const colours = [], used = SOFT.map(() => 0);
  const ids = [...adj.keys()].sort((a, b) => adj.get(b).size - adj.get(a).size || a - b);
  for (const id of ids) {
    const taken = new Set([...adj.get(id)].map((n) => colours[n]));
    const free = SOFT.map((c, k) => k).filter((k) => !taken.has(SOFT[k]));
    const k = free.reduce((best, k) => (used[k] < used[best] ? k : best));
    used[k]++;
    colours[id] = SOFT[k];
  }
  return colours;
}

// Height tints: uplands light, mountains brown, the high mountains darker;
// strong on the mountains' own layer, pale on the others.
function drawRelief(cv, proj, strong) {
  const places = readJson('places.json');
  const W = cv.w, H = cv.h;
  const mix = (c) => (strong ? c : c.map((v, i) => Math.round(v * 0.45 + LOWLAND[i] * 0.55)));
  const tint = (outline, colour) => {
    const mask = new Uint8Array(W * H);
    paint(mask, W, H, S, [proj.line(outline)], 1);
    for (let i = 0; i < W * H; i++) if (mask[i]) cv.set(i, colour);
  };
  for (const p of places.uplands) tint(p.outline, mix(UPLAND));
  const colourOf = (name) =>
    ['Tatry', 'Karkonosze'].includes(name) ? HIGH_MOUNTAIN : SMALL_RANGES.includes(name) ? SMALL_RANGE : MOUNTAIN;
  for (const p of places.mountains) tint(p.outline, mix(colourOf(p.name)));
  if (strong) {
    const all = [...places.uplands, ...places.mountains];
    const ids = new Uint8Array(W * H);
    all.forEach((p, k) => paint(ids, W, H, S, [proj.line(p.outline)], k + 1));
    edges(ids, W, H, (i, a, b) => (a || b) && cv.set(i, DARK));
  }
}

function drawWaters(cv, proj, strong) {
  const W = cv.w, H = cv.h;
  const places = readJson('places.json');
  const mask = new Uint8Array(W * H);
  for (const f of readJson('lakes.geojson').features) paint(mask, W, H, S, polygonsOf(f.geometry).flatMap(proj.rings), 1);
  for (const p of places.waters.filter((p) => !p.name.startsWith('Zatoka'))) paint(mask, W, H, S, [proj.line(p.outline)], 1);
  if (strong) {
    // The bays shade the open sea a little darker.
    const land = landMasks(proj, S);
    const bays = new Uint8Array(W * H);
    for (const p of places.waters.filter((p) => p.name.startsWith('Zatoka'))) paint(bays, W, H, S, [proj.line(p.outline)], 1);
    for (let i = 0; i < W * H; i++) if (bays[i] && !land.poland[i] && !land.neighbours[i] && !mask[i]) cv.set(i, BAY);
  }
  cv.fillMask(mask, WATER);
  // On their own layer the lakes and lagoons have a dark shore line.
  if (strong) edges(mask, W, H, (i, a) => a && cv.set(i, SHORE));
  for (const p of places.lakes) stroke(W, H, S, [proj.point(p.at)], strong ? 2.2 : 1.2, (i) => cv.set(i, WATER));
}

function drawRivers(cv, proj, width, colour) {
  if (!width) return;
  const courses = riverCourses().flatMap((r) => r.courses);
  for (const c of courses) stroke(cv.w, cv.h, S, proj.line(c), width / 2, (i) => cv.set(i, colour));
}

// Calls at(i, a, b) for every sample within a pixel's half of an edge
// between ids a and b (0 being outside).
function edges(ids, W, H, at) {
  const R = 2;
  for (let y = 0; y < H; y++)
    for (let x = 0; x < W; x++) {
      const a = ids[y * W + x];
      let other = -1;
      for (let dy = -R; dy <= R && other < 0; dy++)
        for (let dx = -R; dx <= R; dx++) {
          const xx = x + dx, yy = y + dy;
          if (xx < 0 || yy < 0 || xx >= W || yy >= H) continue;
          if (ids[yy * W + xx] !== a) { other = ids[yy * W + xx]; break; }
        }
      if (other >= 0) at(y * W + x, a, other);
    }
}

// The national border always; the voivodeships' borders in the given colour.
function drawBorders(cv, grid, W, H, inner) {
  edges(grid, W, H, (i, a, b) => {
    if (a && b) inner && cv.set(i, inner);
    else cv.set(i, BORDER);
  });
}

function drawPoint(cv, layer, item) {
  const W = cv.w, H = cv.h;
  const [x, y] = item.shown;
  if (Math.hypot(x - item.at[0], y - item.at[1]) > 1.5) {
    stroke(W, H, S, [item.at, item.shown], 0.5, (i) => cv.set(i, DARK));
    stroke(W, H, S, [item.at], 1.2, (i) => cv.set(i, DARK));
  }
  if (layer === 'miasta') {
    stroke(W, H, S, [item.shown], 4.2, (i) => cv.set(i, WHITE));
    stroke(W, H, S, [item.shown], 3.2, (i) => cv.set(i, CITY));
  } else if (layer === 'parki') {
    stroke(W, H, S, [item.shown], 5.2, (i) => cv.set(i, WHITE));
    stroke(W, H, S, [item.shown], 4.4, (i) => cv.set(i, PARK));
    stroke(W, H, S, [item.shown], 1.6, (i) => cv.set(i, WHITE));
  } else if (layer === 'jeziora') {
    stroke(W, H, S, [item.shown], 3.6, (i) => cv.set(i, DARK));
    stroke(W, H, S, [item.shown], 2.8, (i) => cv.set(i, WATER));
  } else {
    triangle(cv, item.shown);
  }
}

// The seats of the voivodeships' authorities as small dots, unnamed.
function drawSeats(cv, proj) {
  for (const city of readJson('places.json').cities.filter((c) => c.seat)) {
    const at = proj.point(city.at);
    stroke(cv.w, cv.h, S, [at], 2.6, (i) => cv.set(i, WHITE));
    stroke(cv.w, cv.h, S, [at], 1.8, (i) => cv.set(i, DARK));
  }
}

// A peak: a dark triangle with a white edge, about as large as its key disc.
function triangle(cv, [x, y]) {
  const W = cv.w, H = cv.h;
  const tri = (r) => [[[x, y - r], [x + r * 0.95, y + r * 0.6], [x - r * 0.95, y + r * 0.6]]];
  for (const [r, c] of [[4.6, WHITE], [3.4, DARK]]) {
    const m = new Uint8Array(W * H);
    paint(m, W, H, S, tri(r), 1);
    cv.fillMask(m, c);
  }
}

function downsample(cv, width, height) {
  const rgba = Buffer.alloc(width * height * 4);
  const W = cv.w;
  for (let y = 0; y < height; y++)
    for (let x = 0; x < width; x++) {
      const sum = [0, 0, 0];
      for (let sy = 0; sy < S; sy++)
        for (let sx = 0; sx < S; sx++) {
          const k = ((y * S + sy) * W + x * S + sx) * 3;
          sum[0] += cv.data[k], sum[1] += cv.data[k + 1], sum[2] += cv.data[k + 2];
        }
      const o = (y * width + x) * 4;
      for (let c = 0; c < 3; c++) rgba[o + c] = Math.round(sum[c] / (S * S));
      rgba[o + 3] = 255;
    }
  for (let x = 0; x < width; x++) rgba.set(FRAME, x * 4), rgba.set(FRAME, ((height - 1) * width + x) * 4);
  for (let y = 0; y < height; y++) rgba.set(FRAME, y * width * 4), rgba.set(FRAME, (y * width + width - 1) * 4);
  return rgba;
}
