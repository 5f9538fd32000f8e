// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A drop-down list whose choice costs work (a document to load, a photo set
// to open). On the closed list the arrow, page and letter keys only browse
// the items and Enter chooses the one shown; a pick in the open list, by
// mouse or keyboard, chooses at once. Leaving the list after browsing
// without Enter shows the chosen item again.
#include <QComboBox>

class BrowseList : public QComboBox {
    Q_OBJECT
public:
    explicit BrowseList(QWidget* parent);

    // Shows and marks an item as chosen without telling anyone.
    void setChosen(int index);
    int Chosen() const { return chosenIndex; }

signals:
    void chosen(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Choose(int index);

    bool browsing = false;  // a key of the closed list is being handled
    int chosenIndex = -1;
};
