// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Columbus's first voyage: from Palos by the Canaries to San Salvador, Cuba
// and Hispaniola (where the Santa María was wrecked in the night of 24/25
// December 1492), and home by the Azores.
export default {
  band: '1492–1493',
  view: { globe: [-40, 27], zoom: 1.3 },
  route: {
    legs: [
      {
        points: [[-6.9, 37.2], [-12, 32.5], [-17.2, 28.1], [-30, 28], [-50, 27], [-65, 25.5], [-74.5, 24.05], [-75.5, 23], [-75.7, 21.2], [-74.2, 20.3], [-72.8, 19.95], [-72.1, 19.75]],
        arrows: [3, 5],
      },
      {
        dashed: true,
        width: 7,
        points: [[-72.1, 19.75], [-69.3, 19.3], [-60, 28], [-45, 34.5], [-25.1, 37], [-16, 38.5], [-9.3, 38.7], [-6.9, 37.2]],
        arrows: [3],
      },
    ],
  },
  marks: [
    { kind: 'start', at: [-6.9, 37.2] },
    { kind: 'star', at: [-74.5, 24.05] },
  ],
};
