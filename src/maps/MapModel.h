// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The state and rules of the map module without its window: the mode and the
// continent shown, the test's question order, judging and effectiveness,
// the key-bitmap lookup and the pointer target of a Find choice.
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <vector>

#include "maps/MapTables.h"

class Random;

class MapModel {
public:
    // Capitals and Flags are tests too: they name a state by its capital or
    // show its flag, ask only states (no territory) and score as Test.
    enum Mode { Learn = 1, Test = 2, Find = 3, Capitals = 4, Flags = 5 };

    struct Verdict {
        bool correct;
        // "Poprawnie", "Źle. Wskazane to: " + the country, "To nie jest państwo."
        // (or on a layer of Poland its text for a click on nothing asked)
        QString message;
        QString effectiveness;   // "Skuteczność: " + percentage + "%"
        bool roundOver = false;  // the last country of the continent was asked
        bool counted = true;     // false for a click on land of no state
        QStringList missed;      // at the end of a round: the countries missed in it
    };

    struct FindTarget {
        QString name;
        int continent;
        QPoint point;    // map coordinates
        bool needsLoad;  // the continent differs from the one shown
    };

    // The state at every show of the window: Learn, no continent, no map.
    void Reset();

    // The key colour (RRGGBB) at a map point; the point is clamped to the
    // bitmap, and an empty bitmap reads as white.
    static QRgb KeyColourAt(const QImage& key, QPoint point);
    // Learn-mode lookup of a key colour on the current continent: the name,
    // and a voivodeship's seats after it.
    QString LookUp(QRgb colour);

    // Counters back to zero; done when Test is chosen, not at each test start.
    void ResetScore();
    // A new question order: reseeds, then twenty swaps among positions 1..N-1,
    // so that country N stays the last question of every pass.
    void ShuffleQuestions(Random& random);
    // Whether the mode asks questions and judges clicks.
    bool IsQuiz() const { return mode == Test || mode == Capitals || mode == Flags; }
    // Shuffles and asks the first question; returns its text ("Wskaż: " + the
    // name, "Wskaż państwo, którego stolicą jest " + the capital, or for a
    // flag "Wskaż państwo o tej fladze:").
    QString StartTest(Random& random);
    // Counts and judges a click whose key colour is given.
    Verdict Judge(QRgb colour);
    // Moves to the next question (wrapping after N); returns its text.
    QString NextQuestion();
    // The text of the question asked now.
    QString QuestionPrompt() const;
    // The number of questions of a round: N, or the states among them.
    int RoundSize() const;
    // The facts of the state asked now (its flag for the Flags mode).
    StateFacts QuestionFacts() const;
    // correct × 100 ÷ answers, rounded half to even; 0 before any answer.
    int Effectiveness() const;

    // The names of the Find list: on a layer of Poland its items, else the
    // world's states and territories.
    QStringList FindNames() const;
    // Entry 1..N of that list and whether its continent must be loaded.
    FindTarget FindChoice(int position);

    // The key colour of the country asked now.
    QRgb QuestionColour() const;

    // A transparent picture of the key bitmap's size with a yellow line
    // round every region of the colour and a black line outside it.
    static QImage Outline(const QImage& key, QRgb colour);
    // A capital's dot at a point, drawn over overlay, or over a transparent
    // picture of the given size when overlay is null.
    static QImage CapitalMark(QImage overlay, QSize size, QPoint point);
    // A transparent picture of the given size with a ring round a point.
    static QImage PointMark(QSize size, QPoint point);

    Mode mode = Learn;
    int continent = 0;
    bool mapShown = false;
    QRgb lastColour = 0xFFFFFF;
    QString countryText;
    std::vector<int> order = std::vector<int>(51);  // positions 1..N are used
    int questionCount = 0;
    int questionPosition = 1;
    int answers = 0;
    int correctAnswers = 0;
    QString questionText;
    QStringList roundMisses;  // countries missed in this round, in order

private:
    QString AskCurrent();
    // Whether the mode asks the country at a position of the order.
    bool Asks(int position) const;
    // The first position from 'from' on that the mode asks; 0 when none.
    int NextAsked(int from) const;
};
