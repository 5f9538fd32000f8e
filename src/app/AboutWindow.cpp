// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/AboutWindow.h"

#include <QLabel>

#include "Version.h"
#include "core/AppContext.h"
#include "data/ResourceImages.h"
#include "widgets/Controls.h"

namespace {

// The pupils who wrote the quiz questions, in two columns.
const char* const kAuthorsLeft[] = {"Anna Kowalczyk",  "Bartosz Nowicki", "Celina Wróbel",
                                    "Dawid Zieliński", "Ewa Mazur",       "Filip Jabłoński",
                                    "Grażyna Pawlak"};
const char* const kAuthorsRight[] = {"Hanna Dąbrowska", "Igor Szymański",  "Julia Kaczmarek",
                                     "Kacper Woźniak",  "Łucja Grabowska", "Michał Lewandowski"};

template <size_t N>
QString Column(const char* const (&names)[N]) {
    QStringList lines;
    for (const char* name : names) lines << QString::fromUtf8(name);
    return lines.join('\n');
}

void SetText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

AboutWindow::AboutWindow(AppContext& ctx, QWidget* parent)
    : ModuleWindow(parent, "AboutWindow", ModuleGeometry::About), ctx(ctx) {
    backgroundImage = new QLabel(this);
    backgroundImage->setObjectName("Image1");
    backgroundImage->setGeometry(0, 0, 316, 290);
    WhenFirstShown(backgroundImage,
                   [this] { LoadJpegResourceToImage("TloAutor", backgroundImage); });
    titleLabel =
        WhiteCaption(this, "Label1", "Terravika świata " TERRAVIKA_VERSION, {24, 16}, 13, true);
    graphicsLabel = WhiteCaption(this, "Label4", "Grafika: Zespół Terravika", {24, 40}, 11);
    authorsLabel = WhiteCaption(this, "Label5", "Label5", {24, 56}, 11);
    authorsLeftColumn = WhiteCaption(this, "Label6", "Label6", {24, 88}, 11);
    authorsRightColumn = WhiteCaption(this, "Label7", "Label7", {152, 88}, 11);
    programmingLabel =
        WhiteCaption(this, "Label3", "Programowanie: Zespół Terravika", {16, 224}, 11);
    placeDateLabel = WhiteCaption(this, "Label2", "Warszawa, 1.06.2002 r.", {16, 240}, 11);
}

void AboutWindow::Opening(Module) {
    SetText(authorsLabel, "Pytania przygotowali uczniowie w składzie:");
    SetText(authorsLeftColumn, Column(kAuthorsLeft));
    SetText(authorsRightColumn, Column(kAuthorsRight));
}
