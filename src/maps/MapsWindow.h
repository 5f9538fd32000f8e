// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Countries on the continent maps: Learn (the country under the pointer is
// named), Test (a named country is to be clicked) and Find (the pointer is
// moved onto a country chosen from the list). The rules live in MapModel;
// this window lays out the controls, loads the maps and forwards events.
#include <QComboBox>
#include <QImage>
#include <functional>

#include "core/ModuleWindow.h"
#include "maps/MapCursor.h"
#include "maps/MapModel.h"

class ImageView;
class InputOrigin;
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

    QComboBox* ListaPanstw;  // the continent chooser
    QComboBox* ListaZnajdz;  // the Find list
    ImageView* Image1;
    QLabel* NazwaKrajuL;
    QLabel* TrybL;
    QLabel* Lskutecznosc;
    QWidget* Panel1;
    ImageView* ImKontynentu;
    QWidget* POpcje;
    QGroupBox* RTryby;
    QRadioButton* RNauka;
    QRadioButton* RTest;
    QRadioButton* RRwysz;
    QWidget* PWyborKontynentu;
    QWidget* PZnajdzPanswo;
    QTimer* markTimer;  // takes the Find mark off the map
    // Holds the focus after a click in the window or a choice made with the
    // mouse, so that no focus ring shows; an arrow key pressed there goes on
    // to the map.
    QWidget* BFokusowy;
    KeyFocusRing* mapRing;  // the map's focus, round the cursor in Learn and Test
    const MapCursor& Cursor() const { return cursor; }


protected:
    void Opening(Module chosen) override;
    void Closing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildOptions();
    void FormShow();
    void ListaPanstwClick(int index);
    void ListaZnajdzClick(int index);
    void ImKontynentuMouseMove(QPoint pos);
    void ImKontynentuMouseDown(QPoint pos);
    void RNaukaClick();
    void RTestClick();
    void RRwyszClick();
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
    InputOrigin* input;
    QImage key;  // the key bitmap of the shown continent, never drawn
    bool loading = false;
    std::function<void()> pendingChoice;
};
