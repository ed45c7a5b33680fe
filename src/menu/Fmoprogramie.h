// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: the program's version, who made it, its licence and the pictures' credit, how to
// reach the makers, over the whole screen; the web and mail addresses open the desktop's browser and
// mail program, the last line the guide for the adult.
#pragma once

#include "platform/hitarea.h"
#include "platform/modalwindow.h"

#include <QUrl>

class CPrzyciskP;

class TFormOProgramie : public CModalWindow {
    Q_OBJECT
public:
    static constexpr char kCaption[] = "Quendora Cz.IV Demo";
    static constexpr char kVersion[] = "Wersja 1.3 Demonstracyjna";
    static const QUrl kWebAddress;
    static const QUrl kMailAddress;
    static const QUrl kPictureLicence;

    // Throws CBlad 1 when a picture cannot be loaded.
    TFormOProgramie();

    CPrzyciskP* StopButton() const { return stop_; }
    QRect VersionRect() const { return versionRect_; }
    QRect LogoRect() const { return logoRect_; }
    // Where the web and mail lines are, for a press on them.
    QRect WebLinkRect() const { return webLink_->geometry(); }
    QRect MailLinkRect() const { return mailLink_->geometry(); }
    QRect GuideLinkRect() const { return guideLink_->geometry(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage background_;
    CPrzyciskP* stop_ = nullptr;
    HitArea *webLink_ = nullptr, *mailLink_ = nullptr, *guideLink_ = nullptr;
    QRect versionRect_, logoRect_;
};
