// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's recordings tab: records the child's voice into the chosen row of the recordings
// list and plays it back, locking the menu while the recorder runs. The main window owns one and
// forwards its tab switches, wheel, activation, repaints and game starts to it.
#pragma once

#include <QString>
#include <memory>

class AudioPort;
class CNagData;
class CNagrywanie;
class CScrollBar;
class QImage;
class QLabel;
class TFormMain;

class RecordingsTab {
public:
    static constexpr qint64 kRecordLimitMs = 60000;
    static constexpr qint16 kMessageNoRowToRecord = 10;
    static constexpr qint16 kMessageNoName = 11;
    static constexpr qint16 kMessageNoRowToPlay = 20;
    static constexpr qint16 kMessageNothingToPlay = 21;
    static constexpr qint16 kMessageNoMicrophone = 12;
    static constexpr qint16 kMessageCannotSave = 13;
    static constexpr qint16 kMessageNoSpeakers = 22;

    // Builds the list's rows, the column headings, the scroll thumb and the recorder on `main`, and
    // gives the main window's record, play, stop and list buttons their actions. `canvas` is what
    // the window shows, `background` the picture under its controls. Throws CBlad 1 when a picture
    // is missing. The recordings folder is "Nagrane" in the user folder.
    RecordingsTab(TFormMain& main, QImage* canvas, const QImage* background);
    ~RecordingsTab();
    RecordingsTab(const RecordingsTab&) = delete;
    RecordingsTab& operator=(const RecordingsTab&) = delete;

    // The tab chosen (on) or another tab chosen (off).
    void SwitchOn();
    void SwitchOff();

    // The record, play and stop buttons; MPStop also ends a recording or playback that ended by itself.
    void A_Rec_Rec();
    void A_Rec_Play();
    void MPStop();

    // A wheel turn on the main window (positive: away from the user, up the list). True when it
    // scrolled the list.
    bool Wheel(int angleDelta);
    // Around a game window, which must not find the recorder holding the sound device.
    void BeforeGame();
    void AfterGame();
    // The main window became the active one.
    void Activated();
    // The main window was repainted.
    void Repainted();

    // Puts a recorder on other sound hardware (tests use a double); the old one is closed first.
    void UseAudioPort(std::unique_ptr<AudioPort> port);

    CNagData& List() const { return *list_; }
    CNagrywanie& Recorder() const { return *recorder_; }
    CScrollBar& Scroll() const { return *scroll_; }
    QLabel* NameHeading() const { return nameHeading_; }
    QLabel* DateHeading() const { return dateHeading_; }

private:
    void EnterBusy();
    void HideButton(const char* name);
    void SetIdleButtons(bool idle);
    void Refuse(qint16 message);
    bool Shown() const;
    std::unique_ptr<CNagrywanie> NewRecorder(std::unique_ptr<AudioPort> port);

    TFormMain& main_;
    QLabel* nameHeading_ = nullptr;  // children of the main window
    QLabel* dateHeading_ = nullptr;
    std::unique_ptr<CScrollBar> scroll_;
    std::unique_ptr<CNagData> list_;
    std::unique_ptr<CNagrywanie> recorder_;
};
