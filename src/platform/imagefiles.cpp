// SPDX-License-Identifier: GPL-3.0-or-later
// Decoders of the program's picture files (see imagefiles.h).
#include "imagefiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <csetjmp>
#include <cstdlib>
#include <cstdio>
#include <jpeglib.h>

namespace {

// No picture of the program comes near this on either side; a header claiming more is a damaged or
// hostile file, refused before anything is allocated for it.
constexpr JDIMENSION kMaxPictureSide = 4096;
// libjpeg's own working memory (a progressive file keeps all its coefficients); far above what the
// program's pictures need, far below what a lying header could ask for.
constexpr long kMaxDecoderMemory = 64L * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int warnings;
};

void OnFatal(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// libjpeg only warns about a file cut short or with damaged scan data and fills the rest with
// grey; a picture like that must not reach the child's screen, so the first warning is a failure
// and decoding stops there rather than working through the rest of a broken file.
void OnMessage(j_common_ptr info, int level)
{
    if (level < 0) {
        auto* manager = reinterpret_cast<ErrorManager*>(info->err);
        ++manager->warnings;
        OnFatal(info);
    }
}

void CmykRowToRgb32(const uchar* cmyk, QRgb* out, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Kept free of C++ objects with destructors between setjmp and the last libjpeg call, because a
// fatal error leaves through longjmp.
bool Decode(const uchar* data, unsigned long size, QImage* out, ErrorManager* errors)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors->base);
    errors->base.error_exit = OnFatal;
    errors->base.emit_message = OnMessage;
    errors->warnings = 0;
    errors->message[0] = 0;
    uchar* volatile cmykRow = nullptr;  // read again after a longjmp
    if (setjmp(errors->jump)) {
        std::free(cmykRow);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxPictureSide || info.image_height > kMaxPictureSide) {
        std::snprintf(errors->message, sizeof errors->message, "picture too large (%ux%u)",
                      unsigned(info.image_width), unsigned(info.image_height));
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    *out = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (out->isNull()) {
        std::snprintf(errors->message, sizeof errors->message, "picture too large");
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (cmyk)
        cmykRow = static_cast<uchar*>(std::malloc(size_t(info.output_width) * 4));
    while (info.output_scanline < info.output_height) {
        const int row = int(info.output_scanline);
        JSAMPROW target = cmyk ? cmykRow : out->scanLine(row);
        jpeg_read_scanlines(&info, &target, 1);
        if (cmyk)
            CmykRowToRgb32(cmykRow, reinterpret_cast<QRgb*>(out->scanLine(row)), int(info.output_width),
                           info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    std::free(cmykRow);
    jpeg_destroy_decompress(&info);
    return errors->warnings == 0;
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ImageError("cannot open picture " + path.toStdString());
    return file.readAll();
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        throw ImageError("empty JPEG stream");
    QImage image;
    ErrorManager errors;
    if (!Decode(reinterpret_cast<const uchar*>(data.constData()), static_cast<unsigned long>(data.size()), &image,
                &errors))
        throw ImageError(std::string("broken JPEG picture: ") + errors.message);
    return image;
}

QImage DecodeJpegFile(const QString& path)
{
    try {
        return DecodeJpeg(ReadWholeFile(path));
    } catch (const ImageError& e) {
        throw ImageError(path.toStdString() + ": " + e.what());
    }
}

QImage DecodeBmp(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, "BMP");
    // The header's size is checked before the reader allocates anything for it; a picture stored
    // top down has a negative height there.
    const auto tooLarge = [](qint64 width, qint64 height) {
        return std::abs(width) > kMaxPictureSide || std::abs(height) > kMaxPictureSide;
    };
    const QSize size = reader.size();
    if (tooLarge(size.width(), size.height()))
        throw ImageError("BMP picture too large");
    QImage image;
    if (!reader.read(&image) || image.isNull())
        throw ImageError("broken BMP picture");
    if (tooLarge(image.width(), image.height()))
        throw ImageError("BMP picture too large");
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Grayscale8) {
        if (image.isGrayscale())
            return image.convertToFormat(QImage::Format_Grayscale8);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage DecodeBmpFile(const QString& path)
{
    try {
        return DecodeBmp(ReadWholeFile(path));
    } catch (const ImageError& e) {
        throw ImageError("cannot read BMP picture " + path.toStdString() + ": " + e.what());
    }
}
