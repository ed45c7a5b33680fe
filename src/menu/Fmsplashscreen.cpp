// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window (see Fmsplashscreen.h).
#include "Fmsplashscreen.h"

#include "platform/imagefiles.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {
constexpr char kPicture[] = "/Data/Intf/Spec/mT_Splh.xji";
const QColor kLime(0, 255, 0);
constexpr int kTitleTop = 32, kTitleHeight = 41, kTitlePixels = 29;
constexpr int kErrorLeft = 8, kErrorTop = 8, kErrorPixels = 13;

QFont LabelFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
}  // namespace

TFormSplashScreen::TFormSplashScreen(const QString& programFolder)
    : CWindowBase(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen)
{
    setWindowTitle(QString::fromLatin1(kTitle));
    QImage picture;
    const QString path = programFolder + kPicture;
    if (QFile::exists(path)) {
        try {
            picture = DecodeJpegFile(path);
        } catch (const ImageError&) {
            picture = QImage();  // shown as missing
        }
    }
    fallback_ = picture.isNull();
    if (fallback_) {
        ResetCanvas(QSize(kFallbackWidth, kFallbackHeight), kLime);
        QPainter painter(&Canvas());
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(LabelFont(kErrorPixels, true));
        painter.setPen(Qt::red);
        painter.drawText(QPoint(kErrorLeft, kErrorTop + kErrorPixels), QStringLiteral("Brak zasobów!"));
        painter.setFont(LabelFont(kTitlePixels, false));
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, kTitleTop, kFallbackWidth, kTitleHeight), Qt::AlignCenter,
                         QStringLiteral("Brimbola Cz.IV Demo"));
    } else {
        Canvas() = picture;
    }
    const QSize size = Canvas().size();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : size;
    setGeometry((screenSize.width() - size.width()) / 2, (screenSize.height() - size.height()) / 2, size.width(),
                size.height());
}
