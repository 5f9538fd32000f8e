// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QVariant>

#include "explorers/RtfReader.h"

namespace {

struct Piece {
    QString text;
    QTextCharFormat format;
};

std::vector<Piece> Pieces(const QTextDocument& doc) {
    std::vector<Piece> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            runs.push_back({it.fragment().text(), it.fragment().charFormat()});
    return runs;
}

QString Text(const QByteArray& rtf) {
    QTextDocument doc;
    ReadRtf(rtf, doc);
    return doc.toPlainText();
}

QByteArray Hex(const QByteArray& bytes) {
    return bytes.toHex();
}

}  // namespace

TEST(RtfReader, NestedGroupsRestoreFormatting) {
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(R"({\rtf1 a{\b b{\i c}d}e{\ul f\ul0 g}})", doc));
    const auto runs = Pieces(doc);
    ASSERT_EQ(runs.size(), 7u);
    EXPECT_EQ(runs[0].text, "a");
    EXPECT_FALSE(runs[0].format.font().bold());
    EXPECT_EQ(runs[1].text, "b");
    EXPECT_TRUE(runs[1].format.font().bold());
    EXPECT_EQ(runs[2].text, "c");
    EXPECT_TRUE(runs[2].format.font().bold());
    EXPECT_TRUE(runs[2].format.fontItalic());
    EXPECT_EQ(runs[3].text, "d");
    EXPECT_FALSE(runs[3].format.fontItalic());
    EXPECT_EQ(runs[4].text, "e");
    EXPECT_FALSE(runs[4].format.fontUnderline());
    EXPECT_EQ(runs[5].text, "f");
    EXPECT_TRUE(runs[5].format.fontUnderline());
    EXPECT_EQ(runs[6].text, "g");
    EXPECT_FALSE(runs[6].format.fontUnderline());
}

TEST(RtfReader, UnknownWordsAndSkippedDestinations) {
    EXPECT_EQ(Text(R"({\rtf1\ansi{\fonttbl{\f0\fswiss Arial;}}{\stylesheet{\s0 Normal;}})"
                   R"({\info{\title Tytul}{\author X}}{\*\generator Writer;}\viewkind4\zzzz )"
                   R"(visible{\*\unknowndest hidden}{\pntext 1.\tab}item})"),
              "visible1.\titem");
    // \bin bytes are skipped whole, braces included.
    EXPECT_EQ(Text("{\\rtf1 a{\\*\\blob \\bin3 }}}}b}"), "ab");
}

TEST(RtfReader, MissingClosingBraceKeepsText) {
    QTextDocument doc;
    ReadRtf(R"({\rtf1 {\b abc)", doc);
    EXPECT_EQ(doc.toPlainText(), "abc");
    EXPECT_TRUE(Pieces(doc).at(0).format.font().bold());
    EXPECT_EQ(Text(R"({\rtf1 abc})"
                   "trailing"),
              "abc");
}

TEST(RtfReader, UnicodeWithAndWithoutFallback) {
    EXPECT_EQ(Text(R"({\rtf1\uc1\u321\'a3\u8364?x})"), QString::fromUtf8("Ł€x"));
    EXPECT_EQ(Text(R"({\rtf1\uc0\u322\u-3 x})"), QString::fromUtf8("ł\uFFFDx"));
    EXPECT_EQ(Text(R"({\rtf1\uc2\u26085 ab c})"), QString::fromUtf8("日 c"));
    // Surrogate pairs combine; the fallback of the first does not eat the second.
    EXPECT_EQ(Text(R"({\rtf1\uc1\u-10179?\u-8704?})"), QString::fromUtf8("\U0001F600"));
    // A group end stops skipping.
    EXPECT_EQ(Text(R"({\rtf1\uc3{\u322}ab})"), QString::fromUtf8("łab"));
}

TEST(RtfReader, CodePageBytes) {
    const QString polish = QString::fromUtf8("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    const QByteArray bytes =
        R"(\'b9\'e6\'ea\'b3\'f1\'f3\'9c\'9f\'bf\'a5\'c6\'ca\'a3\'d1\'d3\'8c\'8f\'af)";
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1250 " + bytes + "}"), polish);
    EXPECT_EQ(Text("{\\rtf1\\ansi " + bytes + "}"), polish);  // 1250 is the default
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1250 \xb3\xf3"
                   "dka}"),
              QString::fromUtf8("łódka"));
    EXPECT_EQ(Text(R"({\rtf1\ansi\ansicpg1252 \'e9})"), QString::fromUtf8("é"));
    // A font's character set overrides the document's code page.
    EXPECT_EQ(Text(R"({\rtf1\ansicpg1250{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial;}})"
                   R"(\f1\'c0\f0\'c0})"),
              QString::fromUtf8("АŔ"));
}

