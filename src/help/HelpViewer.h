// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's own help window: the table of contents beside the pages of
// the compiled help file, shown when the desktop has no viewer for it.
#include <QDialog>
#include <QTextBrowser>
#include <memory>

#include "data/ImageCodecs.h"
#include "help/HelpContents.h"

class ChmFile;
class QTreeWidget;
class QTreeWidgetItem;

// A text browser whose every page, style sheet and picture comes from the
// help file ("chm:/page.html"); nothing is read from disk or the network. A
// page over the layout bounds is replaced by a note, and the pictures of one
// page share one budget.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(const ChmFile& file, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString Page(const QByteArray& bytes);
    QImage Picture(const QByteArray& bytes);
    const ChmFile& file;
    PictureBudget pictures;
};

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    // Throws TarvoError when the help file cannot be opened.
    HelpViewer(const QString& chmPath, QWidget* parent = nullptr);
    ~HelpViewer() override;

    static QUrl PageUrl(const QString& page);
    void ShowPage(const QString& page);

    QTreeWidget* Contents;
    HelpBrowser* Browser;

private:
    void AddTopics(const QList<HelpTopic>& topics, QTreeWidgetItem* parent);
    void FollowLink(const QUrl& url);
    void SelectTopicOf(const QUrl& url);

    std::unique_ptr<ChmFile> file;
};
