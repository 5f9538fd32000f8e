// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The Norsemen's way west: from Norway by the Faroes to Iceland, on to
// Greenland and to Vinland (L'Anse aux Meadows, the star); thinner, the
// Varangians' river road from Sweden "to the Greeks" at Constantinople.
export default {
  band: 'ok. 1000',
  view: { globe: [-25, 60], zoom: 1.7 },
  extra: [
    {
      points: [[17.5, 59.3], [19.5, 59.0], [22, 59.5], [27, 60], [30, 60], [32, 59.9], [31.3, 58.5], [31, 56], [30.5, 53], [30.5, 50.45], [33, 48], [32.5, 46.5], [31, 44], [29.5, 42], [29.0, 41.0]],
    },
  ],
  route: {
    legs: [
      {
        points: [
          [5.3, 60.4], [-1.3, 60.5], [-6.9, 62.0], [-14, 63.5], [-21.9, 64.1], [-23.5, 65.2], [-32, 65.3], [-39, 64],
          [-42, 61], [-44, 59.3], [-46.5, 60.2], [-45.5, 61.15], [-48, 60.5], [-54, 62.5], [-62, 63.5], [-62, 59],
          [-58.5, 55], [-56, 52.5], [-55.5, 51.6],
        ],
        arrows: [2, 7, 16],
      },
    ],
  },
  marks: [
    { kind: 'start', at: [5.3, 60.4] },
    { kind: 'star', at: [-55.5, 51.6] },
  ],
};
