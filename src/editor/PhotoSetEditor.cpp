// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/PhotoSetEditor.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "editor/CropView.h"
#include "platform/Platform.h"
#include "platform/TarvoError.h"

namespace {

const QString kAppTitle = QStringLiteral("Terravika – zestawy obrazków");
const QString kPictureFilter = QStringLiteral("Zdjęcia (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)");
const QString kSetFilter = QStringLiteral("Zestawy obrazków (*.dat *.DAT)");
constexpr QSize kThumb{96, 64};

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

PhotoSetEditor::PhotoSetEditor(Messages& messages, QWidget* parent)
    : QWidget(parent), draft(PhotoSetRules::PuzzleLabelMetrics()), messages(messages) {
    setObjectName("PhotoSetEditor");
    setWindowTitle(kAppTitle);
    setAcceptDrops(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(BuildTop(), 0, 0, 1, 2);
    layout->addWidget(BuildList(), 1, 0);
    layout->addWidget(BuildDetail(), 1, 1);
    Stan = new QLabel(this);
    Stan->setObjectName("Stan");
    Stan->setTextFormat(Qt::PlainText);
    Stan->setWordWrap(true);
    layout->addWidget(Stan, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 2);
    resize(980, 640);
    confirmDiscard = [this] { return AskAboutChanges(); };
    Refresh();
}

void PhotoSetEditor::Changed() {
    modified = true;
    Refresh();
}

// "Zapisz" saves first (and goes on only when that worked), "Nie zapisuj"
// drops the changes, "Anuluj" and Esc stay.
bool PhotoSetEditor::AskAboutChanges() {
    QMessageBox box(QMessageBox::Question, kAppTitle,
                    QStringLiteral("Zestaw ma niezapisane zmiany. Zapisać je?"),
                    QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(QStringLiteral("Zapisz"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Nie zapisuj"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == cancel) return false;
    if (box.clickedButton() == save) ZapiszClick();
    return !modified || box.clickedButton() != save;
}

bool PhotoSetEditor::MayDiscard() {
    return !modified || confirmDiscard();
}

void PhotoSetEditor::closeEvent(QCloseEvent* event) {
    if (MayDiscard())
        event->accept();
    else
        event->ignore();
}

QWidget* PhotoSetEditor::BuildTop() {
    auto* top = new QWidget(this);
    auto* layout = new QGridLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    NowyBut = Button(top, "NowyBut", QStringLiteral("&Nowy zestaw"));
    OtworzBut = Button(top, "OtworzBut", QStringLiteral("&Otwórz zestaw…"));
    DodajBut = Button(top, "DodajBut", QStringLiteral("&Dodaj obrazki…"));
    ZapiszBut = Button(top, "ZapiszBut", QStringLiteral("&Zapisz"));
    ZapiszJakoBut = Button(top, "ZapiszJakoBut", QStringLiteral("Zapisz &jako…"));
    TytulEdit = new QLineEdit(top);
    TytulEdit->setObjectName("TytulEdit");
    TytulEdit->setPlaceholderText(QStringLiteral("np. Moja klasa: Europa"));
    layout->addWidget(Caption(top, QStringLiteral("&Tytuł zestawu:"), TytulEdit), 0, 0);
    layout->addWidget(TytulEdit, 0, 1);
    int column = 2;
    for (QPushButton* button : {NowyBut, OtworzBut, DodajBut, ZapiszBut, ZapiszJakoBut})
        layout->addWidget(button, 0, column++);
    layout->setColumnStretch(1, 1);
    connect(NowyBut, &QPushButton::clicked, this, &PhotoSetEditor::NowyClick);
    connect(OtworzBut, &QPushButton::clicked, this, &PhotoSetEditor::OtworzClick);
    connect(DodajBut, &QPushButton::clicked, this, &PhotoSetEditor::DodajClick);
    connect(ZapiszBut, &QPushButton::clicked, this, &PhotoSetEditor::ZapiszClick);
    connect(ZapiszJakoBut, &QPushButton::clicked, this, &PhotoSetEditor::ZapiszJakoClick);
    connect(TytulEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        draft.title = text;
        modified = true;
        RefreshState();
    });
    return top;
}

QWidget* PhotoSetEditor::BuildList() {
    auto* box = new QWidget(this);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    Lista = new QListWidget(box);
    Lista->setObjectName("Lista");
    Lista->setIconSize(kThumb);
    Lista->setWordWrap(true);
    Lista->setAccessibleName(QStringLiteral("Obrazki zestawu"));
    WyzejBut = Button(box, "WyzejBut", QStringLiteral("W&yżej"));
    NizejBut = Button(box, "NizejBut", QStringLiteral("N&iżej"));
    UsunBut = Button(box, "UsunBut", QStringLiteral("&Usuń"));
    layout->addWidget(Caption(box, QStringLiteral("O&brazki (przeciągnij tu zdjęcia):"), Lista), 0,
                      0, 1, 3);
    layout->addWidget(Lista, 1, 0, 1, 3);
    layout->addWidget(WyzejBut, 2, 0);
    layout->addWidget(NizejBut, 2, 1);
    layout->addWidget(UsunBut, 2, 2);
    connect(Lista, &QListWidget::currentRowChanged, this, [this] {
        if (!refreshing) RefreshDetail();
    });
    connect(WyzejBut, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(NizejBut, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(UsunBut, &QPushButton::clicked, this, &PhotoSetEditor::RemoveSelected);
    return box;
}

QWidget* PhotoSetEditor::BuildDetail() {
    auto* box = new QWidget(this);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    Kadr = new CropView(box);
    Kadr->setObjectName("Kadr");
    Kadr->setAccessibleName(QStringLiteral("Kadr obrazka"));
    NazwaEdit = new QLineEdit(box);
    NazwaEdit->setObjectName("NazwaEdit");
    OpisEdit = new QLineEdit(box);
    OpisEdit->setObjectName("OpisEdit");
    OpisEdit->setMaxLength(PhotoSetRules::kMaxDescriptionLength);
    // The description as the puzzle shows it: its font, its label's width.
    OpisPodglad = new QLabel(box);
    OpisPodglad->setObjectName("OpisPodglad");
    OpisPodglad->setTextFormat(Qt::PlainText);
    OpisPodglad->setFont(PhotoSetRules::PuzzleLabelMetrics().font);
    OpisPodglad->setFixedSize(PhotoSetRules::kPuzzleLabelSize + QSize(8, 8));
    OpisPodglad->setContentsMargins(4, 4, 4, 4);
    OpisPodglad->setStyleSheet("background: #1B5C81; color: white;");
    Problemy = new QLabel(box);
    Problemy->setObjectName("Problemy");
    Problemy->setTextFormat(Qt::PlainText);
    Problemy->setWordWrap(true);
    Problemy->setStyleSheet("color: #B00000; font-weight: bold;");

    layout->addWidget(Kadr, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Przeciągnij żółtą ramkę myszą (lub przesuń ją "
                                                "strzałkami), by wybrać, co będzie widać."),
                                 box),
                      1, 0, 1, 2);
    layout->addWidget(Caption(box, QStringLiteral("N&azwa państwa:"), NazwaEdit), 2, 0);
    layout->addWidget(NazwaEdit, 2, 1);
    layout->addWidget(Caption(box, QStringLiteral("O&pis:"), OpisEdit), 3, 0);
    layout->addWidget(OpisEdit, 3, 1);
    layout->addWidget(Caption(box, QStringLiteral("Tak opis wygląda w puzzlach:"), OpisPodglad), 4,
                      0);
    layout->addWidget(OpisPodglad, 4, 1, Qt::AlignLeft);
    layout->addWidget(Problemy, 5, 0, 1, 2);
    layout->setRowStretch(0, 1);
    connect(Kadr, &CropView::cropMoved, this, [this](QPoint delta) {
        draft.MoveCrop(Selected(), delta);
        modified = true;
        RefreshList();
        RefreshDetail();
    });
    connect(NazwaEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        draft.SetName(Selected(), text);
        // The field shows the name as it is stored: in capitals.
        const int cursor = NazwaEdit->cursorPosition();
        NazwaEdit->setText(text.toUpper());
        NazwaEdit->setCursorPosition(cursor);
        Changed();
    });
    connect(OpisEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        draft.SetDescription(Selected(), text);
        Changed();
    });
    return box;
}

int PhotoSetEditor::Selected() const {
    return Lista->currentRow();
}

void PhotoSetEditor::Refresh() {
    RefreshList();
    RefreshDetail();
    RefreshState();
}

void PhotoSetEditor::RefreshList() {
    QList<QStringList> problems(draft.pictures.size());
    for (const PhotoSetRules::Problem& problem : draft.Problems())
        if (problem.picture > 0) problems[problem.picture - 1].append(problem.text);
    const int current = Selected();
    refreshing = true;
    const QSignalBlocker block(Lista);
    // Items are updated in place and only where they changed, so that the
    // list keeps its scroll position and a key costs little in a long list.
    while (Lista->count() > draft.pictures.size()) delete Lista->takeItem(Lista->count() - 1);
    if (Lista->count() < draft.pictures.size())  // in one insertion, not one per item
        Lista->addItems(QStringList(draft.pictures.size() - Lista->count(), QString()));
    listed.resize(draft.pictures.size());
    for (int i = 0; i < draft.pictures.size(); ++i) {
        const auto& picture = draft.pictures[i];
        const Listed now{picture.name, problems[i], picture.warning, picture.fitted.cacheKey()};
        if (listed[i] == now) continue;
        ShowItem(Lista->item(i), i, now);
        listed[i] = now;
    }
    Lista->setCurrentRow(std::min(std::max(current, 0), int(draft.pictures.size()) - 1));
    refreshing = false;
}

void PhotoSetEditor::ShowItem(QListWidgetItem* item, int index, const Listed& shown) {
    const QImage& fitted = draft.pictures[index].fitted;
    QString text = QStringLiteral("%1. %2").arg(index + 1).arg(
        shown.name.isEmpty() ? QStringLiteral("(bez nazwy)") : shown.name);
    for (const QString& problem : shown.problems) text += QStringLiteral("\n⚠ ") + problem;
    if (!shown.warning.isEmpty()) text += QStringLiteral("\nⓘ ") + shown.warning;
    item->setText(text);
    item->setIcon(fitted.isNull() ? QIcon() : QIcon(QPixmap::fromImage(fitted.scaled(kThumb))));
    item->setForeground(shown.problems.isEmpty() ? palette().color(QPalette::Text)
                                                 : QColor(0xB0, 0, 0));
}

void PhotoSetEditor::RefreshDetail() {
    const int index = Selected();
    const bool any = index >= 0 && index < draft.pictures.size();
    for (QWidget* widget : {static_cast<QWidget*>(NazwaEdit), static_cast<QWidget*>(OpisEdit),
                            static_cast<QWidget*>(Kadr), static_cast<QWidget*>(WyzejBut),
                            static_cast<QWidget*>(NizejBut), static_cast<QWidget*>(UsunBut)})
        widget->setEnabled(any);
    if (!any) {
        Kadr->setPicture({}, {});
        NazwaEdit->clear();
        OpisEdit->clear();
        OpisPodglad->clear();
        Problemy->clear();
        return;
    }
    const auto& picture = draft.pictures[index];
    Kadr->setPicture(picture.cover, picture.crop);
    if (NazwaEdit->text() != picture.name) NazwaEdit->setText(picture.name);
    if (OpisEdit->text() != picture.description) OpisEdit->setText(picture.description);
    OpisPodglad->setText(picture.description);
    QStringList notes = PhotoSetRules::ProblemsOf(draft.Problems(), index + 1);
    if (!picture.warning.isEmpty()) notes << picture.warning;
    Problemy->setText(notes.join('\n'));
}

void PhotoSetEditor::RefreshState() {
    ZapiszBut->setEnabled(draft.CanSave());
    ZapiszJakoBut->setEnabled(draft.CanSave());
    if (TytulEdit->text() != draft.title) TytulEdit->setText(draft.title);
    const QList<PhotoSetRules::Problem> problems = draft.Problems();
    if (problems.isEmpty()) {
        Stan->setText(draft.path.isEmpty() ? QStringLiteral("Zestaw gotowy do zapisania.")
                                           : QStringLiteral("Plik zestawu: ") + draft.path);
        return;
    }
    QStringList texts = PhotoSetRules::ProblemsOf(problems, 0);
    if (problems.size() > texts.size())
        texts << QStringLiteral("Popraw obrazki oznaczone ⚠ na liście.");
    Stan->setText(QStringLiteral("Zestawu nie można jeszcze zapisać. ") + texts.join(' '));
}

void PhotoSetEditor::NowyClick() {
    if (!MayDiscard()) return;
    draft.Clear();
    modified = false;
    Refresh();
}

void PhotoSetEditor::OtworzClick() {
    if (!MayDiscard()) return;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Otwórz zestaw"),
                                                      PhotoSetDraft::UserDataFolder(), kSetFilter);
    if (!path.isEmpty()) OpenSet(path);
}

void PhotoSetEditor::OpenSet(const QString& path) {
    try {
        draft.Open(path);
        modified = false;
    } catch (const TarvoError& error) {
        messages.show(kAppTitle, error.message());
    }
    Lista->setCurrentRow(0);
    Refresh();
}

void PhotoSetEditor::DodajClick() {
    const QStringList files = QFileDialog::getOpenFileNames(
        this, QStringLiteral("Dodaj obrazki"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), kPictureFilter);
    if (!files.isEmpty()) AddFiles(files);
}

void PhotoSetEditor::AddFiles(const QStringList& files) {
    const int first = int(draft.pictures.size());
    const QStringList failures = draft.AddFiles(files);
    if (!failures.isEmpty()) messages.show(kAppTitle, failures.join('\n'));
    RefreshList();
    if (draft.pictures.size() > first) Lista->setCurrentRow(first);
    Changed();
}

void PhotoSetEditor::ZapiszClick() {
    if (draft.path.isEmpty())
        ZapiszJakoClick();
    else
        SaveTo(draft.path);
}

void PhotoSetEditor::ZapiszJakoClick() {
    const QString folder = PhotoSetDraft::UserDataFolder();
    QDir().mkpath(folder);
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Zapisz zestaw"),
        QDir(folder).filePath(PhotoSetDraft::FileNameFor(draft.title)), kSetFilter);
    if (path.isEmpty()) return;
    if (!path.endsWith(".dat", Qt::CaseInsensitive)) path += ".dat";
    SaveTo(path);
}

void PhotoSetEditor::SaveTo(const QString& path) {
    try {
        draft.Save(path);
        modified = false;
    } catch (const TarvoError& error) {
        messages.show(kAppTitle, error.message());
    }
    RefreshState();
}

void PhotoSetEditor::Select(int index) {
    Lista->setCurrentRow(index);
}

void PhotoSetEditor::MoveSelected(int step) {
    const int from = Selected(), to = from + step;
    if (to < 0 || to >= draft.pictures.size()) return;
    draft.Move(from, to);
    RefreshList();
    Lista->setCurrentRow(to);
    Changed();
}

void PhotoSetEditor::RemoveSelected() {
    draft.Remove(Selected());
    Changed();
}

void PhotoSetEditor::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void PhotoSetEditor::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) files.append(url.toLocalFile());
    AddFiles(files);
    event->acceptProposedAction();
}
