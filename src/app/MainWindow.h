// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: a frameless window over the desktop's work area with the
// 800 x 580 panel in its centre, the menu column, the module headers and
// the module windows as children of the panel, each made at its first open. It
// knows the modules only through their common interface.
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>

#include "app/ShortcutKeys.h"
#include "core/AppContext.h"
#include "core/ModuleWindow.h"
#include "widgets/ImageView.h"

class PhotoSetChooser;
class SettingsDialog;
class HelpViewer;
class MenuHotspot;
class ResultsWiring;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& ctx);
    ~MainWindow() override;

    // Sizes the window to the work area, centres the panel and places the modules.
    void PositionWindows(const QRect& workArea);
    void ResetMenuLabels();
    QColor LabelColour(int entry) const;

    // Menu actions by entry number 1..9, as a click on the entry's hotspot.
    void LaunchEntry(int n);
    void HoverEntry(int n);  // 0: the column outside the hotspots
    // The window of a module, made at the first call (the module's first
    // open); the two quizzes share one. Null for None and Help.
    ModuleWindow* WindowOf(Module module);
    // A key event on its way to `target`: the program's shortcuts and the
    // open module's keys. True when acted on.
    bool ProgramKey(QWidget* target, QKeyEvent* event);
    // The dialogs, made at their first use.
    PhotoSetChooser& Chooser();
    SettingsDialog& Settings();

    Module activeModule = Module::None;
    QPoint windowCentre;
    QPoint zoomOrigin;
    QRect zoomTarget;

    QWidget* panel;
    ImageView* backgroundView;
    QWidget* headerPanel;
    QLabel* headerImage;
    QWidget* menuColumn;
    MenuHotspot* minimizeButton;
    MenuHotspot* closeButton;

    ResultsWiring* results = nullptr;  // made once the base folder is known
    QPointer<HelpViewer> helpViewer;   // made at the first "Pomoc" without a desktop viewer

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void FirstShow();
    void BuildMenuColumn();
    void PutLastStopsLast();
    ModuleWindow* MakeWindow(Module module);
    void Launch(Module module);
    void Switch(Module module);
    void CloseActiveModule();
    void ShowModuleHeader();
    void SetActive(Module module);
    void FocusModule(QWidget* window);
    bool MenuKey(int entry, QKeyEvent* event);
    bool ModuleHasKeys(QWidget* target) const;
    void RunShortcut(ShortcutKeys::Action action);
    void OpenHelp();

    AppContext& ctx;
    bool shown = false;
    ShortcutKeys shortcuts;
    std::array<MenuHotspot*, 10> hotspots{};
    std::array<QLabel*, 10> texts{};
    std::array<ModuleWindow*, 10> windows{};  // by Module; null until first opened
    PhotoSetChooser* photoSetChooser = nullptr;
    SettingsDialog* settingsDialog = nullptr;
    QLabel* columnArea;
};
