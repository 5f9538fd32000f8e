// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own Windows-1250 table and Polish order against Qt's ICU
// converter and collator, which they replace.
#include <gtest/gtest.h>

#include <QCollator>
#include <QStringDecoder>
#include <algorithm>

#include "platform/PolishOrder.h"
#include "platform/Windows1250.h"

TEST(Windows1250, EveryByteDecodesAsIcuDecodesItAndEncodesBack) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) all.append(char(byte));
    QStringDecoder icu("windows-1250");
    const QString decoded = Windows1250::Decode(all);
    EXPECT_EQ(decoded, QString(icu.decode(all)));
    EXPECT_EQ(Windows1250::Encode(decoded), all);
    EXPECT_EQ(Windows1250::Encode(u"Łódź, Żółć"), QByteArray("\xA3\xF3"
                                                             "d\x9F, \xAF\xF3\xB3\xE6"));
}

TEST(Windows1250, TextWithACharacterOutsideTheCodePageIsNotEncoded) {
    EXPECT_FALSE(Windows1250::Encode(u"Kraków ⌘"));
    EXPECT_FALSE(Windows1250::Encode(QString::fromUtf8("emoji \xF0\x9F\x98\x80")));
    EXPECT_FALSE(Windows1250::Encode(u"\u0080"));  // a C1 control the code page lacks
    EXPECT_EQ(Windows1250::Encode(u""), QByteArray());
}

TEST(PolishOrder, SortsFileNamesAsIcusPolishCollation) {
    const QStringList names = {
        "Zwierzęta.dat", "żaby.DAT", "Źródła.dat", "zamki.dat",  "Łódź.dat",    "lasy.dat",
        "Ludzie.dat",    "ćmy.dat",  "Ciała.dat",  "Ósemki.dat", "osy.dat",     "ąbc.dat",
        "Azja.dat",      "a b.dat",  "a_b.dat",    "a-b.dat",    "a.b.dat",     "10 gór.dat",
        "2 rzeki.dat",   "é.dat",    "e.dat",      "f.dat",      "Ślązacy.dat", "sady.dat",
        "Śnieg.dat",     "Nil.dat",  "ńa.dat",     "qwerty.dat", "Völker.dat",  "vulkan.dat",
        "Ürdü.dat",      "usa.dat",  "A.dat",      "ab.dat",     "a.dat",       "Ab.dat",
    };
    QCollator icu(QLocale(QLocale::Polish, QLocale::Poland));
    icu.setCaseSensitivity(Qt::CaseInsensitive);
    for (const QString& a : names)
        for (const QString& b : names) {
            const int expected = icu.compare(a, b), got = PolishOrder::Compare(a, b);
            EXPECT_EQ((expected > 0) - (expected < 0), (got > 0) - (got < 0))
                << a.toStdString() << " ~ " << b.toStdString();
        }
}
