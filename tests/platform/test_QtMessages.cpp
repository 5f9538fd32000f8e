// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "platform/RealPlatform.h"

namespace {

struct Seen {
    QString title;
    QString text;
    int width = 0;
};

// Shows a box through the real service and reads it before closing it.
Seen ShowBox(const std::function<void(QtMessages&)>& show) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->width()};
        box->accept();
    });
    QtMessages messages;
    show(messages);
    return seen;
}

TEST(QtMessages, TitleIsExactAndTheBoxHoldsTheWholeMessage) {
    const QString title = QStringLiteral("Brak pliku z fotografiami");
    const Seen data = ShowBox([&](QtMessages& m) { m.error(title, QStringLiteral("Błąd")); });
    EXPECT_EQ(data.title, title);
    EXPECT_EQ(data.text, QStringLiteral("Błąd\n\n") + title);
    // Far wider than the title's own text, so that a title bar shows it whole.
    EXPECT_GT(data.width, QFontMetrics(QApplication::font()).horizontalAdvance(title) + 100);

    // A box with its own title and text shows them as they are, a text of
    // one word included.
    for (const QString& text : {QStringLiteral("Brak pliku graficznego. Nastąpi zamknięcie."),
                                QStringLiteral("Gotowe")}) {
        const Seen module = ShowBox([&](QtMessages& m) { m.info(QStringLiteral("Mapy"), text); });
        EXPECT_EQ(module.title, QStringLiteral("Mapy"));
        EXPECT_EQ(module.text, text);
    }
}

}  // namespace
