// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { markupToRtf, parseMarkup, plainWords, rtfInline, tieSpaces } from '../src/rtf.js';

test('Polish letters become Windows-1250 hex escapes and the file stays ASCII', () => {
  const rtf = markupToRtf('Zażółć gęślą jaźń. ZAŻÓŁĆ GĘŚLĄ JAŹŃ – „cudzysłów”');
  assert.match(rtf, /Za\\'bf\\'f3\\'b3\\'e6 g\\'ea\\'9cl\\'b9 ja\\'9f\\'f1/);
  assert.match(rtf, /ZA\\'af\\'d3\\'a3\\'c6 G\\'ca\\'8cL\\'a5 JA\\'8f\\'d1/);
  assert.match(rtf, /\\'96 \\'84cudzys\\'b3\\'f3w\\'94/);
  assert.ok(/^[\x00-\x7f]*$/.test(rtf));
});

test('characters outside Windows-1250 use \\u with an ASCII fallback', () => {
  assert.equal(rtfInline('São'), 'S\\u227ao');
  assert.equal(rtfInline('Ñ'), '\\u209N');
  assert.equal(rtfInline('Gjøa 87°06′'), "Gj\\u248oa 87\\'b006\\u8242'");
  assert.equal(rtfInline('\uff5e'), '\\u-162?');
});

test('RTF control characters in the text are escaped', () => {
  assert.equal(rtfInline('a\\b {c}'), 'a\\\\b \\{c\\}');
});

test('bold and italic toggle and must be closed', () => {
  assert.equal(rtfInline('**Cook** i *Endeavour*'), '\\b Cook\\b0  i \\i Endeavour\\i0 ');
  assert.throws(() => rtfInline('**niedomknięte'));
});

test('blocks: title, subtitle, heading, items and joined paragraph lines', () => {
  const blocks = parseMarkup('# T\n^ s\n\n## H\nw1\nw2 \\\nw3\n\n- a\n- b\n');
  assert.deepEqual(blocks, [
    { style: 'title', text: 'T' },
    { style: 'subtitle', text: 's' },
    { style: 'heading', text: 'H' },
    { style: 'body', text: 'w1 w2 \\\nw3' },
    { style: 'item', text: 'a' },
    { style: 'item', text: 'b' },
  ]);
  const rtf = markupToRtf('w2 \\\nw3');
  assert.match(rtf, /w2 \\line w3\\par/);
});

test('a document is one group with a code page, font and colour table', () => {
  const rtf = markupToRtf('# Tytuł\n\nTekst.');
  assert.ok(rtf.startsWith('{\\rtf1\\ansi\\ansicpg1250'));
  assert.match(rtf, /\{\\fonttbl\{\\f0[^}]*;\}\}/);
  assert.match(rtf, /\{\\colortbl ;/);
  assert.ok(rtf.trimEnd().endsWith('}'));
  let depth = 0;
  for (const [i, ch] of [...rtf].entries()) {
    if (rtf[i - 1] === '\\') continue;
    if (ch === '{') depth++;
    if (ch === '}') depth--;
    assert.ok(depth > 0 || i >= rtf.trimEnd().length - 1);
  }
  assert.equal(depth, 0);
});

test('word count ignores markup', () => {
  assert.deepEqual(plainWords('# Jan Czerski\n^ 1845 – 1892\n\n**Góry** *Czerskiego* – tak.'), [
    'Jan', 'Czerski', '1845', '1892', 'Góry', 'Czerskiego', 'tak.',
  ]);
});

test('dates, numbers with units and one-letter words are tied to what follows', () => {
  const tied = (t) => tieSpaces(t).replace(/\u00a0/g, '~');
  assert.equal(tied('**20 września 1519 roku** z portu'), '**20~września~1519~roku** z~portu');
  assert.equal(tied('ok. 600 p.n.e. a potem'), 'ok.~600~p.n.e. a~potem');
  assert.equal(tied('W nocy z 24 na 25 grudnia'), 'W~nocy z~24 na 25~grudnia');
  assert.equal(tied('ma 2228 m wysokości, Issos i Tyr'), 'ma 2228~m wysokości, Issos i~Tyr');
  assert.match(markupToRtf('7 lipca 1892'), /7\\~lipca\\~1892/);
});
