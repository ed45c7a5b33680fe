// SPDX-License-Identifier: GPL-3.0-or-later
// A BMP picture (".xbi": masks, sprites, button states) through the decoder the program uses: any
// bytes give an opaque or grey picture within the size limit, or an ImageError.
#include "fuzzsupport.h"

#include "platform/imagefiles.h"

namespace {
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
}  // namespace

FUZZ_TARGET(bmp)
{
    // Qt warns on the terminal of every damaged picture; thousands of lines a second slow the run.
    [[maybe_unused]] static const QtMessageHandler kLoud = qInstallMessageHandler(Quiet);
    try {
        const QImage image = DecodeBmp(FuzzBytes(data, size));
        FUZZ_CHECK(!image.isNull());
        FUZZ_CHECK(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_Grayscale8);
        FUZZ_CHECK(image.width() <= 4096 && image.height() <= 4096);
    } catch (const ImageError&) {
    }
    return 0;
}
