// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The twenty topics in the reader's list order. The picture of topic n is
// stored as "Im<n>a.jpg"; `source` names the files in texts/ and maps/.

export const TOPICS = [
  { entry: 'Wstep.rtf', source: 'Wstep' },
  { entry: 'Fenicja.rtf', source: 'Fenicja' },
  { entry: 'Herodot.rtf', source: 'Herodot' },
  { entry: 'Aleksand.rtf', source: 'Aleksand' },
  { entry: 'Wiking.rtf', source: 'Wiking' },
  { entry: 'Marco.rtf', source: 'Marco' },
  { entry: 'Amerigo.rtf', source: 'Amerigo' },
  { entry: 'Vasco.rtf', source: 'Vasco' },
  { entry: 'Kolumb.rtf', source: 'Kolumb' },
  { entry: 'Magellan.rtf', source: 'Magellan' },
  { entry: 'Pizarro.rtf', source: 'Pizarro' },
  { entry: 'Drake.rtf', source: 'Drake' },
  { entry: 'Cook.rtf', source: 'Cook' },
  { entry: 'Humboldt.rtf', source: 'Humboldt' },
  { entry: 'Strzel.rtf', source: 'Strzel' },
  { entry: 'Living.rtf', source: 'Living' },
  { entry: 'Czerski.rtf', source: 'Czerski' },
  { entry: 'Peary.rtf', source: 'Peary' },
  { entry: 'Amundsen.rtf', source: 'Amundsen' },
  { entry: 'hillary.rtf', source: 'hillary' },
].map((t, i) => ({ ...t, n: i + 1, picture: `Im${i + 1}a.jpg` }));
