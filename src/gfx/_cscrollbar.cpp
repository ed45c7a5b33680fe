// The scroll thumb of the recordings list (see _cscrollbar.h).
#include "_cscrollbar.h"

#include "platform/picturestore.h"
#include "platform/raster.h"
#include "shell/_cblad.h"

#include <QMouseEvent>
#include <new>

namespace {

constexpr char kThumbPicture[] = "scroll";

bool IsLeft(QEvent* event)
{
    return event && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

CScrollBut::CScrollBut(QWidget* owner, const QString& base, QImage* windowCanvas, const QImage* backCanvas, int x,
                       int y, std::function<void()> action)
    : HitArea(owner), windowCanvas_(windowCanvas), backCanvas_(backCanvas)
{
    try {
        OtworzBMP(base + "_D", normal_);
        OtworzBMP(base + "_M", mask_);
    } catch (const std::bad_alloc&) {
        throw CBlad(1);
    }
    setGeometry(x, y, mask_.width(), mask_.height());
    buffer_ = QImage(size().isEmpty() ? QSize(1, 1) : size(), QImage::Format_RGB32);
    if (buffer_.isNull())
        throw CBlad(1);
    onClick = std::move(action);
    show();
    ready_ = true;
}

void CScrollBut::Move(int x, int y)
{
    move(x < 0 ? this->x() : x, y < 0 ? this->y() : y);
}

void CScrollBut::Paint()
{
    if (isVisible())
        Compose();
}

void CScrollBut::Compose()
{
    if (!windowCanvas_ || width() == 0 || height() == 0)
        return;
    const QRect screen = geometry();
    if (backCanvas_)
        raster::Copy(buffer_, QPoint(0, 0), *backCanvas_, screen);
    raster::DrawMasked(buffer_, QPoint(0, 0), normal_, mask_);
    raster::Copy(*windowCanvas_, screen.topLeft(), buffer_, QRect(QPoint(0, 0), screen.size()));
    if (parentWidget())
        parentWidget()->update(screen);
}

void CScrollBut::EraseToBackground()
{
    if (!windowCanvas_ || !backCanvas_)
        return;
    const QRect screen = geometry();
    raster::Copy(*windowCanvas_, screen.topLeft(), *backCanvas_, screen);
    if (parentWidget())
        parentWidget()->update(screen);
}

bool CScrollBut::Intercept(HitEvent kind, QEvent* event)
{
    if (!ready_)
        return true;
    if (kind == HitEvent::Enter && !(window() && window()->isActiveWindow()))
        return true;
    switch (kind) {
    case HitEvent::Shown:
        Compose();
        return true;
    case HitEvent::Hidden:
        EraseToBackground();
        return true;
    case HitEvent::Press:
        if (IsLeft(event))
            dragging_ = true;
        break;
    case HitEvent::Release:
        if (IsLeft(event))
            dragging_ = false;
        break;
    case HitEvent::Move:
        // The thumb stays where it is: the list is scrolled by its buttons and the wheel only.
        if (!dragging_)
            return false;
        break;
    case HitEvent::Enter:
    case HitEvent::Leave:
        break;
    default:
        return false;
    }
    if (isVisible())
        Compose();
    return false;
}

CScrollBar::CScrollBar(QWidget* owner, int x, int y, QImage* windowCanvas, const QImage* backCanvas)
    : x_(x), y_(y), thumb_(new CScrollBut(owner, QString::fromLatin1(kThumbPicture), windowCanvas, backCanvas, x, y, [] {}))
{
}

void CScrollBar::SetTrack(int x, int top, int bottom)
{
    x_ = x;
    y_ = top;
    step_ = (bottom - top) / kPositions;
    MoveThumb();
}

void CScrollBar::StepDown()
{
    y_ += step_;
    MoveThumb();
    Show();
}

void CScrollBar::StepUp()
{
    y_ -= step_;
    MoveThumb();
    Show();
}

void CScrollBar::Show()
{
    thumb_->show();
}

void CScrollBar::Hide()
{
    thumb_->hide();
}

void CScrollBar::MoveThumb()
{
    // The old place gets its background back before the thumb is drawn at the new one.
    const bool visible = thumb_->isVisible();
    if (visible)
        thumb_->hide();
    thumb_->Move(x_, y_);
    if (visible)
        thumb_->show();
}
