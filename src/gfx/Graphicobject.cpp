// SPDX-License-Identifier: GPL-3.0-or-later
// A picture file placed on a canvas (see Graphicobject.h).
#include "Graphicobject.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"

GraphicObject::GraphicObject(const QString& path, QImage* canvas, QImage* backCanvas)
    : canvas_(canvas), backCanvas_(backCanvas)
{
    const QString ending = path.right(3);
    if (ending == QLatin1String("bmp") || ending == QLatin1String("xbi"))
        picture_ = DecodeBmpFile(path);
    else if (ending == QLatin1String("jpg") || ending == QLatin1String("xji"))
        picture_ = DecodeJpegFile(path);
    width_ = picture_.width();
    height_ = picture_.height();
}

void GraphicObject::Draw()
{
    if (canvas_)
        raster::Copy(*canvas_, QPoint(x_, y_), picture_);
}
