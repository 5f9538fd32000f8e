// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The first voyage round the world seen from above the South Pole: Magellan
// from Sanlúcar through his strait to the Philippines, where he died on
// Mactan (the star), and Elcano's Victoria home round Africa (dashed).
export default {
  band: '1519–1522',
  view: { type: 'azimuthalEquidistant', rotate: [20, 90, 0], clipAngle: 132, fitSphere: true, pad: 4 },
  graticuleStep: [30, 15],
  route: {
    legs: [
      {
        points: [
          [-6.4, 36.8], [-16.5, 28.3], [-20, 14], [-33, -5], [-43.2, -23.1], [-56, -35.5], [-67.7, -49.3],
          [-68.4, -52.4], [-74.5, -52.6], [-80, -45], [-95, -28], [-120, -17], [-140, -15], [-158, -2],
          [-175, 8], [160, 12], [144.7, 13.4], [125.7, 10.7], [123.9, 10.3],
        ],
        arrows: [3, 11, 15],
      },
      {
        dashed: true,
        points: [
          [123.9, 10.3], [118, 9.5], [114.9, 5.2], [121, 4], [127.4, 0.7], [124.5, -9.5], [100, -25], [70, -37],
          [40, -40], [20, -36.5], [5, -20], [-12, 0], [-23.5, 15.5], [-20, 30], [-6.4, 36.8],
        ],
        arrows: [7, 11],
      },
    ],
  },
  marks: [
    { kind: 'start', at: [-6.4, 36.8] },
    { kind: 'cross', at: [123.9, 10.3] },
  ],
};
