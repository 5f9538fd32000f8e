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
#include "maps/KeyboardFocus.h"
#include "maps/MapTables.h"
#include "platform/Platform.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
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
    : ModuleWindow(parent, {40, 90}), ctx(ctx), input(new InputOrigin(this)) {
    setObjectName("MapsWindow");
    setFixedSize(513, 415);
    BuildControls();
}

void MapsWindow::BuildControls() {
    Image1 = new ImageView(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 513, 415);
    connect(Image1, &ImageView::pressed, this, [this] { POpcje->hide(); });

    NazwaKrajuL = WhiteCaption(this, "NazwaKrajuL", QString(), {16, 15});
    QFont bold = NazwaKrajuL->font();
    bold.setBold(true);
    NazwaKrajuL->setFont(bold);
    TrybL = WhiteCaption(this, "TrybL", QStringLiteral("     Opcje"), {376, 44});
    TrybL->resize(121, 13);
    TrybL->setCursor(Qt::PointingHandCursor);
    TrybL->installEventFilter(this);
    TrybL->setFocusPolicy(Qt::TabFocus);
    SetAccessible(TrybL, QAccessible::Button, QStringLiteral("Opcje"));
    new KeyFocusRing(TrybL, *input);
    Lskutecznosc = WhiteCaption(this, "Lskutecznosc", QStringLiteral("Skuteczność:"), {262, 16});

    Panel1 = ChildPanel(this, "Panel1", {8, 64, 465, 337});
    ImKontynentu = new ImageView(Panel1);
    ImKontynentu->setObjectName("ImKontynentu");
    ImKontynentu->setGeometry(0, 0, 465, 337);
    connect(ImKontynentu, &ImageView::moved, this, &MapsWindow::ImKontynentuMouseMove);
    connect(ImKontynentu, &ImageView::pressed, this, &MapsWindow::ImKontynentuMouseDown);
    ImKontynentu->setFocusPolicy(Qt::TabFocus);
    ImKontynentu->installEventFilter(this);
    ImKontynentu->setRingColour(Qt::transparent);  // mapRing shows the focus
    mapRing = new KeyFocusRing(ImKontynentu, *input, [this] { return CursorRing(); });
    SetAccessible(ImKontynentu, QAccessible::Graphic, QStringLiteral("Mapa"));
    markTimer = new QTimer(this);
    markTimer->setSingleShot(true);
    markTimer->setInterval(kMarkMs);
    connect(markTimer, &QTimer::timeout, this, [this] { ImKontynentu->setOverlay({}); });

    BuildOptions();

    BFokusowy = new QWidget(this);
    BFokusowy->setObjectName("BFokusowy");
    BFokusowy->setGeometry(-30, 40, 17, 17);
    BFokusowy->setFocusPolicy(Qt::ClickFocus);  // lies outside the window: never clicked
    BFokusowy->installEventFilter(this);
    // A click anywhere in the window keeps the keyboard here, out of sight.
    setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(BFokusowy);
    setAccessibleName(QStringLiteral("Państwa świata na mapie"));
    BFokusowy->setAccessibleName(QStringLiteral("Mapa"));

    PWyborKontynentu = ChildPanel(this, "PWyborKontynentu", {370, 12, 135, 21});
    ListaPanstw = new QComboBox(PWyborKontynentu);
    ListaPanstw->setObjectName("ListaPanstw");
    ListaPanstw->setGeometry(0, 0, 135, 21);
    ListaPanstw->setAccessibleName(QStringLiteral("Kontynent"));
    ListaPanstw->setFocusPolicy(Qt::TabFocus);
    new KeyFocusRing(ListaPanstw, *input);
    for (int c = 1; c <= kContinentCount; ++c) ListaPanstw->addItem(ContinentName(c));
    connect(ListaPanstw, &QComboBox::activated, this, &MapsWindow::ListaPanstwClick);

    // In the light field of the background; the dropped-down list is as
    // wide as the longest name, the closed one shortens a long name.
    PZnajdzPanswo = ChildPanel(this, "PZnajdzPanswo", {365, 12, 145, 23});
    ListaZnajdz = new ElidingComboBox(PZnajdzPanswo);
    ListaZnajdz->setObjectName("ListaZnajdz");
    ListaZnajdz->setGeometry(0, 0, 145, 21);
    // A list popup, not a menu, so that it shows only its ten rows.
    ListaZnajdz->setStyleSheet("QComboBox { combobox-popup: 0; }");
    ListaZnajdz->setMaxVisibleItems(10);
    ListaZnajdz->setAccessibleName(QStringLiteral("Państwo do znalezienia"));
    ListaZnajdz->setFocusPolicy(Qt::TabFocus);
    new KeyFocusRing(ListaZnajdz, *input);
    for (int p = 1; p <= kFindCount; ++p) ListaZnajdz->addItem(FindEntry(p)->name);
    ListaZnajdz->view()->setMinimumWidth(ListaZnajdz->view()->sizeHintForColumn(0) + kListMargin);
    connect(ListaZnajdz, &QComboBox::activated, this, &MapsWindow::ListaZnajdzClick);

    // Tab goes from "Opcje" (and the modes while they show) to the lists and
    // on to the map; Shift+Tab from a list comes back to "Opcje".
    QWidget* chain[] = {TrybL, RNauka, RTest, RRwysz, ListaPanstw, ListaZnajdz, ImKontynentu};
    for (size_t i = 1; i < std::size(chain); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MapsWindow::BuildOptions() {
    POpcje = ChildPanel(this, "POpcje", {372, 64, 132, 81});
    QPalette pal = POpcje->palette();
    pal.setColor(QPalette::Window, QColor(81, 118, 137));
    POpcje->setPalette(pal);
    POpcje->setAutoFillBackground(true);
    POpcje->installEventFilter(this);

    RTryby = new QGroupBox(QStringLiteral("Tryb pracy"), POpcje);
    RTryby->setObjectName("RTryby");
    RTryby->setGeometry(8, 4, 116, 69);
    RTryby->setStyleSheet(
        "QGroupBox { border: 1px solid rgb(150, 178, 192); margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; color: white; }");
    RTryby->installEventFilter(this);

    RNauka = ModeButton(POpcje, "RNauka", QStringLiteral("Nauka"), 16);
    RTest = ModeButton(POpcje, "RTest", QStringLiteral("Test"), 32);
    RRwysz = ModeButton(POpcje, "RRwysz", QStringLiteral("Znajdź państwo"), 48);
    for (QRadioButton* mode : {RNauka, RTest, RRwysz}) {
        mode->installEventFilter(this);
        new KeyFocusRing(mode, *input);
    }
    RNauka->setChecked(true);
    // A mode's handler runs when its button becomes selected, not when the
    // selected one is pressed again.
    connect(RNauka, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RNaukaClick();
    });
    connect(RTest, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RTestClick();
    });
    connect(RRwysz, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RRwyszClick();
    });
    POpcje->hide();
}

