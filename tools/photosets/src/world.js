// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Country shapes from the Natural Earth 1:50m data, arranged as the program
// shows them: internationally recognised borders, and the parts of a country
// that the data set keeps apart joined to it.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import * as topo from 'topojson-client';
import * as d3 from 'd3-geo';

const require = createRequire(import.meta.url);

// Separate shapes of the data set that belong to another country.
const JOINED = [
  { into: 'Cyprus', parts: ['N. Cyprus'] },
  { into: 'Somalia', parts: ['Somaliland'] },
  { into: 'Finland', parts: ['Åland'] },
  { into: 'China', parts: ['Hong Kong', 'Macao'] },
  { into: 'India', parts: ['Siachen Glacier'] },
];

// A part of one country's shape that lies in another country: the Crimean
// peninsula is Ukraine's.
const MOVED = [{ from: 'Russia', to: 'Ukraine', containing: [34.1, 44.95] }];

function loadTopology(resolution) {
  const file = require.resolve(`world-atlas/countries-${resolution}.json`);
  return JSON.parse(fs.readFileSync(file, 'utf8'));
}

function polygonsOf(object) {
  if (object.type === 'Polygon') return [object.arcs];
  if (object.type === 'MultiPolygon') return object.arcs;
  return [];
}

function byName(objects, name) {
  return objects.find((o) => o.properties.name === name);
}

// Moves the polygon containing the given point from one object to another.
function movePolygon(topology, objects, { from, to, containing }) {
  const source = byName(objects, from);
  const target = byName(objects, to);
  if (!source || !target) throw new Error(`No shapes named ${from} and ${to} in the country data`);
  const polygons = polygonsOf(source);
  const index = polygons.findIndex((arcs) =>
    d3.geoContains(topo.feature(topology, { type: 'Polygon', arcs }), containing),
  );
  if (index < 0) return; // the data already has it right
  const [moved] = polygons.splice(index, 1);
  source.type = 'MultiPolygon';
  source.arcs = polygons;
  target.arcs = [...polygonsOf(target), moved];
  target.type = 'MultiPolygon';
}

function joinObjects(objects, { into, parts }) {
  const target = byName(objects, into);
  if (!target) throw new Error(`No shape named ${into} in the country data`);
  let arcs = polygonsOf(target);
  for (const name of parts) {
    const part = byName(objects, name);
    if (!part) continue; // too small for this scale
    arcs = arcs.concat(polygonsOf(part));
    objects.splice(objects.indexOf(part), 1);
  }
  target.type = 'MultiPolygon';
  target.arcs = arcs;
}

// States too small for the data set, drawn as a small square of land
// (about 9 km across, an atoll with its lagoon) at each of their islands:
// Tuvalu's nine islands.
const ADDED = [
  {
    name: 'Tuvalu',
    islands: [[176.12, -5.67], [177.34, -6.11], [176.32, -6.29], [177.16, -7.22], [178.68, -7.48],
      [178.4, -8.0], [179.19, -8.52], [179.85, -9.38], [179.47, -10.78]],
  },
];

function islandSquares({ name, islands }) {
  const h = 0.04;
  const square = ([x, y]) => [[[x - h, y - h], [x - h, y + h], [x + h, y + h], [x + h, y - h], [x - h, y - h]]];
  const geometry = { type: 'MultiPolygon', coordinates: islands.map(square) };
  return { id: undefined, name, feature: { type: 'Feature', properties: {}, geometry }, neighbours: [] };
}

// The data draws Morocco over the coast of Western Sahara; the two meet on
// the parallel 27°40′N, and what lies south of it is Western Sahara's.
const SAHARA = { north: 'Morocco', south: 'W. Sahara', lat: 27 + 40 / 60 };

// The part of a ring north (or south) of a parallel, cut along it.
function clipRing(ring, lat, keepNorth) {
  const inside = (p) => (keepNorth ? p[1] >= lat : p[1] < lat);
  const out = [];
  for (let i = 0; i + 1 < ring.length; i++) {
    const [p, q] = [ring[i], ring[i + 1]];
    if (inside(p)) out.push(p);
    if (inside(p) !== inside(q)) {
      const t = (lat - p[1]) / (q[1] - p[1]);
      out.push([p[0] + t * (q[0] - p[0]), lat]);
    }
  }
  return out.length >= 3 ? [...out, out[0]] : null;
}

function clipAtLat(geometry, lat, keepNorth) {
  const polygons = geometry.type === 'Polygon' ? [geometry.coordinates] : geometry.coordinates;
  const kept = polygons
    .map((rings) => rings.map((r) => clipRing(r, lat, keepNorth)))
    .filter((rings) => rings[0])
    .map((rings) => rings.filter(Boolean));
  return { type: 'MultiPolygon', coordinates: kept };
}

