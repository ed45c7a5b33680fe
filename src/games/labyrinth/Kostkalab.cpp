// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth's word pictures, cells and flying figure (see Kostkalab.h).
#include "Kostkalab.h"
#include "shell/ownwordfiles.h"

#include "games/labyrinth/Gralabirynt.h"
#include "games/labyrinth/labfile.h"
#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "shell/_cblad.h"

namespace {
constexpr QRgb kRed = 0xFFFF0000;
constexpr int kRedRingsSmall = 3, kRedRingsBig = 4;
constexpr int kPanelRight = 25;   // from the window's right edge to a collected picture
constexpr int kPanelGap = 10;     // between two slots of the column
constexpr int kPanelTop = 5;      // from the slot's top to its picture
constexpr qint16 kResourceMissing = 1;
}  // namespace

void DrawOutline(QImage& canvas, const QRect& rect, QRgb colour)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QRect area = canvas.rect();
    auto put = [&](int x, int y) {
        if (area.contains(x, y))
            reinterpret_cast<QRgb*>(canvas.scanLine(y))[x] = colour;
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        put(x, rect.top());
        put(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        put(rect.left(), y);
        put(rect.right(), y);
    }
}

ObrazekSlowo::ObrazekSlowo(const QString& name, const QImage& picture, QImage* boardCanvas, QImage* cleanCanvas)
    : GraphicObject(QString(), boardCanvas, cleanCanvas), image_(picture.convertToFormat(QImage::Format_RGB32)),
      wordName_(name)
{
    SetWidth(image_.width());
    SetHeight(image_.height());
}

void ObrazekSlowo::Show()
{
    shown_ = true;
    if (Canvas())
        raster::Copy(*Canvas(), QPoint(X(), Y()), image_);
}

void ObrazekSlowo::TakeOff()
{
    shown_ = false;
    if (Canvas() && BackCanvas())
        raster::Copy(*Canvas(), QPoint(X(), Y()), *BackCanvas(), Rect());
}

void ObrazekSlowo::PutInPanel(int total, int index, int width, int height)
{
    const int w = image_.width(), h = image_.height();
    const int pitch = h + kPanelGap;
    SetPosition(width - w - kPanelRight,
                (height / 3) * 2 + index * pitch - (total / 2) * pitch - ((total % 2) * pitch) / 2 + kPanelTop);
    inPanel_ = true;
    Show();
}

void ObrazekSlowo::FrameRed(bool small)
{
    const int rings = small ? kRedRingsSmall : kRedRingsBig;
    for (int i = 0; i < rings; ++i)
        DrawOutline(image_, image_.rect().adjusted(i, i, -i, -i), kRed);
    if (shown_)
        Show();
}

KostkaLab::KostkaLab(int column, int row, qint32 code, const QString& tilePath, QImage* boardCanvas,
                     QImage* cleanCanvas)
    : GraphicObject(tilePath, boardCanvas, cleanCanvas), column_(column), row_(row), code_(code)
{
}

QString KostkaLab::WordPicturePath(const QString& name, bool small)
{
    return WordFile(QStringLiteral("Data/Klc/") + name + (small ? QStringLiteral("_ss.xji") : QStringLiteral("_s.xji")));
}

void KostkaLab::PutWord(const QString& name, const QImage& picture)
{
    word_ = std::make_unique<ObrazekSlowo>(name, picture, Canvas(), BackCanvas());
}

void KostkaLab::SetPosition(int x, int y)
{
    GraphicObject::SetPosition(x, y);
    if (word_)
        word_->SetPosition(x + (Width() - word_->Width()) / 2, y + (Height() - word_->Height()) / 2);
}

void KostkaLab::DrawTile()
{
    Draw();
}

Ufo::Ufo(CLabHost& host, bool small) : host_(host)
{
    const QString folder = lab::kFolder + (small ? QStringLiteral("sm/") : QStringLiteral("bg/"));
    try {
        spriteUp_ = DecodeBmpFile(folder + "ufU.xbi").convertToFormat(QImage::Format_RGB32);
        spriteLeft_ = DecodeBmpFile(folder + "ufL.xbi").convertToFormat(QImage::Format_RGB32);
        spriteRight_ = DecodeBmpFile(folder + "ufR.xbi").convertToFormat(QImage::Format_RGB32);
        spriteDown_ = DecodeBmpFile(folder + "ufD.xbi").convertToFormat(QImage::Format_RGB32);
    } catch (const ImageError&) {
        throw CBlad(kResourceMissing);
    }
    width_ = spriteUp_.width();
    height_ = spriteUp_.height();
}

