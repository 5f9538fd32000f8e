// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Pizarro's conquest of the Inca empire: from Panama along the coast to
// Tumbes, inland to Cajamarca (1532) and on to Cuzco (1533); thinner, the
// branch to Lima, founded in 1535.
export default {
  band: '1531–1535',
  view: { type: 'mercator', rotate: [77, 0], fit: [[-84, -15], [-68, -15], [-84, 10], [-68, 10]], pad: 8 },
  extra: [{ points: [[-75.5, -11.78], [-77.04, -12.05]] }],
  route: {
    legs: [
      {
        points: [
          [-79.52, 8.98], [-80.5, 6], [-80.6, 2.5], [-80.1, 0.6], [-80.3, -2.8], [-80.45, -3.57], [-80.63, -5.19],
          [-79.5, -6.3], [-78.52, -7.16], [-77.6, -9.5], [-75.5, -11.78], [-74.22, -13.16], [-71.97, -13.53],
        ],
        arrows: [2, 7, 10],
      },
    ],
  },
  marks: [
    { kind: 'start', at: [-79.52, 8.98] },
    { kind: 'star', at: [-71.97, -13.53] },
  ],
};
