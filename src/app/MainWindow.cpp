// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "app/AboutWindow.h"
#include "app/MainMenu.h"
#include "app/MenuHotspot.h"
#include "app/PhotoSetChooser.h"
#include "app/ResultsWiring.h"
#include "app/SettingsDialog.h"
#include "coords/CoordinatesWindow.h"
#include "core/Config.h"
#include "core/ZoomEffect.h"
#include "country/CountryWindow.h"
#include "data/DataAccess.h"
#include "data/ResourceImages.h"
#include "explorers/ExplorersWindow.h"
#include "help/HelpViewer.h"
#include "maps/MapsWindow.h"
#include "platform/Platform.h"
#include "platform/TarvoError.h"
#include "platform/Theme.h"
#include "puzzle/PuzzleWindow.h"
#include "quiz/QuizWindow.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"

namespace {

QLabel* TransparentLabel(QWidget* parent, const char* name, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setMouseTracking(true);
    return label;
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

// Key events of the whole application, handed to the main window's program
// keys; it sees nothing else.
class ProgramKeyFilter : public QObject {
public:
    explicit ProgramKeyFilter(MainWindow& window) : QObject(&window), window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && widget->window() == &window && !QApplication::activeModalWidget() &&
               window.ProgramKey(widget, static_cast<QKeyEvent*>(event));
    }

private:
    MainWindow& window;
};

}  // namespace

