// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The coordinates exercise: read a point of a grid square as longitude and latitude.

#include "coords/CoordAnswer.h"
#include "coords/CoordTask.h"
#include "core/ModuleWindow.h"

struct AppContext;
class QLabel;
class QLineEdit;
class FaceButton;

class CoordinatesWindow : public ModuleWindow {
    Q_OBJECT
public:
    CoordinatesWindow(AppContext& ctx, QWidget* parent);

    const CoordTask& Task() const { return task; }
    const CoordAnswer& Answer() const { return answer; }

    QLabel *background, *leftMeridianLabel, *rightMeridianLabel, *topParallelLabel,
        *bottomParallelLabel, *rightAnswerLabel, *pupilAnswerLabel, *promptLabel;
    QWidget *leftMeridianLine, *rightMeridianLine, *topParallelLine, *bottomParallelLine, *point;
    FaceButton *northButton, *westButton, *eastButton, *southButton, *nextButton;
    QLineEdit* degreesField;

protected:
    void Opening(Module chosen) override;
    void Closing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildGrid();
    void BuildAnswerArea();
    FaceButton* SideButton(const char* name, QPoint at);
    void NextClick();
    void LongitudeGiven(CoordAnswer::LonSide side);
    void LatitudeGiven(CoordAnswer::LatSide side);
    void ShowTask();
    void FocusField();
    void SetSides(bool longitude, bool latitude);
    bool SideKey(int key);

    AppContext& ctx;
    CoordTask task;
    CoordAnswer answer;
    int tasksDone = 0;  // in this visit of the window
    int tasksRight = 0;
};
