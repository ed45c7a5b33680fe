// SPDX-License-Identifier: GPL-3.0-or-later
// The about window (see Fmoprogramie.h).
#include "Fmoprogramie.h"

#include "guidewindow.h"
#include "gfx/_cprzycisk.h"
#include "platform/desktop.h"
#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QUrlQuery>
#include <vector>

const QUrl TFormOProgramie::kWebAddress(QStringLiteral("https://www.brimbola.example/"));
const QUrl TFormOProgramie::kMailAddress(
    QStringLiteral("mailto:kontakt@brimbola.example?subject=Wiadomosc%20z%20Brimbola"));
const QUrl TFormOProgramie::kPictureLicence(QStringLiteral("https://creativecommons.org/licenses/by/4.0/"));

namespace {
constexpr int kVersionBelowQuarter = 35;   // the version line's top below a quarter of the height
constexpr int kLineGap = 6, kSmallLineGap = 2;  // eleven lines fit above the button at 800 x 600

enum class Link { None, Web, Mail, Licence, Guide };

struct CreditLine {
    QString text;
    Link link;
};

const std::vector<CreditLine>& Credits()
{
    static const std::vector<CreditLine> lines = {
        {QStringLiteral("© 2026 Pracownia Brimbola · Numer publikacji: BRB-4/2026"), Link::None},
        {QStringLiteral("Wolne oprogramowanie, licencja GNU GPL 3 lub późniejsza, bez gwarancji."), Link::None},
        {QStringLiteral("Pracownia Brimbola, ul. Słoneczna 7, 00-950 Warszawa"), Link::None},
        {QStringLiteral("www.brimbola.example"), Link::Web},
        {QStringLiteral("kontakt@brimbola.example"), Link::Mail},
        {QStringLiteral("Program, ilustracje i nagrania: zespół Pracowni Brimbola"), Link::None},
        {QStringLiteral("Konsultacja logopedyczna: logopedzi współpracujący z Pracownią"), Link::None},
        {QStringLiteral("Testowali: dzieci, rodzice i terapeuci z przedszkoli integracyjnych"), Link::None},
        // The credit line the licence of the word pictures asks for.
        {QStringLiteral("Obrazki: Twemoji, © Twitter, Inc. i współtwórcy, © jdecked i współtwórcy,"), Link::None},
        {QStringLiteral("licencja CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/)"), Link::Licence},
        {QStringLiteral("Przewodnik dla dorosłych"), Link::Guide},
    };
    return lines;
}

QFont CreditFont(int pixels, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Comfortaa"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

TFormOProgramie::TFormOProgramie()
{
    using brimbola::Display;
    setWindowTitle(QString::fromLatin1(kCaption));
    setGeometry(0, 0, Display.ScreenWidth, Display.ScreenHeight);
    const bool small = Display.IsSmall();
    const int x0 = Display.OffsetX, y0 = Display.OffsetY, w = Display.DesignWidth, h = Display.DesignHeight;
    QImage logo;
    try {
        LoadCenteredBackground(background_, small ? "Data/Intf/Spec/mT_OPro_s.xji" : "Data/Intf/Spec/mT_OPro_b.xji");
        logo = DecodeJpegFile(small ? "Data/Intf/Spec/l4_s.xji" : "Data/Intf/Spec/l4_b.xji");
    } catch (const ImageError&) {
        throw CBlad(1);
    }
    logoRect_ = QRect(small ? QPoint(x0 + 320, y0 + 100) : QPoint(x0 + 410, y0 + 145), logo.size());
    raster::Copy(background_, logoRect_.topLeft(), logo);

    // The version line and the credits are part of the picture the button stands on.
    QPainter painter(&background_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor ink(0x3D, 0x2C, 0x4E), link(0x1F, 0x5F, 0xB0);
    const QFont versionFont = CreditFont(small ? 20 : 24, true);
    const QFont creditFont = CreditFont(small ? 13 : 16, false);
    const QFontMetrics versionMetrics(versionFont), creditMetrics(creditFont);
    const int versionWidth = versionMetrics.horizontalAdvance(QString::fromLatin1(kVersion));
    versionRect_ = QRect(x0 + w / 2 - versionWidth / 2, h / 4 + y0 + kVersionBelowQuarter, versionWidth,
                         versionMetrics.height());
    painter.setFont(versionFont);
    painter.setPen(ink);
    painter.drawText(versionRect_, Qt::AlignCenter, QString::fromLatin1(kVersion));
    int top = versionRect_.bottom() + 1 + 2 * kLineGap;
    painter.setFont(creditFont);
    const int gap = small ? kSmallLineGap : kLineGap;
    for (const CreditLine& line : Credits()) {
        const int width = creditMetrics.horizontalAdvance(line.text);
        const QRect box(x0 + w / 2 - width / 2, top, width, creditMetrics.height());
        const bool isLink = line.link != Link::None;
        QFont font = creditFont;
        font.setUnderline(isLink);
        painter.setFont(font);
        painter.setPen(isLink ? link : ink);
        painter.drawText(box, Qt::AlignCenter, line.text);
        if (isLink) {
            auto* area = new HitArea(this);
            area->setGeometry(box);
            area->setCursor(Qt::PointingHandCursor);
            switch (line.link) {
            case Link::Web: area->onClick = [] { OpenExternalUrl(kWebAddress); }; webLink_ = area; break;
            case Link::Mail: area->onClick = [] { OpenExternalUrl(kMailAddress); }; mailLink_ = area; break;
            case Link::Licence: area->onClick = [] { OpenExternalUrl(kPictureLicence); }; break;
            case Link::Guide: area->onClick = [this] { ShowGuide(this); }; guideLink_ = area; break;
            case Link::None: break;
            }
        }
        top += creditMetrics.height() + gap;
    }
    painter.end();

    Canvas() = background_;
    stop_ = new CPrzyciskP(this, QStringLiteral("stop"), &Canvas(), &background_, x0 + w / 2 - 40, y0 + h * 8 / 10,
                           [this] { EndModal(2); });
}

void TFormOProgramie::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        EndModal(2);
        return;
    }
    CModalWindow::keyPressEvent(event);
}
