// SPDX-License-Identifier: GPL-3.0-or-later
// A sound button of the sounds game (see Cprzyciskodglosy.h).
#include "Cprzyciskodglosy.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "shell/_cblad.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int kResourcesMissing = 1;

QImage LoadBmp(const QString& name)
{
    try {
        return DecodeBmpFile(QString::fromLatin1(CObiektOdglosy::kFolder) + name);
    } catch (const ImageError&) {
        throw CBlad(kResourcesMissing);
    }
}

// The default font, as large as fits a line of kLabelHeight pixels.
QFont LabelFont()
{
    QFont font;
    int pixels = CPrzyciskOdglosy::kLabelHeight;
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > CPrzyciskOdglosy::kLabelHeight)
        font.setPixelSize(--pixels);
    return font;
}

}  // namespace

CPrzyciskOdglosy::CPrzyciskOdglosy(const QString& name, const QString& label, int x, int y, int labelOffset,
                                   bool active, bool small, CScena& scene)
    : name_(name), label_(label), x_(x), y_(y), labelOffset_(labelOffset), active_(active), scene_(scene)
{
    const QString size = small ? QStringLiteral("s") : QStringLiteral("b");
    normal_ = LoadBmp((active ? QStringLiteral("but_") : QStringLiteral("but_g_")) + size + QStringLiteral("_d.xbi"));
    hover_ = LoadBmp(QStringLiteral("but_") + size + QStringLiteral("_a.xbi"));
    pressed_ = LoadBmp(QStringLiteral("but_") + size + QStringLiteral("_.xbi"));
    mask_ = LoadBmp(QStringLiteral("matr_") + size + QStringLiteral(".xbi"));
    width_ = hover_.width();
    height_ = hover_.height();
    Redraw();
}

QRect CPrzyciskOdglosy::LabelRect() const
{
    return QRect(x_ + labelOffset_, y_ + height_ / 2 - kLabelHeight / 2, width_, kLabelHeight);
}

const QImage& CPrzyciskOdglosy::Picture() const
{
    switch (look_) {
    case Look::Hover:
        return hover_;
    case Look::Pressed:
        return pressed_;
    default:
        return normal_;
    }
}

void CPrzyciskOdglosy::Redraw()
{
    if (scene_.Scene().isNull())
        return;  // the window is hidden: its scene is drawn anew when it shows
    raster::DrawMasked(scene_.Scene(), QPoint(x_, y_), Picture(), mask_);
    DrawLabel();
    scene_.ShowRect(Rect().united(LabelRect()));
}

void CPrzyciskOdglosy::DrawLabel()
{
    static const QFont font = LabelFont();
    QPainter painter(&scene_.Scene());
    const QRect strip = LabelRect();
    painter.setClipRect(strip);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(active_ ? kActiveLabel : kGreyedLabel));
    // The strip is transparent: only the letters are drawn over the button.
    painter.drawText(strip, Qt::AlignLeft | Qt::AlignTop, label_);
}

void CPrzyciskOdglosy::SetLook(Look look)
{
    look_ = look;
    Redraw();
}

void CPrzyciskOdglosy::Deselect()
{
    if (!selected_)
        return;
    selected_ = false;
    SetLook(Look::Normal);
}

void CPrzyciskOdglosy::ShowHover()
{
    SetLook(Look::Hover);
}

void CPrzyciskOdglosy::ShowNormal()
{
    SetLook(Look::Normal);
}

void CPrzyciskOdglosy::LeftPress(CWyborOdglosy& selection)
{
    if (!active_)
        return;
    if (!selection.SelectedButton && !selected_) {
        selection.ButtonName = name_;
        selection.SelectedButton = true;
        selected_ = true;
        ++selection.SelectionCount;
        SetLook(Look::Pressed);
    } else if (selection.SelectedButton && selected_) {
        selected_ = false;
        selection.SelectedButton = false;
        selection.SelectionCount = 0;
        SetLook(Look::Hover);
    }
}

void CPrzyciskOdglosy::Enter()
{
    if (active_ && !selected_)
        SetLook(Look::Hover);
}

void CPrzyciskOdglosy::Leave()
{
    if (active_ && !selected_)
        SetLook(Look::Normal);
}
