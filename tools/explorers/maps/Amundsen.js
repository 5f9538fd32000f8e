// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The race to the South Pole: Amundsen from Framheim on the Bay of Whales up
// the Axel Heiberg Glacier to the Pole (1911); thinner, Scott's route from
// Cape Evans (1911-1912).
export default {
  band: '1911',
  view: {
    type: 'azimuthalEquidistant',
    rotate: [-15, 90, 0],
    fit: [[-163.6, -78.2], [166.4, -77.2], [0, -90], [-140, -84], [175, -84], [-110, -88], [100, -88]],
    pad: 26,
  },
  graticuleOverLand: true,
  graticuleStep: [15, 2],
  // The Ross Ice Shelf, roughly: its front along 78 degrees south and the
  // coasts of the Transantarctic Mountains and Marie Byrd Land behind it.
  ice: [
    [
      [166.5, -77.8], [170, -78], [175, -78.2], [180, -78.3], [-175, -78.4], [-170, -78.5], [-164, -78.5],
      [-160, -78.3], [-155, -78.5], [-150, -80], [-148, -82], [-150, -85.5], [-165, -86], [180, -85],
      [170, -84], [162, -82], [160, -79], [166.5, -77.8],
    ],
  ],
  extra: [
    { points: [[166.4, -77.6], [168, -79], [169, -80.5], [170, -82], [171, -83.5], [171, -84.5], [168, -85.5], [162, -87], [155, -88.5], [0, -90]] },
  ],
  route: {
    legs: [
      {
        points: [[-163.6, -78.6], [-163.5, -80], [-163.5, -82], [-164, -84], [-165, -85.1], [-168, -85.6], [-170, -87], [-170, -89], [0, -90]],
        arrows: [1, 5],
      },
    ],
  },
  marks: [
    { kind: 'start', at: [-163.6, -78.6] },
    { kind: 'star', at: [0, -90] },
  ],
};
