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
    const std::function<void()> shows[] = {[&] { messages.show("Błąd", hostile); },
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
