// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu (see Fmmain.h).
#include "Fmmain.h"

#include "Fmbramka.h"
#include "Fmkomunikat.h"
#include "Fmoprogramie.h"
#include "Fmsplashscreen.h"
#include "recordingstab.h"
#include "games/gametable.h"
#include "gfx/_ccheckbut.h"
#include "gfx/_cprzycisk.h"
#include "platform/hitarea.h"
#include "platform/imagefiles.h"
#include "platform/inifile.h"
#include "platform/modalwindow.h"
#include "platform/raster.h"
#include "platform/services.h"
#include "platform/timeservice.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "shell/programfolders.h"
#include "shell/settingsfile.h"
#include "menu/menuwindows.h"
#include "shell/startuplog.h"
#include "settings/_custgry.h"
#include "words/_cslowa.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

using brimbola::Display;

namespace {

constexpr char kSettingsFile[] = "Data/data.ini";
constexpr qint16 kGroupBits = 0x00FF, kPositionBits = 0x7000;
constexpr qint16 kMessageTooFewWords = 3, kMessageLastGroup = 1, kMessageLastPosition = 2, kMessageFixed = 52;

struct Band {
    int top, bottom;
};
// The y ranges of the six tabs on the strip, inclusive.
constexpr Band kSmallBands[TFormMain::kTabs] = {{40, 110}, {125, 190}, {200, 260}, {265, 315}, {325, 385}, {390, 535}};
constexpr Band kBigBands[TFormMain::kTabs] = {{52, 140}, {155, 240}, {250, 330}, {340, 410}, {420, 490}, {505, 565}};

}  // namespace

