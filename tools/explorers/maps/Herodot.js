// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Herodotus's travels from Halicarnassus: up the Nile to Elephantine (the
// thick route), and thinner to Tyre and Babylon, to Olbia on the Black Sea,
// and by Athens to Thurii.
export default {
  band: 'ok. 450 p.n.e.',
  view: { type: 'mercator', rotate: [-30, 0], fit: [[15, 22], [46, 22], [15, 47], [46, 47]], pad: 10 },
  rivers: [[[31.0, 31.5], [31.1, 30.5], [31.25, 29.85], [30.8, 28.5], [31.2, 27.2], [32.5, 26], [32.7, 25.4], [32.9, 24.1], [32.9, 22.5]]],
  extra: [
    { points: [[27.4, 37], [29, 35.8], [33, 34.2], [35.2, 33.3], [36.8, 34.8], [38.5, 35.9], [40.5, 34.5], [43, 33], [44.4, 32.5]] },
    { points: [[27.4, 37], [26.3, 38.8], [26, 40], [26.6, 40.4], [28, 40.7], [29, 41.1], [29.8, 42.3], [30.7, 45], [31.9, 46.6]] },
    { points: [[27.4, 37], [26, 37.1], [24.5, 37.6], [23.7, 37.9], [23.6, 37.6], [23.1, 36.3], [21.6, 36.6], [20.2, 38.2], [18.8, 39.7], [17.3, 39.9], [16.5, 39.7]] },
  ],
  route: {
    legs: [
      {
        points: [[27.4, 37], [28.3, 35.9], [30, 32.5], [31, 31.5], [31.1, 30.5], [31.25, 29.85], [30.8, 28.5], [31.2, 27.2], [32.5, 26], [32.7, 25.4], [32.9, 24.1]],
        arrows: [2, 6],
      },
    ],
  },
  marks: [
    { kind: 'start', at: [27.4, 37.0] },
    { kind: 'star', at: [32.9, 24.1] },
  ],
};
