// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Decoders for the picture formats the program reads. Both throw TarvoError
// with a readable message on data they cannot decode completely.
#include <QByteArray>
#include <QImage>

// The largest picture either decoder accepts, judged by its header before any
// pixel memory is taken: four times the largest picture the program shows.
constexpr qint64 kMaxPicturePixels = 4096LL * 4096LL;

// JPEG through libjpeg, to a 24-bit picture (QImage::Format_RGB888).
// A file that libjpeg only warns about (for example a truncated one) is an
// error too, never a partly grey picture. Pictures of more than maxPixels are
// refused by their header; libjpeg's own working memory is capped as well,
// and so is the number of progressive scans.
QImage DecodeJpeg(const QByteArray& data, qint64 maxPixels = kMaxPicturePixels);

// The same for a picture needed at neededSize at most: libjpeg decodes it
// reduced to 1/2, 1/4 or 1/8 where that still covers neededSize, so a large
// photo never lives at full size. With keepDamaged a truncated or corrupt file
// gives what could be read, marked as damaged, rather than an error.
struct JpegRequest {
    qint64 maxPixels = kMaxPicturePixels;
    QSize neededSize;
    bool keepDamaged = false;
};
struct JpegPicture {
    QImage image;
    bool damaged = false;
};
JpegPicture DecodeJpeg(const QByteArray& data, const JpegRequest& request);

// What the pictures of one document may use together, so that a page naming
// one large picture under many names, or many progressive scans, stays cheap.
struct PictureBudget {
    int pictures = 64;
    qint64 pixels = 8 << 20;
    qint64 bytes = 16 << 20;
    int jpegScans = 128;
};

// A JPEG, PNG, GIF or BMP picture, decoded only when its encoded size, its
// declared size and (for JPEG) its scans fit what is left of budget; what it
// used is taken from budget. Throws TarvoError otherwise.
QImage DecodeBudgetedPicture(const QByteArray& data, PictureBudget& budget);

// Windows BMP (file header included): 1, 4, 8, 24 and 32 bits per pixel,
// uncompressed, bottom-up or top-down. Every pixel keeps its exact colour;
// palette pictures come back as QImage::Format_Indexed8, others as
// QImage::Format_RGB32.
QImage DecodeBmp(const QByteArray& data);
