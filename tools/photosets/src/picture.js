// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws one picture as SVG: a map of the country among its neighbours, a
// locator globe, a compass, a scale bar and a labelled graticule. Nothing on
// it names the country or its capital (no flag, no place names), so that the
// country-recognition exercise is answered from the map alone.
import * as d3 from 'd3-geo';
import { mainPart, mayReach } from './world.js';
import { el, fmt, haloText, starPath } from './svg.js';

export const WIDTH = 384;
export const HEIGHT = 256;

// Where the country itself is framed; the globe stands in the bottom right corner.
const FRAME = [[44, 40], [236, 216]];
// The closest zoom: the frame spans at least this many degrees.
const MIN_SPAN_DEG = 2.6;
const GLOBE = { cx: 327, cy: 198, r: 47 };

const TARGET = { fill: '#d7342b', stroke: '#6b0f0a' };
const LAND_COLOURS = ['#efe2b3', '#cfe4ae', '#f0cca3', '#ddd0ea', '#f4d5cd', '#c9e4d8', '#e6dcc0'];
const OCEAN = ['#a6d3ef', '#5b9bcc'];

// Colours neighbouring countries differently (greedy, in data order).
function landColours(countries) {
  const colour = new Array(countries.length);
  countries.forEach((c, i) => {
    const used = new Set(c.neighbours.map((n) => colour[n]));
    let k = (i * 3) % LAND_COLOURS.length;
    for (let tries = 0; tries < LAND_COLOURS.length && used.has(LAND_COLOURS[k]); tries++) {
      k = (k + 1) % LAND_COLOURS.length;
    }
    colour[i] = LAND_COLOURS[k];
  });
  return colour;
}

// Equal-area azimuthal map centred on the country, fitted to FRAME.
export function mapProjection(feature, frame, variant = 0) {
  const main = mainPart(feature, frame);
  const centre = d3.geoCentroid(main);
  const projection = d3.geoAzimuthalEqualArea().rotate([-centre[0], -centre[1]]).precision(0.5);
  projection.fitExtent(FRAME, main);
  const frameWidth = FRAME[1][0] - FRAME[0][0];
  const maxScale = frameWidth / ((MIN_SPAN_DEG * Math.PI) / 180);
  const scale = Math.min(projection.scale(), maxScale) * (1 - 0.04 * variant);
  projection.scale(scale).translate([0, 0]);
  const [[x0, y0], [x1, y1]] = d3.geoPath(projection).bounds(main);
  const cx = (FRAME[0][0] + FRAME[1][0]) / 2 + variant * 3;
  const cy = (FRAME[0][1] + FRAME[1][1]) / 2 - variant * 2;
  projection.translate([cx - (x0 + x1) / 2, cy - (y0 + y1) / 2]);
  projection.clipExtent([[-2, -2], [WIDTH + 2, HEIGHT + 2]]);
  return { projection, main };
}

function graticuleStep(scale) {
  const degreesAcross = (WIDTH / scale) * (180 / Math.PI);
  if (degreesAcross <= 8) return 1;
  if (degreesAcross <= 20) return 2;
  if (degreesAcross <= 45) return 5;
  if (degreesAcross <= 90) return 10;
  return 20;
}

function degreeLabel(value, positive, negative) {
  const v = Math.round(Math.abs(value));
  if (v === 0) return '0°';
  if (v === 180) return '180°';
  return `${v}°${value > 0 ? positive : negative}`;
}

// Labels where the graticule lines cross the left edge (parallels) and the
// top edge (meridians), found by walking along the edge in pixel steps.
function edgeCrossings(projection, from, to, coordinate, step, spacing) {
  const found = [];
  let previous = null;
  for (let t = from; t <= to; t++) {
    const geo = projection.invert(coordinate(t));
    if (!geo || Number.isNaN(geo[0])) continue;
    const value = geo[coordinate.axis];
    const crossed = previous && Math.floor(previous.value / step) !== Math.floor(value / step) && Math.abs(previous.value - value) < 90;
    if (crossed && (!found.length || t - found[found.length - 1].t >= spacing)) {
      found.push({ t, value: Math.round(Math.max(previous.value, value) / step) * step });
    }
    previous = { value };
  }
  return found;
}