TFormMain::TFormMain() : CWindowBase(nullptr)
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setProperty("brimbolaMainWindow", true);
    setGeometry(0, 0, Display.ScreenWidth, Display.ScreenHeight);
    const bool small = Display.IsSmall();
    const int x0 = Display.OffsetX, y0 = Display.OffsetY, w = Display.DesignWidth, h = Display.DesignHeight;
    const QString sfx = SizeSuffix();
    try {
        LoadCenteredBackground(background_, "Data/Intf/Spec/mT_m0" + sfx + ".xji");
        for (int n = 1; n <= kTabs; ++n)
            LoadBitmapFile(tabPictures_[size_t(n - 1)], QString("Data/Intf/Spec/mT_m%1%2.xbi").arg(n).arg(sfx));
    } catch (const ImageError&) {
        throw CBlad(1);
    }
    stripAt_ = small ? QPoint(x0 + 540, y0 + 58) : QPoint(x0 + 695, y0 + 75);

    const QString captionNames[3] = {"nap_ilzadan", "nap_gloski", "nap_pozycja"};
    const int captionY[3] = {small ? 170 : 210, small ? 250 : 330, small ? 370 : 500};
    for (int row = 0; row < 3; ++row) {
        CObiektGraficzny& caption = captions_[size_t(row)];
        caption.Create(captionNames[row] + sfx);
        caption.SetPosition(x0 + w / 2 - caption.Width() + (small ? 10 : 0), y0 + captionY[row]);
        caption.SaveBackground(background_);
    }
    Canvas() = background_;

    const int bottomRow = y0 + h - h / 7, recorderRow = y0 + h * 10 / 14;
    auto button = [this](const char* picture, int x, int y, std::function<void()> action) {
        auto* b = new CPrzyciskP(this, QString::fromLatin1(picture), &Canvas(), &background_, x, y, std::move(action));
        b->setObjectName(QString::fromLatin1(picture));
        buttons_.push_back(b);
        return b;
    };
    button("oprogramie", x0 + w / 2 - 155, bottomRow, [this] { A_Oprogramie(); });
    button("wyjdz", x0 + w / 2 - 55, bottomRow, [this] { A_Stop(); });
    button("start", x0 + w / 2 + 35, bottomRow, [this] { A_Start(); });
    // The recordings tab's buttons stay hidden until that tab is chosen; it gives them their actions.
    for (auto* b : {button("rrec", x0 + w / 2 - 15, recorderRow, {}), button("rodtworz", x0 + w / 2 - 95, recorderRow, {}),
                    button("rstop", x0 + w / 2 - 55, recorderRow, {}),
                    button("up", x0 + 240, y0 + (h / 70) * 22 - 32, {}),
                    button("down", x0 + 240, y0 + (h / 70) * 22 + 256, {})}) {
        b->hide();
        recordingButtons_.push_back(b);
    }
    BuildRows();

    tabStrip_ = new HitArea(this);
    tabStrip_->setGeometry(QRect(stripAt_, tabPictures_[0].size()));
    tabStrip_->filter = [this](HitEvent kind, QEvent* event) {
        if (kind == HitEvent::Press && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            SelectTabAt(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        return kind == HitEvent::Press;
    };
    recordings_ = std::make_unique<RecordingsTab>(*this, &Canvas(), &background_);
    A_Zakladka();
}

TFormMain::~TFormMain() = default;

void TFormMain::BuildRows()
{
    const bool small = Display.IsSmall();
    const int x0 = Display.OffsetX, y0 = Display.OffsetY, w = Display.DesignWidth, h = Display.DesignHeight;
    const int shift = small ? -10 : 0;
    const int amountY = y0 + h / 3;
    // The active buttons all have their normal look: every choice has words. The fixed set, shown
    // where a game keeps a row unchangeable, is greyed.
    layout_[Amount] = {{"b_malo", "b_malo_g", x0 + w / 5 + shift, amountY, 1},
                       {"b_srednio", "b_srednio_g", x0 + w / 5 + w / 6 + shift, amountY, 2},
                       {"b_duzo", "b_duzo_g", x0 + w / 5 + w / 3 + shift, amountY, 3}};
    const int upper = small ? y0 + h / 2 - 20 : y0 + h / 2 - h / 60;
    const int lower = small ? y0 + h / 2 + 20 : y0 + h / 2 + h / 20;
    const int col[4] = {x0 + (small ? 180 : 215), x0 + (small ? 270 : 335), x0 + (small ? 360 : 455),
                        x0 + (small ? 450 : 575)};
    const QString s = small ? "s_" : "b_";
    // The big J and L pictures are named with a capital B.
    const QString sJL = small ? "s_" : "B_";
    layout_[Sounds] = {{sJL + "J", sJL + "J_g", col[0], upper, glos::J},
                       {sJL + "L", sJL + "L_g", col[1], upper, glos::L},
                       {s + "LI", s + "LI_g", col[2], upper, glos::LI},
                       {s + "R", s + "R_g", col[3], upper, glos::R},
                       {s + "TRDR", s + "TRDR_g", col[0], lower, glos::TRDR},
                       {s + "PRBR", s + "PRBR_g", col[1], lower, glos::PRBR},
                       {s + "KRGR", s + "KRGR_g", col[2], lower, glos::KRGR},
                       {s + "INNE", s + "INNE_g", col[3], lower, glos::INNE}};
    const int positionY = small ? y0 + h - h / 3 : y0 + 540;
    layout_[Positions] = {{s + "naglos", s + "naglos_g", x0 + w / 5, positionY, glos::Naglos},
                          {s + "srodglos", s + "srodglos_g", x0 + w / 5 + w / 6, positionY, glos::Srodglos},
                          {s + "wyglos", s + "wyglos_g", x0 + w / 5 + w / 3, positionY, glos::Wyglos}};
    for (int row = 0; row < 3; ++row) {
        for (size_t i = 0; i < layout_[size_t(row)].size(); ++i) {
            const RowButton& b = layout_[size_t(row)][i];
            auto* active = new CCheckBut(this, b.active, &Canvas(), b.x, b.y,
                                         [this, row, i](CCheckBut*) { Change(Row(row), int(i)); });
            auto* fixed = new CCheckBut(this, b.fixed, &Canvas(), b.x, b.y, [this](CCheckBut*) { A_Null(); });
            active->hide();
            fixed->hide();
            active_[size_t(row)].push_back(active);
            fixed_[size_t(row)].push_back(fixed);
        }
    }
}

CUstGry& TFormMain::SettingsOf(int tab)
{
    const GameInfo* game = GameOfTab(tab);
    return game ? *game->settings : *GameTable().back().settings;
}

void TFormMain::SetGameWindow(int tab, CModalWindow* window)
{
    if (GameOfTab(tab))
        gameWindows_[size_t(tab)] = window;
}

CModalWindow* TFormMain::GameWindow(int tab) const
{
    return GameOfTab(tab) ? gameWindows_[size_t(tab)] : nullptr;
}

CPrzyciskP* TFormMain::Button(const QString& picture) const
{
    for (CPrzyciskP* b : buttons_)
        if (b->objectName() == picture)
            return b;
    return nullptr;
}

int TFormMain::TabAt(int y, bool small)
{
    const Band* bands = small ? kSmallBands : kBigBands;
    for (int tab = 0; tab < kTabs; ++tab)
        if (y >= bands[tab].top && y <= bands[tab].bottom)
            return tab + 1;
    return 0;
}

void TFormMain::SelectTabAt(int y)
{
    if (busy_)
        return;
    const int tab = TabAt(y, Display.IsSmall());
    if (tab == 0 || tab == Zakladka)
        return;
    if (kiosk_ && tab == kRecordingsTab && !PassAdultGate())
        return;
    settingsOpen_ = false;
    Zakladka = qint16(tab);
    IniFile(UserFile(kSettingsFile)).WriteInteger(QStringLiteral("DaneProgramu"), QStringLiteral("Zakladka"), Zakladka);
    A_Zakladka();
}

void TFormMain::A_Zakladka()
{
    Canvas() = background_;
    const int tab = std::clamp<int>(Zakladka, 1, kTabs);
    raster::Copy(Canvas(), stripAt_, tabPictures_[size_t(tab - 1)]);
    if (tab == kRecordingsTab) {
        for (auto& row : active_)
            HideRow(row);
        for (auto& row : fixed_)
            HideRow(row);
        for (const CObiektGraficzny& caption : captions_)
            caption.DrawBackground(Canvas());
        recordings_->SwitchOn();
    } else {
        recordings_->SwitchOff();
        for (const CObiektGraficzny& caption : captions_)
            caption.Draw(Canvas());
        ShowRows();
    }
    DrawChildCard();
    for (CPrzyciskP* b : buttons_)
        b->Paint();
    update();
}

void TFormMain::SetChild(const QString& name, const QString& picture, bool canSwitch)
{
    childName_ = name;
    canSwitch_ = canSwitch;
    childPicture_ = QImage();
    const QString path = "Data/Bion/" + picture + (Display.IsSmall() ? "_shs.xji" : "_shb.xji");
    if (!picture.isEmpty() && QFileInfo::exists(path)) {
        try {
            childPicture_ = DecodeJpegFile(path);
        } catch (const ImageError&) {
            // The name alone says whose session it is.
        }
    }
    const int x0 = Display.OffsetX, y0 = Display.OffsetY, w = Display.DesignWidth, h = Display.DesignHeight;
    // In the band left of the board, under the cloud.
    const int cardW = w * 94 / 1024;
    childCard_ = name.isEmpty() ? QRect() : QRect(x0 + w * 8 / 1024, y0 + h * 150 / 768, cardW, cardW * 3 / 2);
    A_Zakladka();
}

void TFormMain::DrawChildCard()
{
    if (childCard_.isEmpty())
        return;
    QPainter p(&Canvas());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect r = childCard_;
    const QColor text(0x3D, 0x2C, 0x4E);
    p.setPen(QPen(text, 2));
    p.setBrush(QColor(0xFF, 0xFB, 0xF0));
    p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), r.width() / 8.0, r.width() / 8.0);
    const int pad = r.width() / 12;
    const QRect pictureArea(r.left() + pad, r.top() + pad, r.width() - 2 * pad, r.width() - 2 * pad);
    if (!childPicture_.isNull()) {
        QRect at(QPoint(), childPicture_.size().scaled(pictureArea.size(), Qt::KeepAspectRatio));
        at.moveCenter(pictureArea.center());
        p.drawImage(at, childPicture_);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4E, 0xA8, 0xDE));
        p.drawEllipse(pictureArea);
    }
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Comfortaa"), QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    font.setPixelSize(std::max(9, r.width() / 7));
    p.setFont(font);
    p.setPen(text);
    const int lineH = QFontMetrics(font).height();
    const QRect nameBox(r.left() + 3, pictureArea.bottom() + pad / 2, r.width() - 6, lineH);
    p.drawText(nameBox, Qt::AlignCenter, QFontMetrics(font).elidedText(childName_, Qt::ElideRight, nameBox.width()));
    if (canSwitch_) {
        font.setPixelSize(std::max(8, r.width() / 9));
        p.setFont(font);
        p.setPen(QColor(0x2A, 0x6F, 0xB0));
        p.drawText(QRect(r.left(), nameBox.bottom() + 1, r.width(), r.bottom() - nameBox.bottom() - 2), Qt::AlignCenter,
                   QStringLiteral("zmień"));
    }
}

