// SPDX-License-Identifier: GPL-3.0-or-later
// The crop of an own word's photo (see cropper.h). The photo is scaled once per size of the canvas,
// so dragging the frame repaints without scaling a large photo again.
#include "cropper.h"

#include "words/ownpicture.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSlider>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

namespace {
constexpr int kSliderSteps = 100;
constexpr double kWheelStep = 1.1;      // per notch of the wheel
constexpr double kKeyMoveShare = 0.05;  // an arrow key moves the frame by this share of its side
constexpr int kWheelNotch = 120;
const QSize kCanvasMinimum(240, 180);
}  // namespace

// The photo with the frame over it.
class CropCanvas final : public QWidget {
public:
    explicit CropCanvas(Cropper* owner) : QWidget(owner), owner_(owner)
    {
        setObjectName("cropCanvas");
        setMinimumSize(kCanvasMinimum);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::OpenHandCursor);
        setToolTip(QStringLiteral("Przeciągnij ramkę myszą; kółko myszy albo + i − powiększa i pomniejsza."));
    }

    void PhotoChanged()
    {
        scaled_ = {};
        update();
    }

protected:
    void resizeEvent(QResizeEvent*) override { scaled_ = {}; }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        if (owner_->photo_.isNull())
            return;
        const QRectF shown = Shown();
        if (scaled_.isNull())
            scaled_ = owner_->photo_.scaled(shown.size().toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage(shown.topLeft(), scaled_);
        // Outside the frame the photo is dimmed: what stays bright is what the child will see.
        const QRectF frame = ToCanvas(owner_->crop_);
        QPainterPath outside;
        outside.addRect(shown);
        outside.addRect(frame);
        painter.fillPath(outside, QColor(0, 0, 0, 140));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawRect(frame);
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || owner_->photo_.isNull())
            return;
        const QPointF at = ToPhoto(event->position());
        // A press outside the frame brings the frame there; then it follows the mouse.
        if (!owner_->crop_.contains(at)) {
            QRectF moved = owner_->crop_;
            moved.moveCenter(at);
            owner_->SetCrop(moved);
        }
        grab_ = at - owner_->crop_.topLeft();
        dragging_ = true;
        setCursor(Qt::ClosedHandCursor);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!dragging_)
            return;
        QRectF moved = owner_->crop_;
        moved.moveTopLeft(ToPhoto(event->position()) - grab_);
        owner_->SetCrop(moved);
    }

    void mouseReleaseEvent(QMouseEvent*) override
    {
        dragging_ = false;
        setCursor(Qt::OpenHandCursor);
    }

    void wheelEvent(QWheelEvent* event) override
    {
        if (owner_->photo_.isNull())
            return;
        const double notches = event->angleDelta().y() / double(kWheelNotch);
        owner_->Zoom(std::pow(kWheelStep, notches));
        event->accept();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (owner_->photo_.isNull())
            return QWidget::keyPressEvent(event);
        const double step = owner_->crop_.width() * kKeyMoveShare;
        QPointF by;
        switch (event->key()) {
        case Qt::Key_Left: by = {-step, 0}; break;
        case Qt::Key_Right: by = {step, 0}; break;
        case Qt::Key_Up: by = {0, -step}; break;
        case Qt::Key_Down: by = {0, step}; break;
        case Qt::Key_Plus:
        case Qt::Key_Equal: owner_->Zoom(kWheelStep); return;
        case Qt::Key_Minus: owner_->Zoom(1 / kWheelStep); return;
        default: return QWidget::keyPressEvent(event);
        }
        owner_->SetCrop(owner_->crop_.translated(by));
    }

    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    // Where the whole photo lies on the canvas: as large as fits, centred.
    QRectF Shown() const
    {
        const QSizeF photo = owner_->photo_.size();
        const QSizeF fitted = photo.scaled(QSizeF(size()), Qt::KeepAspectRatio);
        return QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    }
    double Scale() const { return Shown().width() / owner_->photo_.width(); }
    QRectF ToCanvas(const QRectF& r) const
    {
        const double s = Scale();
        return QRectF(Shown().topLeft() + r.topLeft() * s, r.size() * s);
    }
    QPointF ToPhoto(const QPointF& p) const { return (p - Shown().topLeft()) / Scale(); }

    Cropper* owner_;
    QImage scaled_;
    bool dragging_ = false;
    QPointF grab_;  // where in the frame the mouse holds it, in the photo's pixels
};

Cropper::Cropper(QWidget* parent) : QWidget(parent)
{
    canvas_ = new CropCanvas(this);
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName("zoom");
    slider_->setRange(0, kSliderSteps);
    slider_->setToolTip(QStringLiteral("Powiększenie"));
    slider_->setEnabled(false);
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(new QLabel(QStringLiteral("Całość"), this));
    zoomRow->addWidget(slider_, 1);
    zoomRow->addWidget(new QLabel(QStringLiteral("Powiększ"), this));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_, 1);
    layout->addLayout(zoomRow);
    connect(slider_, &QSlider::valueChanged, this, &Cropper::FromSlider);
}

void Cropper::SetPhoto(const QImage& photo)
{
    photo_ = photo;
    crop_ = photo.isNull() ? QRectF() : ownpicture::DefaultCrop(photo.size());
    slider_->setEnabled(!photo.isNull());
    canvas_->PhotoChanged();
    SyncSlider();
    emit CropChanged(crop_);
}

void Cropper::SetCrop(const QRectF& crop)
{
    if (photo_.isNull())
        return;
    const QRectF kept = ownpicture::ClampCrop(crop, photo_.size());
    if (kept == crop_)
        return;
    crop_ = kept;
    canvas_->update();
    SyncSlider();
    emit CropChanged(crop_);
}

void Cropper::Zoom(double factor)
{
    if (photo_.isNull() || factor <= 0)
        return;
    const double side = crop_.width() / factor;
    QRectF zoomed(0, 0, side, side);
    zoomed.moveCenter(crop_.center());
    // At the smallest or largest size the frame stays where it is rather than drifting.
    const QRectF kept = ownpicture::ClampCrop(zoomed, photo_.size());
    if (!qFuzzyCompare(kept.width(), crop_.width()))
        SetCrop(kept);
}

// The slider runs from the whole shorter side (left) to the smallest frame (right), evenly in the
// ratio of sizes, so that each step zooms as much as the one before.
namespace {
struct SideRange {
    double largest, smallest;
};
SideRange RangeOf(const QSize& photo)
{
    const double largest = ownpicture::ClampCrop(QRectF(QPointF(0, 0), QSizeF(photo)), photo).width();
    const double smallest = ownpicture::ClampCrop(QRectF(0, 0, 1, 1), photo).width();
    return {largest, std::min(smallest, largest)};
}
}  // namespace

void Cropper::SyncSlider()
{
    if (photo_.isNull())
        return;
    const SideRange range = RangeOf(photo_.size());
    int value = 0;
    if (range.largest > range.smallest)
        value = int(std::lround(kSliderSteps * std::log(range.largest / crop_.width()) /
                                std::log(range.largest / range.smallest)));
    syncing_ = true;
    slider_->setValue(value);
    syncing_ = false;
}

void Cropper::FromSlider(int value)
{
    if (syncing_ || photo_.isNull())
        return;
    const SideRange range = RangeOf(photo_.size());
    const double side = range.largest * std::pow(range.smallest / range.largest, double(value) / kSliderSteps);
    QRectF zoomed(0, 0, side, side);
    zoomed.moveCenter(crop_.center());
    SetCrop(zoomed);
}
