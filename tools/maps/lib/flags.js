// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The flags of the states, rendered from the 4:3 SVG flags of the npm package
// flag-icons (MIT) into small PNG pictures. The rasteriser gets no system
// fonts, so the same SVG gives the same bytes everywhere.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { Resvg } from '@resvg/resvg-js';

export const FLAG_WIDTH = 48; // 48 x 36 px
const flagDir = join(dirname(createRequire(import.meta.url).resolve('flag-icons/package.json')), 'flags/4x3');

export const flagEntryName = (code) => `flags/${code}.png`;

export function renderFlag(code) {
  const svg = readFileSync(join(flagDir, `${code}.svg`));
  const resvg = new Resvg(svg, {
    fitTo: { mode: 'width', value: FLAG_WIDTH },
    font: { loadSystemFonts: false },
  });
  return Buffer.from(resvg.render().asPng());
}
