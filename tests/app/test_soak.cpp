// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/Soak.h"
#include "support/TestFiles.h"

// A few thousand random events over the whole program on its bundled
// content, with fake waits and sounds: nothing may crash or hang.
TEST(Soak, RandomInputOverTheWholeProgram) {
    TempWorkDir dir;
    SoakProgram program(dir.path());
    SoakDriver(program.form, 20261208).Run(3000);
    EXPECT_NE(program.form.activeModule, Module::None);
}
