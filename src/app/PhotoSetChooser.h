// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The photo-set chooser: a small modal dialog with a list "Zestaw nr k – "
// followed by each set's title, as wide as its longest item.
// Picking another item opens that set and stores the choice; a click on the
// dialog's panel closes it without a change. The arrow keys browse the list,
// Enter picks.
#include <QDialog>
#include <QLabel>
#include <QStringList>

#include "widgets/BrowseList.h"

struct AppContext;

class PhotoSetChooser : public QDialog {
    Q_OBJECT
public:
    PhotoSetChooser(AppContext& ctx, QWidget* parent);

    // Fills the list once at start-up from the sets' titles; with one set or
    // none it stays empty.
    void Fill(const QStringList& titles);
    // Presets the list to the chosen set and shows the dialog modally.
    void Choose();

    QWidget* panel;
    QLabel* promptLabel;
    BrowseList* setList;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static constexpr int kWidth = 226, kHeight = 86, kListWidth = 193, kMaxListWidth = 720;

    void SetPicked(int index);
    void FitWidth();

    AppContext& ctx;
};
