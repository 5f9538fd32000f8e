// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Drake's voyage round the world on the Golden Hind (1577-1580), seen from
// above the South Pole: from Plymouth through the Strait of Magellan, up the
// coasts of Chile and Peru to New Albion, across the Pacific to the Moluccas
// and home round the Cape of Good Hope.
export default {
  band: '1577–1580',
  view: { type: 'azimuthalEquidistant', rotate: [20, 90, 0], clipAngle: 144, fitSphere: true, pad: 4 },
  graticuleStep: [30, 15],
  route: {
    legs: [
      {
        points: [
          [-4.14, 50.37], [-9.77, 31.5], [-23.5, 15], [-35, -10], [-52, -33], [-56, -35.5], [-65, -45],
          [-67.7, -49.3], [-68.4, -52.4], [-74.5, -52.6], [-78, -56], [-70, -57.5], [-75.5, -50], [-74, -40],
          [-71.6, -33.05], [-71.5, -25], [-77.15, -12.05], [-80.5, -3], [-80.5, 1], [-88, 10], [-96.1, 15.7],
          [-112, 22], [-122.9, 38.0], [-150, 25], [-172, 15], [160, 10], [134.5, 7.5], [127.4, 0.8],
          [121, -3], [111, -8.5], [80, -25], [40, -37], [20, -36.5], [5, -15], [-13.2, 8.5], [-20, 30], [-4.14, 50.37],
        ],
        arrows: [3, 15, 23, 30, 34],
      },
    ],
  },
  marks: [{ kind: 'start', at: [-4.14, 50.37] }],
};
