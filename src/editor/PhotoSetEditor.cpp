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
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "editor/CropView.h"
#include "platform/Platform.h"
#include "platform/TarvoError.h"
#include "platform/Theme.h"

namespace {

// Problems with a picture or a text: dark red and bold.
const QString kProblemStyle = QStringLiteral("color: #B00000; font-weight: bold;");

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
    statusLabel = new QLabel(this);
    statusLabel->setObjectName("Stan");
    statusLabel->setTextFormat(Qt::PlainText);
    statusLabel->setWordWrap(true);
    layout->addWidget(statusLabel, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 2);
    resize(980, 640);
    confirmDiscard = [this] { return AskAboutChanges(); };
    // In a text field Ctrl+Z undoes the typing there; elsewhere a removal.
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            &PhotoSetEditor::UndoRemove);
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
    if (box.clickedButton() == save) Save();
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
    newButton = Button(top, "NowyBut", QStringLiteral("&Nowy zestaw"));
    openButton = Button(top, "OtworzBut", QStringLiteral("&Otwórz zestaw…"));
    addButton = Button(top, "DodajBut", QStringLiteral("&Dodaj obrazki…"));
    saveButton = Button(top, "ZapiszBut", QStringLiteral("&Zapisz"));
    saveAsButton = Button(top, "ZapiszJakoBut", QStringLiteral("Zapisz &jako…"));
    titleField = new QLineEdit(top);
    titleField->setObjectName("TytulEdit");
    titleField->setPlaceholderText(QStringLiteral("np. Moja klasa: Europa"));
    layout->addWidget(Caption(top, QStringLiteral("&Tytuł zestawu:"), titleField), 0, 0);
    layout->addWidget(titleField, 0, 1);
    int column = 2;
    for (QPushButton* button : {newButton, openButton, addButton, saveButton, saveAsButton})
        layout->addWidget(button, 0, column++);
    layout->setColumnStretch(1, 1);
    connect(newButton, &QPushButton::clicked, this, &PhotoSetEditor::NewSet);
    connect(openButton, &QPushButton::clicked, this, &PhotoSetEditor::ChooseSetToOpen);
    connect(addButton, &QPushButton::clicked, this, &PhotoSetEditor::ChoosePicturesToAdd);
    connect(saveButton, &QPushButton::clicked, this, &PhotoSetEditor::Save);
    connect(saveAsButton, &QPushButton::clicked, this, &PhotoSetEditor::SaveAs);
    connect(titleField, &QLineEdit::textEdited, this, [this](const QString& text) {
        draft.title = text;
        modified = true;
        RefreshState(draft.Problems());
    });
    return top;
}

