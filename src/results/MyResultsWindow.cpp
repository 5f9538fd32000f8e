// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/MyResultsWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "platform/Theme.h"
#include "results/RatingChart.h"
#include "results/ResultRecorder.h"
#include "results/ResultsSummary.h"
#include "widgets/CentreOnScreen.h"
#include "widgets/FaceButton.h"

namespace {

QLabel* PlainLabel(const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);  // names come from files
    label->setText(text);
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

MyResultsWindow::MyResultsWindow(ResultRecorder& recorder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), recorder(recorder) {
    setObjectName("MyResultsWindow");
    setFixedSize(560, 420);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Theme::kDialogPanel);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setStyleSheet("QLabel { color: white; }");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PlainLabel(QStringLiteral("Moje wyniki"), this, true));
    status = PlainLabel(QString(), this);
    layout->addWidget(status);
    list = new QScrollArea(this);
    list->setWidgetResizable(true);
    list->setFrameShape(QFrame::NoFrame);
    list->setStyleSheet("background: transparent;");  // the panel's colour shows through
    layout->addWidget(list, 1);

    auto* close = new FaceButton(this);
    close->setObjectName("BZamknij");
    close->setText(QStringLiteral("Zamknij"));
    close->setColor(Theme::kDialogButton);
    close->setFixedSize(75, 20);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QAbstractButton::clicked, this, &QDialog::accept);

    connect(&recorder, &ResultRecorder::HistoryReady, this, &MyResultsWindow::ShowHistory);
}

void MyResultsWindow::Open() {
    status->setText(QStringLiteral("Wczytywanie wyników…"));
    list->setWidget(new QWidget);
    CentreOnScreen(this);
    open();
    recorder.RequestHistory();
}

void MyResultsWindow::ShowNote(const QString& note) {
    status->setText(note);
}

void MyResultsWindow::ShowHistory(const std::vector<StoredResult>& history) {
    const std::vector<ExerciseSummary> summaries = Summarise(history);
    status->setText(summaries.empty()
                        ? QStringLiteral("Nie ma jeszcze żadnych wyników. "
                                         "Ukończ ćwiczenie, a wynik pojawi się tutaj.")
                        : QString());
    status->setVisible(summaries.empty());
    auto* blocks = new QWidget;
    blocks->setAutoFillBackground(false);
    auto* column = new QVBoxLayout(blocks);
    for (const ExerciseSummary& summary : summaries) column->addWidget(ExerciseBlock(summary));
    column->addStretch(1);
    list->setWidget(blocks);
}

// The exercise's name, last and best result and chart side by side, and the
// mistakes that come back below.
QWidget* MyResultsWindow::ExerciseBlock(const ExerciseSummary& summary) {
    auto* block = new QWidget;
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 4, 0, 8);
    grid->addWidget(PlainLabel(ExerciseName(summary.exercise), block, true), 0, 0);
    grid->addWidget(PlainLabel(QStringLiteral("Ostatnio: ") + Describe(summary.last), block), 1, 0);
    grid->addWidget(PlainLabel(QStringLiteral("Najlepiej: ") + Describe(summary.best), block), 2,
                    0);
    QString total = QStringLiteral("Razem: %1").arg(summary.count);
    if (summary.totalSeconds > 0)
        total += QStringLiteral(", czas ") + Duration(summary.totalSeconds);
    grid->addWidget(PlainLabel(total, block), 3, 0);
    auto* chart = new RatingChart(summary.ratings, block);
    chart->setAccessibleName(QStringLiteral("Wyniki w czasie"));
    grid->addWidget(chart, 0, 1, 4, 1, Qt::AlignTop);
    const QString mistakes = MistakesLine(summary.commonMistakes);
    if (!mistakes.isEmpty()) grid->addWidget(PlainLabel(mistakes, block), 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    return block;
}
