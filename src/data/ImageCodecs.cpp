// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/ImageCodecs.h"

#include <jpeglib.h>

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <csetjmp>
#include <cstring>

#include "platform/TarvoError.h"

namespace {

// libjpeg's own working memory: enough for the coefficients of a progressive
// picture of kMaxPicturePixels; beyond it libjpeg stops with an error.
constexpr long kJpegWorkMemory = 160L << 20;
// Each progressive scan passes over the whole picture; real encoders write
// about ten.
constexpr int kMaxJpegScans = 64;

struct JpegErrors {
    jpeg_error_mgr base;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];  // libjpeg's words
    const char* refusal;            // the program's own reason, or null
    int maxScans;
    int scans;  // scans begun
    bool keepDamaged;
    bool damaged;  // libjpeg warned about the data
};

JpegErrors& ErrorsOf(j_common_ptr cinfo) {
    return *reinterpret_cast<JpegErrors*>(cinfo->err);
}

[[noreturn]] void JpegFail(j_common_ptr cinfo) {
    (*cinfo->err->format_message)(cinfo, ErrorsOf(cinfo).message);
    std::longjmp(ErrorsOf(cinfo).jump, 1);
}

// Warnings (corrupt or truncated data) end the decoding like errors do,
// unless what could be read is wanted.
void JpegMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    if (!ErrorsOf(cinfo).keepDamaged) JpegFail(cinfo);
    ErrorsOf(cinfo).damaged = true;
}

// The largest DCT reduction (1/2, 1/4, 1/8) whose output still covers needed.
unsigned ScaleDenominator(const jpeg_decompress_struct& cinfo, QSize needed) {
    if (needed.isEmpty()) return 1;
    for (unsigned d = 8; d > 1; d /= 2)
        if (cinfo.image_width / d >= unsigned(needed.width()) &&
            cinfo.image_height / d >= unsigned(needed.height()))
            return d;
    return 1;
}

void JpegProgress(j_common_ptr cinfo) {
    JpegErrors& errors = ErrorsOf(cinfo);
    errors.scans = reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number;
    if (errors.scans > errors.maxScans) {
        ErrorsOf(cinfo).refusal = "za dużo przebiegów";
        std::longjmp(ErrorsOf(cinfo).jump, 1);
    }
}

// Kept free of objects with destructors because longjmp may leave it. The
// size is judged from the header, before libjpeg buffers anything.
bool DecodeInto(jpeg_decompress_struct& cinfo, JpegErrors& errors, const QByteArray& data,
                const JpegRequest& request, QImage& image) {
    if (setjmp(errors.jump)) return false;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kJpegWorkMemory;
    cinfo.progress = &errors.progress;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (qint64(cinfo.image_width) * cinfo.image_height > request.maxPixels) {
        errors.refusal = "obraz jest za duży";
        return false;
    }
    cinfo.scale_num = 1;
    cinfo.scale_denom = ScaleDenominator(cinfo, request.neededSize);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        errors.refusal = "brak pamięci na obraz";
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

quint32 U32(const uchar* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | quint32(p[3]) << 24;
}
quint16 U16(const uchar* p) {
    return quint16(p[0] | p[1] << 8);
}

[[noreturn]] void BmpFail(const char* why) {
    throw TarvoError(QStringLiteral("Niepoprawny plik BMP: %1").arg(QString::fromUtf8(why)));
}

}  // namespace

namespace {
JpegPicture DecodeJpeg(const QByteArray& data, const JpegRequest& request, int maxScans,
                       int& scans) {
    jpeg_decompress_struct cinfo;
    JpegErrors errors;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JpegFail;
    errors.base.emit_message = JpegMessage;
    errors.progress = {};
    errors.progress.progress_monitor = JpegProgress;
    errors.message[0] = 0;
    errors.refusal = nullptr;
    errors.maxScans = maxScans;
    errors.scans = 0;
    errors.keepDamaged = request.keepDamaged;
    errors.damaged = false;
    QImage image;
    const bool ok = DecodeInto(cinfo, errors, data, request, image);
    jpeg_destroy_decompress(&cinfo);
    scans = std::max(errors.scans, 1);
    if (ok) return {image, errors.damaged};
    // The library's own words are English; they go in brackets after ours.
    const QString why =
        errors.refusal ? QString::fromUtf8(errors.refusal) : QString::fromLatin1(errors.message);
    throw TarvoError(QStringLiteral("Niepoprawny obraz JPEG (%1)").arg(why));
}

[[noreturn]] void OverBudget() {
    throw TarvoError(QStringLiteral("Za dużo obrazków na jednej stronie"));
}

// PNG and GIF through Qt's readers, whose declared size is checked first.
QImage DecodeWithQt(const QByteArray& data, const QByteArray& format, qint64 maxPixels) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > maxPixels) OverBudget();
    const QImage image = reader.read();
    if (image.isNull()) throw TarvoError(QStringLiteral("Niepoprawny obraz"));
    return image;
}
}  // namespace