function graticuleLabels(projection, step) {
  const left = (t) => [1, t];
  left.axis = 1;
  const top = (t) => [t, 1];
  top.axis = 0;
  const parallels = edgeCrossings(projection, 14, 196, left, step, 18).map(({ t, value }) =>
    haloText(3, t - 2, degreeLabel(value, 'N', 'S'), { size: 7.5 }));
  const meridians = edgeCrossings(projection, 34, 236, top, step, 34).map(({ t, value }) =>
    haloText(t + 2, 9, degreeLabel(((value + 540) % 360) - 180, 'E', 'W'), { size: 7.5 }));
  return parallels.join('') + meridians.join('');
}

function compass(x, y, r) {
  const arm = (angle, len, fill) => {
    const a = (angle * Math.PI) / 180;
    const tip = [x + len * Math.sin(a), y - len * Math.cos(a)];
    const side = (s) => [x + r * 0.22 * Math.sin(a + s), y - r * 0.22 * Math.cos(a + s)];
    const [l, rr] = [side(-Math.PI / 2), side(Math.PI / 2)];
    return el('path', { d: `M${fmt(l[0])},${fmt(l[1])}L${fmt(tip[0])},${fmt(tip[1])}L${fmt(rr[0])},${fmt(rr[1])}Z`, fill, stroke: '#1d2b3a', 'stroke-width': 0.6 });
  };
  return (
    el('circle', { cx: x, cy: y, r: r * 0.8, fill: 'rgba(255,255,255,0.55)', stroke: '#1d2b3a', 'stroke-width': 0.7 }) +
    arm(45, r * 0.55, '#f5f1e6') + arm(135, r * 0.55, '#8a8576') + arm(225, r * 0.55, '#f5f1e6') + arm(315, r * 0.55, '#8a8576') +
    arm(0, r, '#b3261e') + arm(180, r, '#f5f1e6') + arm(90, r, '#f5f1e6') + arm(270, r, '#f5f1e6') +
    el('circle', { cx: x, cy: y, r: 1.6, fill: '#1d2b3a' }) +
    haloText(x, y - r - 2, 'N', { size: 9, anchor: 'middle' })
  );
}

// A scale bar of a round length near 70 pixels, true at the map centre.
function scaleBar(x, y, scale) {
  const kmPerPixel = 6371 / scale;
  const target = 70 * kmPerPixel;
  const nice = [1, 2, 5].flatMap((m) => [1, 10, 100, 1000].map((p) => m * p)).sort((a, b) => a - b);
  const km = nice.filter((n) => n <= target).pop() ?? 1;
  const len = km / kmPerPixel;
  const half = len / 2;
  return (
    el('rect', { x, y: y - 3, width: half, height: 4, fill: '#1d2b3a' }) +
    el('rect', { x: x + half, y: y - 3, width: half, height: 4, fill: '#ffffff', stroke: '#1d2b3a', 'stroke-width': 0.8 }) +
    haloText(x, y - 6, '0', { size: 7.5, anchor: 'middle' }) +
    haloText(x + len, y - 6, `${km} km`, { size: 7.5, anchor: 'middle' })
  );
}

// The globe shows the coarse shapes of the other countries and the fine one of the country.
function globeInset(coarse, country, main, mapView) {
  const { cx, cy, r } = GLOBE;
  const centre = d3.geoCentroid(main);
  const globe = d3.geoOrthographic().rotate([-centre[0], -centre[1] + 12]).scale(r).translate([cx, cy]).precision(1);
  const path = d3.geoPath(globe);
  const facing = globe.invert([cx, cy]);
  const land = coarse.map((c) => (c.id === country.id || !mayReach(c, facing, Math.PI / 2) ? '' : path(c.feature) ?? '')).join('');
  const defs = el(
    'radialGradient',
    { id: 'sea', cx: 0.38, cy: 0.32, r: 0.75 },
    el('stop', { offset: 0, 'stop-color': '#bfe3f7' }) + el('stop', { offset: 1, 'stop-color': '#2f6fa8' }),
  );
  const viewport = mapViewport(mapView, globe);
  return (
    el('defs', {}, defs) +
    el('circle', { cx: cx + 2.5, cy: cy + 2.5, r: r + 2, fill: 'rgba(0,0,0,0.35)' }) +
    el('circle', { cx, cy, r: r + 2, fill: '#ffffff' }) +
    el('circle', { cx, cy, r, fill: 'url(#sea)' }) +
    el('path', { d: path(d3.geoGraticule().step([30, 30])()), fill: 'none', stroke: 'rgba(255,255,255,0.45)', 'stroke-width': 0.5 }) +
    el('path', { d: land, fill: '#eee6c9', stroke: '#9c947a', 'stroke-width': 0.3 }) +
    el('path', { d: path(country.feature), fill: TARGET.fill, stroke: TARGET.stroke, 'stroke-width': 0.5 }) +
    viewport +
    el('circle', { cx, cy, r, fill: 'none', stroke: '#1d2b3a', 'stroke-width': 0.8 })
  );
}

