// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture puzzle: a photo-set picture cut into 24 pieces, shuffled, to be
// put back in order by swapping two pieces at a time, optionally against a
// countdown of Tempo minutes.
#include <QImage>

#include "core/ModuleWindow.h"
#include "data/PhotoSetRules.h"
#include "puzzle/PuzzleBoard.h"
#include "widgets/GridCursor.h"

struct AppContext;
class ImageView;
class QLabel;
class QLineEdit;
class QTimer;
class FaceButton;

class PuzzleWindow : public ModuleWindow {
    Q_OBJECT
public:
    // The labels of the picture's name and description, as wide as the
    // photo-set rules measure every name and description.
    static constexpr QRect kNameLabelGeometry{QPoint(104, 56), PhotoSetRules::kPuzzleLabelSize};
    static constexpr QRect kDescriptionLabelGeometry{QPoint(104, 72),
                                                     PhotoSetRules::kPuzzleLabelSize};

    PuzzleWindow(AppContext& ctx, QWidget* parent);

    void NextClick();
    void EnterNumberClick();
    void ClockButtonClick();
    void CountdownTick();
    void BoardPressed(QPoint pos);
    // Arrows move the board's cursor; Space or Enter clicks the cell under it.
    bool BoardKey(int key);

    PuzzleBoard board;
    GridCursor cursor{PuzzleBoard::kColumns, PuzzleBoard::kRows};
    int pictureNumber = 0;
    bool clockOn = true;

    ImageView* background;
    QLabel* secondsLabel;
    QLabel* nameLabel;
    QLabel* descriptionLabel;
    QWidget* previewPanel;
    QLabel* preview;
    QWidget* boardPanel;
    ImageView* boardView;
    QLineEdit* pictureNumberField;
    FaceButton* clockButton;
    FaceButton* enterButton;
    FaceButton* nextButton;
    QTimer* countdown;

protected:
    void Opening(Module chosen) override;
    void Closing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FormShow();
    bool CanChoosePicture();
    bool LoadPicture(int n);
    void AbandonStart();
    void BeginGame();
    void ShowPicture();
    void DrawBoard();
    void DrawCell(int cell);
    void DrawFrame(int cell);
    void Win();
    void Lose();
    void SetClockGlyph(const QImage& glyph, bool enabled);
    void EnableChoice(bool enabled);

    AppContext& ctx;
    bool loading = false;  // a picture is being loaded; input meanwhile is ignored
    QImage glyphOn, glyphOff, glyphBusy;
};
