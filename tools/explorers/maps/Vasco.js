// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Vasco da Gama's first voyage to India: from Lisbon in a wide arc through
// the open Atlantic, round the Cape of Good Hope, by Malindi to Calicut.
export default {
  band: '1497–1498',
  view: { globe: [25, 2] },
  route: {
    legs: [
      {
        points: [
          [-9.2, 38.6], [-13, 32], [-16.5, 24], [-23.5, 15], [-25, 0], [-28, -15], [-22, -28], [-5, -35],
          [10, -34.5], [17.9, -32.7], [18.3, -34.6], [20, -35.1], [22.1, -34.4], [27, -34.2], [31.5, -30.5],
          [35.8, -25], [36.5, -20], [40.8, -15.1], [40.6, -10], [39.8, -4.1], [40.3, -3.2], [55, 5], [70, 10],
          [75.6, 11.4],
        ],
        arrows: [4, 9, 16, 21],
      },
    ],
  },
  marks: [
    { kind: 'start', at: [-9.2, 38.6] },
    { kind: 'star', at: [75.6, 11.4] },
  ],
};