// The outline of the main map's area on the globe, when it is small enough to show.
function mapViewport(projection, globe) {
  const edge = [];
  const steps = 24;
  const along = (a, b) => Array.from({ length: steps }, (_, i) => [a[0] + ((b[0] - a[0]) * i) / steps, a[1] + ((b[1] - a[1]) * i) / steps]);
  const corners = [[0, 0], [WIDTH, 0], [WIDTH, HEIGHT], [0, HEIGHT]];
  for (let i = 0; i < 4; i++) edge.push(...along(corners[i], corners[(i + 1) % 4]));
  const points = [];
  for (const p of edge) {
    const geo = projection.invert(p);
    if (!geo || Number.isNaN(geo[0])) return '';
    const q = globe(geo);
    if (!q || d3.geoDistance(geo, globe.invert([GLOBE.cx, GLOBE.cy])) > Math.PI / 2 - 0.05) return '';
    points.push(q);
  }
  const xs = points.map((p) => p[0]);
  if (Math.max(...xs) - Math.min(...xs) > GLOBE.r * 1.5) return '';
  return el('path', { d: `M${points.map((p) => `${fmt(p[0])},${fmt(p[1])}`).join('L')}Z`, fill: 'none', stroke: '#1d2b3a', 'stroke-width': 0.9 });
}

// A cloudy overlay: fractal noise turned into a colour whose opacity follows the noise.
function mottle(id, frequency, seed, matrix) {
  return el('filter', { id, x: 0, y: 0, width: 1, height: 1, 'color-interpolation-filters': 'sRGB' },
    el('feTurbulence', { type: 'fractalNoise', baseFrequency: frequency, numOctaves: 2, seed }) +
    el('feColorMatrix', { type: 'matrix', values: matrix }));
}

// The centre of the map and the angle within which everything it shows lies.
function viewRadius(projection) {
  const centre = projection.invert([WIDTH / 2, HEIGHT / 2]);
  let radius = 0;
  for (let x = 0; x <= WIDTH; x += WIDTH / 8) {
    for (const y of [0, HEIGHT / 2, HEIGHT]) {
      const p = projection.invert([x, y]);
      radius = p && !Number.isNaN(p[0]) ? Math.max(radius, d3.geoDistance(centre, p)) : Math.PI;
    }
  }
  return { centre, radius: Math.min(Math.PI, radius * 1.05 + 0.01) };
}

// Graticule lines covering the area the map shows (the whole sphere for wide views).
function viewGraticule({ centre, radius }, step) {
  const graticule = d3.geoGraticule().step([step, step]).precision(step / 4);
  const r = (radius * 180) / Math.PI;
  const south = Math.max(-90, centre[1] - r);
  const north = Math.min(90, centre[1] + r);
  if (r > 60 || south <= -89 || north >= 89) return graticule();
  const widest = Math.cos((Math.max(Math.abs(south), Math.abs(north)) * Math.PI) / 180);
  const dl = Math.min(180, r / widest);
  const snap = (v, f) => f(v / step) * step;
  return graticule.extent([[snap(centre[0] - dl, Math.floor), snap(south, Math.floor)], [snap(centre[0] + dl, Math.ceil), snap(north, Math.ceil)]])();
}

