// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Strzelecki's expedition of 1840 from Sydney to Mount Kosciuszko (the
// summit mark) and through Gippsland to Melbourne; thinner, his surveys of
// Tasmania (1840-1842).
export default {
  band: '1840',
  view: { type: 'mercator', rotate: [-147, 0], fit: [[141, -44], [153.5, -44], [141, -32.5], [153.5, -32.5]], pad: 10 },
  extra: [
    {
      dashed: true,
      points: [
        [147.14, -41.43], [146.4, -41.2], [145.9, -41.05], [145.3, -41.6], [145.5, -42.3], [146.3, -42.6],
        [146.9, -43.2], [147.33, -42.88], [147.9, -42.4], [148.1, -41.6], [147.8, -41.2], [147.14, -41.43],
      ],
    },
  ],
  route: {
    legs: [
      {
        points: [
          [151.21, -33.87], [150.3, -34.4], [149.5, -34.7], [148.9, -34.8], [148.6, -35.3], [148.4, -35.9],
          [148.26, -36.46], [148.1, -37.1], [147.6, -37.6], [147.0, -37.9], [146.4, -38.3], [145.6, -38.3],
          [145.3, -38.1], [144.96, -37.81],
        ],
        arrows: [2, 9, 12],
      },
    ],
  },
  marks: [
    { kind: 'start', at: [151.21, -33.87] },
    { kind: 'peak', at: [148.26, -36.46] },
  ],
};
