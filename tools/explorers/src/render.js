// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws a topic's picture as SVG and renders it to RGBA pixels and JPEG.
//
// The reader shows the picture squeezed into a 96 x 117 frame, so it is drawn
// to read there: a globe or a map crop without lettering, one thick route with
// a white start disc, direction arrows and a yellow star at the goal, the
// lakes and rivers the text names, and the years in large type in a band
// along the bottom. Thin secondary routes and country borders add detail for
// the enlarged picture.

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import * as d3 from 'd3-geo';
import * as topojson from 'topojson-client';
import { Resvg } from '@resvg/resvg-js';
import jpeg from 'jpeg-js';

const require = createRequire(import.meta.url);

// Three times the reader's frame: it keeps the frame's proportions and the
// enlarged picture fits over the 489 x 366 reader window.
export const SCALE = 3;
export const WIDTH = 96 * SCALE;
export const HEIGHT = 117 * SCALE;
export const BAND_HEIGHT = 60;
export const MAP_BOX = [
  [0, 0],
  [WIDTH, HEIGHT - BAND_HEIGHT],
];
export const BAND_TEXT_WIDTH = WIDTH - 24;
const BAND_FONT_SIZE = 36;
const JPEG_QUALITY = 90;

export const COLORS = {
  space: '#0d2a4d',
  sea: '#8cc4ea',
  land: '#efdfb0',
  highlight: '#f6b95b',
  ice: '#f3f7fa',
  border: '#c9b27c',
  graticule: '#a9d2ef',
  water: '#2f7fc1',
  route: '#d7261e',
  second: '#6b4a1f',
  band: '#003871',
  star: '#ffd21f',
};
const ROUTE_WIDTH = 10;
const CASING = 6;

const FONT_FAMILY = 'DejaVu Sans';
const fontDir = require.resolve('dejavu-fonts-ttf/package.json').replace(/package\.json$/, 'ttf/');
const FONT_FILES = ['DejaVuSans.ttf', 'DejaVuSans-Bold.ttf'].map((f) => fontDir + f);

let worldCache = null;
function world() {
  if (!worldCache) {
    const topo = JSON.parse(readFileSync(require.resolve('world-atlas/countries-50m.json'), 'utf8'));
    worldCache = {
      topo,
      land: topojson.feature(topo, topo.objects.land),
      countries: topojson.feature(topo, topo.objects.countries),
      borders: topojson.mesh(topo, topo.objects.countries, (a, b) => a !== b),
    };
  }
  return worldCache;
}

const PROJECTIONS = {
  mercator: d3.geoMercator,
  conicConformal: d3.geoConicConformal,
  azimuthalEquidistant: d3.geoAzimuthalEquidistant,
  orthographic: d3.geoOrthographic,
};

/**
 * The projection of a view. A globe ({globe: [lon, lat]}) is an orthographic
 * sphere centred on that point and filling the map box's width (or `zoom`
 * times that); a crop
 * ({type, rotate, parallels, fit}) fits the given points into the box and
 * shows the land around them up to the box's edges.
 */
export function makeProjection(view) {
  const [[x0, y0], [x1, y1]] = MAP_BOX;
  const pad = view.pad ?? 10;
  const extent = [
    [x0 + pad, y0 + pad],
    [x1 - pad, y1 - pad],
  ];
  if (view.globe) {
    const size = Math.min(x1 - x0, y1 - y0) - 2 * pad;
    const cx = (x0 + x1) / 2;
    const cy = (y0 + y1) / 2;
    // A zoomed globe is larger than the box: a crop of the globe's face.
    const r = (size / 2) * (view.zoom ?? 1);
    return d3
      .geoOrthographic()
      .rotate([-view.globe[0], -view.globe[1]])
      .fitExtent([[cx - r, cy - r], [cx + r, cy + r]], { type: 'Sphere' });
  }
  const p = PROJECTIONS[view.type]();
  if (view.rotate) p.rotate(view.rotate);
  if (view.parallels) p.parallels(view.parallels);
  if (view.clipAngle) p.clipAngle(view.clipAngle);
  p.fitExtent(extent, view.fitSphere ? { type: 'Sphere' } : { type: 'MultiPoint', coordinates: view.fit });
  return p;
}

const esc = (s) =>
  String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

const r2 = (v) => Math.round(v * 100) / 100;

function line(path, points, attrs, cap = 'round') {
  const d = path({ type: 'LineString', coordinates: points });
  return d ? `<path d="${d}" fill="none" stroke-linejoin="round" stroke-linecap="${cap}" ${attrs}/>` : '';
}

/** A route as its white casing and its coloured line. */
function routeSvg(path, points, { width = ROUTE_WIDTH, color = COLORS.route, dashed = false } = {}) {
  const dash = dashed ? ` stroke-dasharray="${width * 1.6} ${width * 1.4}"` : '';
  return {
    casing: line(path, points, `stroke="#ffffff" stroke-width="${width + CASING}"`),
    stroke: line(path, points, `stroke="${color}" stroke-width="${width}"${dash}`, dashed ? 'butt' : 'round'),
  };
}

