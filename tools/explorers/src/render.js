// Draws an explorer's route map as SVG on Natural Earth country shapes and
// renders it to RGBA pixels and JPEG.

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import * as d3 from 'd3-geo';
import * as topojson from 'topojson-client';
import { Resvg } from '@resvg/resvg-js';
import jpeg from 'jpeg-js';

const require = createRequire(import.meta.url);

// The picture is five times the reader's 96 x 117 portrait frame, so it shows
// there undistorted and stays sharp when copied to the clipboard.
export const WIDTH = 480;
export const HEIGHT = 585;
const TITLE_HEIGHT = 66;
const LEGEND_LINE = 19;
const TIMELINE_LINE = 15;
const MARGIN = 8;
const JPEG_QUALITY = 90;

const COLORS = {
  frame: '#003871',
  sea: '#cfe5f4',
  land: '#f2e8cc',
  border: '#b9a27a',
  graticule: '#b2d0e6',
  place: '#3a1f0a',
  seaLabel: '#2d6f9e',
};

const FONT_FAMILY = 'DejaVu Sans';
const fontDir = require.resolve('dejavu-fonts-ttf/package.json').replace(/package\.json$/, 'ttf/');
const FONT_FILES = ['DejaVuSans.ttf', 'DejaVuSans-Bold.ttf', 'DejaVuSans-Oblique.ttf'].map(
  (f) => fontDir + f,
);

let countriesCache = null;
function countries() {
  if (!countriesCache) {
    const topo = JSON.parse(readFileSync(require.resolve('world-atlas/countries-50m.json'), 'utf8'));
    countriesCache = topojson.feature(topo, topo.objects.countries);
  }
  return countriesCache;
}

const PROJECTIONS = {
  naturalEarth: d3.geoNaturalEarth1,
  equirectangular: d3.geoEquirectangular,
  mercator: d3.geoMercator,
  conicConformal: d3.geoConicConformal,
  azimuthalEquidistant: d3.geoAzimuthalEquidistant,
  orthographic: d3.geoOrthographic,
};

function makeProjection(view, extent) {
  const p = PROJECTIONS[view.type]();
  if (view.rotate) p.rotate(view.rotate);
  if (view.parallels) p.parallels(view.parallels);
  if (view.clipAngle) p.clipAngle(view.clipAngle);
  const target = view.fitSphere
    ? { type: 'Sphere' }
    : { type: 'MultiPoint', coordinates: view.fit };
  p.fitExtent(extent, target);
  if (view.zoom) {
    // Enlarge about the extent's centre; what leaves the box is clipped.
    const cx = (extent[0][0] + extent[1][0]) / 2;
    const cy = (extent[0][1] + extent[1][1]) / 2;
    const [tx, ty] = p.translate();
    p.scale(p.scale() * view.zoom).translate([cx + (tx - cx) * view.zoom, cy + (ty - cy) * view.zoom]);
  }
  return p;
}

const esc = (s) =>
  String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

const r2 = (v) => Math.round(v * 100) / 100;

// Text with a light halo so that it stays readable over lines and coasts.
function haloText(x, y, text, attrs, fill, halo = '#ffffff') {
  const a = `x="${r2(x)}" y="${r2(y)}" ${attrs}`;
  return (
    `<text ${a} stroke="${halo}" stroke-width="3" stroke-linejoin="round" fill="${halo}">${esc(text)}</text>` +
    `<text ${a} fill="${fill}">${esc(text)}</text>`
  );
}

// Label offsets from a place's dot by compass direction.
const ANCHORS = {
  n: [0, -7, 'middle'],
  s: [0, 14, 'middle'],
  e: [6, 4, 'start'],
  w: [-6, 4, 'end'],
  ne: [4, -5, 'start'],
  nw: [-4, -5, 'end'],
  se: [4, 12, 'start'],
  sw: [-4, 12, 'end'],
};