void TFormMain::A_ZmienDziecko()
{
    if (!canSwitch_ || busy_)
        return;
    if (kiosk_ && !PassAdultGate())
        return;
    emit SwitchChildRequested();
}

void TFormMain::SetKiosk(bool kiosk)
{
    kiosk_ = kiosk;
    if (kiosk)
        setWindowState(windowState() | Qt::WindowFullScreen);
}

bool TFormMain::SettingsOpen()
{
    if (!kiosk_ || settingsOpen_)
        return true;
    settingsOpen_ = PassAdultGate();
    return settingsOpen_;
}

void TFormMain::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && childCard_.contains(event->position().toPoint())) {
        A_ZmienDziecko();
        return;
    }
    CWindowBase::mousePressEvent(event);
}

void TFormMain::ShowRows()
{
    const GameInfo* game = GameOfTab(Zakladka);
    const CUstGry& settings = SettingsOf(Zakladka);
    for (int row = 0; row < 3; ++row) {
        const bool fixed = !game || game->fixedRows[size_t(row)];
        HideRow(fixed ? active_[size_t(row)] : fixed_[size_t(row)]);
        ShowRow(fixed ? fixed_[size_t(row)] : active_[size_t(row)], Row(row), settings);
    }
}

void TFormMain::HideRow(std::vector<CCheckBut*>& row)
{
    for (CCheckBut* b : row)
        b->hide();
}

