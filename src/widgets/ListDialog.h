// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A modal list of paragraphs under a title, closed with "Zamknij" or Escape:
// the quiz's wrong answers with the right ones.
#include <QDialog>

class QLabel;
class QListWidget;
class FaceButton;

class ListDialog : public QDialog {
    Q_OBJECT
public:
    explicit ListDialog(QWidget* parent);
    // Shows the paragraphs and waits until the pupil closes the list.
    void Show(const QString& title, const QStringList& paragraphs);

    QLabel* title;
    QListWidget* list;
    FaceButton* close;
};