TEST(RtfReader, ParagraphsFontsAndColours) {
    QTextDocument doc;
    ReadRtf(R"({\rtf1\ansicpg1250\deff0{\fonttbl{\f0\fswiss\fcharset238 Arial;}})"
            "\r\n"
            R"({\colortbl ;\red0\green56\blue113;}\pard\qc\cf1\b\fs32 Tytu\'b3\b0\par)"
            "\r\n"
            R"(\pard\qj\li284\fi-284\sa100\tx284\cf0\fs20 a\tab b\line c\par})",
            doc);
    ASSERT_EQ(doc.blockCount(), 2);
    const QTextBlock title = doc.begin();
    EXPECT_EQ(title.text(), QString::fromUtf8("Tytuł"));
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
    EXPECT_EQ(titleFormat.fontPointSize(), 16.0);
    EXPECT_EQ(titleFormat.foreground().color(), QColor(0, 56, 113));
    EXPECT_EQ(titleFormat.fontFamilies().toStringList(), QStringList{"Arial"});
    const QTextBlock body = title.next();
    EXPECT_EQ(body.text(), QString("a\tb") + QChar(0x2028) + "c");
    EXPECT_EQ(body.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_NEAR(body.blockFormat().leftMargin(), 284 / 15.0, 0.01);
    EXPECT_NEAR(body.blockFormat().textIndent(), -284 / 15.0, 0.01);
    EXPECT_NEAR(body.blockFormat().bottomMargin(), 100 / 15.0, 0.01);
    EXPECT_EQ(body.blockFormat().tabPositions().size(), 1);
    EXPECT_EQ(body.begin().fragment().charFormat().fontPointSize(), 10.0);
}

TEST(RtfReader, Pictures) {
    QImage png(4, 3, QImage::Format_RGB32);
    png.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");
    QFile jpeg(":/images/TloUklad.jpg");
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    QTextDocument doc;
    ReadRtf("{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picwgoal600\\pichgoal450\r\n" +
                Hex(buffer.data()) + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}b" +
                "{\\pict\\jpegblip\\picscalex50\\picscaley50 " + Hex(jpeg.readAll()) +
                "}{\\pict\\pngblip 00ff}c}",
            doc);
    std::vector<QTextImageFormat> images;
    for (const Piece& run : Pieces(doc))
        if (run.format.isImageFormat()) images.push_back(run.format.toImageFormat());
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width(), 40.0);
    EXPECT_EQ(images[0].height(), 30.0);
    EXPECT_EQ(images[1].width(), 386 / 2.0);
    EXPECT_EQ(images[1].height(), 261 / 2.0);
    const QVariant stored = doc.resource(QTextDocument::ImageResource, QUrl(images[0].name()));
    EXPECT_EQ(stored.value<QImage>().size(), QSize(4, 3));
    EXPECT_EQ(doc.toPlainText().remove(QChar::ObjectReplacementCharacter), "abc");
}

TEST(RtfReader, HostileShapesStayBounded) {
    // Nesting far deeper than any document, closed and unclosed.
    QByteArray deep = "{\\rtf1 ";
    deep += QByteArray(200000, '{') + "x" + QByteArray(200000, '}') + "y}";
    EXPECT_EQ(Text(deep), "xy");
    EXPECT_EQ(Text("{\\rtf1 " + QByteArray(100000, '{') + "z"), "z");
    // Huge numbers, a lone backslash, a cut \' escape, absurd sizes.
    EXPECT_EQ(Text("{\\rtf1\\fs99999999999\\li-99999999999\\uc99999 a\\u99999999999 bc"
                   "\\'4\\"),
              QString("a") + QChar::ReplacementCharacter);
    EXPECT_EQ(Text("{\\rtf1 a\\'4"), "a");  // control characters are not shown
    EXPECT_EQ(Text("{\\rtf1 \\'\x10"
                   "1x}"),
              "1x");  // a control byte is no hex digit
    // Not RTF at all: shown as plain Windows-1250 text.
    QTextDocument doc;
    EXPECT_FALSE(ReadRtf("Zwyk\xb3y tekst", doc));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("Zwykły tekst"));
}
