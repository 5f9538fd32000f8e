// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The 1953 Everest expedition: the approach march from Kathmandu through the
// hills of Nepal (highlighted) and up the Khumbu to the summit.
export default {
  band: '1953',
  view: { type: 'mercator', rotate: [-85, 0], fit: [[83.8, 26.3], [88.2, 26.3], [83.8, 29], [88.2, 29]], pad: 6 },
  highlight: ['524'],
  route: {
    legs: [
      {
        points: [
          [85.32, 27.71], [85.43, 27.67], [85.7, 27.55], [86.0, 27.58], [86.25, 27.55], [86.5, 27.55], [86.6, 27.65], [86.71, 27.80],
          [86.76, 27.84], [86.81, 27.89], [86.83, 27.95], [86.853, 28.004], [86.87, 27.99], [86.93, 27.97], [86.925, 27.988],
        ],
        arrows: [3],
      },
    ],
  },
  marks: [
    { kind: 'start', at: [85.32, 27.71] },
    { kind: 'peak', at: [86.925, 27.988] },
  ],
};
