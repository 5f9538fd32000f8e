// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Backgrounds of the module windows. Each has dark fields where the window
// writes white texts and light fields where it writes black texts or shows
// pictures, at the places the window's controls occupy.
#include <QImage>

namespace art {

QImage QuizBackground();       // TloQuiz 404 x 308
QImage MapsBackground();       // TloMapy 513 x 417
QImage PuzzleBackground();     // TloPuzzle 515 x 407
QImage CountryBackground();    // TloGdzie 411 x 329
QImage CoordsBackground();     // TloUklad 386 x 261
QImage ExplorersBackground();  // TloOdkrywcy 489 x 366
// TloAutor 316 x 290: drawn over the main background where the window stands.
QImage AboutBackground(const QImage& mainBackground);

}  // namespace art