void TFormMain::ShowRow(std::vector<CCheckBut*>& row, Row which, const CUstGry& settings)
{
    for (size_t i = 0; i < row.size(); ++i) {
        row[i]->show();
        row[i]->SetChecked(IsChecked(which, int(i), settings));
    }
}

bool TFormMain::IsChecked(Row which, int index, const CUstGry& settings) const
{
    const int bit = layout_[which][size_t(index)].bit;
    switch (which) {
    case Amount:
        return settings.Poziom == bit;
    case Sounds: {
        // A game that practises L together with R or J checks all three by one bit.
        const GameInfo* game = GameOfTab(Zakladka);
        if (game && game->groupOfLRJ != 0 && (bit == glos::L || bit == glos::R || bit == glos::J))
            return settings.HasGloski(game->groupOfLRJ);
        return settings.HasGloski(bit);
    }
    case Positions:
        return settings.HasPozycja(bit);
    }
    return false;
}

void TFormMain::Change(Row which, int index)
{
    if (!GameOfTab(Zakladka) || !SettingsOpen())
        return;
    CUstGry& settings = SettingsOf(Zakladka);
    const int bit = layout_[which][size_t(index)].bit;
    switch (which) {
    case Amount:
        if (settings.Poziom == bit)
            return;
        settings.Poziom = qint16(bit);
        break;
    case Sounds: {
        const qint16 changed = qint16(settings.Gloski ^ bit);
        if ((changed & kGroupBits) == 0) {
            ShowMessageWindow(kMessageLastGroup);
            return;
        }
        settings.Gloski = changed;
        break;
    }
    case Positions: {
        const qint16 changed = qint16(settings.Pozycja ^ bit);
        if ((changed & kPositionBits) == 0) {
            ShowMessageWindow(kMessageLastPosition);
            return;
        }
        settings.Pozycja = changed;
        break;
    }
    }
    SaveSettings(settings);
    A_Zakladka();
}

