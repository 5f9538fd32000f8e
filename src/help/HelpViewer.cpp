// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/HelpViewer.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QImageReader>
#include <QScreen>
#include <QSplitter>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "help/ChmFile.h"
#include "widgets/Accessibility.h"

namespace {
constexpr int kPageRole = Qt::UserRole;
constexpr int kMaxPicturePixels = 4096 * 4096;
}  // namespace

HelpBrowser::HelpBrowser(const ChmFile& file, QWidget* parent) : QTextBrowser(parent), file(file) {
    setOpenLinks(false);
    setAccessibleName(QStringLiteral("Treść pomocy"));
    // A caret that the arrows move line by line, for a screen reader to read.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    // A link reached with Tab is read out by its text.
    connect(this, &QTextBrowser::highlighted, this, [this](const QUrl& url) {
        if (!url.isEmpty() && hasFocus() && textCursor().hasSelection())
            Announce(this, QStringLiteral("Odnośnik: ") + textCursor().selectedText());
    });
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != QLatin1String("chm")) return {};
    const QByteArray bytes = file.read(name.path());
    if (bytes.isEmpty()) return {};
    switch (type) {
        case QTextDocument::HtmlResource:
        case QTextDocument::StyleSheetResource:
            return DecodeHelpText(bytes);
        case QTextDocument::ImageResource:
            return DecodePicture(bytes);
        default:
            return {};
    }
}

QImage HelpBrowser::DecodePicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    // The declared size is checked before any pixel is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels) return {};
    return reader.read();
}

HelpViewer::HelpViewer(const QString& chmPath, QWidget* parent)
    : QDialog(parent), file(std::make_unique<ChmFile>(chmPath)) {
    setWindowTitle(QStringLiteral("Pomoc"));
    Contents = new QTreeWidget;
    Contents->setHeaderLabel(QStringLiteral("Spis treści"));
    Contents->setAccessibleName(QStringLiteral("Spis treści"));
    Browser = new HelpBrowser(*file, this);
    auto* splitter = new QSplitter;
    splitter->addWidget(Contents);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({220, 600});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    const QSize room = screen()->availableGeometry().size() * 0.9;
    resize(std::min(860, room.width()), std::min(620, room.height()));

    const HelpBook book = ReadHelpBook(*file);
    AddTopics(book.topics, nullptr);
    Contents->expandAll();
    connect(Contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && !item->data(0, kPageRole).toString().isEmpty())
            ShowPage(item->data(0, kPageRole).toString());
    });
    connect(Browser, &QTextBrowser::anchorClicked, this, &HelpViewer::FollowLink);
    connect(Browser, &QTextBrowser::sourceChanged, this, &HelpViewer::SelectTopicOf);
    ShowPage(book.firstPage);
}

HelpViewer::~HelpViewer() = default;

QUrl HelpViewer::PageUrl(const QString& page) {
    QUrl url;
    url.setScheme(QStringLiteral("chm"));
    url.setPath(page.section('#', 0, 0));
    if (page.contains('#')) url.setFragment(page.section('#', 1));
    return url;
}

void HelpViewer::ShowPage(const QString& page) {
    const QUrl url = PageUrl(page);
    if (Browser->source().adjusted(QUrl::RemoveFragment) != url.adjusted(QUrl::RemoveFragment) ||
        url.hasFragment())
        Browser->setSource(url, QTextDocument::HtmlResource);
}

void HelpViewer::AddTopics(const QList<HelpTopic>& topics, QTreeWidgetItem* parent) {
    for (const HelpTopic& topic : topics) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(Contents);
        item->setText(0, topic.name);
        item->setData(0, kPageRole, topic.page);
        AddTopics(topic.children, item);
    }
}

// Links inside the help move between its pages; links elsewhere are not
// followed, the help file being untrusted.
void HelpViewer::FollowLink(const QUrl& url) {
    if (url.scheme() == QLatin1String("chm")) Browser->setSource(url, QTextDocument::HtmlResource);
}

void HelpViewer::SelectTopicOf(const QUrl& url) {
    const QString page = url.path();
    if (Contents->currentItem() && Contents->currentItem()->data(0, kPageRole).toString() == page)
        return;
    for (QTreeWidgetItemIterator it(Contents); *it; ++it)
        if ((*it)->data(0, kPageRole).toString() == page) {
            const QSignalBlocker quiet(Contents);
            Contents->setCurrentItem(*it);
            return;
        }
}
