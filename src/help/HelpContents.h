// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the help viewer reads from a compiled help file, window-free: the
// table of contents and the pages' text.
#include <QByteArray>
#include <QList>
#include <QString>

class ChmFile;

struct HelpTopic {
    QString name;
    QString page;  // absolute path inside the help file, "/quiz.html"
    QList<HelpTopic> children;
};

// The pages and sitemaps are Windows-1250 unless their meta tag says UTF-8.
QString DecodeHelpText(const QByteArray& bytes);

// Parses a sitemap ("Terravika.hhc"): nested lists of topics with a name and
// a local page. Topics without a name are skipped; nesting is bounded.
QList<HelpTopic> ParseHelpContents(const QString& sitemap);

// The table of contents of a help file (its first .hhc) and the page to show
// first (the first topic's, or "/index.html").
struct HelpBook {
    QList<HelpTopic> topics;
    QString firstPage;
};
HelpBook ReadHelpBook(const ChmFile& file);
