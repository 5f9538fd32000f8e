// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The reader of texts about great explorers: a topic list, the topic's
// rich-text document and portrait, and copying either to the clipboard. A
// click on the portrait, or Enter while it has the focus, shows it enlarged
// over the window.

#include "core/ModuleWindow.h"
#include "widgets/BrowseList.h"

struct AppContext;
class QAction;
class QLabel;
class QMenu;
class QTextEdit;

class ExplorersWindow : public ModuleWindow {
    Q_OBJECT
public:
    ExplorersWindow(AppContext& ctx, QWidget* parent);

    // Loads topic n (1..20): its document into textView and its portrait
    // into portraitLabel.
    void ShowExplorer(int n);
    // The text menu's actions: the whole text, or the topic's portrait, to
    // the clipboard.
    void CopyText();
    void CopyPicture();
    // Shows the portrait at its stored size over the window (shrunk only if
    // larger than the window); Esc or a click closes it and the focus goes
    // back where it was.
    void EnlargePortrait();

    QLabel *backgroundImage, *portraitLabel, *enlargedPortrait;
    BrowseList* topicList;
    QWidget *portraitFrame, *textPanel;
    QTextEdit* textView;
    QMenu* textMenu;
    QAction *copyTextAction, *copyPictureAction;

protected:
    void Opening(Module chosen) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTextArea();
    void BuildEnlargement();
    void CloseEnlargement();
    void ShowMissingData();
    void ShowText(const QByteArray& rtf);

    AppContext& ctx;
    QWidget* focusBeforeEnlargement = nullptr;
};
