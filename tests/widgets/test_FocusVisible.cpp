// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Focus shows after keyboard input only: on self-drawn controls and under
// the ring over standard ones, after a click every pixel is as unfocused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>
#include <functional>

#include "widgets/Controls.h"
#include "widgets/FaceButton.h"
#include "widgets/FocusVisible.h"
#include "widgets/ImageView.h"

namespace {

struct Control {
    const char* what;
    std::function<QWidget*(QWidget*)> make;
};

// The outer band of the widget, where the ring is drawn.
QImage Border(QWidget* widget) {
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter(&image).fillRect(image.rect().adjusted(3, 3, -3, -3), Qt::magenta);
    return image;
}

bool HasRingColour(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, 2) == QColor(0xFF, 0xD7, 0x00)) return true;
    return false;
}

class FocusVisibleControls : public ::testing::TestWithParam<Control> {
protected:
    void SetUp() override {
        FocusVisible::Install(*qApp);
        host.resize(300, 100);
        host.setPalette(QPalette(QColor(0x1B, 0x5C, 0x81)));
        host.setAutoFillBackground(true);
        other = ChildFaceButton(&host, "other", {10, 10, 75, 25}, QStringLiteral("Inny"));
        control = GetParam().make(&host);
        control->setGeometry(100, 10, 140, 40);
        control->setFocusPolicy(Qt::StrongFocus);
        host.show();
        QApplication::setActiveWindow(&host);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        QTest::mouseClick(other, Qt::LeftButton);
        ASSERT_TRUE(other->hasFocus());
        unfocused = Border(control);
    }

    QWidget host;
    QWidget* other = nullptr;
    QWidget* control = nullptr;
    QImage unfocused;
};

TEST_P(FocusVisibleControls, ClickLeavesNoTraceKeysShowTheRing) {
    QTest::mouseClick(control, Qt::LeftButton, {}, {5, 5});
    ASSERT_TRUE(control->hasFocus());
    EXPECT_EQ(Border(control), unfocused) << "a click drew focus";

    QTest::keyClick(control, Qt::Key_Shift);
    EXPECT_EQ(Border(control), unfocused) << "a modifier alone drew focus";

    QTest::keyClick(&host, Qt::Key_Tab);  // back to the other button
    QTest::keyClick(&host, Qt::Key_Tab);
    ASSERT_TRUE(control->hasFocus());
    EXPECT_TRUE(FocusVisible::shown());
    EXPECT_TRUE(HasRingColour(Border(control))) << "no ring after Tab";

    QTest::mouseClick(control, Qt::LeftButton, {}, {5, 5});
    EXPECT_FALSE(FocusVisible::shown());
    EXPECT_EQ(Border(control), unfocused) << "the ring stayed after a click";

    QTest::keyClick(control, Qt::Key_F13);  // a key that moves nothing
    ASSERT_TRUE(HasRingColour(Border(control))) << "no ring after a key";
    QWheelEvent wheel({5, 5}, control->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &wheel);
    EXPECT_EQ(Border(control), unfocused) << "the ring stayed after the wheel";
}

INSTANTIATE_TEST_SUITE_P(
    SelfDrawnAndStandard, FocusVisibleControls,
    ::testing::Values(Control{"button",
                              [](QWidget* parent) -> QWidget* {
                                  return ChildFaceButton(parent, "button", {},
                                                         QStringLiteral("Następny"));
                              }},
                      Control{"picture",
                              [](QWidget* parent) -> QWidget* {
                                  auto* view = new ImageView(parent);
                                  view->image = QImage(140, 40, QImage::Format_RGB32);
                                  view->image.fill(Qt::white);
                                  return view;
                              }},
                      Control{"field",
                              [](QWidget* parent) -> QWidget* { return new QLineEdit(parent); }},
                      Control{"ringed",
                              [](QWidget* parent) {
                                  auto* target = new QWidget(parent);
                                  new KeyFocusRing(target);
                                  return target;
                              }}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
