// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Rasterising SVG and encoding JPEG, with the bundled font only, so that
// the output does not depend on the fonts of the machine.
import { createRequire } from 'node:module';
import { Resvg } from '@resvg/resvg-js';
import jpeg from 'jpeg-js';

const require = createRequire(import.meta.url);
const fontDir = require.resolve('dejavu-fonts-ttf/package.json').replace(/package\.json$/, 'ttf/');
const FONT = {
  loadSystemFonts: false,
  fontFiles: [`${fontDir}DejaVuSans.ttf`, `${fontDir}DejaVuSans-Bold.ttf`],
  defaultFontFamily: 'DejaVu Sans',
};

// Renders SVG text to { width, height, data } with RGBA pixels.
export function renderSvg(svg, width) {
  const resvg = new Resvg(svg, { font: FONT, fitTo: width ? { mode: 'width', value: width } : { mode: 'original' }, background: '#ffffff' });
  const image = resvg.render();
  return { width: image.width, height: image.height, data: Buffer.from(image.pixels) };
}

export function renderSvgPng(svg, width) {
  const resvg = new Resvg(svg, { font: FONT, fitTo: { mode: 'width', value: width } });
  return resvg.render().asPng();
}

export const encodeJpeg = (rgba, quality = 90) => jpeg.encode(rgba, quality).data;
export const decodeJpeg = (bytes) => jpeg.decode(bytes, { useTArray: true, formatAsRGBA: false });
