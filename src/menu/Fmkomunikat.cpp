// SPDX-License-Identifier: GPL-3.0-or-later
// The message window (see Fmkomunikat.h).
#include "Fmkomunikat.h"

#include "gfx/_cprzycisk.h"
#include "platform/imagefiles.h"
#include "shell/_cblad.h"
#include "menu/menuwindows.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr char kBackground[] = "Data/Intf/Spec/mKom_kp.xji";
constexpr int kCorner = 25;
const QRect kTextBox(18, 59, 385, 126);
constexpr int kTextPixels = 16;

QRegion RoundedRegion(int width, int height, int corner)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width, height), corner / 2.0, corner / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}
}  // namespace

QString TFormKomunikat::TextOf(qint16 code)
{
    switch (code) {
    case 1:
        return QStringLiteral("Proszę wybrać większą liczbę głosek.");
    case 2:
        return QStringLiteral("Proszę wybrać większą liczbę pozycji głosek.");
    case 3:
        return QStringLiteral("Proszę wybrać większą liczbę głosek lub pozycji.");
    case 10:
        return QStringLiteral("Proszę wybrać pozycję i wprowadzić nazwę nagrania.");
    case 11:
        return QStringLiteral("Proszę wprowadzić nazwę dla nagrania.");
    case 12:
        return QStringLiteral("Nie można nagrywać: brak mikrofonu.");
    case 13:
        return QStringLiteral("Nie można nagrywać: nie da się zapisać pliku nagrania.");
    case 20:
        return QStringLiteral("Proszę wybrać pozycję do odtworzenia.");
    case 21:
        return QStringLiteral("Brak nagrania dla wybranej pozycji.");
    case 22:
        return QStringLiteral("Nie można odtworzyć: brak głośników.");
    case 52:
        return QStringLiteral("Tej pozycji nie można zmieniać.");
    default:
        return QStringLiteral("Błąd.");
    }
}

QImage ShapeAsMessageCard(QWidget* window)
{
    window->resize(TFormKomunikat::kWidth, TFormKomunikat::kHeight);
    window->setMask(RoundedRegion(TFormKomunikat::kWidth, TFormKomunikat::kHeight, kCorner));
    if (!QFile::exists(kBackground))
        throw CBlad(1);
    try {
        return DecodeJpegFile(kBackground);
    } catch (const ImageError&) {
        throw CBlad(1);
    }
}

TFormKomunikat::TFormKomunikat(QWidget* mainWindow) : mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("Komunikat"));
    background_ = ShapeAsMessageCard(this);
    ResetCanvas(QSize(kWidth, kHeight), Qt::white);
    stop_ = new CPrzyciskP(this, QStringLiteral("stop"), &Canvas(), &background_, kWidth / 2 - 30, kHeight - 100,
                           [this] { EndModal(1); });
    Redraw();
}

TFormKomunikat::~TFormKomunikat() = default;

void TFormKomunikat::ShowMessageCode(qint16 code)
{
    code_ = code;
    text_ = TextOf(code);
    Redraw();
}

void TFormKomunikat::Redraw()
{
    QImage& canvas = Canvas();
    canvas = background_.copy(QRect(0, 0, kWidth, kHeight));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Comfortaa"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(kTextPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x3D, 0x2C, 0x4E));
    painter.drawText(kTextBox, Qt::AlignCenter | Qt::TextWordWrap, text_);
    painter.end();
    stop_->Paint();
    update();
}

int TFormKomunikat::ShowCentred()
{
    const QWidget* over = mainWindow_ ? mainWindow_ : parentWidget();
    if (over) {
        const QRect area = over->geometry();
        move(area.left() + (area.width() - kWidth) / 2, area.top() + (area.height() - kHeight) / 2);
    }
    return ShowModal();
}

void TFormKomunikat::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragger_.Press(event->globalPosition());
}

void TFormKomunikat::mouseMoveEvent(QMouseEvent* event)
{
    dragger_.Move(event->globalPosition(), event->buttons());
}

void ShowMessageWindow(qint16 code)
{
    if (!FormKomunikat)
        return;
    FormKomunikat->ShowMessageCode(code);
    FormKomunikat->ShowCentred();
}
