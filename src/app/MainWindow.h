// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: a frameless window over the desktop's work area with the
// 800 x 580 panel PTlo in its centre, the menu column, the module headers, the
// quiz's Next arrow, and the module windows as children of PTlo.
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>

#include "app/ShortcutKeys.h"
#include "core/AppContext.h"
#include "widgets/ImageView.h"

class QuizWindow;
class PuzzleWindow;
class CountryWindow;
class CoordinatesWindow;
class ExplorersWindow;
class MapsWindow;
class AboutWindow;
class PhotoSetChooser;
class SettingsDialog;
class HelpViewer;
class MenuHotspot;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& ctx);
    ~MainWindow() override;

    // Sizes the window to the work area, centres PTlo and places the modules.
    void PositionWindows(const QRect& workArea);
    void ShowModuleHeader(int module);
    void MarkActiveLabel();
    void UnmarkActiveLabel();
    void ResetMenuLabels();
    QColor LabelColour(int entry) const;

    // Menu actions by entry number 1..9, as a click on the entry's hotspot.
    void LaunchEntry(int n);
    void HoverEntry(int n);  // 0: the column outside the hotspots
    void ImNastepnyClick();

    int ActiveModule = 0;
    QPoint WindowCentre;
    QPoint ZoomOrigin;
    QRect ZoomTarget;

    QWidget* PTlo;
    ImageView* ImTlo;
    QWidget* PNagl;
    QLabel* ImNaglowek;
    QWidget* PNastepny;
    QLabel* ImNastepny;
    QWidget* PPodOkrogle;
    MenuHotspot* LMinimize;
    MenuHotspot* LClose;

    QuizWindow* form2;
    PuzzleWindow* formPuz;
    CountryWindow* formGdzie;
    CoordinatesWindow* fUklad;
    ExplorersWindow* fOdkrywcy;
    MapsWindow* fMapy;
    AboutWindow* fAutor;
    PhotoSetChooser* fWyborZestawu;
    SettingsDialog* fUstawienia;
    QPointer<HelpViewer> helpViewer;  // made at the first "Pomoc" without a desktop viewer

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void BuildMenuColumn();
    void BuildWindowButtons();
    void LaunchQuiz(int n);
    void LaunchModule(int n);
    void CloseActiveModule();
    void OpenActiveModule();
    void FocusModule(QWidget* window);
    QWidget* ModuleWindow(int n) const;
    bool ProgramKey(QWidget* target, QKeyEvent* event);
    bool MenuKey(int entry, QKeyEvent* event);
    bool QuizHasKeys(QWidget* target) const;
    void RunShortcut(ShortcutKeys::Action action);
    void StopQuizCountdown();
    void OpenHelp();

    AppContext& ctx;
    bool shown = false;
    ShortcutKeys shortcuts;
    std::array<MenuHotspot*, 10> hotspots{};
    std::array<QLabel*, 10> texts{};
    QLabel* LPrzyciski;
};