function splitSahara(countries) {
  const north = countries.find((c) => c.name === SAHARA.north);
  const south = countries.find((c) => c.name === SAHARA.south);
  const strip = clipAtLat(north.feature.geometry, SAHARA.lat, false);
  north.feature.geometry = clipAtLat(north.feature.geometry, SAHARA.lat, true);
  const own = south.feature.geometry;
  south.feature.geometry = {
    type: 'MultiPolygon',
    coordinates: [...(own.type === 'Polygon' ? [own.coordinates] : own.coordinates), ...strip.coordinates],
  };
}

// Loads the countries at the scale '50m' or '110m':
// [{ id, name, feature, neighbours: [indices], centre, radius }].
export function loadCountries(resolution = '50m') {
  const topology = loadTopology(resolution);
  const objects = topology.objects.countries.geometries.filter((o) => o.type);
  for (const move of MOVED) movePolygon(topology, objects, move);
  for (const join of JOINED) joinObjects(objects, join);
  const neighbours = topo.neighbors(objects);
  const countries = objects.map((object, index) => {
    // merge() dissolves the borders between the polygons of one country
    const feature = { type: 'Feature', properties: {}, geometry: topo.merge(topology, [object]) };
    return { id: object.id, name: object.properties.name, feature, neighbours: neighbours[index] };
  });
  splitSahara(countries);
  // Added last, so that the countries of the data keep their places.
  if (resolution === '50m') countries.push(...ADDED.map(islandSquares));
  for (const c of countries) {
    c.centre = d3.geoCentroid(c.feature);
    c.radius = reach(c.feature, c.centre);
  }
  return countries;
}

// The largest angular distance from a point to a vertex of the feature.
function reach(feature, centre) {
  let radius = 0;
  const visit = (c) => {
    if (typeof c[0] === 'number') radius = Math.max(radius, d3.geoDistance(c, centre));
    else c.forEach(visit);
  };
  visit(feature.geometry.coordinates);
  return radius;
}

// Whether any part of the country may lie within the given angle of a point.
export const mayReach = (country, point, angle) => d3.geoDistance(country.centre, point) - country.radius <= angle;

// The polygons of a feature as separate features, largest first.
export function partsOf(feature) {
  const g = feature.geometry;
  const coords = g.type === 'Polygon' ? [g.coordinates] : g.coordinates;
  return coords
    .map((c) => ({ type: 'Feature', properties: {}, geometry: { type: 'Polygon', coordinates: c } }))
    .sort((a, b) => d3.geoArea(b) - d3.geoArea(a));
}

// The country of an entry of a photo set: by its code, or by `shape`, its name in the data.
export function shapeIndex(countries, entry) {
  return countries.findIndex((c) => (entry.shape ? c.name === entry.shape : c.id === entry.id));
}

// The part of a country a map should frame: its largest polygon and, step by
// step, every polygon within `gap` of one already taken (islands off its coast,
// archipelagos), leaving out distant territories. With `core` only islands
// hugging the largest polygon are taken; with `around` (a point) the polygon
// nearest that point is taken first, for a state of scattered archipelagos.
export function mainPart(feature, { core = false, around = null } = {}) {
  const parts = partsOf(feature).map(describePolygon);
  if (around) {
    const distance = (p) => Math.min(...p.samples.map((q) => d3.geoDistance(q, around)));
    parts.sort((a, b) => distance(a) - distance(b));
  }
  const gap = core ? RADIANS_PER_DEGREE : Math.max(3 * RADIANS_PER_DEGREE, 0.35 * parts[0].radius);
  const taken = [parts[0]];
  let rest = parts.slice(1);
  for (let grown = true; grown; ) {
    grown = false;
    rest = rest.filter((p) => {
      if (!taken.some((t) => polygonGap(t, p) <= gap)) return true;
      taken.push(p);
      grown = true;
      return false;
    });
  }
  return {
    type: 'Feature',
    properties: {},
    geometry: { type: 'MultiPolygon', coordinates: taken.map((p) => p.feature.geometry.coordinates) },
  };
}

const RADIANS_PER_DEGREE = Math.PI / 180;

// A polygon with its centre, radius and up to 60 outline points for distances.
function describePolygon(feature) {
  const ring = feature.geometry.coordinates[0];
  const every = Math.max(1, Math.floor(ring.length / 60));
  const samples = ring.filter((_, i) => i % every === 0);
  const centre = d3.geoCentroid(feature);
  return { feature, centre, samples, radius: Math.max(...samples.map((p) => d3.geoDistance(p, centre))) };
}

function polygonGap(a, b) {
  const lowerBound = d3.geoDistance(a.centre, b.centre) - a.radius - b.radius;
  if (lowerBound > Math.PI / 18) return lowerBound;
  let best = Infinity;
  for (const p of a.samples) for (const q of b.samples) best = Math.min(best, d3.geoDistance(p, q));
  return best;
}
