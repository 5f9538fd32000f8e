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
    : ModuleWindow(parent, {160, 140}), ctx(ctx) {
    setObjectName("AboutWindow");
    setFixedSize(316, 290);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 316, 290);
    WhenFirstShown(Image1, [this] { LoadJpegResourceToImage("TloAutor", Image1); });
    Label1 =
        WhiteCaption(this, "Label1", "Terravika świata " TERRAVIKA_VERSION, {24, 16}, 13, true);
    Label4 = WhiteCaption(this, "Label4", "Grafika: Zespół Terravika", {24, 40}, 11);
    Label5 = WhiteCaption(this, "Label5", "Label5", {24, 56}, 11);
    Label6 = WhiteCaption(this, "Label6", "Label6", {24, 88}, 11);
    Label7 = WhiteCaption(this, "Label7", "Label7", {152, 88}, 11);
    Label3 = WhiteCaption(this, "Label3", "Programowanie: Zespół Terravika", {16, 224}, 11);
    Label2 = WhiteCaption(this, "Label2", "Warszawa, 1.06.2002 r.", {16, 240}, 11);
}

void AboutWindow::Opening(Module) {
    SetText(Label5, "Pytania przygotowali uczniowie w składzie:");
    SetText(Label6, Column(kAuthorsLeft));
    SetText(Label7, Column(kAuthorsRight));
}