/** Where a point falls on the picture, or null when it is hidden or outside the map box. */
export function visiblePoint(projection, at) {
  const xy = projection(at);
  if (!xy) return null;
  // Globes and polar views show only the points within their clip angle of the centre.
  const limit = projection.clipAngle();
  const [lambda, phi] = projection.rotate();
  if (limit && d3.geoDistance(at, [-lambda, -phi]) > (limit * Math.PI) / 180) return null;
  const [[x0, y0], [x1, y1]] = MAP_BOX;
  return xy[0] >= x0 && xy[0] <= x1 && xy[1] >= y0 && xy[1] <= y1 ? xy : null;
}

// An arrowhead halfway between points i and i + 1 of a route, pointing along it.
function arrowSvg(projection, points, i, color) {
  const a = visiblePoint(projection, points[i]);
  const b = visiblePoint(projection, points[i + 1]);
  if (!a || !b) return '';
  const mid = visiblePoint(projection, d3.geoInterpolate(points[i], points[i + 1])(0.5));
  if (!mid) return '';
  const ang = (Math.atan2(b[1] - a[1], b[0] - a[0]) * 180) / Math.PI;
  return (
    `<path d="M13,0 L-9,-11 L-4,0 L-9,11 Z" fill="${color}" stroke="#ffffff" stroke-width="2.5" ` +
    `stroke-linejoin="round" transform="translate(${r2(mid[0])},${r2(mid[1])}) rotate(${r2(ang)})"/>`
  );
}

function starPath(cx, cy, r) {
  const pts = [];
  for (let i = 0; i < 10; i++) {
    const rad = i % 2 === 0 ? r : r * 0.45;
    const a = -Math.PI / 2 + (i * Math.PI) / 5;
    pts.push(`${r2(cx + rad * Math.cos(a))},${r2(cy + rad * Math.sin(a))}`);
  }
  return 'M' + pts.join('L') + 'Z';
}

// The marks: a white disc at the start, a yellow star at the goal, a
// mountain at a summit, a black cross where the explorer died.
const MARKS = {
  start: ([x, y]) =>
    `<circle cx="${r2(x)}" cy="${r2(y)}" r="10" fill="#ffffff" stroke="#1b1b1b" stroke-width="4.5"/>`,
  star: ([x, y]) =>
    `<path d="${starPath(x, y, 19)}" fill="${COLORS.star}" stroke="#4a3000" stroke-width="2.5" stroke-linejoin="round"/>`,
  peak: ([x, y]) =>
    `<path d="M${r2(x)},${r2(y - 20)}L${r2(x + 19)},${r2(y + 12)}L${r2(x - 19)},${r2(y + 12)}Z" ` +
    `fill="${COLORS.star}" stroke="#4a3000" stroke-width="2.5" stroke-linejoin="round"/>`,
  cross: ([x, y]) =>
    `<path d="M${r2(x)},${r2(y - 13)}V${r2(y + 13)}M${r2(x - 8)},${r2(y - 5)}H${r2(x + 8)}" ` +
    `stroke="#ffffff" stroke-width="9" stroke-linecap="round"/>` +
    `<path d="M${r2(x)},${r2(y - 13)}V${r2(y + 13)}M${r2(x - 8)},${r2(y - 5)}H${r2(x + 8)}" ` +
    `stroke="#1b1b1b" stroke-width="4.5" stroke-linecap="round"/>`,
};

/** Width in pixels of the band's text at the given font size, measured in the bundled font. */
export function bandTextWidth(text, size = BAND_FONT_SIZE) {
  const svg =
    `<svg xmlns="http://www.w3.org/2000/svg" width="${WIDTH * 2}" height="100" font-family="${FONT_FAMILY}">` +
    `<text x="10" y="60" font-size="${size}" font-weight="bold">${esc(text)}</text></svg>`;
  return new Resvg(svg, fontOptions()).getBBox()?.width ?? 0;
}

/** The largest font size up to the band's own at which the text fits the band. */
export function bandFontSize(text) {
  const width = bandTextWidth(text);
  return width <= BAND_TEXT_WIDTH ? BAND_FONT_SIZE : Math.floor((BAND_FONT_SIZE * BAND_TEXT_WIDTH) / width);
}

function bandSvg(text) {
  const y = HEIGHT - BAND_HEIGHT;
  const size = bandFontSize(text);
  return (
    `<rect x="0" y="${y}" width="${WIDTH}" height="${BAND_HEIGHT}" fill="${COLORS.band}"/>` +
    `<text x="${WIDTH / 2}" y="${r2(y + BAND_HEIGHT / 2 + size * 0.36)}" font-size="${size}" ` +
    `font-weight="bold" text-anchor="middle" fill="#ffffff">${esc(text)}</text>`
  );
}

// Countries filled in a colour of their own: the highlighted ones and
// Antarctica, drawn white as ice.
const ANTARCTICA = '010';
function countryFillSvg(path, ids, fill) {
  const { countries } = world();
  return countries.features
    .filter((f) => ids.includes(f.id))
    .map((f) => `<path d="${path(f)}" fill="${fill}"/>`)
    .join('');
}