QImage DecodeJpeg(const QByteArray& data, qint64 maxPixels) {
    int scans = 0;
    return DecodeJpeg(data, JpegRequest{maxPixels, {}, false}, kMaxJpegScans, scans).image;
}

JpegPicture DecodeJpeg(const QByteArray& data, const JpegRequest& request) {
    int scans = 0;
    return DecodeJpeg(data, request, kMaxJpegScans, scans);
}

QImage DecodeBudgetedPicture(const QByteArray& data, PictureBudget& budget) {
    if (budget.pictures <= 0 || data.size() > budget.bytes) OverBudget();
    --budget.pictures;
    budget.bytes -= data.size();
    const qint64 maxPixels = std::min(budget.pixels, kMaxPicturePixels);
    QImage image;
    if (data.startsWith("\xff\xd8")) {
        int scans = 0;
        const int maxScans = std::min(budget.jpegScans, kMaxJpegScans);
        try {
            image = DecodeJpeg(data, JpegRequest{maxPixels, {}, false}, maxScans, scans).image;
        } catch (const TarvoError&) {
            budget.jpegScans -= scans;
            throw;
        }
        budget.jpegScans -= scans;
    } else if (data.startsWith("BM")) {
        image = DecodeBmp(data);
    } else if (data.startsWith("\x89PNG")) {
        image = DecodeWithQt(data, "png", maxPixels);
    } else if (data.startsWith("GIF8")) {
        image = DecodeWithQt(data, "gif", maxPixels);
    } else {
        throw TarvoError(QStringLiteral("Nieznany format obrazka"));
    }
    const qint64 pixels = qint64(image.width()) * image.height();
    if (pixels > budget.pixels) OverBudget();
    budget.pixels -= pixels;
    return image;
}

QImage DecodeBmp(const QByteArray& data) {
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qint64 size = data.size();
    if (size < 54 || bytes[0] != 'B' || bytes[1] != 'M') BmpFail("brak nagłówka");
    const qint64 pixelsAt = U32(bytes + 10);
    const quint32 infoSize = U32(bytes + 14);
    if (infoSize < 40 || 14 + qint64(infoSize) > size) BmpFail("nieznany nagłówek");
    const qint32 width = qint32(U32(bytes + 18));
    const qint32 rawHeight = qint32(U32(bytes + 22));
    const int bits = U16(bytes + 28);
    const quint32 compression = U32(bytes + 30);
    quint32 colours = U32(bytes + 46);
    if (compression != 0) BmpFail("kompresja nie jest obsługiwana");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        BmpFail("nieobsługiwana liczba bitów na piksel");
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) BmpFail("nieprawidłowy rozmiar");
    const bool topDown = rawHeight < 0;
    const qint64 height = topDown ? -qint64(rawHeight) : rawHeight;
    if (qint64(width) * height > kMaxPicturePixels) BmpFail("obraz jest za duży");
    const qint64 stride = ((qint64(width) * bits + 31) / 32) * 4;
    if (pixelsAt < 0 || pixelsAt + stride * height > size) BmpFail("dane obrazu są niepełne");

    QImage image;
    if (bits <= 8) {
        if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;
        const qint64 paletteAt = 14 + qint64(infoSize);
        if (paletteAt + qint64(colours) * 4 > pixelsAt) BmpFail("paleta jest niepełna");
        image = QImage(width, int(height), QImage::Format_Indexed8);
        QList<QRgb> palette(1 << bits, qRgb(0, 0, 0));
        for (quint32 i = 0; i < colours; ++i) {
            const uchar* q = bytes + paletteAt + i * 4;
            palette[i] = qRgb(q[2], q[1], q[0]);
        }
        image.setColorTable(palette);
    } else {
        image = QImage(width, int(height), QImage::Format_RGB32);
    }
    if (image.isNull()) BmpFail("brak pamięci na obraz");

    for (qint64 y = 0; y < height; ++y) {
        const uchar* row = bytes + pixelsAt + stride * (topDown ? y : height - 1 - y);
        uchar* out = image.scanLine(int(y));
        auto* out32 = reinterpret_cast<QRgb*>(out);
        for (qint32 x = 0; x < width; ++x) {
            switch (bits) {
                case 1:
                    out[x] = (row[x / 8] >> (7 - x % 8)) & 1;
                    break;
                case 4:
                    out[x] = (row[x / 2] >> (x % 2 ? 0 : 4)) & 15;
                    break;
                case 8:
                    out[x] = row[x];
                    break;
                case 24:
                    out32[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                    break;
                default:
                    out32[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                    break;
            }
        }
    }
    return image;
}
