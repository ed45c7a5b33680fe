// SPDX-License-Identifier: GPL-3.0-or-later
// A two-state picture button (see _ccheckbut.h).
#include "_ccheckbut.h"

#include "platform/picturestore.h"
#include "platform/raster.h"
#include "platform/windowbase.h"
#include "shell/_cblad.h"

#include <new>

CCheckBut::CCheckBut(QWidget* owner, const QString& base, QImage* canvas, int x, int y,
                     std::function<void(CCheckBut*)> action)
    : HitArea(owner), canvas_(canvas)
{
    try {
        OtworzBMP(base + "_D", unchecked_);
        OtworzBMP(base + "_A", checkedPicture_);
    } catch (const std::bad_alloc&) {
        throw CBlad(1);
    }
    setGeometry(x, y, unchecked_.width(), unchecked_.height());
    if (action)
        onClick = [this, action = std::move(action)] { action(this); };
    show();
}

void CCheckBut::SetChecked(bool checked)
{
    checked_ = checked;
    if (!canvas_)
        return;
    const QImage& picture = checked_ ? checkedPicture_ : unchecked_;
    raster::Copy(*canvas_, pos(), picture);
    ShowOnWindow(parentWidget(), QRect(pos(), picture.size()));
}

void CCheckBut::Move(int x, int y)
{
    move(x <= 0 ? this->x() : x, y <= 0 ? this->y() : y);
}
