// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/HelpContents.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>

#include "help/ChmFile.h"

QString DecodeHelpText(const QByteArray& bytes) {
    static const QRegularExpression utf8("charset\\s*=\\s*[\"']?utf-?8",
                                         QRegularExpression::CaseInsensitiveOption);
    const bool isUtf8 = utf8.match(QString::fromLatin1(bytes.left(1024))).hasMatch();
    QStringDecoder decoder(isUtf8 ? "UTF-8" : "windows-1250");
    return decoder.decode(bytes);
}

namespace {
constexpr int kMaxDepth = 8;

// The value of a <param name="..." value="..."> attribute, entities decoded.
QString ParamValue(const QString& attributes, const QString& key) {
    static const QRegularExpression attr("(\\w+)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))");
    for (auto it = attr.globalMatch(attributes); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).compare(key, Qt::CaseInsensitive) != 0) continue;
        const QString raw = m.captured(2) + m.captured(3) + m.captured(4);
        return QTextDocumentFragment::fromHtml(raw).toPlainText().trimmed();
    }
    return {};
}

QString PagePath(QString local) {
    local = local.section('#', 0, 0).trimmed();
    if (local.isEmpty()) return {};
    return local.startsWith('/') ? local : '/' + local;
}
}  // namespace

QList<HelpTopic> ParseHelpContents(const QString& sitemap) {
    static const QRegularExpression tag("<\\s*(/?)\\s*(ul|object|param)\\b([^>]*)>",
                                        QRegularExpression::CaseInsensitiveOption);
    QList<HelpTopic> root;
    // One entry per open list; a list opens under the last topic before it.
    // Lists deeper than kMaxDepth, or with no topic before them, stay flat.
    QList<QList<HelpTopic>*> levels;
    HelpTopic pending;
    bool inObject = false;
    for (auto it = tag.globalMatch(sitemap); it.hasNext();) {
        const auto m = it.next();
        const bool closing = !m.captured(1).isEmpty();
        const QString name = m.captured(2).toLower();
        QList<HelpTopic>* level = levels.isEmpty() ? &root : levels.back();
        if (name == "ul" && !closing) {
            const bool nest = !levels.isEmpty() && !level->isEmpty() && levels.size() < kMaxDepth;
            levels.append(nest ? &level->back().children : level);
        } else if (name == "ul") {
            if (!levels.isEmpty()) levels.removeLast();
        } else if (name == "object") {
            if (!closing) {
                pending = HelpTopic{};
                inObject = true;
            } else if (inObject) {
                inObject = false;
                if (!pending.name.isEmpty()) level->append(pending);
            }
        } else if (inObject) {
            const QString key = ParamValue(m.captured(3), "name");
            const QString value = ParamValue(m.captured(3), "value");
            if (key.compare("Name", Qt::CaseInsensitive) == 0) pending.name = value;
            if (key.compare("Local", Qt::CaseInsensitive) == 0) pending.page = PagePath(value);
        }
    }
    return root;
}

HelpBook ReadHelpBook(const ChmFile& file) {
    HelpBook book;
    for (const QString& path : file.files()) {
        if (!path.endsWith(".hhc", Qt::CaseInsensitive)) continue;
        book.topics = ParseHelpContents(DecodeHelpText(file.read(path)));
        break;
    }
    book.firstPage = "/index.html";
    for (const HelpTopic& topic : book.topics)
        if (!topic.page.isEmpty()) {
            book.firstPage = topic.page;
            break;
        }
    return book;
}
