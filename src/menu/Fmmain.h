// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: the tab strip of five games and the recordings, the chosen game's settings as
// three rows of check buttons (how many tasks, which sound groups, where the sound stands), and the
// about, exit and start buttons. Starting opens the game's window modally; Esc or the exit button
// ends the program. Its first showing hands over from the splash window. With several children it
// shows whose session it is, and a press on that child's card goes back to the chooser; in the
// locked mode leaving, the settings rows, the recordings tab and the change of child ask the adult's
// gate first.
#pragma once

#include "gfx/_cobiektgraficzny.h"
#include "platform/windowbase.h"

#include <array>
#include <memory>
#include <vector>

class CCheckBut;
class CModalWindow;
class CPrzyciskP;
class CSlowa;
class CUstGry;
class HitArea;
class RecordingsTab;

class TFormMain : public CWindowBase {
    Q_OBJECT
public:
    static constexpr char kCaption[] = "Quendora Cz.IV Demo";
    static constexpr int kSplashHandOverMs = 2000;
    static constexpr int kTabs = 6, kRecordingsTab = 6;

    // The three rows: amount (mało, średnio, dużo), sound groups, positions.
    enum Row { Amount, Sounds, Positions };

    // Throws CBlad 1 when a picture cannot be loaded.
    TFormMain();
    ~TFormMain() override;

    // The window "start" opens on a game's tab; a tab without one only checks its words.
    void SetGameWindow(int tab, CModalWindow* window);
    CModalWindow* GameWindow(int tab) const;
    // The word catalogue the start check asks; none: no game that draws words can start.
    void SetWords(CSlowa* words) { words_ = words; }
    // The settings record of a game tab (1 to 5).
    static CUstGry& SettingsOf(int tab);
    // The child who plays: name and picture on the child's card; `canSwitch`: a press on the
    // card asks for another child.
    void SetChild(const QString& name, const QString& picture, bool canSwitch);
    QString ChildName() const { return childName_; }
    QRect ChildCard() const { return childCard_; }
    // The locked mode: the window fills the screen and the adult's gate guards what a child must
    // not change.
    void SetKiosk(bool kiosk);
    bool Kiosk() const { return kiosk_; }
    // A press on the child's card.
    void A_ZmienDziecko();

    // The actions of the window.
    void A_Zakladka();
    void A_Start();
    void A_Stop();
    void A_Oprogramie();
    void A_Null();
    // Selects the tab hit by a press at `y` on the tab strip (strip coordinates).
    void SelectTabAt(int y);
    // The tab (1 to 6) whose band holds `y` on the strip, or 0.
    static int TabAt(int y, bool small);

    // What tests and the recordings tab look at.
    HitArea* TabStrip() const { return tabStrip_; }
    CPrzyciskP* Button(const QString& picture) const;
    const std::vector<CCheckBut*>& ActiveRow(Row row) const { return active_[row]; }
    const std::vector<CCheckBut*>& FixedRow(Row row) const { return fixed_[row]; }
    const CObiektGraficzny& Caption(Row row) const { return captions_[row]; }
    bool Busy() const { return busy_; }
    void SetBusy(bool busy) { busy_ = busy; }
    RecordingsTab& Recordings() const { return *recordings_; }

signals:
    void Closed();
    void SwitchChildRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct RowButton {
        QString active, fixed;  // picture base names
        int x, y;
        int bit;                // Poziom value for the amount row, else the settings bit
    };
    void BuildRows();
    void ShowRows();
    void HideRow(std::vector<CCheckBut*>& row);
    void ShowRow(std::vector<CCheckBut*>& row, Row which, const CUstGry& settings);
    bool IsChecked(Row which, int index, const CUstGry& settings) const;
    void Change(Row which, int index);
    void SaveSettings(const CUstGry& settings) const;
    void HandOverFromSplash();
    void DrawChildCard();
    // In the locked mode, the gate for the settings rows: passed once, they stay open until a game
    // starts or the tab changes.
    bool SettingsOpen();

    QImage background_;
    std::array<QImage, kTabs> tabPictures_;
    std::array<CObiektGraficzny, 3> captions_;
    std::array<std::vector<RowButton>, 3> layout_;
    std::array<std::vector<CCheckBut*>, 3> active_, fixed_;
    std::vector<CPrzyciskP*> buttons_;
    std::vector<CPrzyciskP*> recordingButtons_;
    std::array<CModalWindow*, kTabs + 1> gameWindows_{};
    CSlowa* words_ = nullptr;
    HitArea* tabStrip_ = nullptr;
    std::unique_ptr<RecordingsTab> recordings_;
    QPoint stripAt_;
    bool busy_ = false;
    bool firstPaintDone_ = false;
    QString childName_;
    QImage childPicture_;
    QRect childCard_;
    bool canSwitch_ = false;
    bool kiosk_ = false;
    bool settingsOpen_ = false;
    bool leaving_ = false;
};