QWidget* PhotoSetEditor::BuildList() {
    auto* box = new QWidget(this);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    pictureList = new QListWidget(box);
    pictureList->setObjectName("Lista");
    pictureList->setIconSize(kThumb);
    pictureList->setWordWrap(true);
    pictureList->setLayoutMode(QListView::Batched);
    pictureList->setAccessibleName(QStringLiteral("Obrazki zestawu"));
    upButton = Button(box, "WyzejBut", QStringLiteral("W&yżej"));
    downButton = Button(box, "NizejBut", QStringLiteral("N&iżej"));
    removeButton = Button(box, "UsunBut", QStringLiteral("&Usuń"));
    layout->addWidget(
        Caption(box, QStringLiteral("O&brazki (przeciągnij tu zdjęcia):"), pictureList), 0, 0, 1,
        3);
    layout->addWidget(pictureList, 1, 0, 1, 3);
    layout->addWidget(upButton, 2, 0);
    layout->addWidget(downButton, 2, 1);
    layout->addWidget(removeButton, 2, 2);
    connect(pictureList, &QListWidget::currentRowChanged, this, [this] {
        if (!refreshing) RefreshDetail(draft.Problems());
    });
    connect(upButton, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(removeButton, &QPushButton::clicked, this, &PhotoSetEditor::RemoveSelected);
    return box;
}

QWidget* PhotoSetEditor::BuildDetail() {
    auto* box = new QWidget(this);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    cropView = new CropView(box);
    cropView->setObjectName("Kadr");
    cropView->setAccessibleName(QStringLiteral("Kadr obrazka"));
    nameField = new QLineEdit(box);
    nameField->setObjectName("NazwaEdit");
    descriptionField = new QLineEdit(box);
    descriptionField->setObjectName("OpisEdit");
    // Not cut while typed or pasted: a description too long is shown as such
    // and keeps the set from being saved until the teacher shortens it.
    descriptionLength = new QLabel(box);
    descriptionLength->setObjectName("OpisDlugosc");
    descriptionLength->setTextFormat(Qt::PlainText);
    // The description as the puzzle shows it: its font, its label's width.
    descriptionPreview = new QLabel(box);
    descriptionPreview->setObjectName("OpisPodglad");
    descriptionPreview->setTextFormat(Qt::PlainText);
    descriptionPreview->setFont(PhotoSetRules::PuzzleLabelMetrics().font);
    descriptionPreview->setFixedSize(PhotoSetRules::kPuzzleLabelSize + QSize(8, 8));
    descriptionPreview->setContentsMargins(4, 4, 4, 4);
    descriptionPreview->setStyleSheet(
        QStringLiteral("background: %1; color: white;").arg(Theme::kDialogPanel.name()));
    problemsLabel = new QLabel(box);
    problemsLabel->setObjectName("Problemy");
    problemsLabel->setTextFormat(Qt::PlainText);
    problemsLabel->setWordWrap(true);
    problemsLabel->setStyleSheet(kProblemStyle);

    layout->addWidget(cropView, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Przeciągnij żółtą ramkę myszą (lub przesuń ją "
                                                "strzałkami), by wybrać, co będzie widać. Kółko "
                                                "myszy lub klawisze + i − powiększają kadr."),
                                 box),
                      1, 0, 1, 2);
    layout->addWidget(Caption(box, QStringLiteral("N&azwa państwa:"), nameField), 2, 0);
    layout->addWidget(nameField, 2, 1);
    layout->addWidget(Caption(box, QStringLiteral("O&pis:"), descriptionField), 3, 0);
    layout->addWidget(descriptionField, 3, 1);
    layout->addWidget(descriptionLength, 4, 1);
    layout->addWidget(
        Caption(box, QStringLiteral("Tak opis wygląda w puzzlach:"), descriptionPreview), 5, 0);
    layout->addWidget(descriptionPreview, 5, 1, Qt::AlignLeft);
    layout->addWidget(problemsLabel, 6, 0, 1, 2);
    layout->setRowStretch(0, 1);
    connect(cropView, &CropView::cropMoved, this, [this](QPoint delta) {
        draft.MoveCrop(Selected(), delta);
        CropChanged();
    });
    connect(cropView, &CropView::cropZoomed, this, [this](int steps) {
        draft.ZoomCrop(Selected(), steps);
        CropChanged();
    });
    connect(nameField, &QLineEdit::textEdited, this, [this](const QString& text) {
        draft.SetName(Selected(), text);
        // The field shows the name as it is stored: in capitals.
        const int cursor = nameField->cursorPosition();
        nameField->setText(text.toUpper());
        nameField->setCursorPosition(cursor);
        Changed();
    });
    connect(descriptionField, &QLineEdit::textEdited, this, [this](const QString& text) {
        draft.SetDescription(Selected(), text);
        Changed();
    });
    return box;
}

void PhotoSetEditor::ShowDescriptionLength(const QString& description) {
    constexpr int kLimit = PhotoSetRules::kMaxDescriptionLength;
    const int length = int(description.size());
    QString text = QStringLiteral("Opis: %1 z %2 znaków").arg(length).arg(kLimit);
    if (length > kLimit)
        text += QStringLiteral(" – jest za długi o %1; puzzle obetną resztę")
                    .arg(PhotoSetRules::Characters(length - kLimit));
    descriptionLength->setText(text);
    descriptionLength->setStyleSheet(length > kLimit ? kProblemStyle : QString());
}

