// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "platform/TarvoApplication.h"

TEST(WindowSystem, WaylandUsesXWaylandOnlyWhenPresentAndNotOverridden) {
    EXPECT_EQ(TarvoApplication::PlatformFor("wayland", "wayland-0", ":0", ""), "xcb");
    EXPECT_EQ(TarvoApplication::PlatformFor("", "wayland-0", ":1", ""), "xcb");
    EXPECT_EQ(TarvoApplication::PlatformFor("wayland", "wayland-0", "", ""), "");
    EXPECT_EQ(TarvoApplication::PlatformFor("x11", "", ":0", ""), "");
    EXPECT_EQ(TarvoApplication::PlatformFor("wayland", "wayland-0", ":0", "offscreen"), "");
}

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "platform/RealPlatform.h"

// Boxes may carry names from data files: they show them as plain text.
TEST(MessageBoxes, FileTextIsShownAsPlainText) {
    const QString hostile = "Brak pozycji <img src=\"/dev/zero\"><b>x</b>";
    QtMessages messages;
    const std::function<void()> shows[] = {[&] { messages.info("Błąd", hostile); },
                                           [&] { TarvoApplication::ShowError(hostile); }};
    for (const auto& show : shows) {
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                format = box->textFormat();
                box->accept();
            }
        });
        show();
        EXPECT_EQ(text, hostile);
        EXPECT_EQ(format, Qt::PlainText);
    }
}

#include <QListWidget>
#include <QPainter>
#include <cmath>

#include "widgets/ListDialog.h"

namespace {

double Luminance(QColor c) {
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

// The selected row of the mistakes list as drawn: its text against its bar.
TEST(ReadableSelection, SelectedRowOfTheMistakesListReaches4_5To1) {
    const QPalette before = qApp->palette();
    TarvoApplication::UseReadableSelection();
    ListDialog dialog(nullptr);
    dialog.list->addItems({QStringLiteral("Stolica Polski: Warszawa")});
    dialog.list->setCurrentRow(0);
    dialog.show();
    const QImage row = dialog.list->viewport()->grab().toImage();
    const QRect bar = dialog.list->visualItemRect(dialog.list->item(0));
    const QColor back = row.pixelColor(bar.right() - 2, bar.center().y());
    double best = 0;
    for (int x = bar.left(); x < bar.right(); ++x)
        for (int y = bar.top(); y <= bar.bottom(); ++y)
            best = std::max(best, Contrast(row.pixelColor(x, y), back));
    qApp->setPalette(before);
    EXPECT_GE(best, 4.5);
}
