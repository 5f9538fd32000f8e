// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "maps/MapsWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTimer>
#include <iterator>
#include <utility>

#include "core/AppContext.h"
#include "core/ZoomEffect.h"
#include "data/DataAccess.h"
#include "data/ResourceImages.h"
#include "maps/MapTables.h"
#include "platform/Platform.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
#include "widgets/FocusVisible.h"
#include "widgets/ImageView.h"

namespace {

const QPoint kZoomOrigin{250, 200};
// The right end of the dark box behind the message line in the background.
constexpr int kMessageBoxRight = 358;
// Room round the names of the dropped-down Find list: its frame and scroll bar.
constexpr int kListMargin = 30;
constexpr int kVerdictPauseMs = 2000;
constexpr int kMarkMs = 2000;

bool IsPress(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

void SetWhiteText(QWidget* widget) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(pal);
}

QRadioButton* ModeButton(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(16, top, 97, 17);
    button->setFocusPolicy(Qt::TabFocus);
    SetWhiteText(button);
    return button;
}

// A drop-down list whose closed face ends a name too long for it with "…";
// the list dropped down shows every name whole.
class ElidingComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        painter.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        option.currentText =
            fontMetrics().elidedText(option.currentText, Qt::ElideRight, field.width() - 2);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
};

}  // namespace

MapsWindow::MapsWindow(AppContext& ctx, QWidget* parent)
    : ModuleWindow(parent, "MapsWindow", ModuleGeometry::Maps), ctx(ctx) {
    BuildControls();
}

