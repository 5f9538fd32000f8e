// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Cook's first voyage in the Pacific (1768-1771), coming from England round
// Cape Horn (beyond the globe's edge): to Tahiti, round both islands of New
// Zealand, along the east coast of Australia from Botany Bay (the star) past
// the Great Barrier Reef and on to Batavia.
export default {
  band: '1768–1771',
  view: { globe: [-178, -22] },
  route: {
    legs: [
      {
        points: [
          [-67.3, -56.3], [-90, -45], [-120, -28], [-149.5, -17.5], [-160, -25], [178, -38.7], [174.8, -36.5], [172.7, -34.4], [174.2, -39.5], [171, -44],
          [166.5, -46.5], [174, -41.5], [151.2, -34.0], [153.5, -28], [151, -23], [146.5, -19], [145.3, -15.5],
          [142.5, -10.7], [130, -9.5], [106.8, -6.2],
        ],
        arrows: [2, 4, 12, 16],
      },
    ],
  },
  marks: [
    { kind: 'star', at: [151.2, -34.0] },
  ],
};