void TFormMain::SaveSettings(const CUstGry& settings) const
{
    // The next start opens as the user left it; a settings file that cannot be written is no
    // reason to stop a child's game.
    IniFile ini(UserFile(kSettingsFile));
    ini.WriteInteger(settings.Name, QStringLiteral("Gloski"), settings.Gloski);
    ini.WriteInteger(settings.Name, QStringLiteral("Poziom"), settings.Poziom);
    ini.WriteInteger(settings.Name, QStringLiteral("Pozycja"), settings.Pozycja);
}

void TFormMain::A_Start()
{
    const int tab = Zakladka;
    const GameInfo* game = GameOfTab(tab);
    if (!game)
        return;
    if (game->drawsWords && (!words_ || !EnoughWordsToStart(*game, *game->settings, *words_))) {
        ShowMessageWindow(kMessageTooFewWords);
        return;
    }
    settingsOpen_ = false;
    if (CModalWindow* window = gameWindows_[size_t(tab)]) {
        recordings_->BeforeGame();
        window->ShowModal();
        recordings_->AfterGame();
    }
}

void TFormMain::A_Stop()
{
    close();
}

void TFormMain::A_Oprogramie()
{
    if (FormOProgramie)
        FormOProgramie->ShowModal();
}

void TFormMain::A_Null()
{
    ShowMessageWindow(kMessageFixed);
}

void TFormMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        A_Stop();
        return;
    }
    CWindowBase::keyPressEvent(event);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    // In the locked mode the exit button, Esc, Alt+F4 and the window manager's close all end here:
    // only past the gate does the program end.
    if (kiosk_ && !leaving_) {
        if (FormBramka && FormBramka->IsShownModally()) {
            event->ignore();
            return;
        }
        if (!PassAdultGate()) {
            event->ignore();
            return;
        }
        leaving_ = true;
    }
    // Vanish at once, before anything slow happens on the way out.
    resize(width(), 1);
    event->accept();
    emit Closed();
}

void TFormMain::wheelEvent(QWheelEvent* event)
{
    if (recordings_ && recordings_->Wheel(event->angleDelta().y()))
        event->accept();
    else
        CWindowBase::wheelEvent(event);
}

void TFormMain::changeEvent(QEvent* event)
{
    if (recordings_ && event->type() == QEvent::ActivationChange && isActiveWindow())
        recordings_->Activated();
    CWindowBase::changeEvent(event);
}

void TFormMain::paintEvent(QPaintEvent* event)
{
    CWindowBase::paintEvent(event);
    if (recordings_)
        recordings_->Repainted();
    if (!firstPaintDone_) {
        firstPaintDone_ = true;
        LogStartupMilestone("main window painted");
        // After this paint has reached the screen, not inside it.
        QTimer::singleShot(0, this, &TFormMain::HandOverFromSplash);
    }
}

void TFormMain::HandOverFromSplash()
{
    if (!FormSplashScreen)
        return;
    // The splash stays in front of the menu for the whole pause, painted.
    FormSplashScreen->raise();
    FormSplashScreen->repaint();
    Time().Wait(kSplashHandOverMs);
    FormSplashScreen.reset();
}
