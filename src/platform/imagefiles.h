// SPDX-License-Identifier: GPL-3.0-or-later
// Decoders of the program's picture files: JPEG (".xji") through libjpeg and Windows BMP (".xbi").
// A missing, broken or truncated file is reported as ImageError, never by ending the process.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>

class ImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// JPEG stream to an opaque Format_RGB32 picture (colour, grey and CMYK files).
QImage DecodeJpeg(const QByteArray& data);
QImage DecodeJpegFile(const QString& path);

// BMP file, whatever its extension: 8-bit grey files become Format_Grayscale8 (soft masks), all
// others opaque Format_RGB32. A picture wider or higher than any of the program's is refused.
QImage DecodeBmp(const QByteArray& data);
QImage DecodeBmpFile(const QString& path);
