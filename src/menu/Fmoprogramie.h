// The about window: the program's version, who made it and how to reach them, over the whole screen;
// the web address and the mail address open the desktop's browser and mail program.
#pragma once

#include "platform/hitarea.h"
#include "platform/modalwindow.h"

#include <QUrl>
#include <vector>

class CPrzyciskP;

class TFormOProgramie : public CModalWindow {
    Q_OBJECT
public:
    static constexpr char kCaption[] = "Quendora Cz.IV Demo";
    static constexpr char kVersion[] = "Wersja 1.3 Demonstracyjna";
    static const QUrl kWebAddress;
    static const QUrl kMailAddress;

    // Throws CBlad 1 when a picture cannot be loaded.
    TFormOProgramie();

    CPrzyciskP* StopButton() const { return stop_; }
    QRect VersionRect() const { return versionRect_; }
    QRect LogoRect() const { return logoRect_; }
    // Where the web and mail lines are, for a press on them.
    QRect WebLinkRect() const { return links_.at(0)->geometry(); }
    QRect MailLinkRect() const { return links_.at(1)->geometry(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage background_;
    CPrzyciskP* stop_ = nullptr;
    std::vector<HitArea*> links_;
    QRect versionRect_, logoRect_;
};
