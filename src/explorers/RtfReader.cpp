// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explorers/RtfReader.h"

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImageReader>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "data/ImageCodecs.h"
#include "platform/TarvoError.h"

namespace {

constexpr qsizetype kMaxInput = 8 << 20;  // bytes read; the rest is ignored
constexpr qint64 kMaxText = 256 << 10;    // characters and paragraphs shown
constexpr int kMaxParagraphs = 10000;     // text after the last one is dropped
// A paragraph's layout costs more than its length: longer ones are broken,
// and later changes of letter format within one keep the last format.
constexpr int kMaxParagraphChars = 4000;
constexpr int kMaxParagraphFormats = 100;
constexpr int kMaxHalfPoints = 144;       // 72-point letters; larger ones are shrunk
constexpr double kMaxPictureSide = 1024;  // pixels a picture is shown at
constexpr int kMaxDepth = 256;            // deeper groups share the deepest state
constexpr int kMaxTableEntries = 1024;    // fonts and colours kept
constexpr int kMaxTabs = 64;              // tab stops per paragraph
constexpr int kMaxPictures = 64;          // pictures shown per document
// Budgets of a whole document: picture data kept, and pixels of the decoded
// pictures together; pictures beyond them are dropped.
constexpr qsizetype kMaxPictureBytes = 4 << 20;
constexpr qint64 kMaxDocumentPixels = 4096 * 2048;
constexpr int kMaxTwips = 20000;         // indents and spacing, about 35 cm
constexpr double kTwipsPerPixel = 15.0;  // 1440 twips per inch at 96 dpi

// ---- code pages -------------------------------------------------------------

using CodePage = std::array<char16_t, 256>;

// The code pages a document may name; anything else reads as Windows-1250.
int KnownCodePage(int number) {
    static const int known[] = {437,  737,  775,  850,  852,  855,  857,  866,  874,  1250,
                                1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 10000};
    return std::find(std::begin(known), std::end(known), number) != std::end(known) ? number : 1250;
}

const CodePage& CodePageTable(int number) {
    static std::map<int, CodePage> tables;
    auto found = tables.find(number);
    if (found != tables.end()) return found->second;
    const QByteArray name = number == 10000 ? QByteArray("macintosh")
                            : number < 1000 ? "IBM" + QByteArray::number(number)
                                            : "windows-" + QByteArray::number(number);
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid() && number != 1250) return CodePageTable(1250);
    CodePage& table = tables[number];
    for (int b = 0; b < 256; ++b) {
        const QString s = decoder.isValid() ? QString(decoder(QByteArray(1, char(b)))) : QString();
        table[b] = s.size() == 1 ? s[0].unicode() : (b < 0x80 ? char16_t(b) : u'\uFFFD');
    }
    return table;
}