void PhotoSetEditor::CropChanged() {
    modified = true;
    const QList<PhotoSetRules::Problem> problems = draft.Problems();
    RefreshList(problems);
    RefreshDetail(problems);
}

int PhotoSetEditor::Selected() const {
    return pictureList->currentRow();
}

void PhotoSetEditor::Refresh() {
    // The set is checked once for all three parts; in a long list each check
    // goes through every name.
    const QList<PhotoSetRules::Problem> problems = draft.Problems();
    RefreshList(problems);
    RefreshDetail(problems);
    RefreshState(problems);
}

void PhotoSetEditor::RefreshList(const QList<PhotoSetRules::Problem>& problems) {
    QList<QStringList> own(draft.pictures.size());
    for (const PhotoSetRules::Problem& problem : problems)
        if (problem.picture > 0) own[problem.picture - 1].append(problem.text);
    const int current = Selected();
    refreshing = true;
    const QSignalBlocker block(pictureList);
    // Items are updated in place and only where they changed, so that the
    // list keeps its scroll position and a key costs little in a long list.
    while (pictureList->count() > draft.pictures.size())
        delete pictureList->takeItem(pictureList->count() - 1);
    if (pictureList->count() < draft.pictures.size())  // in one insertion, not one per item
        pictureList->addItems(QStringList(draft.pictures.size() - pictureList->count(), QString()));
    listed.resize(draft.pictures.size());
    bool resized = false;
    for (int i = 0; i < draft.pictures.size(); ++i) {
        const auto& picture = draft.pictures[i];
        const Listed now{picture.name, own[i], picture.warning, picture.fitted.cacheKey()};
        if (listed[i] == now) continue;
        resized |= ShowItem(pictureList->item(i), i, now);
        listed[i] = now;
    }
    // The list keeps the places of items it has laid out; an item that grew
    // would otherwise be drawn over the next one.
    if (resized) pictureList->doItemsLayout();
    pictureList->setCurrentRow(std::min(std::max(current, 0), int(draft.pictures.size()) - 1));
    refreshing = false;
}

bool PhotoSetEditor::ShowItem(QListWidgetItem* item, int index, const Listed& shown) {
    const QImage& fitted = draft.pictures[index].fitted;
    QString text = QStringLiteral("%1. %2").arg(index + 1).arg(
        shown.name.isEmpty() ? QStringLiteral("(bez nazwy)") : shown.name);
    for (const QString& problem : shown.problems) text += QStringLiteral("\n⚠ ") + problem;
    if (!shown.warning.isEmpty()) text += QStringLiteral("\nⓘ ") + shown.warning;
    item->setText(text);
    item->setIcon(fitted.isNull() ? QIcon() : QIcon(QPixmap::fromImage(fitted.scaled(kThumb))));
    item->setForeground(shown.problems.isEmpty() ? palette().color(QPalette::Text)
                                                 : QColor(0xB0, 0, 0));
    // As tall as its thumbnail or all its lines, whichever is taller.
    constexpr int kMargin = 6;
    const QSize textSize = pictureList->fontMetrics().size(0, text);
    const QSize size(kThumb.width() + textSize.width() + 3 * kMargin,
                     std::max(kThumb.height(), textSize.height()) + kMargin);
    const bool taller = item->sizeHint().height() != size.height();
    item->setSizeHint(size);
    return taller;
}

void PhotoSetEditor::RefreshDetail(const QList<PhotoSetRules::Problem>& problems) {
    const int index = Selected();
    const bool any = index >= 0 && index < draft.pictures.size();
    for (QWidget* widget :
         {static_cast<QWidget*>(nameField), static_cast<QWidget*>(descriptionField),
          static_cast<QWidget*>(cropView), static_cast<QWidget*>(upButton),
          static_cast<QWidget*>(downButton), static_cast<QWidget*>(removeButton)})
        widget->setEnabled(any);
    if (!any) {
        cropView->setPicture({}, {});
        nameField->clear();
        descriptionField->clear();
        descriptionLength->clear();
        descriptionPreview->clear();
        problemsLabel->clear();
        return;
    }
    const auto& picture = draft.pictures[index];
    cropView->setPicture(picture.cover, picture.crop);
    if (nameField->text() != picture.name) nameField->setText(picture.name);
    if (descriptionField->text() != picture.description)
        descriptionField->setText(picture.description);
    ShowDescriptionLength(picture.description);
    descriptionPreview->setText(picture.description);
    QStringList notes = PhotoSetRules::ProblemsOf(problems, index + 1);
    if (!picture.warning.isEmpty()) notes << picture.warning;
    problemsLabel->setText(notes.join('\n'));
}