void Ufo::SetCanvases(QImage* target, QImage* restore)
{
    target_ = target;
    restore_ = restore;
}

void Ufo::SetStep(int stepX, int stepY)
{
    stepX_ = stepX;
    stepY_ = stepY;
}

void Ufo::PlaceAt(int column, int row, int x, int y)
{
    column_ = column;
    row_ = row;
    x_ = x + stepX_ / 2 - width_ / 2;
    y_ = y + stepY_ / 2 - height_ / 2;
}

void Ufo::Face(bool up, bool down, bool left, bool right)
{
    auto only = [this](bool& facing) {
        left_ = right_ = up_ = down_ = false;
        facing = true;
    };
    if (up)
        only(up_);
    if (down)
        only(down_);
    if (left)
        only(left_);
    if (right)
        only(right_);
}

const QImage* Ufo::Chosen()
{
    if (left_)
        current_ = &spriteLeft_;
    else if (right_)
        current_ = &spriteRight_;
    else if (up_)
        current_ = &spriteUp_;
    else if (down_)
        current_ = &spriteDown_;
    return current_;
}

void Ufo::Draw()
{
    const QImage* sprite = Chosen();
    if (sprite && target_)
        raster::Copy(*target_, QPoint(x_, y_), *sprite);
}

void Ufo::PaintOn(QImage& canvas)
{
    const QImage* sprite = Chosen();
    if (sprite)
        raster::Copy(canvas, QPoint(x_, y_), *sprite);
    current_ = nullptr;
}

bool Ufo::CanGoRight() const
{
    return board_ && (board_->CodeAt(column_, row_) & lab::OpenRight);
}

bool Ufo::CanGoLeft() const
{
    return board_ && (board_->CodeAt(column_, row_) & lab::OpenLeft);
}

bool Ufo::CanGoDown() const
{
    return board_ && (board_->CodeAt(column_, row_) & lab::OpenDown);
}

bool Ufo::CanGoUp() const
{
    return board_ && (board_->CodeAt(column_, row_) & lab::OpenUp);
}

bool Ufo::StepUp()
{
    if (busy_)
        return true;
    Face(true, false, false, false);
    return Glide(0, -1);
}

bool Ufo::StepDown()
{
    if (busy_)
        return true;
    Face(false, true, false, false);
    return Glide(0, 1);
}

bool Ufo::StepLeft()
{
    if (busy_)
        return true;
    Face(false, false, true, false);
    return Glide(-1, 0);
}

bool Ufo::StepRight()
{
    if (busy_)
        return true;
    Face(false, false, false, true);
    return Glide(1, 0);
}

bool Ufo::Glide(int dx, int dy)
{
    busy_ = true;
    const int targetX = x_ + dx * stepX_, targetY = y_ + dy * stepY_;
    while (x_ != targetX || y_ != targetY) {
        host_.ShowCanvas(GlideFrame(targetX, targetY));
        if (!host_.Pause(kStepFrameMs))
            return false;
    }
    column_ += dx;
    row_ += dy;
    busy_ = false;
    return true;
}

QRect Ufo::GlideFrame(int targetX, int targetY)
{
    const QRect before = Rect();
    QRect strip;
    if (up_)
        strip = QRect(x_, y_ + height_ - kStepPixels, width_, kStepPixels);
    else if (down_)
        strip = QRect(x_, y_, width_, kStepPixels);
    else if (left_)
        strip = QRect(x_ + width_ - kStepPixels, y_, kStepPixels, height_);
    else if (right_)
        strip = QRect(x_, y_, kStepPixels, height_);
    if (target_ && restore_ && !strip.isNull())
        raster::Copy(*target_, strip.topLeft(), *restore_, strip);
    x_ = x_ < targetX ? std::min(x_ + kStepPixels, targetX) : std::max(x_ - kStepPixels, targetX);
    y_ = y_ < targetY ? std::min(y_ + kStepPixels, targetY) : std::max(y_ - kStepPixels, targetY);
    Draw();
    return before | Rect();
}

bool Ufo::Celebrate()
{
    celebrating_ = true;
    for (int i = 0; i < kSpinFrames; ++i) {
        switch (i % 4) {
        case 0: Face(false, false, false, true); break;
        case 1: Face(false, false, true, false); break;
        case 2: Face(false, true, false, false); break;
        default: Face(true, false, false, false); break;
        }
        Draw();
        host_.ShowCanvas(Rect());
        if (!host_.Pause(kSpinFrameMs))
            return false;
    }
    celebrating_ = false;
    return true;
}
