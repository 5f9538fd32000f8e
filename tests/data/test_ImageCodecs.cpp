// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "data/ImageCodecs.h"
#include "platform/TarvoError.h"
#include "support/TestFiles.h"

namespace {

void Put32(QByteArray& b, int at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}
void Put16(QByteArray& b, int at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}

// A BMP file with the given depth, pixel rows (already padded) and palette.
QByteArray Bmp(int width, int height, int bits, const QByteArray& rows,
               const QList<QRgb>& palette = {}) {
    const int pixelsAt = 54 + int(palette.size()) * 4;
    QByteArray b(pixelsAt, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, quint32(pixelsAt + rows.size()));
    Put32(b, 10, quint32(pixelsAt));
    Put32(b, 14, 40);
    Put32(b, 18, quint32(width));
    Put32(b, 22, quint32(height));
    Put16(b, 26, 1);
    Put16(b, 28, quint16(bits));
    Put32(b, 46, quint32(palette.size()));
    for (int i = 0; i < palette.size(); ++i) {
        b[54 + 4 * i] = char(qBlue(palette[i]));
        b[55 + 4 * i] = char(qGreen(palette[i]));
        b[56 + 4 * i] = char(qRed(palette[i]));
    }
    return b + rows;
}

TEST(Jpeg, DecodesTo24BitsAndRefusesTruncatedData) {
    const QByteArray jpeg = MakeJpeg(384, 256, QColor(200, 30, 30));
    const QImage image = DecodeJpeg(jpeg);
    EXPECT_EQ(image.size(), QSize(384, 256));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_NEAR(qRed(image.pixel(100, 100)), 200, 4);
    EXPECT_THROW(DecodeJpeg(jpeg.left(jpeg.size() / 2)), TarvoError);
    EXPECT_THROW(DecodeJpeg(QByteArray()), TarvoError);
    EXPECT_THROW(DecodeJpeg("not a jpeg at all"), TarvoError);
}

// A 16 x 16 grey progressive JPEG written with one scan per AC coefficient
// band, and the DC coefficient in one scan or, with refine, in two.
QByteArray ManyScans(bool refine) {
    std::vector<jpeg_scan_info> scans;
    scans.push_back({1, {0}, 0, 0, 0, refine ? 1 : 0});
    if (refine) scans.push_back({1, {0}, 0, 0, 1, 0});
    for (int k = 1; k <= 63; ++k) scans.push_back({1, {0}, k, k, 0, 0});
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = cinfo.image_height = 16;
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    cinfo.scan_info = scans.data();
    cinfo.num_scans = int(scans.size());
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(16, 128);
    while (cinfo.next_scanline < 16) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    free(out);
    return bytes;
}

TEST(Jpeg, RefusesPicturesAboveTheSizeLimitAndSixtyFiveScans) {
    EXPECT_EQ(DecodeJpeg(ManyScans(false)).size(), QSize(16, 16));  // 64 scans
    const auto refusal = [](const QByteArray& jpeg, qint64 maxPixels) {
        try {
            DecodeJpeg(jpeg, maxPixels);
        } catch (const TarvoError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_EQ(refusal(ManyScans(true), kMaxPicturePixels),
              "Niepoprawny obraz JPEG (za dużo przebiegów)");
    EXPECT_EQ(refusal(MakeJpeg(20, 10), 199), "Niepoprawny obraz JPEG (obraz jest za duży)");
    EXPECT_TRUE(refusal(MakeJpeg(20, 10), 200).isEmpty());
}

TEST(Bmp, PaletteColoursStayExactAndRowsGoBottomUp) {
    // 3 x 2, 8 bits: bottom row first, rows padded to 4 bytes.
    const QByteArray rows("\x02\x01\x00\x00\x00\x01\x02\x00", 8);
    const QImage image =
        DecodeBmp(Bmp(3, 2, 8, rows, {qRgb(255, 0, 0), qRgb(0, 128, 255), qRgb(255, 255, 255)}));
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 128, 255));
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 255, 255));
}

TEST(Bmp, TrueColourAndLowDepths) {
    // 24 bits, top-down (negative height), one row of two pixels (BGR).
    QByteArray bmp = Bmp(2, 1, 24, QByteArray("\x01\x02\x03\x0a\x0b\x0c\x00\x00", 8));
    Put32(bmp, 22, quint32(-1));
    EXPECT_EQ(DecodeBmp(bmp).pixel(1, 0), qRgb(0x0c, 0x0b, 0x0a));
    // 4 bits: two pixels in one byte, high nibble first.
    const QImage four =
        DecodeBmp(Bmp(2, 1, 4, QByteArray("\x10\x00\x00\x00", 4), {qRgb(0, 0, 0), qRgb(9, 9, 9)}));
    EXPECT_EQ(four.pixel(0, 0), qRgb(9, 9, 9));
    EXPECT_EQ(four.pixel(1, 0), qRgb(0, 0, 0));
}

TEST(Bmp, BrokenFilesFailCleanly) {
    const QByteArray good = Bmp(3, 2, 24, QByteArray(24, '\x7f'));
    EXPECT_NO_THROW(DecodeBmp(good));
    EXPECT_THROW(DecodeBmp(good.left(good.size() - 1)), TarvoError);
    QByteArray huge = good;
    Put32(huge, 18, 100000);
    Put32(huge, 22, 100000);
    EXPECT_THROW(DecodeBmp(huge), TarvoError);
    QByteArray rle = good;
    Put32(rle, 30, 1);
    EXPECT_THROW(DecodeBmp(rle), TarvoError);
    QByteArray zero = good;
    Put32(zero, 18, 0);
    EXPECT_THROW(DecodeBmp(zero), TarvoError);
    EXPECT_THROW(DecodeBmp("BM"), TarvoError);
}

}  // namespace