void MapsWindow::Opening(Module) {
    FormShow();
}

void MapsWindow::Closing() {
    key = QImage();
}

bool MapsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == ImKontynentu) return MapKey(key);
        if (watched == BFokusowy) return FocusHolderKey(key);
        if (OptionsKey(watched, key)) return true;
    }
    // The second press of a double-click is a press like any other.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (watched == TrybL) {
            POpcje->setVisible(POpcje->isHidden());
            return true;
        }
        if (watched == POpcje || watched == RTryby) {
            POpcje->hide();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// "Opcje" opens and closes the options from the keyboard as with a click;
// Escape closes them and gives the focus back to "Opcje".
bool MapsWindow::OptionsKey(QObject* watched, int key) {
    if (watched == TrybL && IsPress(key)) {
        ShowOptions(POpcje->isHidden());
        return true;
    }
    const QList<QRadioButton*> modes{RNauka, RTest, RRwysz};
    const int at = modes.indexOf(qobject_cast<QRadioButton*>(watched));
    if (at < 0) return false;
    // The arrows only move among the modes; Space or Enter chooses one.
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        modes[(at + (key == Qt::Key_Down ? 1 : 2)) % 3]->setFocus(Qt::TabFocusReason);
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
    const bool hadFocus = POpcje->isAncestorOf(QApplication::focusWidget());
    POpcje->hide();
    return hadFocus;
}

void MapsWindow::FocusModeList() {
    (model.mode == MapModel::Find ? ListaZnajdz : ListaPanstw)->setFocus(Qt::TabFocusReason);
}

void MapsWindow::ShowOptions(bool shown) {
    POpcje->setVisible(shown);
    if (!shown) {
        if (TrybL->isVisible()) TrybL->setFocus();
        return;
    }
    for (QRadioButton* mode : {RNauka, RTest, RRwysz})
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
    if (model.mode == MapModel::Test && cursor.HasPlace())
        AnswerTest(MapModel::KeyColourAt(this->key, cursor.Point()));
    return true;
}

void MapsWindow::ShowCursor() {
    mapRing->Refresh();
    if (model.mode != MapModel::Learn || !cursor.HasPlace()) return;
    SetMessage(model.LookUp(MapModel::KeyColourAt(key, cursor.Point())));
    Announce(NazwaKrajuL);
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
    ImKontynentu->setFocus(Qt::TabFocusReason);
    return MapKey(key);
}

void MapsWindow::FocusAfterChoice(QWidget* list) {
    if (input->FromKeys() && list->hasFocus()) return;
    BFokusowy->setFocus(Qt::OtherFocusReason);
}

// A ring round a map point for a moment, where the pointer may not move.
void MapsWindow::MarkPoint(QPoint point) {
    ImKontynentu->setOverlay(MapModel::PointMark(ImKontynentu->size(), point));
    markTimer->start();
}

void MapsWindow::FormShow() {
    key = QImage();
    markTimer->stop();
    ImKontynentu->setOverlay({});
    LoadJpegResourceToBitmap("TloMapy", Image1->image);
    Image1->update();
    model.Reset();
    loading = false;
    pendingChoice = nullptr;
    Panel1->hide();
    ListaPanstw->setCurrentIndex(0);
    {
        const QSignalBlocker blocker(RNauka);
        RNauka->setChecked(true);
    }
    Lskutecznosc->hide();
    TrybL->hide();
    POpcje->hide();
    PWyborKontynentu->show();
    PZnajdzPanswo->hide();
    NazwaKrajuL->show();  // a failed load may have left it hidden
    SetMessage(QStringLiteral("Wybierz kontynent     --->"));
}

void MapsWindow::SetMessage(const QString& text) {
    // A message too long for its room (up to the effectiveness in Test mode,
    // to the end of its dark box otherwise) wraps onto a second line.
    NazwaKrajuL->setText(text);
    NazwaKrajuL->setWordWrap(false);
    QSize size = NazwaKrajuL->sizeHint();
    const int right = model.mode == MapModel::Test ? Lskutecznosc->x() : kMessageBoxRight;
    const int room = right - 4 - NazwaKrajuL->x();
    if (size.width() > room) {
        NazwaKrajuL->setWordWrap(true);
        size = QSize(room, NazwaKrajuL->heightForWidth(room));
    }
    NazwaKrajuL->resize(size);
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

void MapsWindow::ListaPanstwClick(int index) {
    RunChoice([this, index] {
        model.continent = index + 1;
        if (!LoadContinent(model.continent)) return;
        TrybL->show();
        if (model.mode == MapModel::Test) StartTest();
        FocusAfterChoice(ListaPanstw);
    });
}

void MapsWindow::ListaZnajdzClick(int index) {
    RunChoice([this, index] {
        const MapModel::FindTarget target = model.FindChoice(index + 1);
        if (target.name.isEmpty()) return;
        if (target.needsLoad) {
            model.continent = target.continent;
            ListaPanstw->setCurrentIndex(target.continent - 1);
            if (!LoadContinent(target.continent)) return;
        }
        MovePointerTo(target.point.x(), target.point.y());
        MarkPoint(target.point);
        SetMessage(target.name);
        Announce(NazwaKrajuL);
        FocusAfterChoice(ListaZnajdz);
    });
}

QRect MapsWindow::PanelBounds() const {
    return QRect(Panel1->pos(), Panel1->pos() + QPoint(Panel1->width(), Panel1->height()));
}

bool MapsWindow::LoadContinent(int c) {
    TrybL->hide();
    NazwaKrajuL->hide();
    Lskutecznosc->hide();
    if (model.mapShown) {
        Panel1->hide();
        repaint();
        ZoomClose({&Image1->image, Image1}, ctx.platform, kZoomOrigin.x(), kZoomOrigin.y(),
                  PanelBounds());
    }
    markTimer->stop();
    ImKontynentu->setOverlay({});
    const MapPlacement place = ContinentInfo(c);
    if (!LoadImages(place.base)) {
        FailAndClose();
        return false;
    }
    cursor.SetPlaces(MapCursor::CountryPlaces(c, key), key.size());
    Panel1->setGeometry(QRect(place.offset, key.size()));
    ImKontynentu->resize(key.size());
    ZoomOpen({&Image1->image, Image1}, ctx.platform, kZoomOrigin.x(), kZoomOrigin.y(),
             PanelBounds());
    Panel1->show();
    TrybL->show();
    NazwaKrajuL->show();
    Lskutecznosc->setVisible(model.mode == MapModel::Test);
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
        ImKontynentu->setImage(map);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void MapsWindow::FailAndClose() {
    pendingChoice = nullptr;
    ctx.platform.messages.show(
        QStringLiteral("Błąd odczytu"),
        QStringLiteral("Brak pliku graficznego. Nastąpi zamknięcie tego modułu."));
    Close();
}

void MapsWindow::ImKontynentuMouseMove(QPoint pos) {
    if (model.mode != MapModel::Learn) return;
    SetMessage(model.LookUp(MapModel::KeyColourAt(key, pos)));
}

void MapsWindow::ImKontynentuMouseDown(QPoint pos) {
    if (model.mode != MapModel::Test) return;
    AnswerTest(MapModel::KeyColourAt(key, pos));
}

void MapsWindow::AnswerTest(QRgb colour) {
    const QRgb right = model.QuestionColour();
    const MapModel::Verdict verdict = model.Judge(colour);
    SetMessage(verdict.message);
    Announce(NazwaKrajuL);
    if (!verdict.counted) {
        // No sound and no score: the same question follows the pause.
        NazwaKrajuL->repaint();
        ctx.platform.waits.pause(kVerdictPauseMs);
        SetMessage(QStringLiteral("Wskaż: ") + model.questionText);
        Announce(NazwaKrajuL);
        return;
    }
    // A miss shows the right country outlined for the pause.
    if (!verdict.correct) ImKontynentu->setOverlay(MapModel::Outline(key, right));
    NazwaKrajuL->repaint();
    ctx.platform.sounds.playAndWait(verdict.correct ? QStringLiteral("Plum")
                                                    : QStringLiteral("Plim"));
    Lskutecznosc->setText(verdict.effectiveness);
    Lskutecznosc->adjustSize();
    repaint();
    ctx.platform.waits.pause(kVerdictPauseMs);
    ImKontynentu->setOverlay({});
    if (verdict.roundOver)
        emit ExerciseFinished(ExerciseResult::MapTest(ContinentName(model.continent),
                                                      model.questionCount, verdict.missed));
    if (!verdict.missed.isEmpty())
        ctx.platform.messages.show(
            QStringLiteral("Koniec rundy"),
            QStringLiteral("Nietrafione w tej rundzie:\n") + verdict.missed.join('\n'));
    SetMessage(model.NextQuestion());
    Announce(NazwaKrajuL);
}

void MapsWindow::MovePointerTo(int x, int y) {
    ctx.platform.pointer.moveTo(mapToGlobal(Panel1->pos() + QPoint(x, y)));
}

void MapsWindow::StartTest() {
    SetMessage(model.StartTest(ctx.platform.random));
}

void MapsWindow::ShowContinentInChooser() {
    ListaPanstw->setCurrentIndex(model.continent - 1);
}

void MapsWindow::RNaukaClick() {
    model.mode = MapModel::Learn;
    Lskutecznosc->hide();
    PWyborKontynentu->show();
    PZnajdzPanswo->hide();
    const bool fromKeys = CloseOptions();
    ShowContinentInChooser();
    SetMessage(QStringLiteral("Przesuwaj wskaźnik myszy nad mapą"));
    if (fromKeys) FocusModeList();
    mapRing->Refresh();
}

void MapsWindow::RTestClick() {
    model.mode = MapModel::Test;
    Lskutecznosc->show();
    model.ResetScore();
    PWyborKontynentu->show();
    PZnajdzPanswo->hide();
    const bool fromKeys = CloseOptions();
    ShowContinentInChooser();
    StartTest();
    if (fromKeys) FocusModeList();
    mapRing->Refresh();
}

void MapsWindow::RRwyszClick() {
    model.mode = MapModel::Find;
    Lskutecznosc->hide();
    const bool fromKeys = CloseOptions();
    PWyborKontynentu->hide();
    ListaZnajdz->setCurrentIndex(0);
    PZnajdzPanswo->show();
    SetMessage(QStringLiteral("Wybierz państwo z listy, a wskaźnik myszy go wskaże"));
    if (fromKeys) FocusModeList();
    mapRing->Refresh();
}
