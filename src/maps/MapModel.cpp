// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "maps/MapModel.h"

#include <QPainter>
#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "core/ZoomEffect.h"
#include "maps/MapTables.h"
#include "platform/Platform.h"

namespace {

constexpr int kSwaps = 20;
constexpr size_t kMinOrder = 51;  // positions 1..50 at least

// Grows a mask of w x h cells by one cell in all eight directions.
std::vector<bool> Dilate(const std::vector<bool>& mask, int w, int h) {
    std::vector<bool> grown(mask.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool any = false;
            for (int dy = -1; dy <= 1 && !any; ++dy)
                for (int dx = -1; dx <= 1 && !any; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    any = nx >= 0 && ny >= 0 && nx < w && ny < h && mask[ny * w + nx];
                }
            grown[y * w + x] = any;
        }
    return grown;
}

}  // namespace

void MapModel::Reset() {
    mode = Learn;
    continent = 0;
    mapShown = false;
}

QRgb MapModel::KeyColourAt(const QImage& key, QPoint point) {
    if (key.isNull()) return kKeyWhite;
    const int x = std::clamp(point.x(), 0, key.width() - 1);
    const int y = std::clamp(point.y(), 0, key.height() - 1);
    return key.pixel(x, y) & 0xFFFFFF;
}

QString MapModel::LookUp(QRgb colour) {
    lastColour = colour;
    countryText = CountryByColour(continent, colour);
    const QString seats = SeatsByColour(continent, colour);
    return seats.isEmpty() ? countryText : countryText + QStringLiteral(" – ") + seats;
}

void MapModel::ResetScore() {
    answers = 0;
    correctAnswers = 0;
}

void MapModel::ShuffleQuestions(Random& random) {
    random.seedFromClock();
    questionCount = ContinentInfo(continent).countries;
    order.resize(std::max<size_t>(kMinOrder, questionCount + 1));
    std::iota(order.begin(), order.end(), 0);
    if (questionCount < 2) return;
    for (int i = 0; i < kSwaps; ++i) {
        const int a = random.uniform(1, questionCount - 1);
        const int b = random.uniform(1, questionCount - 1);
        std::swap(order[a], order[b]);
    }
}

QString MapModel::StartTest(Random& random) {
    roundMisses.clear();
    ShuffleQuestions(random);
    questionPosition = std::max(1, NextAsked(1));
    return AskCurrent();
}

bool MapModel::Asks(int position) const {
    if (mode != Capitals && mode != Flags) return true;
    return !FactsByNumber(continent, order[position]).name.isEmpty();
}

int MapModel::NextAsked(int from) const {
    for (int p = from; p <= questionCount; ++p)
        if (Asks(p)) return p;
    return 0;
}

int MapModel::RoundSize() const {
    int size = 0;
    for (int p = 1; p <= questionCount; ++p) size += Asks(p) ? 1 : 0;
    return size;
}

MapModel::Verdict MapModel::Judge(QRgb colour) {
    lastColour = colour;
    // Land of no state, or on a layer of Poland anything but its items, is
    // no answer: nothing is counted, the question stays.
    const bool layer = IsPolandLayer(continent);
    if (layer ? CountryByColour(continent, colour).isEmpty() : IsLandOfNoState(colour)) {
        countryText.clear();
        return {false,
                layer ? NothingAskedHere(continent) : QStringLiteral("To nie jest państwo."),
                QStringLiteral("Skuteczność: %1%").arg(Effectiveness()),
                false,
                false,
                {}};
    }
    ++answers;
    countryText = CountryByColour(continent, colour);
    // A click on an item within the one asked (a peak of the range) answers it.
    const bool correct = countryText == questionText || LiesWithin(continent, colour, questionText);
    if (correct) ++correctAnswers;
    if (!correct && !roundMisses.contains(questionText)) roundMisses.append(questionText);
    QString wrong = QStringLiteral("Źle. Wskazane to: ") + countryText;
    // A capital named wrong teaches the capital of the state pointed at.
    const QString pointedCapital = FactsByColour(continent, colour).capital;
    if (mode == Capitals && !pointedCapital.isEmpty())
        wrong += QStringLiteral(" – ") + pointedCapital;
    Verdict verdict{correct,
                    correct ? QStringLiteral("Poprawnie") : wrong,
                    QStringLiteral("Skuteczność: %1%").arg(Effectiveness()),
                    NextAsked(questionPosition + 1) == 0,
                    true,
                    {}};
    if (verdict.roundOver) verdict.missed = std::exchange(roundMisses, {});
    return verdict;
}