void MapsWindow::BuildControls() {
    backgroundView = new ImageView(this);
    backgroundView->setObjectName("Image1");
    backgroundView->setGeometry(0, 0, 513, 415);
    connect(backgroundView, &ImageView::pressed, this, [this] { optionsPanel->hide(); });

    messageLabel = WhiteCaption(this, "NazwaKrajuL", QString(), {16, 15});
    QFont bold = messageLabel->font();
    bold.setBold(true);
    messageLabel->setFont(bold);
    flagLabel = new QLabel(this);
    flagLabel->setObjectName("FlagaL");
    flagLabel->setGeometry(16, 11, 32, 24);
    flagLabel->setAccessibleName(QStringLiteral("Flaga"));
    flagLabel->hide();
    optionsLabel = WhiteCaption(this, "TrybL", QStringLiteral("     Opcje"), {376, 44});
    optionsLabel->resize(121, 13);
    optionsLabel->setCursor(Qt::PointingHandCursor);
    optionsLabel->installEventFilter(this);
    optionsLabel->setFocusPolicy(Qt::TabFocus);
    SetAccessible(optionsLabel, QAccessible::Button, QStringLiteral("Opcje"));
    new KeyFocusRing(optionsLabel);
    effectivenessLabel =
        WhiteCaption(this, "Lskutecznosc", QStringLiteral("Skuteczność:"), {262, 16});

    mapPanel = ChildPanel(this, "Panel1", {8, 64, 465, 337});
    mapView = new ImageView(mapPanel);
    mapView->setObjectName("ImKontynentu");
    mapView->setGeometry(0, 0, 465, 337);
    connect(mapView, &ImageView::moved, this, &MapsWindow::MapPointerMoved);
    connect(mapView, &ImageView::pressed, this, &MapsWindow::MapPressed);
    mapView->setFocusPolicy(Qt::TabFocus);
    mapView->installEventFilter(this);
    mapView->setRingColour(Qt::transparent);  // mapRing shows the focus
    mapRing = new KeyFocusRing(mapView, [this] { return CursorRing(); });
    SetAccessible(mapView, QAccessible::Graphic, QStringLiteral("Mapa"));
    markTimer = new QTimer(this);
    markTimer->setSingleShot(true);
    markTimer->setInterval(kMarkMs);
    connect(markTimer, &QTimer::timeout, this, [this] { mapView->setOverlay({}); });

    BuildOptions();

    focusHolder = new QWidget(this);
    focusHolder->setObjectName("BFokusowy");
    focusHolder->setGeometry(-30, 40, 17, 17);
    focusHolder->setFocusPolicy(Qt::ClickFocus);  // lies outside the window: never clicked
    focusHolder->installEventFilter(this);
    // A click anywhere in the window keeps the keyboard here, out of sight.
    setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(focusHolder);
    setAccessibleName(QStringLiteral("Państwa świata na mapie"));
    focusHolder->setAccessibleName(QStringLiteral("Mapa"));

    continentPanel = ChildPanel(this, "PWyborKontynentu", {370, 12, 135, 21});
    // The longer names of the layers of Poland end in "…" when closed.
    continentList = new ElidingComboBox(continentPanel);
    continentList->setObjectName("ListaPanstw");
    continentList->setGeometry(0, 0, 135, 21);
    NameByPurpose(continentList, QStringLiteral("Kontynent"));
    continentList->setFocusPolicy(Qt::TabFocus);
    new KeyFocusRing(continentList);
    for (int c = 1; c <= kContinentCount; ++c) continentList->addItem(ContinentName(c));
    continentList->view()->setMinimumWidth(continentList->view()->sizeHintForColumn(0) +
                                           kListMargin);
    connect(continentList, &QComboBox::activated, this, &MapsWindow::ContinentChosen);

    // In the light field of the background; the dropped-down list is as
    // wide as the longest name, the closed one shortens a long name.
    findPanel = ChildPanel(this, "PZnajdzPanswo", {365, 12, 145, 23});
    findList = new ElidingComboBox(findPanel);
    findList->setObjectName("ListaZnajdz");
    findList->setGeometry(0, 0, 145, 21);
    // A list popup, not a menu, so that it shows only its ten rows.
    findList->setStyleSheet("QComboBox { combobox-popup: 0; }");
    findList->setMaxVisibleItems(10);
    NameByPurpose(findList, QStringLiteral("Państwo do znalezienia"));
    findList->setFocusPolicy(Qt::TabFocus);
    new KeyFocusRing(findList);
    FillFindList();
    connect(findList, &QComboBox::activated, this, &MapsWindow::CountryToFindChosen);

    // Tab goes from "Opcje" (and the modes while they show) to the lists and
    // on to the map; Shift+Tab from a list comes back to "Opcje".
    QWidget* chain[] = {optionsLabel, learnButton,   testButton, findButton, capitalsButton,
                        flagsButton,  continentList, findList,   mapView};
    for (size_t i = 1; i < std::size(chain); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MapsWindow::BuildOptions() {
    optionsPanel = ChildPanel(this, "POpcje", {372, 64, 132, 113});
    QPalette pal = optionsPanel->palette();
    pal.setColor(QPalette::Window, QColor(81, 118, 137));
    optionsPanel->setPalette(pal);
    optionsPanel->setAutoFillBackground(true);
    optionsPanel->installEventFilter(this);

    modeGroup = new QGroupBox(QStringLiteral("Tryb pracy"), optionsPanel);
    modeGroup->setObjectName("RTryby");
    modeGroup->setGeometry(8, 4, 116, 101);
    modeGroup->setStyleSheet(
        "QGroupBox { border: 1px solid rgb(150, 178, 192); margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; color: white; }");
    modeGroup->installEventFilter(this);

    learnButton = ModeButton(optionsPanel, "RNauka", QStringLiteral("Nauka"), 16);
    testButton = ModeButton(optionsPanel, "RTest", QStringLiteral("Test"), 32);
    findButton = ModeButton(optionsPanel, "RRwysz", QStringLiteral("Znajdź państwo"), 48);
    capitalsButton = ModeButton(optionsPanel, "RStolice", QStringLiteral("Stolice"), 64);
    flagsButton = ModeButton(optionsPanel, "RFlagi", QStringLiteral("Flagi"), 80);
    for (QRadioButton* mode : ModeButtons()) {
        mode->installEventFilter(this);
        new KeyFocusRing(mode);
    }
    learnButton->setChecked(true);
    // A mode's handler runs when its button becomes selected, not when the
    // selected one is pressed again.
    connect(learnButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on) LearnChosen();
    });
    connect(testButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on) QuizChosen(MapModel::Test);
    });
    connect(capitalsButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on) QuizChosen(MapModel::Capitals);
    });
    connect(flagsButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on) QuizChosen(MapModel::Flags);
    });
    connect(findButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on) FindChosen();
    });
    optionsPanel->hide();
}

