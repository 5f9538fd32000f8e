// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads RTF documents as common word processors write them into a
// QTextDocument: character formatting (font, size, bold, italic, underline,
// colours), paragraph alignment, indents, spacing and tab stops, special
// characters, text in the document's code page and in Unicode, and JPEG or
// PNG pictures. Destinations it does not show (style sheet, document info,
// headers, footnotes, ...) are skipped.
//
// The input is untrusted: the reader works in one pass with an explicit
// group stack of bounded depth, never recurses, and caps what it keeps (256 Ki
// characters, 10,000 paragraphs, letters of 72 points, 64 pictures of
// 4096 x 2048 pixels together, each shown at most 1024 pixels wide), so any
// byte string gives a document in time linear in its size and a layout of
// bounded cost.
#include <QByteArray>

class QTextDocument;

// Replaces the content of document with the RTF's. Bytes that do not start
// like RTF are shown as plain Windows-1250 text, as rich-text views do; the
// result is then false.
bool ReadRtf(const QByteArray& rtf, QTextDocument& document);