QString MapModel::NextQuestion() {
    questionPosition = NextAsked(questionPosition + 1);
    if (questionPosition == 0) questionPosition = std::max(1, NextAsked(1));
    return AskCurrent();
}

int MapModel::Effectiveness() const {
    return answers == 0 ? 0 : RoundHalfEven(correctAnswers * 100.0 / answers);
}

QStringList MapModel::FindNames() const {
    QStringList names;
    if (IsPolandLayer(continent)) {
        QString name;
        for (int k = 1; CountryByNumber(continent, k, name); ++k) names.append(name);
    } else {
        for (int p = 1; p <= kFindCount; ++p) names.append(FindEntry(p)->name);
    }
    return names;
}

MapModel::FindTarget MapModel::FindChoice(int position) {
    if (IsPolandLayer(continent)) {
        const auto point = FindPointOf(continent, position);
        if (!point) return {QString(), continent, QPoint(), false};
        CountryByNumber(continent, position, countryText);
        return {countryText, continent, *point, false};
    }
    const auto entry = FindEntry(position);
    if (!entry) return {QString(), continent, QPoint(), false};
    countryText = entry->name;
    return {entry->name, entry->continent, entry->point, entry->continent != continent};
}

QString MapModel::AskCurrent() {
    CountryByNumber(continent, order[questionPosition], questionText);
    return QuestionPrompt();
}

QString MapModel::QuestionPrompt() const {
    if (mode == Capitals)
        return QStringLiteral("Wskaż państwo, którego stolicą jest ") +
               CapitalInQuestion(QuestionFacts().capital);
    if (mode == Flags) return QStringLiteral("Wskaż państwo o tej fladze:");
    return QStringLiteral("Wskaż: ") + questionText;
}

StateFacts MapModel::QuestionFacts() const {
    return FactsByNumber(continent, order[questionPosition]);
}

QRgb MapModel::QuestionColour() const {
    return CountryColour(continent, order[questionPosition]);
}

QImage MapModel::Outline(const QImage& key, QRgb colour) {
    const int w = key.width(), h = key.height();
    std::vector<bool> region(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) region[y * w + x] = (key.pixel(x, y) & 0xFFFFFF) == colour;
    const std::vector<bool> near = Dilate(Dilate(region, w, h), w, h);
    const std::vector<bool> outer = Dilate(near, w, h);
    QImage outline(key.size(), QImage::Format_ARGB32);
    outline.fill(Qt::transparent);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * w + x;
            if (region[i]) continue;
            if (near[i])
                outline.setPixel(x, y, qRgb(255, 255, 0));
            else if (outer[i])
                outline.setPixel(x, y, qRgb(0, 0, 0));
        }
    return outline;
}

QImage MapModel::CapitalMark(QImage overlay, QSize size, QPoint point) {
    if (overlay.isNull()) {
        overlay = QImage(size, QImage::Format_ARGB32);
        overlay.fill(Qt::transparent);
    }
    QPainter p(&overlay);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(200, 0, 0));
    p.drawEllipse(QPointF(point), 4, 4);
    return overlay;
}

QImage MapModel::PointMark(QSize size, QPoint point) {
    QImage mark(size, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (const auto& [radius, colour] :
         {std::pair{10, QColor(Qt::black)}, {8, QColor(Qt::yellow)}}) {
        p.setPen(QPen(colour, 3));
        p.drawEllipse(QPointF(point), radius, radius);
    }
    p.end();
    return mark;
}
