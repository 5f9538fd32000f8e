// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Country recognition: a photo-set picture under a grey cover with six tiles
// uncovered; the pupil uncovers more by clicking and types the country's name.

#include "core/ModuleWindow.h"
#include "country/CountryGame.h"
#include "widgets/GridCursor.h"

struct AppContext;
class ImageView;
class QLabel;
class QLineEdit;
class FaceButton;
class Gauge;

class CountryWindow : public ModuleWindow {
    Q_OBJECT
public:
    CountryWindow(AppContext& ctx, QWidget* parent);

    void NextClick();
    void EnterNumberClick();
    void PictureClick();
    void CheckClick();
    // Arrows move the picture's cursor; Space or Enter uncovers its tile.
    bool PictureKey(int key);

    CountryGame game;
    GridCursor cursor{CountryGame::kColumns, CountryGame::kColumns};
    int pictureNumber = 0;

    QWidget* panel;
    ImageView* background;
    QWidget* picturePanel;
    ImageView* pictureView;
    Gauge* pointsGauge;
    QLabel* verdictLabel;
    QLineEdit* nameField;
    FaceButton* checkButton;
    QLineEdit* pictureNumberField;
    FaceButton* enterButton;
    FaceButton* nextButton;

protected:
    void Opening(Module chosen) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FormShow();
    bool StartGame(int pictureNumber);
    bool CanChoosePicture();
    void Cover();
    void DrawTile(int tile);
    void DrawWholePicture();
    void Penalize();
    bool Uncover(int tile);
    void Decide(bool won);
    void PromptForName();
    bool PromptUntouched() const;
    void EnableChoice(bool enabled);
    void CapitaliseName();
    void FitNameFont();

    AppContext& ctx;
    bool loading = false;      // a picture is being loaded; input meanwhile is ignored
    bool promptShown = false;  // the prompt was put in and not edited since
};