// The code page a font's \fcharset stands for; 0 when the document's applies.
int CharsetCodePage(int charset) {
    static const std::pair<int, int> pages[] = {
        {0, 1252},   {2, 1252},   {77, 10000}, {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255},
        {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {255, 437}};
    for (const auto& [set, page] : pages)
        if (set == charset) return page;
    return 0;
}

// ---- control words ----------------------------------------------------------

// clang-format off
enum class Word {
    Unknown, Rtf, AnsiCpg, Deff, FontTable, ColourTable, Skip, Picture, ShpPict,
    Font, FontCharset, Red, Green, Blue,
    Plain, Bold, Italic, Underline, NoUnderline, Strike, FontSize, Colour, Highlight,
    Super, Sub, NoSuperSub,
    Pard, Left, Right, Centre, Justify, LeftIndent, RightIndent, FirstIndent,
    SpaceBefore, SpaceAfter, TabStop,
    Par, Line, Tab, Cell, Unicode, UnicodeSkip, Bin,
    Char,  // a control word standing for one character
    PngBlip, JpegBlip, OtherBlip, PicWGoal, PicHGoal, PicScaleX, PicScaleY,
};
// clang-format on

struct WordInfo {
    Word word;
    char16_t ch = 0;  // for Word::Char
};

const QHash<QByteArray, WordInfo>& Words() {
    static const QHash<QByteArray, WordInfo> words = [] {
        QHash<QByteArray, WordInfo> w;
        w["rtf"] = {Word::Rtf};
        w["ansicpg"] = {Word::AnsiCpg};
        w["deff"] = {Word::Deff};
        w["fonttbl"] = {Word::FontTable};
        w["colortbl"] = {Word::ColourTable};
        for (const char* skipped : {"stylesheet",
                                    "info",
                                    "header",
                                    "headerl",
                                    "headerr",
                                    "headerf",
                                    "footer",
                                    "footerl",
                                    "footerr",
                                    "footerf",
                                    "footnote",
                                    "annotation",
                                    "fldinst",
                                    "nonshppict",
                                    "pn",
                                    "listtable",
                                    "listoverridetable",
                                    "revtbl",
                                    "rsidtbl",
                                    "filetbl",
                                    "xmlnstbl",
                                    "themedata",
                                    "colorschememapping",
                                    "latentstyles",
                                    "datastore",
                                    "pgdsctbl",
                                    "private",
                                    "template",
                                    "comment",
                                    "author",
                                    "title",
                                    "subject",
                                    "operator",
                                    "keywords",
                                    "doccomm",
                                    "company",
                                    "generator",
                                    "txe",
                                    "xe",
                                    "tc",
                                    "bkmkstart",
                                    "bkmkend",
                                    "ftnsep",
                                    "ftnsepc",
                                    "ftncn",
                                    "aftnsep",
                                    "aftnsepc",
                                    "aftncn",
                                    "atnid",
                                    "atnauthor",
                                    "userprops",
                                    "docvar",
                                    "objdata",
                                    "fontemb",
                                    "fontfile",
                                    "falt",
                                    "panose",
                                    "picprop",
                                    "blipuid"})
            w[skipped] = {Word::Skip};
        w["pict"] = {Word::Picture};
        w["shppict"] = {Word::ShpPict};
        w["f"] = {Word::Font};
        w["fcharset"] = {Word::FontCharset};
        w["red"] = {Word::Red};
        w["green"] = {Word::Green};
        w["blue"] = {Word::Blue};
        w["plain"] = {Word::Plain};
        w["b"] = {Word::Bold};
        w["i"] = {Word::Italic};
        for (const char* on : {"ul", "uld", "uldash", "uldb", "ulth", "ulw", "ulwave"})
            w[on] = {Word::Underline};
        w["ulnone"] = {Word::NoUnderline};
        w["strike"] = {Word::Strike};
        w["fs"] = {Word::FontSize};
        w["cf"] = {Word::Colour};
        w["highlight"] = {Word::Highlight};
        w["cb"] = {Word::Highlight};
        w["super"] = {Word::Super};
        w["sub"] = {Word::Sub};
        w["nosupersub"] = {Word::NoSuperSub};
        w["pard"] = {Word::Pard};
        w["ql"] = {Word::Left};
        w["qr"] = {Word::Right};
        w["qc"] = {Word::Centre};
        w["qj"] = {Word::Justify};
        w["li"] = {Word::LeftIndent};
        w["ri"] = {Word::RightIndent};
        w["fi"] = {Word::FirstIndent};
        w["sb"] = {Word::SpaceBefore};
        w["sa"] = {Word::SpaceAfter};
        w["tx"] = {Word::TabStop};
        for (const char* par : {"par", "sect", "page", "row"}) w[par] = {Word::Par};
        w["line"] = {Word::Line};
        w["tab"] = {Word::Tab};
        w["cell"] = {Word::Cell};
        w["nestcell"] = {Word::Cell};
        w["u"] = {Word::Unicode};
        w["uc"] = {Word::UnicodeSkip};
        w["bin"] = {Word::Bin};
        w["emdash"] = {Word::Char, u'\u2014'};
        w["endash"] = {Word::Char, u'\u2013'};
        w["bullet"] = {Word::Char, u'\u2022'};
        w["lquote"] = {Word::Char, u'\u2018'};
        w["rquote"] = {Word::Char, u'\u2019'};
        w["ldblquote"] = {Word::Char, u'\u201C'};
        w["rdblquote"] = {Word::Char, u'\u201D'};
        w["emspace"] = {Word::Char, u'\u2003'};
        w["enspace"] = {Word::Char, u'\u2002'};
        w["qmspace"] = {Word::Char, u'\u2005'};
        w["pngblip"] = {Word::PngBlip};
        w["jpegblip"] = {Word::JpegBlip};
        for (const char* other : {"wmetafile", "emfblip", "macpict", "dibitmap", "wbitmap"})
            w[other] = {Word::OtherBlip};
        w["picwgoal"] = {Word::PicWGoal};
        w["pichgoal"] = {Word::PicHGoal};
        w["picscalex"] = {Word::PicScaleX};
        w["picscaley"] = {Word::PicScaleY};
        return w;
    }();
    return words;
}

// ---- reader state -----------------------------------------------------------

enum class Dest { Text, Skip, FontTable, ColourTable, Picture };

struct CharState {
    bool bold = false, italic = false, underline = false, strike = false;
    int halfPoints = 24;
    int font = -1;  // -1: the document's default font
    int colour = 0, highlight = 0;
    int vertical = 0;  // 1 superscript, -1 subscript
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0;  // twips
    QList<QTextOption::Tab> tabs;
};

struct State {
    Dest dest = Dest::Text;
    CharState ch;
    ParaState para;
    int uc = 1;  // fallback characters after \u
};

struct Font {
    QString name;
    int codePage = 0;
};

struct Picture {
    enum Kind { None, Png, Jpeg, Other } kind = None;
    QByteArray data;
    int nibble = -1;  // a pending high half-byte
    int wGoal = 0, hGoal = 0, scaleX = 100, scaleY = 100;
};

class Reader {
public:
    Reader(const QByteArray& in, QTextDocument& doc)
        : at(in.constData()),
          end(in.constData() + std::min(in.size(), kMaxInput)),
          doc(doc),
          cursor(&doc) {}
    void Run();

private:
    void OpenGroup();
    bool CloseGroup();  // false once the outermost group has closed
    void ControlWord();
    void ControlSymbol(char c);
    void Apply(const WordInfo& info, bool hasParam, int param);
    bool ApplyChar(Word word, bool hasParam, int param);
    bool ApplyPara(Word word, int param);
    void ApplyPicture(Word word, int param);
    void Destination(Word word);
    void TextByte(uchar b);
    void FontTableByte(uchar b);
    void SkipBinary(int count);
    void Append(char16_t c);
    bool SkippingFallback();
    void Flush();
    void EndParagraph();
    void FinishFont();
    void FinishPicture();
    int CodePageNow() const;
    QTextCharFormat CharFormat(const CharState& ch) const;
    QTextBlockFormat BlockFormat() const;

    const char* at;
    const char* end;
    QTextDocument& doc;
    QTextCursor cursor;
    std::vector<State> stack;
    State st;
    int overflow = 0;  // groups opened beyond kMaxDepth
    bool groupStart = false, starred = false;
    int fallback = 0;  // characters of a \u fallback still to skip
    int docCodePage = 1250, defaultFont = -1;
    std::map<int, Font> fonts;
    int fontNumber = 0, fontCharset = -1;
    QByteArray fontName;
    std::vector<QColor> colours;
    int red = 0, green = 0, blue = 0;
    bool colourSet = false;
    Picture picture;
    int pictures = 0;
    qsizetype pictureBytes = 0;  // picture data kept so far
    qint64 pixelsLeft = kMaxDocumentPixels;
    qint64 textLeft = kMaxText;
    int paragraphsLeft = kMaxParagraphs;
    QString pending;
    CharState pendingFormat;
    int formatsLeft = kMaxParagraphFormats;  // in the current paragraph
    int paragraphChars = 0;
};

int Clamp(int v, int lo, int hi) {
    return std::clamp(v, lo, hi);
}

// The value of a hexadecimal digit, or -1.
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void Reader::Run() {
    while (at < end && *at != '{') ++at;
    while (at < end) {
        const char c = *at++;
        if (c == '{') {
            OpenGroup();
        } else if (c == '}') {
            if (!CloseGroup()) break;
        } else if (c == '\\') {
            if (at < end) ControlWord();
        } else if (c != '\r' && c != '\n') {
            groupStart = false;
            TextByte(uchar(c));
        }
    }
    Flush();
    cursor.setBlockFormat(BlockFormat());
    // A document ending in \par would otherwise end with an empty paragraph.
    if (cursor.block().length() == 1 && doc.blockCount() > 1) cursor.deletePreviousChar();
}

void Reader::OpenGroup() {
    fallback = 0;
    groupStart = true;
    starred = false;
    if (stack.size() >= size_t(kMaxDepth)) {
        ++overflow;
        return;
    }
    stack.push_back(st);
}

bool Reader::CloseGroup() {
    fallback = 0;
    groupStart = false;
    if (overflow > 0) {
        --overflow;
        return true;
    }
    if (stack.empty()) return false;
    if (st.dest == Dest::FontTable) FinishFont();
    const Dest closing = st.dest;
    st = stack.back();
    stack.pop_back();
    if (closing == Dest::Picture && st.dest != Dest::Picture) FinishPicture();
    return !stack.empty();
}

void Reader::ControlWord() {
    const char first = *at;
    const bool letter = (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
    if (!letter) {
        ++at;
        ControlSymbol(first);
        return;
    }
    const char* nameStart = at;
    while (at < end && ((*at >= 'a' && *at <= 'z') || (*at >= 'A' && *at <= 'Z'))) ++at;
    const QByteArray name(nameStart, std::min<qsizetype>(at - nameStart, 32));
    bool negative = false, hasParam = false;
    qint64 value = 0;
    if (at < end && *at == '-' && at + 1 < end && *(at + 1) >= '0' && *(at + 1) <= '9') {
        negative = true;
        ++at;
    }
    while (at < end && *at >= '0' && *at <= '9') {
        hasParam = true;
        if (value < 10'000'000'000LL) value = value * 10 + (*at - '0');
        ++at;
    }
    if (at < end && *at == ' ') ++at;
    value = std::clamp<qint64>(negative ? -value : value, INT32_MIN + 1, INT32_MAX);
    const auto found = Words().constFind(name);
    Apply(found == Words().constEnd() ? WordInfo{Word::Unknown} : *found, hasParam, int(value));
}

void Reader::ControlSymbol(char c) {
    if (c == '*') {
        starred = groupStart;
        return;
    }
    groupStart = false;
    if (c == '\'') {
        int value = 0, digits = 0;
        while (digits < 2 && at < end) {
            const int d = HexDigit(*at);
            if (d < 0) break;
            value = value * 16 + d;
            ++digits;
            ++at;
        }
        if (digits > 0) TextByte(uchar(value));
        return;
    }
    if (st.dest != Dest::Text) {
        if (st.dest == Dest::FontTable && (c == '\\' || c == '{' || c == '}')) FontTableByte(c);
        return;
    }
    if (SkippingFallback()) return;
    switch (c) {
        case '\\':
        case '{':
        case '}':
            Append(char16_t(c));
            break;
        case '~':
            Append(u'\u00A0');
            break;
        case '-':
            Append(u'\u00AD');
            break;
        case '_':
            Append(u'\u2011');
            break;
        case '\r':
        case '\n':
            EndParagraph();
            break;
        default:
            break;
    }
}

void Reader::Apply(const WordInfo& info, bool hasParam, int param) {
    const bool atStart = groupStart, wasStarred = starred;
    groupStart = false;
    starred = false;
    if (info.word == Word::Bin) return SkipBinary(hasParam ? param : 0);
    if (st.dest == Dest::Skip) return;
    if (atStart && wasStarred && info.word != Word::ShpPict && info.word != Word::FontTable &&
        info.word != Word::ColourTable && info.word != Word::Picture) {
        st.dest = Dest::Skip;
        return;
    }
    switch (info.word) {
        case Word::FontTable:
        case Word::ColourTable:
        case Word::Skip:
        case Word::Picture:
            return Destination(info.word);
        case Word::AnsiCpg:
            docCodePage = KnownCodePage(param);
            return;
        case Word::Deff:
            defaultFont = param;
            return;
        case Word::UnicodeSkip:
            st.uc = Clamp(param, 0, 16);
            return;
        default:
            break;
    }
    if (st.dest == Dest::FontTable) {
        if (info.word == Word::Font) {
            FinishFont();
            fontNumber = param;
        } else if (info.word == Word::FontCharset) {
            fontCharset = param;
        }
        return;
    }
    if (st.dest == Dest::ColourTable) {
        const int v = Clamp(param, 0, 255);
        if (info.word == Word::Red) red = v;
        if (info.word == Word::Green) green = v;
        if (info.word == Word::Blue) blue = v;
        colourSet = colourSet || info.word == Word::Red || info.word == Word::Green ||
                    info.word == Word::Blue;
        return;
    }
    if (st.dest == Dest::Picture) return ApplyPicture(info.word, param);
    if (SkippingFallback()) return;
    if (ApplyChar(info.word, hasParam, param) || ApplyPara(info.word, param)) return;
    switch (info.word) {
        case Word::Par:
            return EndParagraph();
        case Word::Line:
            return Append(u'\u2028');
        case Word::Tab:
        case Word::Cell:
            return Append(u'\t');
        case Word::Char:
            return Append(info.ch);
        case Word::Unicode:
            Append(param < -32768 || param > 65535 ? u'\uFFFD'
                                                   : char16_t(param < 0 ? param + 65536 : param));
            fallback = st.uc;
            return;
        default:
            return;
    }
}

// Character formatting; true when the word was one.
bool Reader::ApplyChar(Word word, bool hasParam, int param) {
    CharState& ch = st.ch;
    const bool on = !hasParam || param != 0;
    switch (word) {
        case Word::Plain:
            ch = CharState();
            break;
        case Word::Bold:
            ch.bold = on;
            break;
        case Word::Italic:
            ch.italic = on;
            break;
        case Word::Underline:
            ch.underline = on;
            break;
        case Word::NoUnderline:
            ch.underline = false;
            break;
        case Word::Strike:
            ch.strike = on;
            break;
        case Word::FontSize:
            ch.halfPoints = hasParam ? Clamp(param, 2, kMaxHalfPoints) : 24;
            break;
        case Word::Font:
            ch.font = param;
            break;
        case Word::Colour:
            ch.colour = param;
            break;
        case Word::Highlight:
            ch.highlight = param;
            break;
        case Word::Super:
            ch.vertical = 1;
            break;
        case Word::Sub:
            ch.vertical = -1;
            break;
        case Word::NoSuperSub:
            ch.vertical = 0;
            break;
        default:
            return false;
    }
    return true;
}

// Paragraph formatting; true when the word was one.
bool Reader::ApplyPara(Word word, int param) {
    ParaState& para = st.para;
    const int twips = Clamp(param, -kMaxTwips, kMaxTwips);
    switch (word) {
        case Word::Pard:
            para = ParaState();
            break;
        case Word::Left:
            para.align = Qt::AlignLeft;
            break;
        case Word::Right:
            para.align = Qt::AlignRight;
            break;
        case Word::Centre:
            para.align = Qt::AlignHCenter;
            break;
        case Word::Justify:
            para.align = Qt::AlignJustify;
            break;
        case Word::LeftIndent:
            para.left = twips;
            break;
        case Word::RightIndent:
            para.right = twips;
            break;
        case Word::FirstIndent:
            para.first = twips;
            break;
        case Word::SpaceBefore:
            para.before = std::max(0, twips);
            break;
        case Word::SpaceAfter:
            para.after = std::max(0, twips);
            break;
        case Word::TabStop:
            if (para.tabs.size() < kMaxTabs && twips > 0)
                para.tabs.append(QTextOption::Tab(twips / kTwipsPerPixel, QTextOption::LeftTab));
            break;
        default:
            return false;
    }
    return true;
}

void Reader::ApplyPicture(Word word, int param) {
    switch (word) {
        case Word::PngBlip:
            picture.kind = Picture::Png;
            break;
        case Word::JpegBlip:
            picture.kind = Picture::Jpeg;
            break;
        case Word::OtherBlip:
            picture.kind = Picture::Other;
            break;
        case Word::PicWGoal:
            picture.wGoal = param;
            break;
        case Word::PicHGoal:
            picture.hGoal = param;
            break;
        case Word::PicScaleX:
            picture.scaleX = param;
            break;
        case Word::PicScaleY:
            picture.scaleY = param;
            break;
        default:
            break;
    }
}

void Reader::Destination(Word word) {
    switch (word) {
        case Word::FontTable:
            st.dest = Dest::FontTable;
            break;
        case Word::ColourTable:
            st.dest = Dest::ColourTable;
            colours.clear();
            break;
        case Word::Picture:
            st.dest = Dest::Picture;
            picture = Picture();
            break;
        default:
            st.dest = Dest::Skip;
            break;
    }
}

void Reader::SkipBinary(int count) {
    const qsizetype n = std::clamp<qsizetype>(count, 0, end - at);
    if (st.dest == Dest::Picture && pictureBytes + n <= kMaxPictureBytes) {
        picture.data.append(at, n);
        pictureBytes += n;
    }
    at += n;
}

bool Reader::SkippingFallback() {
    if (fallback == 0) return false;
    --fallback;
    return true;
}

void Reader::TextByte(uchar b) {
    switch (st.dest) {
        case Dest::Text:
            if (SkippingFallback()) return;
            if (b == '\t') return Append(u'\t');
            if (b >= 0x20) Append(CodePageTable(CodePageNow())[b]);
            return;
        case Dest::FontTable:
            return FontTableByte(b);
        case Dest::ColourTable:
            if (b == ';') {
                if (colours.size() < size_t(kMaxTableEntries))
                    colours.push_back(colourSet ? QColor(red, green, blue) : QColor());
                red = green = blue = 0;
                colourSet = false;
            }
            return;
        case Dest::Picture: {
            const int d = HexDigit(char(b));
            if (d < 0 || pictureBytes >= kMaxPictureBytes) return;
            if (picture.nibble < 0) {
                picture.nibble = d;
            } else {
                picture.data.append(char(picture.nibble * 16 + d));
                picture.nibble = -1;
                ++pictureBytes;
            }
            return;
        }
        case Dest::Skip:
            return;
    }
}

void Reader::FontTableByte(uchar b) {
    if (b == ';') return FinishFont();
    if (fontName.size() < 256) fontName.append(char(b));
}

void Reader::FinishFont() {
    const QByteArray name = fontName.trimmed();
    if ((!name.isEmpty() || fontCharset >= 0) &&
        (fonts.size() < size_t(kMaxTableEntries) || fonts.count(fontNumber))) {
        Font& font = fonts[fontNumber];
        font.codePage = CharsetCodePage(fontCharset);
        const int page = font.codePage ? font.codePage : docCodePage;
        font.name.clear();
        for (uchar c : name) font.name += QChar(CodePageTable(page)[c]);
    }
    fontName.clear();
    fontCharset = -1;
}

int Reader::CodePageNow() const {
    const auto font = fonts.find(st.ch.font >= 0 ? st.ch.font : defaultFont);
    return font != fonts.end() && font->second.codePage ? font->second.codePage : docCodePage;
}

void Reader::Append(char16_t c) {
    if (c == 0 || textLeft <= 0) return;
    if (paragraphChars >= kMaxParagraphChars) EndParagraph();
    ++paragraphChars;
    --textLeft;
    if (!(st.ch == pendingFormat) && formatsLeft > 0) {
        --formatsLeft;
        Flush();
        pendingFormat = st.ch;
    }
    pending.append(QChar(c));
}

void Reader::Flush() {
    if (pending.isEmpty()) return;
    // A lone half of a surrogate pair cannot be shown; it becomes U+FFFD.
    for (qsizetype i = 0; i < pending.size(); ++i) {
        const QChar c = pending[i];
        if (c.isHighSurrogate() && i + 1 < pending.size() && pending[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            pending[i] = QChar::ReplacementCharacter;
        }
    }
    cursor.insertText(pending, CharFormat(pendingFormat));
    pending.clear();
}

void Reader::EndParagraph() {
    Flush();
    if (textLeft <= 0) return;
    --textLeft;
    if (--paragraphsLeft <= 0) textLeft = 0;  // the rest is not shown
    formatsLeft = kMaxParagraphFormats;
    paragraphChars = 0;
    cursor.setBlockFormat(BlockFormat());
    cursor.insertBlock(BlockFormat(), CharFormat(st.ch));
}

QTextCharFormat Reader::CharFormat(const CharState& ch) const {
    QTextCharFormat format;
    const auto font = fonts.find(ch.font >= 0 ? ch.font : defaultFont);
    if (font != fonts.end() && !font->second.name.isEmpty())
        format.setFontFamilies({font->second.name});
    format.setFontPointSize(ch.halfPoints / 2.0);
    format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(ch.italic);
    format.setFontUnderline(ch.underline);
    format.setFontStrikeOut(ch.strike);
    if (ch.colour > 0 && size_t(ch.colour) < colours.size() && colours[ch.colour].isValid())
        format.setForeground(colours[ch.colour]);
    if (ch.highlight > 0 && size_t(ch.highlight) < colours.size() &&
        colours[ch.highlight].isValid())
        format.setBackground(colours[ch.highlight]);
    if (ch.vertical != 0)
        format.setVerticalAlignment(ch.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                    : QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat Reader::BlockFormat() const {
    const ParaState& para = st.para;
    QTextBlockFormat format;
    format.setAlignment(para.align);
    format.setLeftMargin(para.left / kTwipsPerPixel);
    format.setRightMargin(para.right / kTwipsPerPixel);
    format.setTextIndent(para.first / kTwipsPerPixel);
    format.setTopMargin(para.before / kTwipsPerPixel);
    format.setBottomMargin(para.after / kTwipsPerPixel);
    if (!para.tabs.isEmpty()) format.setTabPositions(para.tabs);
    return format;
}

// The picture, or a null image when it cannot be decoded or has more than
// maxPixels (judged by its header).
QImage DecodePicture(const Picture& picture, qint64 maxPixels) {
    if (picture.kind == Picture::Jpeg) {
        try {
            return DecodeJpeg(picture.data, maxPixels);
        } catch (const TarvoError&) {
            return {};
        }
    }
    QBuffer buffer;
    buffer.setData(picture.data);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > maxPixels) return {};
    return reader.read();
}

// The shown size: the goal size in twips when given, scaled by percent.
double ShownSize(int goal, int scale, int natural) {
    const double base = goal > 0 ? goal / kTwipsPerPixel : natural;
    return std::clamp(base * (scale > 0 ? scale / 100.0 : 1.0), 1.0, kMaxPictureSide);
}

void Reader::FinishPicture() {
    if (picture.kind != Picture::Png && picture.kind != Picture::Jpeg) return;
    if (pictures >= kMaxPictures) return;
    const Picture done = std::exchange(picture, Picture());
    const QImage image = DecodePicture(done, pixelsLeft);
    if (image.isNull()) return;
    pixelsLeft -= qint64(image.width()) * image.height();
    Flush();
    const QString name = QStringLiteral("rtf-picture-%1").arg(++pictures);
    doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(ShownSize(done.wGoal, done.scaleX, image.width()));
    format.setHeight(ShownSize(done.hGoal, done.scaleY, image.height()));
    cursor.insertImage(format);
}

}  // namespace

bool ReadRtf(const QByteArray& rtf, QTextDocument& document) {
    document.clear();
    const QByteArray head = rtf.left(64).trimmed();
    if (!head.startsWith("{\\rtf")) {
        QStringDecoder ansi("windows-1250");
        document.setPlainText(ansi(rtf.left(kMaxText)));
        return false;
    }
    Reader(rtf, document).Run();
    return true;
}
