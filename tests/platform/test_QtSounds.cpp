// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "platform/RealPlatform.h"
#include "support/FakePlatform.h"

// The tests run without the sound plugin beside them: every sound is skipped,
// and no wait is spent on a sound nobody hears.
TEST(QtSounds, WithoutThePluginSoundsAreSkippedWithoutWaiting) {
    FakeWaits waits;
    QtSounds sounds(waits);
    sounds.play("Plim");
    sounds.playAndWait("Plum");
    sounds.playAndWait("no such sound");
    EXPECT_TRUE(waits.pauses.empty());
}
