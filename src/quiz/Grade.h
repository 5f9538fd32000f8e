// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The school grade shown after a series of ten questions: a grade line for
// the score line and a comment for the question box.
#include <QString>

struct Grade {
    QString line;
    QString comment;
};

// correct: right answers in the series, 0..10.
Grade GradeFor(int correct);
