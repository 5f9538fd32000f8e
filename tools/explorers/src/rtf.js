// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Converts the documents' small markup into RTF.
//
// Markup, one block per group of non-empty lines:
//   # Title            large bold centred heading
//   ^ Subtitle         centred italic line (dates and places); may repeat
//   ## Heading         bold section heading
//   - Item             bulleted item (each line starting with "- " is one item)
//   plain lines        a paragraph; lines are joined with spaces,
//                      a line ending in "\" breaks the line inside the paragraph
// Inline: **bold**, *italic*.
//
// The RTF is plain ASCII: Polish letters are written as \'hh in Windows-1250,
// characters outside that code page as \uN with an ASCII fallback.

import { cp1250Byte } from './cp1250.js';

const CRLF = '\r\n';

const HEADER =
  '{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1045' +
  '{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}' + CRLF +
  '{\\colortbl ;\\red0\\green56\\blue113;\\red32\\green32\\blue32;\\red96\\green96\\blue96;}' + CRLF +
  '\\viewkind4\\uc1' + CRLF;

// Paragraph openings: alignment, indents, spacing, colour and size.
const STYLES = {
  title: '\\pard\\qc\\sa60\\cf1\\b\\fs32 ',
  subtitle: '\\pard\\qc\\sa60\\cf3\\i\\fs18 ',
  heading: '\\pard\\ql\\sb160\\sa60\\cf1\\b\\fs24 ',
  body: '\\pard\\ql\\sa100\\cf2\\fs20 ',
  item: '\\pard\\ql\\tx284\\li284\\fi-284\\sa40\\cf2\\fs20 \\\'95\\tab ',
};
// Formatting switched off at the end of each paragraph of that style.
const CLOSERS = { title: '\\b0', subtitle: '\\i0', heading: '\\b0', body: '', item: '' };

// ASCII stand-ins, for readers without Unicode, of characters that do not
// decompose into a letter and an accent.
const FALLBACKS = { 'ø': 'o', 'Ø': 'O', '′': "'", '″': '"' };

/** One character as RTF text. */
export function rtfChar(ch) {
  const cp = ch.codePointAt(0);
  if (ch === '\\' || ch === '{' || ch === '}') return '\\' + ch;
  if (cp === 0xa0) return '\\~';
  if (cp >= 0x20 && cp < 0x7f) return ch;
  const b = cp1250Byte(cp);
  if (b !== undefined && b >= 0x80) return "\\'" + b.toString(16).padStart(2, '0');
  if (cp > 0xffff) throw new Error(`character U+${cp.toString(16)} is outside the BMP`);
  const signed = cp > 0x7fff ? cp - 0x10000 : cp;
  const fallback = FALLBACKS[ch] ?? ch.normalize('NFD')[0];
  return `\\u${signed}` + (/[\x20-\x7e]/.test(fallback) ? rtfChar(fallback) : '?');
}

export function rtfText(text) {
  return Array.from(text, rtfChar).join('');
}

/** Inline markup (**bold**, *italic*, "\" line break) of one paragraph as RTF. */
export function rtfInline(text) {
  let out = '';
  let bold = false;
  let italic = false;
  const re = /\*\*|\*|\\\n/g;
  let last = 0;
  for (const m of text.matchAll(re)) {
    out += rtfText(text.slice(last, m.index));
    last = m.index + m[0].length;
    if (m[0] === '**') {
      bold = !bold;
      out += bold ? '\\b ' : '\\b0 ';
    } else if (m[0] === '*') {
      italic = !italic;
      out += italic ? '\\i ' : '\\i0 ';
    } else {
      out += '\\line ';
    }
  }
  if (bold || italic) throw new Error(`unclosed emphasis in: ${text}`);
  return out + rtfText(text.slice(last));
}

/** Splits the markup into blocks: [{style, text}]. */
export function parseMarkup(source) {
  const blocks = [];
  let para = null;
  const flush = () => {
    if (para) blocks.push({ style: 'body', text: para.join('\n').replace(/(?<!\\)\n/g, ' ') });
    para = null;
  };
  for (const raw of source.replace(/\r\n?/g, '\n').split('\n')) {
    const line = raw.trim();
    const prefixed = [
      ['## ', 'heading'],
      ['# ', 'title'],
      ['^ ', 'subtitle'],
      ['- ', 'item'],
    ].find(([p]) => line.startsWith(p));
    if (line === '') {
      flush();
    } else if (prefixed) {
      flush();
      blocks.push({ style: prefixed[1], text: line.slice(prefixed[0].length).trim() });
    } else {
      (para ??= []).push(line);
    }
  }
  flush();
  return blocks;
}

const MONTHS =
  'stycznia|lutego|marca|kwietnia|maja|czerwca|lipca|sierpnia|września|października|listopada|grudnia';
// Spaces that must not break a line: inside dates ("20 września 1519 roku"),
// between a number and its unit or era, after "ok.", and after one-letter
// words, which Polish typesetting never leaves at a line's end.
const TIES = [
  new RegExp(`(\\d) (?=(?:\\*\\*)?(?:${MONTHS})\\b)`, 'gu'),
  new RegExp(`((?:${MONTHS})(?:\\*\\*)?) (?=\\d)`, 'gu'),
  /(\d) (?=(?:roku|r\.|p\.n\.e\.|n\.e\.|m\b|metrów|kilometrów|lat\b))/gu,
  /(\bok\.) (?=\d)/gu,
  /((?:^|[\s„(])[AaIiOoUuWwZz]) /gu,
];

/** The text with no-break spaces where a line must not break. */
export function tieSpaces(text) {
  // Applied twice so that neighbouring ties ("w 1492 roku") both take.
  const once = (t) => TIES.reduce((acc, re) => acc.replace(re, '$1\u00a0'), t);
  return once(once(text));
}

/** The whole RTF document of a markup source. */
export function markupToRtf(source) {
  const body = parseMarkup(source)
    .map((b) => STYLES[b.style] + rtfInline(tieSpaces(b.text)) + CLOSERS[b.style] + '\\par' + CRLF)
    .join('');
  return HEADER + body + '}' + CRLF;
}

/** The words a reader sees (markup removed), for length checks. */
export function plainWords(source) {
  const text = parseMarkup(source)
    .map((b) => b.text)
    .join(' ')
    .replace(/\*+|\\/g, ' ');
  return text.split(/\s+/).filter((w) => /\p{L}|\d/u.test(w));
}