void PhotoSetEditor::RefreshState(const QList<PhotoSetRules::Problem>& problems) {
    saveButton->setEnabled(problems.isEmpty());
    saveAsButton->setEnabled(problems.isEmpty());
    if (titleField->text() != draft.title) titleField->setText(draft.title);
    if (problems.isEmpty()) {
        statusLabel->setText(draft.path.isEmpty() ? QStringLiteral("Zestaw gotowy do zapisania.")
                                                  : QStringLiteral("Plik zestawu: ") + draft.path);
        return;
    }
    QStringList texts = PhotoSetRules::ProblemsOf(problems, 0);
    if (problems.size() > texts.size())
        texts << QStringLiteral("Popraw obrazki oznaczone ⚠ na liście.");
    statusLabel->setText(QStringLiteral("Zestawu nie można jeszcze zapisać. ") + texts.join(' '));
}

void PhotoSetEditor::NewSet() {
    if (!MayDiscard()) return;
    draft.Clear();
    removed.clear();
    modified = false;
    Refresh();
}

void PhotoSetEditor::ChooseSetToOpen() {
    if (!MayDiscard()) return;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Otwórz zestaw"),
                                                      PhotoSetDraft::UserDataFolder(), kSetFilter);
    if (!path.isEmpty()) OpenSet(path);
}

void PhotoSetEditor::OpenSet(const QString& path) {
    try {
        draft.Open(path);
        removed.clear();
        modified = false;
    } catch (const TarvoError& error) {
        messages.info(kAppTitle, error.message());
    }
    pictureList->setCurrentRow(0);
    Refresh();
}

void PhotoSetEditor::ChoosePicturesToAdd() {
    const QStringList files = QFileDialog::getOpenFileNames(
        this, QStringLiteral("Dodaj obrazki"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), kPictureFilter);
    if (!files.isEmpty()) AddFiles(files);
}

void PhotoSetEditor::AddFiles(const QStringList& files) {
    const int first = int(draft.pictures.size());
    const QStringList failures = draft.AddFiles(files);
    if (!failures.isEmpty()) messages.info(kAppTitle, failures.join('\n'));
    RefreshList(draft.Problems());
    if (draft.pictures.size() > first) pictureList->setCurrentRow(first);
    Changed();
}

void PhotoSetEditor::Save() {
    if (draft.path.isEmpty())
        SaveAs();
    else
        SaveTo(draft.path);
}

void PhotoSetEditor::SaveAs() {
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
        messages.info(kAppTitle, error.message());
    }
    RefreshState(draft.Problems());
}

void PhotoSetEditor::Select(int index) {
    pictureList->setCurrentRow(index);
}

void PhotoSetEditor::MoveSelected(int step) {
    const int from = Selected(), to = from + step;
    if (to < 0 || to >= draft.pictures.size()) return;
    draft.Move(from, to);
    RefreshList(draft.Problems());
    pictureList->setCurrentRow(to);
    Changed();
}

void PhotoSetEditor::RemoveSelected() {
    const int index = Selected();
    if (index < 0 || index >= draft.pictures.size()) return;
    removed.append({index, draft.pictures[index]});
    draft.Remove(index);
    Changed();
}

void PhotoSetEditor::UndoRemove() {
    if (removed.isEmpty()) return;
    const Removed last = removed.takeLast();
    draft.Insert(last.index, last.picture);
    RefreshList(draft.Problems());
    pictureList->setCurrentRow(std::min(last.index, int(draft.pictures.size()) - 1));
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
