// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser of the child who plays (see Fmdzieci.h).
#include "Fmdzieci.h"

#include "platform/imagefiles.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

using brimbola::Display;

namespace {
const QColor kText(0x3D, 0x2C, 0x4E), kCard(0xFF, 0xFB, 0xF0);
// The palette of a card without a picture: the child's initial on a colour of its own.
const QColor kInitialColours[] = {{0xE8, 0x6A, 0x5C}, {0x4E, 0xA8, 0xDE}, {0x7C, 0xC4, 0x5A}, {0xF2, 0xB1, 0x34}, {0xA7, 0x7B, 0xCA}};
constexpr int kMostColumns = 5;
constexpr int kLargestCard = 250;  // design pixels, the width; the height is 6/5 of it

QFont ProgramFont(int pixels)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Comfortaa"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(std::max(pixels, 8));
    font.setBold(true);
    return font;
}
}  // namespace

TFormDzieci::TFormDzieci(std::vector<Entry> children)
{
    setWindowTitle(QString::fromUtf8(kCaption));
    try {
        LoadCenteredBackground(background_, "Data/Intf/Spec/mT_m0" + SizeSuffix() + ".xji");
    } catch (const ImageError&) {
        throw CBlad(1);
    }
    if (background_.isNull()) {
        background_ = QImage(Display.ScreenWidth, Display.ScreenHeight, QImage::Format_RGB32);
        background_.fill(kCard);
    }
    const QString suffix = Display.IsSmall() ? QStringLiteral("_shs.xji") : QStringLiteral("_shb.xji");
    for (Entry& entry : children) {
        Card card{std::move(entry), {}, {}};
        const QString path = QStringLiteral("Data/Bion/") + card.entry.picture + suffix;
        // Only the few pictures of the children are decoded; a broken one leaves the initial.
        if (!card.entry.picture.isEmpty() && QFile::exists(path)) {
            try {
                card.picture = DecodeJpegFile(path);
            } catch (const ImageError&) {
            }
        }
        cards_.push_back(std::move(card));
    }
    Layout();
    Redraw();
}

TFormDzieci::~TFormDzieci() = default;

void TFormDzieci::Layout()
{
    const int x0 = Display.OffsetX, y0 = Display.OffsetY, w = Display.DesignWidth, h = Display.DesignHeight;
    const int n = std::max(1, int(cards_.size()));
    const int columns = std::min(kMostColumns, n <= 3 ? n : int(std::ceil(std::sqrt(n * 1.5))));
    const int rows = (n + columns - 1) / columns;
    const int top = y0 + h / 4, bottom = y0 + h - h / 16;
    const int gap = w / 40;
    const int byWidth = (w - w / 10 - gap * (columns - 1)) / columns;
    const int byHeight = ((bottom - top - gap * (rows - 1)) / rows) * 5 / 6;
    const int cardW = std::min({kLargestCard * w / 1024, byWidth, byHeight}), cardH = cardW * 6 / 5;
    for (int i = 0; i < int(cards_.size()); ++i) {
        const int row = i / columns, inRow = std::min(columns, int(cards_.size()) - row * columns);
        const int rowWidth = inRow * cardW + (inRow - 1) * gap;
        const int usedHeight = rows * cardH + (rows - 1) * gap;
        const int x = x0 + (w - rowWidth) / 2 + (i % columns) * (cardW + gap);
        const int y = top + (bottom - top - usedHeight) / 2 + row * (cardH + gap);
        cards_[size_t(i)].rect = QRect(x, y, cardW, cardH);
    }
}

void TFormDzieci::Redraw()
{
    Canvas() = background_;
    QPainter p(&Canvas());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int x0 = Display.OffsetX, y0 = Display.OffsetY, w = Display.DesignWidth, h = Display.DesignHeight;
    const QRect title(x0 + w / 6, y0 + h / 14, w * 2 / 3, h / 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(title, title.height() / 2.0, title.height() / 2.0);
    p.setPen(kText);
    p.setFont(ProgramFont(h / 16));
    p.drawText(title, Qt::AlignCenter, QString::fromUtf8(kCaption));
    for (size_t i = 0; i < cards_.size(); ++i) {
        const Card& card = cards_[i];
        const QRect r = card.rect;
        const double corner = r.width() / 10.0;
        p.setPen(QPen(kText, std::max(2, r.width() / 60)));
        p.setBrush(kCard);
        p.drawRoundedRect(r, corner, corner);
        const int nameHeight = r.height() / 5;
        const QRect pictureArea = r.adjusted(r.width() / 14, r.width() / 14, -r.width() / 14, -nameHeight);
        if (!card.picture.isNull()) {
            const QSize fitted = card.picture.size().scaled(pictureArea.size(), Qt::KeepAspectRatio);
            QRect at(QPoint(), fitted);
            at.moveCenter(pictureArea.center());
            p.drawImage(at, card.picture);
        } else {
            const int d = std::min(pictureArea.width(), pictureArea.height());
            QRect circle(0, 0, d, d);
            circle.moveCenter(pictureArea.center());
            p.setPen(Qt::NoPen);
            p.setBrush(kInitialColours[i % std::size(kInitialColours)]);
            p.drawEllipse(circle);
            p.setPen(Qt::white);
            p.setFont(ProgramFont(d / 2));
            p.drawText(circle, Qt::AlignCenter, card.entry.name.left(1).toUpper());
        }
        p.setPen(kText);
        QFont font = ProgramFont(nameHeight / 2);
        p.setFont(font);
        const QRect nameBox(r.left() + 6, r.bottom() - nameHeight, r.width() - 12, nameHeight - 6);
        p.drawText(nameBox, Qt::AlignCenter, QFontMetrics(font).elidedText(card.entry.name, Qt::ElideRight, nameBox.width()));
    }
    p.end();
    update();
}

int TFormDzieci::Choose(bool mayLeave)
{
    mayLeave_ = mayLeave;
    CoverScreen(*this);
    return ShowModal() - 1;
}

void TFormDzieci::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    for (int i = 0; i < Count(); ++i)
        if (CardRect(i).contains(event->position().toPoint())) {
            EndModal(i + 1);
            return;
        }
}

void TFormDzieci::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && mayLeave_) {
        EndModal(0);
        return;
    }
    CModalWindow::keyPressEvent(event);
}

void TFormDzieci::closeEvent(QCloseEvent* event)
{
    if (!mayLeave_ && IsShownModally()) {
        event->ignore();
        return;
    }
    CModalWindow::closeEvent(event);
}