function placeSvg(projection, place) {
  const [x, y] = projection(place.at);
  if (place.kind === 'area') {
    return place.name
      .split('\n')
      .map((line, i) =>
        haloText(x, y + i * 12, line, 'font-size="11" font-style="italic" text-anchor="middle"', '#6b4a1f', COLORS.land),
      )
      .join('');
  }
  const [dx, dy, anchor] = ANCHORS[place.pos ?? 'e'];
  const mark =
    place.kind === 'star'
      ? `<path d="${starPath(x, y, 7)}" fill="#d11f1f" stroke="#5a0000" stroke-width="0.8"/>`
      : place.kind === 'peak'
      ? `<path d="M${r2(x)},${r2(y - 5)}L${r2(x + 5)},${r2(y + 4)}L${r2(x - 5)},${r2(y + 4)}Z" fill="#6b4a1f" stroke="#ffffff" stroke-width="0.8"/>`
      : `<circle cx="${r2(x)}" cy="${r2(y)}" r="3" fill="${COLORS.place}" stroke="#ffffff" stroke-width="1"/>`;
  const lines = place.name.split('\n');
  const text = lines
    .map((line, i) =>
      haloText(x + dx, y + dy + i * 12, line, `font-size="11" text-anchor="${anchor}"`, COLORS.place),
    )
    .join('');
  return mark + text;
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

function routeSvg(path, route) {
  const d = path({ type: 'LineString', coordinates: route.points });
  if (!d) return '';
  const dash = route.dashed ? ' stroke-dasharray="6 4"' : '';
  return (
    `<path d="${d}" fill="none" stroke="#ffffff" stroke-width="${route.width ?? 3.2}" stroke-opacity="0.7" stroke-linejoin="round" stroke-linecap="round"/>` +
    `<path d="${d}" fill="none" stroke="${route.color}" stroke-width="${(route.width ?? 3.2) - 1.2}" stroke-linejoin="round" stroke-linecap="round"${dash}/>`
  );
}

// A small arrowhead at a point of a route, pointing along it.
function arrowSvg(projection, route, index) {
  const a = projection(route.points[index]);
  const b = projection(route.points[index + 1]);
  // Points on both sides of a world map's edge have no arrow between them.
  if (!a || !b || Math.hypot(b[0] - a[0], b[1] - a[1]) > WIDTH / 2) return '';
  const mx = (a[0] + b[0]) / 2;
  const my = (a[1] + b[1]) / 2;
  const ang = (Math.atan2(b[1] - a[1], b[0] - a[0]) * 180) / Math.PI;
  return `<path d="M6,0 L-5,-4.5 L-2,0 L-5,4.5 Z" fill="${route.color}" transform="translate(${r2(mx)},${r2(my)}) rotate(${r2(ang)})"/>`;
}

function legendSvg(legend, top) {
  return legend
    .map((item, i) => {
      const y = top + i * LEGEND_LINE + 14;
      const sw = item.color
        ? `<line x1="${MARGIN + 4}" y1="${y - 4}" x2="${MARGIN + 30}" y2="${y - 4}" stroke="${item.color}" stroke-width="3"${item.dashed ? ' stroke-dasharray="6 4"' : ''}/>`
        : '';
      const x = item.color || item.indent ? MARGIN + 38 : MARGIN + 4;
      return sw + `<text x="${x}" y="${y}" font-size="12.5" fill="#1a1a1a">${esc(item.text)}</text>`;
    })
    .join('');
}

// Dated events in two columns, filled column by column.
function timelineSvg(timeline, top, dateWidth = 96) {
  const rows = Math.ceil(timeline.length / 2);
  const colWidth = (WIDTH - 2 * MARGIN) / 2;
  return timeline
    .map(([date, text], i) => {
      const x = MARGIN + 4 + Math.floor(i / rows) * colWidth;
      const y = top + (i % rows) * TIMELINE_LINE + 12;
      return (
        `<text x="${x}" y="${y}" font-size="10.5" font-weight="bold" fill="${COLORS.frame}">${esc(date)}</text>` +
        `<text x="${x + dateWidth}" y="${y}" font-size="10.5" fill="#1a1a1a">${esc(text)}</text>`
      );
    })
    .join('');
}

// A small locator map in the lower left corner of the map box, with a red
// frame around the area of the main map.
function insetSvg(inset, box) {
  const [w, h] = [150, 110];
  const x0 = box[0][0];
  const y0 = box[1][1] - h;
  const projection = d3
    .geoMercator()
    .fitExtent([[x0, y0], [x0 + w, y0 + h]], { type: 'MultiPoint', coordinates: inset.fit })
    .clipExtent([[x0, y0], [x0 + w, y0 + h]]);
  const path = d3.geoPath(projection);
  const [[w0, s0], [e0, n0]] = inset.area;
  const area = [[w0, s0], [e0, s0], [e0, n0], [w0, n0], [w0, s0]].map((p) => projection(p));
  return (

    `<rect x="${x0}" y="${y0}" width="${w}" height="${h}" fill="${COLORS.sea}"/>` +
    `<path d="${path(countries())}" fill="${COLORS.land}" stroke="${COLORS.border}" stroke-width="0.4"/>` +
    `<path d="M${area.map((p) => p.map(r2).join(',')).join('L')}Z" fill="none" stroke="#d11f1f" stroke-width="2"/>` +
    `<rect x="${x0}" y="${y0}" width="${w}" height="${h}" fill="none" stroke="${COLORS.frame}" stroke-width="1.5"/>`
  );
}

/** Height taken by the legend and time-line under the map. */
function footerHeight(map) {
  const legend = map.legend?.length ?? 0;
  const timeline = Math.ceil((map.timeline?.length ?? 0) / 2);
  return legend * LEGEND_LINE + timeline * TIMELINE_LINE + (legend || timeline ? 8 : 0);
}

/** The SVG document of one map. */
export function mapSvg(map) {
  const legend = map.legend ?? [];
  const mapBottom = map.mapHeight
    ? TITLE_HEIGHT + MARGIN + map.mapHeight
    : HEIGHT - MARGIN - footerHeight(map);
  const box = [
    [MARGIN, TITLE_HEIGHT + MARGIN],
    [WIDTH - MARGIN, mapBottom],
  ];
  const legendTop = mapBottom + 4;
  const extent = [
    [box[0][0] + (map.pad ?? 14), box[0][1] + (map.pad ?? 14)],
    [box[1][0] - (map.pad ?? 14), box[1][1] - (map.pad ?? 14)],
  ];
  // A world map fills the box's width; its polar edges may be cut off, and
  // shiftY moves it down to show more of the north.
  const cy = (box[0][1] + box[1][1]) / 2 + (map.projection.shiftY ?? 0);
  const sphereBox = [
    [box[0][0], cy - 1000],
    [box[1][0], cy + 1000],
  ];
  const projection = makeProjection(map.projection, map.projection.fitSphere ? sphereBox : extent);
  const path = d3.geoPath(projection);
  const graticule = d3.geoGraticule().step(map.graticuleStep ?? [10, 10])();
  const [bw, bh] = [box[1][0] - box[0][0], box[1][1] - box[0][1]];

  const parts = [];
  parts.push(`<svg xmlns="http://www.w3.org/2000/svg" width="${WIDTH}" height="${HEIGHT}" font-family="${FONT_FAMILY}">`);
  parts.push(`<defs><clipPath id="map"><rect x="${box[0][0]}" y="${box[0][1]}" width="${bw}" height="${bh}"/></clipPath></defs>`);
  parts.push(`<rect width="${WIDTH}" height="${HEIGHT}" fill="#f7f4ea"/>`);
  parts.push(`<rect width="${WIDTH}" height="${TITLE_HEIGHT}" fill="${COLORS.frame}"/>`);
  parts.push(`<text x="${WIDTH / 2}" y="32" font-size="25" font-weight="bold" text-anchor="middle" fill="#ffffff">${esc(map.title)}</text>`);
  parts.push(`<text x="${WIDTH / 2}" y="54" font-size="14.5" text-anchor="middle" fill="#d6e6ff">${esc(map.subtitle)}</text>`);

  parts.push(`<g clip-path="url(#map)">`);
  if (map.projection.fitSphere) {
    parts.push(`<rect x="${box[0][0]}" y="${box[0][1]}" width="${bw}" height="${bh}" fill="#f7f4ea"/>`);
    parts.push(`<path d="${path({ type: 'Sphere' })}" fill="${COLORS.sea}"/>`);
  } else {
    parts.push(`<rect x="${box[0][0]}" y="${box[0][1]}" width="${bw}" height="${bh}" fill="${COLORS.sea}"/>`);
  }
  parts.push(`<path d="${path(graticule)}" fill="none" stroke="${COLORS.graticule}" stroke-width="0.6"/>`);
  for (const ring of map.ice ?? []) {
    parts.push(`<path d="${path({ type: 'Polygon', coordinates: [ring] })}" fill="#f4f8fb" stroke="#b9c9d6" stroke-width="0.6"/>`);
  }
  parts.push(`<path d="${path(countries())}" fill="${COLORS.land}" stroke="${COLORS.border}" stroke-width="0.5"/>`);
  for (const s of map.seaLabels ?? []) {
    const [x, y] = projection(s.at);
    parts.push(
      s.name.split('\n').map((line, i) =>
        `<text x="${r2(x)}" y="${r2(y + i * 13)}" font-size="${s.size ?? 11}" font-style="italic" text-anchor="middle" fill="${COLORS.seaLabel}">${esc(line)}</text>`,
      ).join(''),
    );
  }
  for (const route of map.routes) parts.push(routeSvg(path, route));
  for (const route of map.routes) {
    for (const i of route.arrows ?? []) parts.push(arrowSvg(projection, route, i));
  }
  for (const place of map.places ?? []) parts.push(placeSvg(projection, place));
  if (map.inset) parts.push(insetSvg(map.inset, box));
  parts.push(`</g>`);
  parts.push(`<rect x="${box[0][0]}" y="${box[0][1]}" width="${bw}" height="${bh}" fill="none" stroke="${COLORS.frame}" stroke-width="1.5"/>`);
  parts.push(legendSvg(legend, legendTop));
  parts.push(timelineSvg(map.timeline ?? [], legendTop + legend.length * LEGEND_LINE + 6, map.timelineDateWidth));
  parts.push(`</svg>`);
  return parts.join('\n');
}

/** Renders an SVG document to {width, height, pixels (RGBA), png()}. */
export function rasterise(svg) {
  const resvg = new Resvg(svg, {
    font: { fontFiles: FONT_FILES, loadSystemFonts: false, defaultFontFamily: FONT_FAMILY },
    shapeRendering: 2,
    textRendering: 1,
  });
  const image = resvg.render();
  return { width: image.width, height: image.height, pixels: image.pixels, png: () => image.asPng() };
}

/** JPEG bytes of rendered RGBA pixels. */
export function encodeJpeg({ width, height, pixels }) {
  return jpeg.encode({ data: pixels, width, height }, JPEG_QUALITY).data;
}
