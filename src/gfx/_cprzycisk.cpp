// SPDX-License-Identifier: GPL-3.0-or-later
// Picture buttons (see _cprzycisk.h).
#include "_cprzycisk.h"

#include "platform/picturestore.h"
#include "platform/raster.h"
#include "platform/windowbase.h"
#include "shell/_cblad.h"

#include <QMouseEvent>
#include <new>

ButtonPictures::ButtonPictures(const QString& base)
{
    OtworzBMP(base + "_D", Normal);
    OtworzBMP(base + "_A", Active);
    OtworzBMP(base + "_", Pressed);
    OtworzBMP(base + "_M", Mask);
}

namespace {

// Builds a button's pictures; failures become the "resources missing" error.
ButtonPictures LoadPictures(const QString& base)
{
    try {
        return ButtonPictures(base);
    } catch (const std::bad_alloc&) {
        throw CBlad(1);
    }
}

bool OwnerIsActive(const QWidget* control)
{
    return control->window() && control->window()->isActiveWindow();
}

bool IsLeft(QEvent* event)
{
    return event && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

CPrzyciskP::CPrzyciskP(QWidget* owner, const QString& base, QImage* windowCanvas, const QImage* backCanvas, int x,
                       int y, std::function<void()> action)
    : HitArea(owner), pictures_(LoadPictures(base)), windowCanvas_(windowCanvas), backCanvas_(backCanvas)
{
    setGeometry(x, y, pictures_.Mask.width(), pictures_.Mask.height());
    buffer_ = QImage(size().isEmpty() ? QSize(1, 1) : size(), QImage::Format_RGB32);
    if (buffer_.isNull())
        throw CBlad(1);
    onClick = std::move(action);
    show();
    ready_ = true;
}

void CPrzyciskP::Move(int x, int y)
{
    move(x < 0 ? this->x() : x, y < 0 ? this->y() : y);
}

void CPrzyciskP::Paint()
{
    if (isVisible())
        Compose(pictures_.Normal);
}

void CPrzyciskP::Compose(const QImage& state)
{
    if (!windowCanvas_ || width() == 0 || height() == 0)
        return;
    const QRect screen = geometry();
    if (backCanvas_)
        raster::Copy(buffer_, QPoint(0, 0), *backCanvas_, screen);
    raster::DrawMasked(buffer_, QPoint(0, 0), state, pictures_.Mask);
    raster::Copy(*windowCanvas_, screen.topLeft(), buffer_, QRect(QPoint(0, 0), screen.size()));
    ShowOnWindow(parentWidget(), screen);
}

void CPrzyciskP::EraseToBackground()
{
    if (!windowCanvas_ || !backCanvas_)
        return;
    const QRect screen = geometry();
    raster::Copy(*windowCanvas_, screen.topLeft(), *backCanvas_, screen);
    ShowOnWindow(parentWidget(), screen);
}

bool CPrzyciskP::Intercept(HitEvent kind, QEvent* event)
{
    if (!ready_)
        return true;
    if (kind == HitEvent::Enter && !OwnerIsActive(this))
        return true;
    // A hidden button draws nothing: hiding one under the mouse still tells it the mouse left.
    const bool visible = isVisible();
    switch (kind) {
    case HitEvent::Leave:
        if (visible)
            Compose(pictures_.Normal);
        break;
    case HitEvent::Press:
        if (visible && IsLeft(event))
            Compose(pictures_.Pressed);
        break;
    case HitEvent::Release:
        if (visible && IsLeft(event))
            Compose(pictures_.Active);
        break;
    case HitEvent::Enter:
        if (visible)
            Compose(pictures_.Active);
        break;
    case HitEvent::Shown:
        Compose(pictures_.Normal);
        return true;
    case HitEvent::Hidden:
        EraseToBackground();
        return true;
    default:
        break;
    }
    return false;
}

CPrzyciskC::CPrzyciskC(QWidget* owner, const QString& base, QImage* canvas, QImage* windowCanvas, int x, int y,
                       std::function<void()> action)
    : HitArea(owner), pictures_(LoadPictures(base)), current_(&pictures_.Normal), canvas_(canvas),
      windowCanvas_(windowCanvas)
{
    setGeometry(x, y, kAreaWidth, kAreaHeight);
    onClick = std::move(action);
    show();
}

void CPrzyciskC::Draw()
{
    if (canvas_)
        raster::DrawMasked(*canvas_, pos(), *current_, pictures_.Mask);
}

void CPrzyciskC::ShowButton()
{
    show();
    Draw();
}

void CPrzyciskC::HideButton()
{
    hide();
}

void CPrzyciskC::Select(const QImage& state)
{
    current_ = &state;
    Draw();
    if (canvas_ && windowCanvas_ && canvas_ != windowCanvas_)
        raster::Copy(*windowCanvas_, pos(), *canvas_, geometry());
    ShowOnWindow(parentWidget(), geometry());
}

bool CPrzyciskC::Intercept(HitEvent kind, QEvent* event)
{
    if (kind == HitEvent::Enter && !OwnerIsActive(this))
        return true;
    if (kind == HitEvent::DoubleClick && IsLeft(event))
        return true;
    if (!isVisible())
        return false;
    switch (kind) {
    case HitEvent::Leave:
        Select(pictures_.Normal);
        break;
    case HitEvent::Press:
        if (IsLeft(event))
            Select(pictures_.Pressed);
        break;
    case HitEvent::Release:
        if (IsLeft(event))
            Select(pictures_.Active);
        break;
    case HitEvent::Enter:
        Select(pictures_.Active);
        break;
    default:
        break;
    }
    return false;
}