/** A lake's outline as a polygon wound so that it encloses the lake, not the rest of the sphere. */
export function lakePolygon(outline) {
  const polygon = { type: 'Polygon', coordinates: [[...outline, outline[0]]] };
  if (d3.geoArea(polygon) > 2 * Math.PI) polygon.coordinates[0].reverse();
  return polygon;
}

/** The SVG document of one picture. */
export function mapSvg(map) {
  const projection = makeProjection(map.view);
  const path = d3.geoPath(projection);
  const { land, borders } = world();
  const [[x0, y0], [x1, y1]] = MAP_BOX;
  const globe = Boolean(map.view.globe || map.view.fitSphere);
  const parts = [];
  parts.push(`<svg xmlns="http://www.w3.org/2000/svg" width="${WIDTH}" height="${HEIGHT}" font-family="${FONT_FAMILY}">`);
  parts.push(`<defs><clipPath id="map"><rect x="${x0}" y="${y0}" width="${x1 - x0}" height="${y1 - y0}"/></clipPath></defs>`);
  parts.push(`<g clip-path="url(#map)">`);
  parts.push(`<rect x="${x0}" y="${y0}" width="${x1 - x0}" height="${y1 - y0}" fill="${globe ? COLORS.space : COLORS.sea}"/>`);
  if (globe) parts.push(`<path d="${path({ type: 'Sphere' })}" fill="${COLORS.sea}"/>`);
  const graticule = `<path d="${path(d3.geoGraticule().step(map.graticuleStep ?? [15, 15])())}" fill="none" stroke="${COLORS.graticule}" stroke-width="1"/>`;
  if (!map.graticuleOverLand) parts.push(graticule);
  for (const ring of map.ice ?? []) {
    parts.push(`<path d="${path({ type: 'Polygon', coordinates: [ring] })}" fill="#d8e7f3" stroke="#b9c9d6" stroke-width="1"/>`);
  }
  parts.push(`<path d="${path(land)}" fill="${COLORS.land}"/>`);
  parts.push(countryFillSvg(path, [ANTARCTICA], COLORS.ice));
  if (map.highlight) parts.push(countryFillSvg(path, map.highlight, COLORS.highlight));
  parts.push(`<path d="${path(borders)}" fill="none" stroke="${COLORS.border}" stroke-width="1"/>`);
  // On an ice cap the meridians meeting at the pole are what shows where it is.
  if (map.graticuleOverLand) parts.push(graticule);
  for (const river of map.rivers ?? []) {
    parts.push(line(path, river, `stroke="${COLORS.water}" stroke-width="${map.riverWidth ?? 3.5}"`));
  }
  const routes = [
    ...(map.extra ?? []).map((e) => routeSvg(path, e.points, { width: 4, color: e.color ?? COLORS.second, dashed: e.dashed })),
    ...map.route.legs.map((leg) => routeSvg(path, leg.points, { dashed: leg.dashed, width: leg.width })),
  ];
  for (const r of routes) parts.push(r.casing + r.stroke);
  // Lakes lie over the routes, as a thick route line passing beside a lake
  // would cover it, and are drawn a little larger than life, as atlases draw
  // narrow lakes, so that they show in the small frame.
  for (const lake of map.lakes ?? []) {
    const d = path(lakePolygon(lake));
    parts.push(`<path d="${d}" fill="#ffffff" stroke="#ffffff" stroke-width="9" stroke-linejoin="round"/>`);
    parts.push(`<path d="${d}" fill="${COLORS.water}" stroke="${COLORS.water}" stroke-width="4" stroke-linejoin="round"/>`);
  }
  const route = map.route;
  for (const leg of route.legs) {
    for (const i of leg.arrows ?? []) parts.push(arrowSvg(projection, leg.points, i, COLORS.route));
  }
  for (const mark of map.marks) {
    const xy = visiblePoint(projection, mark.at);
    if (!xy) throw new Error(`${mark.kind} mark at ${mark.at} is not on the picture`);
    parts.push(MARKS[mark.kind](xy));
  }
  parts.push(`</g>`);
  parts.push(bandSvg(map.band));
  parts.push(`</svg>`);
  return parts.join('\n');
}

function fontOptions() {
  return { font: { fontFiles: FONT_FILES, loadSystemFonts: false, defaultFontFamily: FONT_FAMILY } };
}

/** Renders an SVG document to {width, height, pixels (RGBA), png()}. */
export function rasterise(svg) {
  const resvg = new Resvg(svg, { ...fontOptions(), shapeRendering: 2, textRendering: 1 });
  const image = resvg.render();
  return { width: image.width, height: image.height, pixels: image.pixels, png: () => image.asPng() };
}

/** JPEG bytes of rendered RGBA pixels. */
export function encodeJpeg({ width, height, pixels }) {
  return jpeg.encode({ data: pixels, width, height }, JPEG_QUALITY).data;
}
