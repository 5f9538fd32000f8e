// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/TeacherWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "results/ClassReport.h"

namespace {

QLabel* PlainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);  // logins and names come from files
    label->setWordWrap(true);
    return label;
}

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAccessibleName(text);
    return button;
}

}  // namespace

TeacherWindow::TeacherWindow(QWidget* parent) : QWidget(parent) {
    setObjectName("TeacherWindow");
    setWindowTitle(QStringLiteral("Terravika – wyniki klasy"));
    resize(980, 640);

    auto* openFolder = Button(QStringLiteral("Otwórz folder klasy…"), this);
    auto* openFile = Button(QStringLiteral("Otwórz plik ucznia…"), this);
    exportButton = Button(QStringLiteral("Zapisz jako CSV…"), this);
    exportButton->setEnabled(false);
    connect(openFolder, &QPushButton::clicked, this, &TeacherWindow::ChooseFolder);
    connect(openFile, &QPushButton::clicked, this, &TeacherWindow::ChooseFile);
    connect(exportButton, &QPushButton::clicked, this, &TeacherWindow::ChooseExport);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openFolder);
    buttons->addWidget(openFile);
    buttons->addStretch(1);
    buttons->addWidget(exportButton);

    title = PlainLabel(this);
    title->setText(QStringLiteral("Otwórz folder klasy albo plik wyników ucznia."));

    table = new QTableWidget(this);
    table->setObjectName("ClassTable");
    table->setAccessibleName(QStringLiteral("Wyniki klasy"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);

    auto* pupilTab = new QWidget(this);
    pupilChooser = new QComboBox(pupilTab);
    pupilChooser->setAccessibleName(QStringLiteral("Uczeń"));
    detail = new QPlainTextEdit(pupilTab);
    detail->setAccessibleName(QStringLiteral("Wyniki ucznia"));
    detail->setReadOnly(true);
    auto* pupilLayout = new QVBoxLayout(pupilTab);
    pupilLayout->addWidget(pupilChooser);
    pupilLayout->addWidget(detail, 1);
    connect(pupilChooser, &QComboBox::currentIndexChanged, this, &TeacherWindow::ShowPupil);

    mistakes = new QTreeWidget(this);
    mistakes->setAccessibleName(QStringLiteral("Najczęstsze błędy klasy"));
    mistakes->setHeaderLabels(
        {QStringLiteral("Błąd"), QStringLiteral("Ile razy"), QStringLiteral("Ilu uczniów")});
    mistakes->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    mistakes->header()->setStretchLastSection(false);

    auto* tabs = new QTabWidget(this);
    tabs->addTab(table, QStringLiteral("Klasa"));
    tabs->addTab(pupilTab, QStringLiteral("Uczeń"));
    tabs->addTab(mistakes, QStringLiteral("Najczęstsze błędy"));

    notes = PlainLabel(this);
    notes->setStyleSheet("color: #9c1c1c;");
    notes->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(title);
    layout->addWidget(tabs, 1);
    layout->addWidget(notes);
}

void TeacherWindow::Open(const QString& path) {
    loaded = LoadResults(path);
    openedPath = path;
    const QString where = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    title->setText(loaded.pupils.size() == 1
                       ? QStringLiteral("%1 — 1 uczeń").arg(where)
                       : QStringLiteral("%1 — uczniów: %2").arg(where).arg(loaded.pupils.size()));
    ShowTable();
    pupilChooser->clear();
    for (const PupilResults& pupil : loaded.pupils) pupilChooser->addItem(pupil.login);
    ShowPupil(pupilChooser->currentIndex());
    ShowMistakes();
    ShowNotes(loaded.notes);
    exportButton->setEnabled(!loaded.pupils.empty());
}

void TeacherWindow::ShowTable() {
    const ReportTable report = ClassTable(loaded);
    table->setSortingEnabled(false);
    table->clear();
    table->setColumnCount(int(report.header.size()));
    table->setHorizontalHeaderLabels(report.header);
    table->setRowCount(int(report.rows.size()));
    for (int row = 0; row < int(report.rows.size()); ++row)
        for (int column = 0; column < report.rows[row].size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(report.rows[row][column]));
    table->resizeColumnsToContents();
}

void TeacherWindow::ShowPupil(int index) {
    if (index < 0 || index >= int(loaded.pupils.size())) {
        detail->clear();
        return;
    }
    detail->setPlainText(PupilDetail(loaded.pupils[size_t(index)]).join('\n'));
}

void TeacherWindow::ShowMistakes() {
    mistakes->clear();
    for (const RegionMistakes& region : ClassMistakes(loaded)) {
        auto* top = new QTreeWidgetItem(mistakes, {region.region});
        for (const ClassMistake& m : region.mistakes)
            new QTreeWidgetItem(top, {m.item, QString::number(m.times), QString::number(m.pupils)});
        top->setExpanded(true);
    }
    mistakes->resizeColumnToContents(1);
    mistakes->resizeColumnToContents(2);
}

void TeacherWindow::ShowNotes(const QStringList& lines) {
    notes->setText(lines.join('\n'));
    notes->setVisible(!lines.isEmpty());
}

bool TeacherWindow::ExportCsv(const QString& path) {
    QSaveFile file(path);
    const QByteArray bytes = CsvBytes(ClassTable(loaded));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        ShowNotes(loaded.notes +
                  QStringList{QStringLiteral("Zapisano %1").arg(QDir::toNativeSeparators(path))});
        return true;
    }
    ShowNotes(loaded.notes +
              QStringList{QStringLiteral("Nie można zapisać pliku %1 (%2)")
                              .arg(QDir::toNativeSeparators(path), file.errorString())});
    return false;
}

void TeacherWindow::ChooseFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Folder klasy"), openedPath);
    if (!folder.isEmpty()) Open(folder);
}

void TeacherWindow::ChooseFile() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Plik wyników ucznia"), openedPath,
        QStringLiteral("Pliki wyników (*.wyniki *.sqlite);;Wszystkie pliki (*)"));
    if (!file.isEmpty()) Open(file);
}

void TeacherWindow::ChooseExport() {
    // Offered in the home folder, not in the class folder: pupils may open a
    // file there whose name they can guess.
    const QString file = QFileDialog::getSaveFileName(
        this, QStringLiteral("Zapisz wyniki jako CSV"), QDir::home().filePath("wyniki.csv"),
        QStringLiteral("Arkusz CSV (*.csv)"));
    if (!file.isEmpty()) ExportCsv(file);
}
