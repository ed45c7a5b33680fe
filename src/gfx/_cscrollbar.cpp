// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll thumb of the recordings list (see _cscrollbar.h).
#include "_cscrollbar.h"

#include <QMouseEvent>

namespace {

constexpr char kThumbPicture[] = "scroll";

bool IsLeft(QEvent* event)
{
    return event && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

CScrollBut::CScrollBut(QWidget* owner, const QString& base, QImage* windowCanvas, const QImage* backCanvas, int x,
                       int y, std::function<void()> action)
    : CPrzyciskP(owner, base, windowCanvas, backCanvas, x, y, std::move(action))
{
}

bool CScrollBut::Intercept(HitEvent kind, QEvent* event)
{
    if (!Ready())
        return true;
    if (kind == HitEvent::Enter && !(window() && window()->isActiveWindow()))
        return true;
    switch (kind) {
    case HitEvent::Shown:
    case HitEvent::Hidden:
        return CPrzyciskP::Intercept(kind, event);
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
        Compose(Normal());
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
