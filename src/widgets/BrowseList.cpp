// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/BrowseList.h"

#include <QFocusEvent>
#include <QKeyEvent>

BrowseList::BrowseList(QWidget* parent) : QComboBox(parent) {
    // The closed list reports every key step as an activation; only picks
    // from the open list, the mouse wheel and Enter choose.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!browsing) Choose(index);
    });
}

void BrowseList::setChosen(int index) {
    setCurrentIndex(index);
    chosenIndex = currentIndex();
}

void BrowseList::Choose(int index) {
    if (index < 0) return;
    chosenIndex = index;
    emit chosen(index);
}

void BrowseList::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentIndex() >= 0) {
        Choose(currentIndex());
        return;
    }
    browsing = true;
    QComboBox::keyPressEvent(event);
    browsing = false;
}

void BrowseList::focusOutEvent(QFocusEvent* event) {
    // Opening the list takes the focus for a moment; that is no leaving.
    if (event->reason() != Qt::PopupFocusReason && chosenIndex >= 0) setCurrentIndex(chosenIndex);
    QComboBox::focusOutEvent(event);
}
