// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/HelpViewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QScreen>
#include <QSplitter>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "platform/TarvoError.h"
#include "help/ChmFile.h"
#include "help/HelpPage.h"

namespace {
constexpr int kPageRole = Qt::UserRole;
}  // namespace

HelpBrowser::HelpBrowser(const ChmFile& file, QWidget* parent) : QTextBrowser(parent), file(file) {
    setOpenLinks(false);
    setAccessibleName(QStringLiteral("Treść pomocy"));
}

// Every answer is a valid value, empty when there is nothing to show: an
// invalid one would make QTextDocument look for the name on the local disk.
QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QVariant nothing =
        type == QTextDocument::ImageResource ? QVariant(QImage()) : QVariant(QString());
    const QUrl url = source().resolved(name);
    if (url.scheme() != QLatin1String("chm")) return nothing;
    const QByteArray bytes = file.read(url.path());
    if (bytes.isEmpty()) return nothing;
    switch (type) {
        case QTextDocument::HtmlResource:
            return Page(bytes);
        case QTextDocument::StyleSheetResource:
            return DecodeHelpText(bytes);
        case QTextDocument::ImageResource:
            return Picture(bytes);
        default:
            return nothing;
    }
}

// The page is parsed once off screen to check it before the view lays it out.
QString HelpBrowser::Page(const QByteArray& bytes) {
    pictures = PictureBudget{};
    const QString html = DecodeHelpText(bytes);
    QString why = HelpPageProblem(html);
    if (why.isEmpty()) {
        QTextDocument parsed(this);  // whose resources come from here too
        parsed.setHtml(html);
        why = HelpLayoutProblem(parsed);
    }
    return why.isEmpty() ? html : HelpPageNote(why);
}

QImage HelpBrowser::Picture(const QByteArray& bytes) {
    try {
        return DecodeBudgetedPicture(bytes, pictures);
    } catch (const TarvoError&) {
        return {};
    }
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