// The whole picture; variant > 0 shifts and shrinks the map slightly.
export function pictureSvg({ countries, coarse, index, capital, frame, variant = 0 }) {
  const { projection, main } = mapProjection(countries[index].feature, frame, variant);
  const path = d3.geoPath(projection);
  const colours = landColours(countries);
  const step = graticuleStep(projection.scale());
  const view = viewRadius(projection);
  const graticule = path(viewGraticule(view, step));

  const outlines = countries.map((c) => (mayReach(c, view.centre, view.radius) ? path(c.feature) ?? '' : ''));
  const land = outlines
    .map((d, i) => (i === index || !d ? '' : el('path', { d, fill: colours[i], stroke: '#777064', 'stroke-width': 0.6, 'stroke-linejoin': 'round' })))
    .join('');
  const target = el('path', { d: outlines[index], fill: TARGET.fill, stroke: TARGET.stroke, 'stroke-width': 1.1, 'stroke-linejoin': 'round' });

  const [[x0, y0], [x1, y1]] = path.bounds(main);
  const tiny = Math.max(x1 - x0, y1 - y0) < 26;
  const ring = tiny ? el('circle', { cx: (x0 + x1) / 2, cy: (y0 + y1) / 2, r: Math.max(x1 - x0, y1 - y0) / 2 + 9, fill: 'none', stroke: TARGET.stroke, 'stroke-width': 2 }) : '';

  const [sx, sy] = projection(capital);
  const star = el('path', { d: starPath(sx, sy, tiny ? 4.5 : 6.5), fill: '#ffd83d', stroke: '#2b2100', 'stroke-width': 1 });

  const defs = el(
    'defs',
    {},
    el('linearGradient', { id: 'ocean', x1: 0, y1: 0, x2: 0.6, y2: 1 },
      el('stop', { offset: 0, 'stop-color': OCEAN[0] }) + el('stop', { offset: 1, 'stop-color': OCEAN[1] })) +
      el('filter', { id: 'waves', x: 0, y: 0, width: 1, height: 1, 'color-interpolation-filters': 'sRGB' },
        el('feTurbulence', { type: 'fractalNoise', baseFrequency: '0.045 0.09', numOctaves: 3, seed: 7 + index + 17 * variant }) +
        el('feColorMatrix', { type: 'matrix', values: '0 0 0 0 0.05  0 0 0 0 0.2  0 0 0 0 0.4  2.6 0 0 0 -1.15' })) +
      mottle('mottleDark', 0.032, 11 + index + 17 * variant, '0 0 0 0 0.12  0 0 0 0 0.05  0 0 0 0 0  2.4 0 0 0 -1.05') +
      mottle('mottleLight', 0.05, 23 + index + 17 * variant, '0 0 0 0 1  0 0 0 0 0.97  0 0 0 0 0.85  -2.4 0 0 0 1.15') +
      el('clipPath', { id: 'land' }, el('path', { d: outlines.join('') })) +
      el('clipPath', { id: 'target' }, el('path', { d: outlines[index] })) +
      el('filter', { id: 'paper', x: 0, y: 0, width: 1, height: 1, 'color-interpolation-filters': 'sRGB' },
        el('feTurbulence', { type: 'fractalNoise', baseFrequency: 0.6, numOctaves: 2, seed: 3 + index }) +
        el('feColorMatrix', { type: 'matrix', values: '0 0 0 0 0.3  0 0 0 0 0.25  0 0 0 0 0.15  1.4 0 0 0 -0.55' })),
  );

  const body = [
    defs,
    el('rect', { x: 0, y: 0, width: WIDTH, height: HEIGHT, fill: 'url(#ocean)' }),
    el('rect', { x: 0, y: 0, width: WIDTH, height: HEIGHT, filter: 'url(#waves)', opacity: 0.55 }),
    el('path', { d: graticule, fill: 'none', stroke: 'rgba(255,255,255,0.6)', 'stroke-width': 0.6 }),
    land,
    target,
    el('g', { 'clip-path': 'url(#land)' },
      el('rect', { x: 0, y: 0, width: WIDTH, height: HEIGHT, filter: 'url(#mottleDark)', opacity: 0.4 }) +
      el('rect', { x: 0, y: 0, width: WIDTH, height: HEIGHT, filter: 'url(#mottleLight)', opacity: 0.4 })),
    el('g', { 'clip-path': 'url(#target)' },
      el('path', { d: outlines[index], fill: 'none', stroke: 'rgba(60,0,0,0.25)', 'stroke-width': 6, 'stroke-linejoin': 'round' }) +
      el('rect', { x: 0, y: 0, width: WIDTH, height: HEIGHT, filter: 'url(#mottleDark)', opacity: 0.3 })),
    el('path', { d: graticule, fill: 'none', stroke: 'rgba(40,70,110,0.28)', 'stroke-width': 0.5 }),
    el('rect', { x: 0, y: 0, width: WIDTH, height: HEIGHT, filter: 'url(#paper)', opacity: 0.35 }),
    ring,
    star,
    graticuleLabels(projection, step),
    compass(24, 226, 17),
    scaleBar(52, 247, projection.scale()),
    globeInset(coarse, countries[index], main, projection),
  ];
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${WIDTH}" height="${HEIGHT}" viewBox="0 0 ${WIDTH} ${HEIGHT}">${body.join('')}</svg>`;
}
