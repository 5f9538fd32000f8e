// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The projection of each continent map: a d3 projection at unit scale, then a
// similarity transform T = [a, b, c, d, e, f] to map pixels:
//   X = a·px + b·py + e,  Y = c·px + d·py + f.
// These fits put every Find point of the tables on its own country.
import { geoEquirectangular, geoStream } from 'd3-geo';
import { geoMiller, geoRobinson } from 'd3-geo-projection';

const equirect = (lon0, stdpar) => ({
  projection: geoEquirectangular().rotate([-lon0, 0]),
  xScale: Math.cos((stdpar * Math.PI) / 180),
});
const plain = (projection, lon0) => ({ projection: projection.rotate([-lon0, 0]), xScale: 1 });

const FITS = {
  AmerykaS: { size: [385, 351], ...equirect(-63, 7), T: [224.065, -3.8618, 3.8618, 224.065, 111.4479, 49.5165] },
  AmerykaN: { size: [433, 351], ...plain(geoMiller(), -91), T: [142.1019, -2.9046, 2.9046, 142.1019, 194.5094, 293.1076] },
  // Reaches east to the Lesser Antilles.
  AmerykaSR: { size: [433, 351], ...equirect(-75.5, 17), T: [741, 0, 0, 741, 216.5, 364] },
  // Holds Iceland and Malta.
  Europa: { size: [478, 348], ...plain(geoRobinson(), 18.5), T: [463.8114, 19.1773, -19.1773, 463.8114, 292.5311, 663.6419] },
  AfrykaN: { size: [468, 348], ...equirect(17, 0), T: [329.7005, 1.4703, -1.4703, 329.7005, 245.2123, 226.9291] },
  AfrykaS: { size: [438, 348], ...equirect(29.5, 15), T: [474.8024, 1.5141, -1.5141, 474.8024, 169.2018, 47.1316] },
  Azja: { size: [488, 348], ...plain(geoMiller(), 85.5), T: [208.2781, 0.2619, -0.2619, 208.2781, 217.8803, 294.7128] },
  // Australia with the Pacific states as far as Samoa and Tonga.
  Australia: { size: [468, 348], ...equirect(159, 0), T: [284.8, 0, 0, 284.8, 234, 109.3] },
};

// Returns { width, height, rings(polygon) -> [[[x, y]...]...], point([lon, lat]) -> [x, y] | null }.
export function mapProjection(base) {
  const fit = FITS[base];
  if (!fit) throw new Error(`no projection for ${base}`);
  const projection = fit.projection.scale(1).translate([0, 0]).precision(0);
  const [a, b, c, d, e, f] = fit.T;
  const toPixel = (px, py) => {
    px *= fit.xScale;
    return [a * px + b * py + e, c * px + d * py + f];
  };
  // d3 clips the sphere (antimeridian cut) and hands over planar rings.
  const stream = (rings) => {
    let ring = null;
    return {
      point(x, y) { ring.push(toPixel(x, y)); },
      lineStart() { ring = []; },
      lineEnd() { if (ring.length > 2) rings.push(ring); },
      polygonStart() {},
      polygonEnd() {},
      sphere() {},
    };
  };
  return {
    width: fit.size[0],
    height: fit.size[1],
    rings(polygon) {
      const rings = [];
      geoStream({ type: 'Polygon', coordinates: polygon }, projection.stream(stream(rings)));
      return rings;
    },
    point(lonLat) {
      const p = projection(lonLat);
      return p ? toPixel(p[0], p[1]) : null;
    },
  };
}
