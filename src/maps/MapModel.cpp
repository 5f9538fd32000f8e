#include "maps/MapModel.h"

#include <algorithm>
#include <numeric>

#include "core/Efekty.h"
#include "maps/UnitDoMap.h"
#include "platform/Platform.h"

namespace {
constexpr int kSwaps = 20;
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
    return countryText;
}

void MapModel::ResetScore() {
    answers = 0;
    correctAnswers = 0;
}

void MapModel::ShuffleQuestions(Random& random) {
    random.seedFromClock();
    std::iota(order.begin(), order.end(), 0);
    questionCount = ContinentInfo(continent).countries;
    if (questionCount < 2) return;
    for (int i = 0; i < kSwaps; ++i) {
        const int a = random.uniform(1, questionCount - 1);
        const int b = random.uniform(1, questionCount - 1);
        std::swap(order[a], order[b]);
    }
}

QString MapModel::StartTest(Random& random) {
    questionPosition = 1;
    ShuffleQuestions(random);
    return AskCurrent();
}

MapModel::Verdict MapModel::Judge(QRgb colour) {
    ++answers;
    lastColour = colour;
    countryText = CountryByColour(continent, colour);
    const bool correct = countryText == questionText;
    if (correct) ++correctAnswers;
    return {
        correct,
        correct ? QStringLiteral("Poprawnie") : QStringLiteral("Źle. Wskazane to: ") + countryText,
        QStringLiteral("Skuteczność: %1%").arg(Effectiveness())};
}

QString MapModel::NextQuestion() {
    if (++questionPosition > questionCount) questionPosition = 1;
    return AskCurrent();
}

int MapModel::Effectiveness() const {
    return answers == 0 ? 0 : RoundHalfEven(correctAnswers * 100.0 / answers);
}

MapModel::FindTarget MapModel::FindChoice(int position) {
    const auto entry = FindEntry(position);
    if (!entry) return {QString(), continent, QPoint(), false};
    countryText = entry->name;
    return {entry->name, entry->continent, entry->point, entry->continent != continent};
}

QString MapModel::AskCurrent() {
    CountryByNumber(continent, order[questionPosition], questionText);
    return QStringLiteral("Wskaż: ") + questionText;
}
