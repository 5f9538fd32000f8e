// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Peary's march of 1909 from Cape Columbia over the sea ice towards the
// North Pole: solid to where the last support party turned back, dashed for
// the disputed last stretch. Thinner, his crossing of northern Greenland (1892).
export default {
  band: '1909',
  view: {
    type: 'azimuthalEquidistant',
    rotate: [55, -90, 0],
    fit: [[-95, 79.5], [-67, 77.7], [-34, 81.6], [-20, 84], [0, 90], [-110, 86]],
    pad: 26,
  },
  extra: [{ points: [[-67, 77.7], [-60, 79], [-52, 80.5], [-43, 81.4], [-34, 81.6]] }],
  route: {
    legs: [
      { points: [[-70.5, 83.1], [-70, 86], [-70, 87.8]], arrows: [0] },
      { dashed: true, points: [[-70, 87.8], [-70, 89.7], [0, 90]] },
    ],
  },
  marks: [
    { kind: 'start', at: [-70.5, 83.1] },
    { kind: 'star', at: [0, 90] },
  ],
};
