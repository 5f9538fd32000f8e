// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PolishOrder.h"

#include <QString>
#include <algorithm>

namespace PolishOrder {

namespace {

// ASCII punctuation and symbols in the order ICU's root collation gives them.
constexpr QStringView kPunctuation = u" _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$";
constexpr QStringView kAlphabet = u"aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż";

enum Group : unsigned { kOther = 0, kPunctuationGroup = 1, kDigit = 2, kLatin = 3, kNonLatin = 4 };

struct Weight {
    unsigned primary = 0;
    char16_t accent = 0;  // the combining mark of an accented letter, or 0
};

unsigned Primary(Group group, unsigned rank) {
    return group << 24 | rank;
}

Weight WeightOf(QChar c) {
    const QChar folded = c.toCaseFolded();
    if (const qsizetype at = kAlphabet.indexOf(folded); at >= 0)
        return {Primary(kLatin, unsigned(at)), 0};
    if (c.isDigit()) return {Primary(kDigit, unsigned(c.digitValue())), 0};
    if (const qsizetype at = kPunctuation.indexOf(c); at >= 0)
        return {Primary(kPunctuationGroup, unsigned(at)), 0};
    if (c.isLetter()) {
        const QString parts = folded.decomposition();
        if (parts.size() >= 2) {
            const qsizetype base = kAlphabet.indexOf(parts.front());
            if (base >= 0) return {Primary(kLatin, unsigned(base)), parts.back().unicode()};
        }
        return {Primary(kNonLatin, folded.unicode()), 0};
    }
    return {Primary(kOther, c.unicode()), 0};
}

}  // namespace

int Compare(QStringView a, QStringView b) {
    const qsizetype common = std::min(a.size(), b.size());
    int accents = 0;
    for (qsizetype i = 0; i < common; ++i) {
        const Weight wa = WeightOf(a[i]), wb = WeightOf(b[i]);
        if (wa.primary != wb.primary) return wa.primary < wb.primary ? -1 : 1;
        if (!accents && wa.accent != wb.accent) accents = wa.accent < wb.accent ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return accents;
}

}  // namespace PolishOrder