QList<QRadioButton*> MapsWindow::ModeButtons() const {
    return {learnButton, testButton, findButton, capitalsButton, flagsButton};
}

void MapsWindow::Opening(Module) {
    ShowStartState();
}

void MapsWindow::Closing() {
    key = QImage();
}

bool MapsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == mapView) return MapKey(key);
        if (watched == focusHolder) return FocusHolderKey(key);
        if (OptionsKey(watched, key)) return true;
    }
    // The second press of a double-click is a press like any other.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (watched == optionsLabel) {
            optionsPanel->setVisible(optionsPanel->isHidden());
            return true;
        }
        if (watched == optionsPanel || watched == modeGroup) {
            optionsPanel->hide();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// "Opcje" opens and closes the options from the keyboard as with a click;
// Escape closes them and gives the focus back to "Opcje".
bool MapsWindow::OptionsKey(QObject* watched, int key) {
    if (watched == optionsLabel && IsPress(key)) {
        ShowOptions(optionsPanel->isHidden());
        return true;
    }
    const QList<QRadioButton*> modes = ModeButtons();
    const int at = modes.indexOf(qobject_cast<QRadioButton*>(watched));
    if (at < 0) return false;
    // The arrows only move among the modes; Space or Enter chooses one.
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        const int step = key == Qt::Key_Down ? 1 : modes.size() - 1;
        modes[(at + step) % modes.size()]->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (IsPress(key)) {
        if (modes[at]->isChecked())
            ShowOptions(false);
        else
            modes[at]->click();
        return true;
    }
    if (key != Qt::Key_Escape) return false;
    ShowOptions(false);
    return true;
}

// Closes the options; true when they had the keyboard focus, which then
// goes on to the list of the chosen mode (FocusModeList).
bool MapsWindow::CloseOptions() {
    const bool hadFocus = optionsPanel->isAncestorOf(QApplication::focusWidget());
    optionsPanel->hide();
    return hadFocus;
}

void MapsWindow::FocusModeList() {
    (model.mode == MapModel::Find ? findList : continentList)->setFocus(Qt::TabFocusReason);
}

void MapsWindow::ShowOptions(bool shown) {
    optionsPanel->setVisible(shown);
    if (!shown) {
        if (optionsLabel->isVisible()) optionsLabel->setFocus();
        return;
    }
    for (QRadioButton* mode : ModeButtons())
        if (mode->isChecked()) mode->setFocus();
}

// The map from the keyboard: in Learn and Test the arrows move the cursor
// from country to country; Learn names the country under it, and in Test
// Space or Enter points there.
bool MapsWindow::MapKey(int key) {
    if (model.mode == MapModel::Find || !model.mapShown) return false;
    if (cursor.Move(key)) {
        ShowCursor();
        return true;
    }
    if (!IsPress(key)) return false;
    if (model.IsQuiz() && cursor.HasPlace())
        AnswerTest(MapModel::KeyColourAt(this->key, cursor.Point()));
    return true;
}

void MapsWindow::ShowCursor() {
    mapRing->Refresh();
    if (model.mode != MapModel::Learn || !cursor.HasPlace()) return;
    NameInLearn(MapModel::KeyColourAt(key, cursor.Point()));
    Announce(messageLabel);
}

// Learn names what is pointed at; on a layer of Poland it also outlines the
// item, a river along its whole course.
void MapsWindow::NameInLearn(QRgb colour) {
    SetMessage(model.LookUp(colour));
    if (!IsPolandLayer(model.continent) || colour == outlinedColour) return;
    outlinedColour = colour;
    mapView->setOverlay(model.countryText.isEmpty() ? QImage() : MapModel::Outline(key, colour));
}

void MapsWindow::ClearLearnOutline() {
    if (outlinedColour == kKeyWhite) return;
    mapView->setOverlay({});
    outlinedColour = kKeyWhite;
}

void MapsWindow::FillFindList() {
    findList->clear();
    findList->addItems(model.FindNames());
    findList->view()->setMinimumWidth(findList->view()->sizeHintForColumn(0) + kListMargin);
}

QRect MapsWindow::CursorRing() const {
    if (model.mode == MapModel::Find || !cursor.HasPlace()) return {};
    constexpr int kRadius = 12;
    return QRect(cursor.Point() - QPoint(kRadius, kRadius),
                 QSize(2 * kRadius + 1, 2 * kRadius + 1));
}

// Keys pressed after a click on a list carry on where the keyboard plays.
bool MapsWindow::FocusHolderKey(int key) {
    if (!model.mapShown || model.mode == MapModel::Find) return false;
    if (!IsPress(key) && !(key >= Qt::Key_Left && key <= Qt::Key_Down)) return false;
    mapView->setFocus(Qt::TabFocusReason);
    return MapKey(key);
}

void MapsWindow::FocusAfterChoice(QWidget* list) {
    if (FocusVisible::shown() && list->hasFocus()) return;
    focusHolder->setFocus(Qt::OtherFocusReason);
}

// A ring round a map point for a moment, where the pointer may not move.
void MapsWindow::MarkPoint(QPoint point) {
    mapView->setOverlay(MapModel::PointMark(mapView->size(), point));
    markTimer->start();
}

void MapsWindow::ShowStartState() {
    key = QImage();
    markTimer->stop();
    mapView->setOverlay({});
    LoadJpegResourceToBitmap("TloMapy", backgroundView->image);
    backgroundView->update();
    model.Reset();
    loading = false;
    pendingChoice = nullptr;
    mapPanel->hide();
    continentList->setCurrentIndex(0);
    {
        const QSignalBlocker blocker(learnButton);
        learnButton->setChecked(true);
    }
    effectivenessLabel->hide();
    optionsLabel->hide();
    optionsPanel->hide();
    continentPanel->show();
    findPanel->hide();
    messageLabel->show();  // a failed load may have left it hidden
    ShowFlag(QString());
    SetMessage(QStringLiteral("Wybierz kontynent     --->"));
}

void MapsWindow::SetMessage(const QString& text) {
    // A message too long for its room (up to the effectiveness in Test mode,
    // to the end of its dark box otherwise) wraps onto a second line.
    messageLabel->setText(text);
    messageLabel->setWordWrap(false);
    QSize size = messageLabel->sizeHint();
    const int right = model.IsQuiz() ? effectivenessLabel->x() : kMessageBoxRight;
    const int room = right - 4 - messageLabel->x();
    if (size.width() > room) {
        messageLabel->setWordWrap(true);
        size = QSize(room, messageLabel->heightForWidth(room));
    }
    messageLabel->resize(size);
}

void MapsWindow::RunChoice(std::function<void()> choice) {
    // The zoom effect lets events through between its frames; a choice made
    // meanwhile waits until the map under way has appeared.
    if (loading) {
        pendingChoice = std::move(choice);
        return;
    }
    while (choice) {
        loading = true;
        choice();
        loading = false;
        choice = isVisible() ? std::exchange(pendingChoice, nullptr) : nullptr;
    }
}

void MapsWindow::ContinentChosen(int index) {
    RunChoice([this, index] {
        model.continent = index + 1;
        if (!LoadContinent(model.continent)) return;
        optionsLabel->show();
        // The layers of Poland have no capitals or flags to ask: Test instead.
        if (IsPolandLayer(model.continent) &&
            (model.mode == MapModel::Capitals || model.mode == MapModel::Flags)) {
            const QSignalBlocker blocker(testButton);
            testButton->setChecked(true);
            model.mode = MapModel::Test;
            model.ResetScore();
        }
        if (model.IsQuiz()) StartTest();
        FocusAfterChoice(continentList);
    });
}

void MapsWindow::CountryToFindChosen(int index) {
    RunChoice([this, index] {
        const MapModel::FindTarget target = model.FindChoice(index + 1);
        if (target.name.isEmpty()) return;
        if (target.needsLoad) {
            model.continent = target.continent;
            continentList->setCurrentIndex(target.continent - 1);
            if (!LoadContinent(target.continent)) return;
        }
        MovePointerTo(target.point.x(), target.point.y());
        MarkPoint(target.point);
        SetMessage(target.name);
        Announce(messageLabel);
        FocusAfterChoice(findList);
    });
}

QRect MapsWindow::PanelBounds() const {
    return QRect(mapPanel->pos(), mapPanel->pos() + QPoint(mapPanel->width(), mapPanel->height()));
}

bool MapsWindow::LoadContinent(int c) {
    optionsLabel->hide();
    messageLabel->hide();
    effectivenessLabel->hide();
    if (model.mapShown) {
        mapPanel->hide();
        repaint();
        ZoomClose({&backgroundView->image, backgroundView}, ctx.platform, kZoomOrigin.x(),
                  kZoomOrigin.y(), PanelBounds());
    }
    markTimer->stop();
    mapView->setOverlay({});
    outlinedColour = kKeyWhite;
    const MapPlacement place = ContinentInfo(c);
    if (!LoadImages(place.base)) {
        FailAndClose();
        return false;
    }
    cursor.SetPlaces(MapCursor::CountryPlaces(c, key), key.size());
    capitalsButton->setEnabled(!IsPolandLayer(c));
    flagsButton->setEnabled(!IsPolandLayer(c));
    mapPanel->setGeometry(QRect(place.offset, key.size()));
    mapView->resize(key.size());
    ZoomOpen({&backgroundView->image, backgroundView}, ctx.platform, kZoomOrigin.x(),
             kZoomOrigin.y(), PanelBounds());
    mapPanel->show();
    optionsLabel->show();
    messageLabel->show();
    effectivenessLabel->setVisible(model.IsQuiz());
    if (!model.IsQuiz()) ShowFlag(QString());
    if (model.mode == MapModel::Learn)
        SetMessage(QStringLiteral("Przesuwaj wskaźnik myszy nad mapą"));
    if (model.mode == MapModel::Find) SetMessage(QStringLiteral("Patrz na wskaźnik myszy"));
    model.mapShown = true;
    mapRing->Refresh();
    return true;
}

bool MapsWindow::LoadImages(const QString& base) {
    try {
        QImage keyBitmap = ctx.data.LoadMapImage(base + ".bmp", 0);
        const QImage map = ctx.data.LoadMapImage(base + ".jpg", 1);
        // A key that does not cover the visible map exactly would name the
        // wrong country, or read outside itself: such a pair is unusable.
        if (keyBitmap.isNull() || keyBitmap.size() != map.size()) return false;
        key = keyBitmap.convertToFormat(QImage::Format_RGB32);
        mapView->setImage(map);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void MapsWindow::FailAndClose() {
    pendingChoice = nullptr;
    ctx.platform.messages.info(
        QStringLiteral("Błąd odczytu"),
        QStringLiteral("Brak pliku graficznego. Nastąpi zamknięcie tego modułu."));
    Close();
}

void MapsWindow::MapPointerMoved(QPoint pos) {
    if (model.mode != MapModel::Learn) return;
    NameInLearn(MapModel::KeyColourAt(key, pos));
}

void MapsWindow::MapPressed(QPoint pos) {
    if (!model.IsQuiz()) return;
    AnswerTest(MapModel::KeyColourAt(key, pos));
}

void MapsWindow::AnswerTest(QRgb colour) {
    const QRgb right = model.QuestionColour();
    const StateFacts asked = model.QuestionFacts();
    const MapModel::Verdict verdict = model.Judge(colour);
    // In the Flags mode the verdict shows the flag of the state pointed at.
    if (model.mode == MapModel::Flags) ShowFlag(FactsByColour(model.continent, colour).flag);
    SetMessage(verdict.message);
    Announce(messageLabel);
    if (!verdict.counted) {
        // No sound and no score: the same question follows the pause.
        messageLabel->repaint();
        ctx.platform.waits.pause(kVerdictPauseMs);
        AskQuestion(model.QuestionPrompt());
        return;
    }
    // A miss shows the right country outlined for the pause, and the
    // Capitals mode marks the capital asked.
    QImage overlay = verdict.correct ? QImage() : MapModel::Outline(key, right);
    if (model.mode == MapModel::Capitals && asked.capitalPoint)
        overlay = MapModel::CapitalMark(overlay, key.size(), *asked.capitalPoint);
    if (!overlay.isNull()) mapView->setOverlay(overlay);
    messageLabel->repaint();
    ctx.platform.sounds.playAndWait(verdict.correct ? QStringLiteral("Plum")
                                                    : QStringLiteral("Plim"));
    effectivenessLabel->setText(verdict.effectiveness);
    effectivenessLabel->adjustSize();
    repaint();
    ctx.platform.waits.pause(kVerdictPauseMs);
    mapView->setOverlay({});
    if (verdict.roundOver)
        emit ExerciseFinished(ExerciseResult::MapTest(ContinentName(model.continent),
                                                      model.RoundSize(), verdict.missed));
    if (!verdict.missed.isEmpty())
        ctx.platform.messages.info(
            QStringLiteral("Koniec rundy"),
            QStringLiteral("Nietrafione w tej rundzie:\n") + verdict.missed.join('\n'));
    AskQuestion(model.NextQuestion());
}

void MapsWindow::AskQuestion(const QString& prompt) {
    ShowFlag(model.mode == MapModel::Flags ? model.QuestionFacts().flag : QString());
    SetMessage(prompt);
    Announce(messageLabel);
}

QImage MapsWindow::FlagPicture(const QString& code) {
    if (code.isEmpty()) return {};
    try {
        return ctx.data.LoadMapFlag(FlagEntry(code));
    } catch (const std::exception&) {
        return {};  // a flag that cannot be read is left out, as for a territory
    }
}

void MapsWindow::ShowFlag(const QString& code) {
    constexpr int kMessageLeft = 16, kFlagGap = 6;
    const QImage flag = FlagPicture(code);
    flagLabel->setVisible(!flag.isNull());
    if (!flag.isNull())
        flagLabel->setPixmap(QPixmap::fromImage(
            flag.scaled(flagLabel->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    messageLabel->move(flag.isNull() ? kMessageLeft : flagLabel->geometry().right() + 1 + kFlagGap,
                       messageLabel->y());
}

void MapsWindow::MovePointerTo(int x, int y) {
    ctx.platform.pointer.moveTo(mapToGlobal(mapPanel->pos() + QPoint(x, y)));
}

void MapsWindow::StartTest() {
    AskQuestion(model.StartTest(ctx.platform.random));
}

void MapsWindow::ShowContinentInChooser() {
    continentList->setCurrentIndex(model.continent - 1);
}

void MapsWindow::LearnChosen() {
    model.mode = MapModel::Learn;
    ClearLearnOutline();
    effectivenessLabel->hide();
    ShowFlag(QString());
    continentPanel->show();
    findPanel->hide();
    const bool fromKeys = CloseOptions();
    ShowContinentInChooser();
    SetMessage(QStringLiteral("Przesuwaj wskaźnik myszy nad mapą"));
    if (fromKeys) FocusModeList();
    mapRing->Refresh();
}

void MapsWindow::QuizChosen(MapModel::Mode quiz) {
    model.mode = quiz;
    ClearLearnOutline();
    effectivenessLabel->show();
    model.ResetScore();
    continentPanel->show();
    findPanel->hide();
    const bool fromKeys = CloseOptions();
    ShowContinentInChooser();
    StartTest();
    if (fromKeys) FocusModeList();
    mapRing->Refresh();
}

void MapsWindow::FindChosen() {
    model.mode = MapModel::Find;
    ClearLearnOutline();
    effectivenessLabel->hide();
    ShowFlag(QString());
    const bool fromKeys = CloseOptions();
    continentPanel->hide();
    FillFindList();
    findList->setCurrentIndex(0);
    findPanel->show();
    SetMessage(IsPolandLayer(model.continent)
                   ? QStringLiteral("Wybierz nazwę z listy, a wskaźnik myszy ją wskaże")
                   : QStringLiteral("Wybierz państwo z listy, a wskaźnik myszy go wskaże"));
    if (fromKeys) FocusModeList();
    mapRing->Refresh();
}
