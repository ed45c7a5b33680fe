// SPDX-License-Identifier: GPL-3.0-or-later
// A JPEG picture (".xji") through the decoder every picture of the program goes through: any bytes
// give a picture no larger than the decoder's limit or an ImageError, never a crash.
#include "fuzzsupport.h"

#include "platform/imagefiles.h"

FUZZ_TARGET(jpeg)
{
    try {
        const QImage image = DecodeJpeg(FuzzBytes(data, size));
        FUZZ_CHECK(!image.isNull() && image.format() == QImage::Format_RGB32);
        FUZZ_CHECK(image.width() <= 4096 && image.height() <= 4096);
    } catch (const ImageError&) {
    }
    return 0;
}
