// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Bounds a help page must keep before it is shown, so that any page, however
// crafted, lays out in a fraction of a second: its size, the nesting of its
// tables and lists, the number of its cells and blocks, and the sizes of its
// fonts and pictures.
#include <QString>

class QTextDocument;

// Why a page's HTML cannot be shown (Polish), or empty when it can. Checked on
// the text before it is parsed.
QString HelpPageProblem(const QString& html);
// The same for the page once parsed into a document that is not yet laid out.
QString HelpLayoutProblem(const QTextDocument& page);
// The page shown in place of one that cannot be.
QString HelpPageNote(const QString& problem);
