// The about window (see Fmoprogramie.h).
#include "Fmoprogramie.h"

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

const QUrl TFormOProgramie::kWebAddress(QStringLiteral("https://www.brimbola.example/"));
const QUrl TFormOProgramie::kMailAddress(
    QStringLiteral("mailto:kontakt@brimbola.example?subject=Wiadomosc%20z%20Brimbola"));

namespace {
constexpr int kVersionBelowQuarter = 35;   // the version line's top below a quarter of the height
constexpr int kLineGap = 6;

struct CreditLine {
    QString text;
    int link;  // -1 plain, 0 the web address, 1 the mail address
};

const std::vector<CreditLine>& Credits()
{
    static const std::vector<CreditLine> lines = {
        {QStringLiteral("© 2026 Pracownia Brimbola. Wszelkie prawa zastrzeżone."), -1},
        {QStringLiteral("Numer publikacji: BRB-4/2026"), -1},
        {QStringLiteral("Pracownia Brimbola, ul. Słoneczna 7, 00-950 Warszawa"), -1},
        {QStringLiteral("www.brimbola.example"), 0},
        {QStringLiteral("kontakt@brimbola.example"), 1},
        {QStringLiteral("Program, ilustracje i nagrania: zespół Pracowni Brimbola"), -1},
        {QStringLiteral("Konsultacja logopedyczna: logopedzi współpracujący z Pracownią"), -1},
        {QStringLiteral("Testowali: dzieci, rodzice i terapeuci z przedszkoli integracyjnych"), -1},
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
    links_.resize(2, nullptr);
    for (const CreditLine& line : Credits()) {
        const int width = creditMetrics.horizontalAdvance(line.text);
        const QRect box(x0 + w / 2 - width / 2, top, width, creditMetrics.height());
        QFont font = creditFont;
        font.setUnderline(line.link >= 0);
        painter.setFont(font);
        painter.setPen(line.link >= 0 ? link : ink);
        painter.drawText(box, Qt::AlignCenter, line.text);
        if (line.link >= 0) {
            auto* area = new HitArea(this);
            area->setGeometry(box);
            area->setCursor(Qt::PointingHandCursor);
            const QUrl target = line.link == 0 ? kWebAddress : kMailAddress;
            area->onClick = [target] { OpenExternalUrl(target); };
            links_[size_t(line.link)] = area;
        }
        top += creditMetrics.height() + kLineGap;
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