MainWindow::MainWindow(AppContext& ctx)
    : QWidget(nullptr), ctx(ctx), shortcuts(ctx.platform.clock) {
    setObjectName("MainWindow");
    setWindowTitle(Theme::kProgramTitle);
    setWindowFlag(Qt::FramelessWindowHint);
    // The window takes the focus on a click, for its shortcuts, but is no
    // stop of the Tab key: Tab goes round the open module's controls only.
    setFocusPolicy(Qt::ClickFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    resize(794, 562);

    panel = new QWidget(this);
    panel->setObjectName("PTlo");
    panel->setFixedSize(800, 580);
    backgroundView = ChildImageView(panel, "ImTlo", {0, 0, 800, 580});
    backgroundView->installEventFilter(this);

    minimizeButton = new MenuHotspot(panel, "LMinimize", {720, 4, 38, 38}, "Minimalizuj");
    minimizeButton->setToolTip("Minimalizuj");
    connect(minimizeButton, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    closeButton = new MenuHotspot(panel, "LClose", {760, 4, 38, 38}, "Zamknij");
    closeButton->setToolTip("Zamknij");
    connect(closeButton, &QAbstractButton::clicked, [] { QCoreApplication::exit(0); });

    headerPanel = ChildPanel(panel, "PNagl", {40, 60, 300, 32});
    headerImage = new QLabel(headerPanel);
    headerImage->setObjectName("ImNaglowek");
    headerImage->setGeometry(0, 0, 300, 32);
    headerPanel->hide();

    BuildMenuColumn();

    // The program's keys work wherever the focus is inside this window. They
    // come through a filter of their own, so that no event reaches this
    // window's widget filter twice.
    qApp->installEventFilter(new ProgramKeyFilter(*this));
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenuColumn() {
    menuColumn = ChildPanel(panel, "PPodOkrogle", {630, 48, 167, 529});
    auto* columnPicture = new QLabel(menuColumn);
    columnPicture->setObjectName("ImPodOkrogle");
    columnPicture->setGeometry(0, 0, 167, 529);
    LoadJpegResourceToImage("PodOkrogle", columnPicture);
    columnArea = TransparentLabel(menuColumn, "LPrzyciski", {0, 0, 167, 529});
    columnArea->installEventFilter(this);

    for (int n = 1; n <= MainMenu::kEntries; ++n) {
        const MainMenu::Entry& entry = MainMenu::EntryAt(n);
        auto* text = new QLabel(QString::fromUtf8(entry.caption), menuColumn);
        text->setObjectName(entry.text);
        text->move(entry.textPos);
        if (entry.textSize.isEmpty()) {
            text->adjustSize();
        } else {
            text->resize(entry.textSize);
            text->setWordWrap(true);
            text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        SetTextColour(text, MainMenu::NormalColour);
        // The caption answers the mouse as its round button does.
        text->setMouseTracking(true);
        text->setCursor(Qt::PointingHandCursor);
        text->installEventFilter(this);
        texts[n] = text;

        auto* hotspot = new MenuHotspot(menuColumn, entry.hotspot, entry.hotspotRect,
                                        QString::fromUtf8(entry.caption));
        hotspot->installEventFilter(this);
        connect(hotspot, &QAbstractButton::clicked, this, [this, n] { LaunchEntry(n); });
        hotspots[n] = hotspot;
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown) {
        shown = true;
        FirstShow();
    }
}

void MainWindow::FirstShow() {
    // The window itself takes the first focus, so that no ring shows until
    // the Tab key is used.
    setFocus(Qt::OtherFocusReason);
    const QScreen* screen = QApplication::primaryScreen();
    PositionWindows(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768));
    LoadJpegResourceToBitmap("TloGlowne", backgroundView->image);
    backgroundView->update();
    activeModule = Module::None;
    // A base folder where the default settings cannot be written still runs
    // with them; the pupil is told what failed and the data is found as usual.
    try {
        ReadConfig(ctx.config);
    } catch (const TarvoError& e) {
        ctx.platform.messages.error(e.message(), Theme::kErrorVerdict);
    }
    results = new ResultsWiring(*this, ctx);
    PutLastStopsLast();
    ctx.data.InitDataAccess();
}

PhotoSetChooser& MainWindow::Chooser() {
    if (!photoSetChooser) {
        photoSetChooser = new PhotoSetChooser(ctx, this);
        photoSetChooser->Fill(ctx.data.PhotoSetTitles());
    }
    return *photoSetChooser;
}

SettingsDialog& MainWindow::Settings() {
    if (!settingsDialog) settingsDialog = new SettingsDialog(ctx, this);
    return *settingsDialog;
}

// The results link, minimise and close are the last stops of the Tab key,
// after every control made before them, a module window made later included:
// no Tab and Enter from start-up ends the program.
void MainWindow::PutLastStopsLast() {
    std::vector<QWidget*> stops{minimizeButton, closeButton};
    if (results) stops.insert(stops.begin(), results->EntryPoint());
    QWidget* last = previousInFocusChain();
    while (std::ranges::find(stops, last) != stops.end() || last->focusPolicy() == Qt::NoFocus)
        last = last->previousInFocusChain();
    for (QWidget* stop : stops) {
        setTabOrder(last, stop);
        last = stop;
    }
}

void MainWindow::PositionWindows(const QRect& workArea) {
    setGeometry(workArea);
    windowCentre = MainMenu::WindowCentre(workArea.size());
    panel->move(MainMenu::PanelPosition(workArea.size()));
}

ModuleWindow* MainWindow::WindowOf(Module module) {
    ModuleWindow*& window = windows[int(module)];
    if (window || module == Module::None || module == Module::Help) return window;
    window = MakeWindow(module);
    if (module == Module::KnowledgeQuiz || module == Module::CapitalsQuiz)
        windows[int(Module::KnowledgeQuiz)] = windows[int(Module::CapitalsQuiz)] = window;
    if (results) results->ModuleMade(module, *window);
    PutLastStopsLast();
    return window;
}

ModuleWindow* MainWindow::MakeWindow(Module module) {
    switch (module) {
        case Module::KnowledgeQuiz:
        case Module::CapitalsQuiz:
            return new QuizWindow(ctx, panel);
        case Module::Puzzle:
            return new PuzzleWindow(ctx, panel);
        case Module::Country:
            return new CountryWindow(ctx, panel);
        case Module::Coordinates:
            return new CoordinatesWindow(ctx, panel);
        case Module::Explorers:
            return new ExplorersWindow(ctx, panel);
        case Module::Maps:
            return new MapsWindow(ctx, panel);
        case Module::About:
            return new AboutWindow(ctx, panel);
        case Module::None:
        case Module::Help:
            break;
    }
    return nullptr;
}

QColor MainWindow::LabelColour(int entry) const {
    return texts[entry]->palette().color(QPalette::WindowText);
}

void MainWindow::ShowModuleHeader() {
    const MainMenu::Entry& entry = MainMenu::EntryAt(int(activeModule));
    LoadJpegResourceToImage(entry.header, headerImage);
    headerImage->setAccessibleName(QString::fromUtf8(entry.caption));
    if (headerPanel->isHidden()) headerPanel->show();
}

// Marks the open module's caption and unmarks the one before.
void MainWindow::SetActive(Module module) {
    if (activeModule != Module::None)
        SetTextColour(texts[int(activeModule)], MainMenu::NormalColour);
    activeModule = module;
    SetTextColour(texts[int(module)], MainMenu::MarkColour);
}

void MainWindow::ResetMenuLabels() {
    for (int n = 1; n <= MainMenu::kEntries; ++n)
        if (LabelColour(n) != MainMenu::MarkColour) SetTextColour(texts[n], MainMenu::NormalColour);
}

void MainWindow::HoverEntry(int n) {
    if (n != 0 && int(activeModule) == n) return;
    ResetMenuLabels();
    if (n != 0) SetTextColour(texts[n], MainMenu::HoverColour);
}

void MainWindow::LaunchEntry(int n) {
    if (ModuleWindow* open = WindowOf(activeModule)) open->MenuChosen();
    if (n == int(Module::Help)) {
        OpenHelp();
    } else if (n >= int(Module::KnowledgeQuiz) && n <= int(Module::About)) {
        Launch(Module(n));
    }
}

// The help file opens in the desktop's viewer; where there is none, in the
// program's own help window.
void MainWindow::OpenHelp() {
    const QString path = ctx.data.PathUnderBase("Terravika.chm");
    if (ctx.platform.shell.open(path)) return;
    try {
        if (!helpViewer) helpViewer = new HelpViewer(path, this);
    } catch (const TarvoError& e) {
        ctx.platform.messages.error(e.message(), Theme::kErrorVerdict);
        return;
    }
    const QRect area = geometry();
    helpViewer->move(area.center() - helpViewer->rect().center());
    helpViewer->show();
    helpViewer->raise();
    helpViewer->activateWindow();
}

void MainWindow::Launch(Module module) {
    if (activeModule == module) return;
    if (WindowOf(module) == WindowOf(activeModule)) return Switch(module);
    const bool fromKeys = QApplication::focusWidget() == hotspots[int(module)];
    CloseActiveModule();
    zoomOrigin = QPoint(MainMenu::kZoomOriginX, MainMenu::EntryAt(int(module)).zoomOriginY);
    zoomTarget = MainMenu::ZoomTarget(windowCentre);
    SetActive(module);
    ShowModuleHeader();
    ZoomOpen({&backgroundView->image, backgroundView}, ctx.platform, zoomOrigin.x(), zoomOrigin.y(),
             zoomTarget);
    ctx.platform.waits.processEvents();
    WindowOf(module)->Open(module);
    if (fromKeys) FocusModule(WindowOf(module));
}

// From one quiz to the other: the window stays, without the zoom.
void MainWindow::Switch(Module module) {
    SetActive(module);
    ShowModuleHeader();
    WindowOf(module)->Open(module);
}

// After a launch from the keyboard the focus moves on into the module
// window, unless the module has placed it there itself.
void MainWindow::FocusModule(QWidget* window) {
    if (!window || window->isAncestorOf(QApplication::focusWidget())) return;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (!window->isAncestorOf(w)) continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void MainWindow::CloseActiveModule() {
    ModuleWindow* open = WindowOf(activeModule);
    if (!open) return;
    open->Close();
    ctx.platform.waits.processEvents();
    ZoomClose({&backgroundView->image, backgroundView}, ctx.platform, zoomOrigin.x(),
              zoomOrigin.y(), zoomTarget);
}

// Escape that no control wanted brings the focus back to the menu, on the
// entry of the open module.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return QWidget::keyPressEvent(event);
    const int entry = WindowOf(activeModule) ? int(activeModule) : 1;
    hotspots[entry]->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    // The release of Enter is not passed on to the focused control.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool ours = !QApplication::focusWidget() || QApplication::focusWidget() == this;
    event->setAccepted(enter && ours);
}

void MainWindow::RunShortcut(ShortcutKeys::Action action) {
    switch (action) {
        case ShortcutKeys::Action::Chooser:
            if (ctx.data.PhotoSetCount() > 1) Chooser().Choose();
            break;
        case ShortcutKeys::Action::Settings:
            Settings().exec();
            break;
        case ShortcutKeys::Action::Results:
            results->OpenMyResults();
            break;
        case ShortcutKeys::Action::Help:
            LaunchEntry(int(Module::Help));
            break;
        case ShortcutKeys::Action::None:
            break;
    }
}

// The open module takes its keys while the focus rests on the main window,
// on the module's menu entry, or where the module says; a key passed on to
// a parent after the focused control refused it is not taken again.
bool MainWindow::ModuleHasKeys(QWidget* target) const {
    const ModuleWindow* open = windows[int(activeModule)];
    if (!open) return false;
    QWidget* focus = QApplication::focusWidget();
    if (focus && target != focus) return false;
    return !focus || focus == this || focus == hotspots[int(activeModule)] ||
           open->TakesKeysAt(focus);
}

bool MainWindow::ProgramKey(QWidget* target, QKeyEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (shortcuts.Press(event->key(), event->modifiers())) return true;
        const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        return plain && ModuleHasKeys(target) && WindowOf(activeModule)->ModuleKey(event->key());
    }
    if (event->isAutoRepeat()) return false;
    RunShortcut(shortcuts.Release(event->key(), event->modifiers()));
    return shortcuts.Consumed();
}

// Arrows move the focus round the menu entries.
bool MainWindow::MenuKey(int entry, QKeyEvent* event) {
    int step = 0;
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Left) step = -1;
    if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Right) step = 1;
    if (step == 0) return false;
    const int count = MainMenu::kEntries;
    hotspots[(entry - 1 + step + count) % count + 1]->setFocus(Qt::TabFocusReason);
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();
    int entry = 0;
    for (int n = 1; n <= MainMenu::kEntries; ++n)
        if (watched == hotspots[n] || watched == texts[n]) entry = n;
    if (entry != 0 && watched == hotspots[entry]) {
        if (type == QEvent::FocusIn) HoverEntry(entry);
        if (type == QEvent::FocusOut) ResetMenuLabels();
        if (type == QEvent::KeyPress && MenuKey(entry, static_cast<QKeyEvent*>(event))) return true;
    }
    if (type == QEvent::MouseMove) {
        if (watched == columnArea) HoverEntry(0);
        if (entry != 0) HoverEntry(entry);
        return false;
    }
    if (type == QEvent::MouseButtonPress && watched == backgroundView) setFocus();
    if (type != QEvent::MouseButtonRelease) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !widget ||
        !widget->rect().contains(mouse->position().toPoint()))
        return false;
    if (entry != 0 && watched == texts[entry]) LaunchEntry(entry);
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ctx.data.ReleaseDataAccess();
    QWidget::closeEvent(event);
}
