// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/HelpPage.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <algorithm>

namespace {
constexpr qsizetype kMaxPageChars = 256 << 10;
constexpr int kMaxTags = 20000;
constexpr int kMaxTableDepth = 4;  // each level multiplies the layout passes
constexpr int kMaxCells = 4000;
constexpr int kMaxBlocks = 10000;
constexpr int kMaxIndent = 16;
constexpr qreal kMaxMargin = 400;
constexpr qreal kMaxPoints = 72;
constexpr int kMaxPixelSize = 96;
constexpr qreal kMaxPictureSide = 2048;

// The deepest nesting of <table> elements, counted on the text.
int TableDepth(const QString& html) {
    static const QRegularExpression table("<\\s*(/?)\\s*table\\b",
                                          QRegularExpression::CaseInsensitiveOption);
    int depth = 0, deepest = 0;
    for (auto it = table.globalMatch(html); it.hasNext();) {
        depth = it.next().captured(1).isEmpty() ? depth + 1 : std::max(0, depth - 1);
        deepest = std::max(deepest, depth);
    }
    return deepest;
}

int FrameDepth(const QTextFrame* frame) {
    int deepest = 0;
    for (const QTextFrame* child : frame->childFrames())
        deepest = std::max(deepest, 1 + FrameDepth(child));
    return deepest;
}

int CellCount(const QTextFrame* frame) {
    int cells = 0;
    for (const QTextFrame* child : frame->childFrames()) {
        if (const auto* table = qobject_cast<const QTextTable*>(child))
            cells += table->rows() * table->columns();
        cells += CellCount(child);
    }
    return cells;
}

bool TooLarge(const QTextCharFormat& format) {
    return format.fontPointSize() > kMaxPoints ||
           format.intProperty(QTextFormat::FontPixelSize) > kMaxPixelSize;
}

bool PictureTooLarge(const QTextCharFormat& format) {
    if (!format.isImageFormat()) return false;
    const QTextImageFormat image = format.toImageFormat();
    return image.width() > kMaxPictureSide || image.height() > kMaxPictureSide;
}

// The first fragment of the block whose font or picture is over its bound.
QString BlockProblem(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    if (format.indent() > kMaxIndent || std::abs(format.leftMargin()) > kMaxMargin ||
        std::abs(format.rightMargin()) > kMaxMargin || std::abs(format.textIndent()) > kMaxMargin)
        return QStringLiteral("wcięcia są za duże");
    if (block.textList() && block.textList()->format().indent() > kMaxIndent)
        return QStringLiteral("listy są zagnieżdżone zbyt głęboko");
    if (TooLarge(block.charFormat())) return QStringLiteral("czcionka jest za duża");
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat chars = it.fragment().charFormat();
        if (TooLarge(chars)) return QStringLiteral("czcionka jest za duża");
        if (PictureTooLarge(chars)) return QStringLiteral("obrazek jest za duży");
    }
    return {};
}
}  // namespace

QString HelpPageProblem(const QString& html) {
    if (html.size() > kMaxPageChars) return QStringLiteral("strona jest za duża");
    if (html.count('<') > kMaxTags) return QStringLiteral("strona ma za dużo znaczników");
    if (TableDepth(html) > kMaxTableDepth)
        return QStringLiteral("tabele są zagnieżdżone zbyt głęboko");
    return {};
}

QString HelpLayoutProblem(const QTextDocument& page) {
    if (page.blockCount() > kMaxBlocks) return QStringLiteral("strona ma za dużo akapitów");
    if (FrameDepth(page.rootFrame()) > kMaxTableDepth)
        return QStringLiteral("tabele są zagnieżdżone zbyt głęboko");
    if (CellCount(page.rootFrame()) > kMaxCells)
        return QStringLiteral("tabele mają za dużo komórek");
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next())
        if (const QString why = BlockProblem(block); !why.isEmpty()) return why;
    return {};
}

QString HelpPageNote(const QString& problem) {
    return QStringLiteral(
               "<html><body><h3>Tej strony pomocy nie można pokazać</h3>"
               "<p>Powód: %1.</p></body></html>")
        .arg(problem.toHtmlEscaped());
}
