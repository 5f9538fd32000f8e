// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Small helpers for writing SVG text.

export const fmt = (v) => (Math.round(v * 100) / 100).toString();

export function attrs(map) {
  return Object.entries(map)
    .filter(([, v]) => v !== undefined && v !== null)
    .map(([k, v]) => ` ${k}="${typeof v === 'number' ? fmt(v) : v}"`)
    .join('');
}

export const el = (name, map, body) =>
  body === undefined ? `<${name}${attrs(map)}/>` : `<${name}${attrs(map)}>${body}</${name}>`;

export const escapeText = (s) => s.replace(/&/g, '&amp;').replace(/</g, '&lt;');

// Text with a light halo so that it reads over any map colour.
export function haloText(x, y, text, { size = 8, anchor = 'start', fill = '#1d2b3a', halo = '#ffffff' } = {}) {
  const common = { x, y, 'font-family': 'DejaVu Sans', 'font-size': size, 'text-anchor': anchor };
  return (
    el('text', { ...common, fill: 'none', stroke: halo, 'stroke-width': 2.2, 'stroke-linejoin': 'round', opacity: 0.85 }, escapeText(text)) +
    el('text', { ...common, fill }, escapeText(text))
  );
}

// A five-pointed star centred at (x, y) with outer radius r.
export function starPath(x, y, r) {
  const pts = [];
  for (let i = 0; i < 10; i++) {
    const a = -Math.PI / 2 + (i * Math.PI) / 5;
    const rr = i % 2 === 0 ? r : r * 0.45;
    pts.push(`${fmt(x + rr * Math.cos(a))},${fmt(y + rr * Math.sin(a))}`);
  }
  return `M${pts.join('L')}Z`;
}
