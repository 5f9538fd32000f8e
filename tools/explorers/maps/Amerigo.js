// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Vespucci's Portuguese voyage of 1501-1502: from Lisbon by Cape Verde to
// Brazil and far south along its coast past the bay of Rio de Janeiro (the
// star); the way home (dashed) is not known exactly.
export default {
  band: '1501–1502',
  view: { type: 'mercator', rotate: [30, 0], fit: [[-56, -36], [-6, -36], [-56, 40], [-6, 40]], pad: 10 },
  route: {
    legs: [
      {
        points: [
          [-9.2, 38.6], [-14, 31], [-16.5, 24], [-17.6, 14.7], [-25, 6], [-32, -2], [-35.1, -5.5], [-34.7, -9],
          [-38.3, -13.5], [-38.7, -18.5], [-40.9, -22.3], [-43.2, -23.1], [-47.5, -26], [-49.5, -29.5], [-51.5, -32.5],
        ],
        arrows: [2, 5, 9],
      },
      { dashed: true, width: 7, points: [[-51.5, -32.5], [-40, -30], [-25, -15], [-13.5, 8], [-20, 25], [-27, 38.5], [-9.2, 38.6]] },
    ],
  },
  marks: [
    { kind: 'start', at: [-9.2, 38.6] },
    { kind: 'star', at: [-43.2, -22.9] },
  ],
};
