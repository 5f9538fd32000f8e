// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/PictureChoice.h"

#include "platform/Platform.h"

namespace {
constexpr int kFallbackPicture = 17;
constexpr int kDescriptionLength = 100;
}  // namespace

int RandomPictureNumber(Random& random, int pictureCount) {
    if (pictureCount <= 0) return 0;
    random.seedFromClock();
    const int n = random.uniform(1, 500) % pictureCount;
    if (n != 0) return n;
    return kFallbackPicture <= pictureCount ? kFallbackPicture : pictureCount;
}

TypedPicture TypedPictureNumber(const QString& text, Random& random, int pictureCount) {
    bool valid = false;
    const int typed = text.toInt(&valid);
    if (!valid) return {RandomPictureNumber(random, pictureCount), false};
    if (typed < 1 || typed > pictureCount) return {RandomPictureNumber(random, pictureCount), true};
    return {typed, false};
}

PictureLine SplitPictureLine(const QStringList& pictureList, int n) {
    const QString line = pictureList.value(n + 1);
    const qsizetype star = line.indexOf(u'*');
    if (star < 0) return {line, {}};
    return {line.left(star), line.mid(star + 1, kDescriptionLength)};
}
