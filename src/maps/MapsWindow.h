// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Countries on the continent maps: Learn (the country under the pointer is
// named), Test (a named country is to be clicked), Find (the pointer is
// moved onto a country chosen from the list), and the tests Capitals (the
// state of a named capital is to be clicked) and Flags (the state of a shown
// flag). The rules live in MapModel;
// this window lays out the controls, loads the maps and forwards events.
#include <QComboBox>
#include <QImage>
#include <functional>

#include "core/ModuleWindow.h"
#include "maps/MapCursor.h"
#include "maps/MapModel.h"

class ImageView;
class KeyFocusRing;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTimer;
struct AppContext;

class MapsWindow : public ModuleWindow {
    Q_OBJECT
public:
    MapsWindow(AppContext& ctx, QWidget* parent);

    // Shows the maps of continent c; false (after the failure box, with the
    // window closed) when an image of the continent cannot be loaded.
    bool LoadContinent(int c);
    // Judges a click whose key colour is given, then asks the next question.
    void AnswerTest(QRgb colour);
    // Puts the mouse pointer on map point (x, y) of the shown continent.
    void MovePointerTo(int x, int y);
    // Shows text in the message line, on two lines if one would run under
    // the effectiveness (Test mode) or the lists.
    void SetMessage(const QString& text);

    const MapModel& Model() const { return model; }
    const QImage& KeyBitmap() const { return key; }

    QComboBox* continentList;  // the continent chooser
    QComboBox* findList;       // the Find list
    ImageView* backgroundView;
    QLabel* messageLabel;
    QLabel* optionsLabel;
    QLabel* effectivenessLabel;
    QWidget* mapPanel;
    ImageView* mapView;
    QWidget* optionsPanel;
    QGroupBox* modeGroup;
    QRadioButton* learnButton;
    QRadioButton* testButton;
    QRadioButton* findButton;
    QRadioButton* capitalsButton;
    QRadioButton* flagsButton;
    QLabel* flagLabel;  // the flag beside the message line in the Flags mode
    QWidget* continentPanel;
    QWidget* findPanel;
    QTimer* markTimer;  // takes the Find mark off the map
    // Holds the focus after a click in the window or a choice made with the
    // mouse, so that no focus ring shows; an arrow key pressed there goes on
    // to the map.
    QWidget* focusHolder;
    KeyFocusRing* mapRing;  // the map's focus, round the cursor in Learn and Test
    const MapCursor& Cursor() const { return cursor; }

protected:
    void Opening(Module chosen) override;
    void Closing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildOptions();
    void ShowStartState();
    void ContinentChosen(int index);
    void CountryToFindChosen(int index);
    void MapPointerMoved(QPoint pos);
    void MapPressed(QPoint pos);
    void LearnChosen();
    // Test, Capitals and Flags: the score starts afresh and a test begins.
    void QuizChosen(MapModel::Mode quiz);
    QList<QRadioButton*> ModeButtons() const;
    // Shows a flag left of the message line; an empty code takes it away.
    void ShowFlag(const QString& code);
    QImage FlagPicture(const QString& code);
    // The question of the quiz, with its flag in the Flags mode.
    void AskQuestion(const QString& prompt);
    void FindChosen();
    void StartTest();
    void ShowContinentInChooser();
    QRect PanelBounds() const;
    bool LoadImages(const QString& base);
    void FailAndClose();
    // Runs a continent or Find choice now, or after the load under way ends.
    void RunChoice(std::function<void()> choice);
    bool MapKey(int key);
    bool FocusHolderKey(int key);
    void ShowCursor();
    void NameInLearn(QRgb colour);
    void ClearLearnOutline();
    // The Find list of the region shown: its items on a layer of Poland.
    void FillFindList();
    QRect CursorRing() const;
    // The focus after a list choice: it stays on a list browsed with the
    // keys; after a choice from the dropped-down list it goes out of sight,
    // from where the arrows carry on to the map.
    void FocusAfterChoice(QWidget* list);
    bool OptionsKey(QObject* watched, int key);
    void ShowOptions(bool shown);
    bool CloseOptions();
    void FocusModeList();
    void MarkPoint(QPoint point);

    AppContext& ctx;
    MapModel model;
    MapCursor cursor;
    QImage key;                       // the key bitmap of the shown continent, never drawn
    QRgb outlinedColour = kKeyWhite;  // the item outlined in Learn on a layer of Poland
    bool loading = false;
    std::function<void()> pendingChoice;
};
