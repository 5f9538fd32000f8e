#pragma once
// Decoders for the picture formats the program reads. Both throw TarvoError
// with a readable message on data they cannot decode completely.
#include <QByteArray>
#include <QImage>

// JPEG through libjpeg, to a 24-bit picture (QImage::Format_RGB888).
// A file that libjpeg only warns about (for example a truncated one) is an
// error too, never a partly grey picture.
QImage DecodeJpeg(const QByteArray& data);

// Windows BMP (file header included): 1, 4, 8, 24 and 32 bits per pixel,
// uncompressed, bottom-up or top-down. Every pixel keeps its exact colour;
// palette pictures come back as QImage::Format_Indexed8, others as
// QImage::Format_RGB32.
QImage DecodeBmp(const QByteArray& data);
