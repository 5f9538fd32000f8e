// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The two voyages that opened the age of discovery, both from the Iberian
// Peninsula: Columbus to the Bahamas (1492) and Vasco da Gama round Africa
// to India (1497-1498).
import kolumb from './Kolumb.js';
import vasco from './Vasco.js';

export default {
  band: '1492 i 1498',
  view: { globe: [-2, 16] },
  route: { legs: [kolumb.route.legs[0], vasco.route.legs[0]].map(({ points }) => ({ points, arrows: [3] })) },
  marks: [
    { kind: 'start', at: [-8, 38] },
    { kind: 'star', at: [-74.5, 24.05] },
    { kind: 'star', at: [75.6, 11.4] },
  ],
};
