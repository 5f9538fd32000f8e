// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The voyage round Africa that Herodotus tells of (about 600 BC): from the
// Red Sea south along the coast, round the south of the continent and home
// through the Pillars of Hercules to the Nile. Thinner: Hanno's voyage along
// West Africa.
export default {
  band: 'ok. 600 p.n.e.',
  view: { type: 'mercator', rotate: [-15, 0], fit: [[-18, 37], [52, 37], [-18, -35], [52, -35]], pad: 8 },
  extra: [{ points: [[10.3, 36.9], [5, 37.5], [-2, 36.3], [-6, 35.9], [-9.8, 32.5], [-13.5, 27.5], [-17, 21], [-17.8, 15], [-16, 11], [-13.3, 8.5]] }],
  route: {
    legs: [
      {
        points: [
          [32.5, 29.9], [34.5, 27], [38, 20], [43.3, 12.6], [51.5, 11.9], [49.5, 5], [44, -1], [41, -5],
          [41, -12], [36.5, -20], [34, -26], [30.5, -31.5], [25, -34.5], [20, -35.3], [16.5, -30], [12.5, -20],
          [11.5, -10], [8.5, -3], [5, 3], [0, 4.5], [-7, 4], [-13.5, 8], [-18, 14.7], [-17.8, 21], [-13.5, 28],
          [-9.8, 33], [-6, 35.9], [0, 37], [10, 37.8], [15, 35], [20, 34], [25, 33.8], [29, 32], [30.5, 31.6],
        ],
        arrows: [3, 9, 15, 21, 28],
      },
    ],
  },
  marks: [{ kind: 'start', at: [32.5, 29.9] }],
};
