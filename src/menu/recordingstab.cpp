// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's recordings tab (see recordingstab.h).
#include "recordingstab.h"

#include "Fmkomunikat.h"
#include "Fmmain.h"
#include "gfx/_cprzycisk.h"
#include "gfx/_cscrollbar.h"
#include "recorder/_cnagdata.h"
#include "recorder/_cnagrywanie.h"
#include "shell/programfolders.h"
#include "shell/settingsfile.h"
#include "menu/menuwindows.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace {

constexpr char kRecordButton[] = "rrec", kPlayButton[] = "rodtworz", kStopButton[] = "rstop";
constexpr char kUpButton[] = "up", kDownButton[] = "down";
constexpr char kAboutButton[] = "oprogramie", kExitButton[] = "wyjdz", kStartButton[] = "start";
constexpr char kHeadingFont[] = "Arial Black";
constexpr int kHeadingPixels = 13;

QLabel* NewHeading(QWidget* owner, const QString& text)
{
    auto* label = new QLabel(text, owner);
    QFont font(QString::fromLatin1(kHeadingFont));
    font.setPixelSize(kHeadingPixels);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->adjustSize();
    label->hide();
    return label;
}

}  // namespace

RecordingsTab::RecordingsTab(TFormMain& main, QImage* canvas, const QImage* background)
    : main_(main)
{
    nameHeading_ = NewHeading(&main, QStringLiteral("Imię i Nazwisko"));
    dateHeading_ = NewHeading(&main, QStringLiteral("Data"));
    scroll_ = std::make_unique<CScrollBar>(&main, 0, 0, canvas, background);
    scroll_->Hide();
    list_ = std::make_unique<CNagData>(UserFile(QStringLiteral("Nagrane")));
    list_->BuildRows(&main, canvas,
                     {nameHeading_, dateHeading_, main.Button(kUpButton), main.Button(kDownButton), scroll_.get()});
    recorder_ = NewRecorder(nullptr);

    auto give = [&main](const char* name, std::function<void()> action) {
        if (CPrzyciskP* b = main.Button(QString::fromLatin1(name)))
            b->onClick = std::move(action);
    };
    give(kRecordButton, [this] { A_Rec_Rec(); });
    give(kPlayButton, [this] { A_Rec_Play(); });
    give(kStopButton, [this] { MPStop(); });
    give(kUpButton, [this] { list_->ScrollUp(); });
    give(kDownButton, [this] { list_->ScrollDown(); });
}

RecordingsTab::~RecordingsTab() = default;

std::unique_ptr<CNagrywanie> RecordingsTab::NewRecorder(std::unique_ptr<AudioPort> port)
{
    auto device = port ? std::make_unique<WaveDevice>(std::move(port)) : nullptr;
    // A recording that reaches its minute and a playback that reaches its end both leave the busy
    // state as the stop button does; a recording the disk cut short says so.
    auto recordEnded = [this] {
        const bool diskFailed = recorder_->Device().LastFailure() == WaveDevice::Failure::CannotWrite;
        MPStop();
        // Said once the sound input's own report is over, not from inside it.
        if (diskFailed)
            QTimer::singleShot(0, &main_, [this] { Refuse(kMessageCannotSave); });
    };
    return std::make_unique<CNagrywanie>(recordEnded, [this] { MPStop(); }, std::move(device));
}

void RecordingsTab::UseAudioPort(std::unique_ptr<AudioPort> port)
{
    const bool enabled = recorder_->Enabled();
    recorder_->Close();
    recorder_ = NewRecorder(std::move(port));
    if (enabled)
        recorder_->Resume();
}

bool RecordingsTab::Shown() const
{
    return Zakladka == TFormMain::kRecordingsTab;
}

void RecordingsTab::SwitchOn()
{
    list_->ShowRows();
    nameHeading_->show();
    dateHeading_->show();
    for (const char* name : {kUpButton, kDownButton})
        if (CPrzyciskP* b = main_.Button(QString::fromLatin1(name)))
            b->show();
    // The window's picture was just drawn afresh: the thumb draws itself again even if shown.
    scroll_->Show();
    scroll_->Thumb()->Paint();
    SetIdleButtons(!main_.Busy());
    main_.setFocus();
    if (CPrzyciskP* start = main_.Button(QString::fromLatin1(kStartButton)))
        start->hide();
}

void RecordingsTab::SwitchOff()
{
    list_->HideRows();
    nameHeading_->hide();
    dateHeading_->hide();
    scroll_->Hide();
    for (const char* name : {kUpButton, kDownButton, kRecordButton, kPlayButton, kStopButton})
        HideButton(name);
    if (CPrzyciskP* start = main_.Button(QString::fromLatin1(kStartButton)))
        start->show();
}

void RecordingsTab::SetIdleButtons(bool idle)
{
    auto button = [this](const char* name) { return main_.Button(QString::fromLatin1(name)); };
    auto showIf = [&](const char* name, bool shown) {
        if (!shown)
            HideButton(name);
        else if (CPrzyciskP* b = button(name))
            b->show();
    };
    showIf(kStopButton, !idle);
    showIf(kRecordButton, idle);
    showIf(kPlayButton, idle);
    for (const char* name : {kAboutButton, kExitButton, kUpButton, kDownButton})
        if (CPrzyciskP* b = button(name))
            b->SetReady(idle);
}

void RecordingsTab::HideButton(const char* name)
{
    CPrzyciskP* b = main_.Button(QString::fromLatin1(name));
    if (!b || b->isHidden())
        return;
    b->hide();
}

void RecordingsTab::EnterBusy()
{
    SetIdleButtons(false);
    main_.SetBusy(true);
}

// The chosen row stays chosen after the message: the adult can type the missing name into it and
// press record again. (The older program lost the choice only as a side effect of repainting.)
void RecordingsTab::Refuse(qint16 message)
{
    ShowMessageWindow(message);
    main_.setFocus();
}

void RecordingsTab::A_Rec_Rec()
{
    const int row = list_->SelectedRow();
    if (row < 0)
        return Refuse(kMessageNoRowToRecord);
    // A name of blanks alone would come back from the catalogue empty.
    if (list_->RowName(row).trimmed().isEmpty())
        return Refuse(kMessageNoName);
    // The row is noted as recorded only once sound is being captured: with no microphone or no room
    // on the disk it keeps its old entry and recording, and a file made just for this try goes again.
    // A damaged recording (say 0 bytes after a crash) is simply recorded over.
    const QString path = list_->RowRecordingPath(row);
    const bool existed = QFileInfo::exists(path);
    EnterBusy();
    const bool opened = recorder_->OpenFile(path);
    if (!opened || !recorder_->Record(kRecordLimitMs)) {
        const bool noInput = opened && recorder_->Device().LastFailure() == WaveDevice::Failure::NoInput;
        MPStop();
        if (!existed)
            QFile::remove(path);
        return Refuse(noInput ? kMessageNoMicrophone : kMessageCannotSave);
    }
    list_->MarkRecorded(row);
}

void RecordingsTab::A_Rec_Play()
{
    const int row = list_->SelectedRow();
    if (row < 0)
        return Refuse(kMessageNoRowToPlay);
    if (list_->RowName(row).trimmed().isEmpty())
        return Refuse(kMessageNothingToPlay);
    const QString path = list_->RowSoundPath(row);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return Refuse(kMessageNothingToPlay);
    EnterBusy();
    if (!recorder_->OpenFile(path) || !recorder_->Play()) {
        // A file that holds no sound (cut by a crash) is no recording; otherwise the output is missing.
        const bool noOutput = recorder_->IsOpen() && recorder_->Device().LastFailure() == WaveDevice::Failure::NoOutput;
        MPStop();
        Refuse(noOutput ? kMessageNoSpeakers : kMessageNothingToPlay);
    }
}

void RecordingsTab::MPStop()
{
    recorder_->Stop();
    recorder_->Close();
    main_.SetBusy(false);
    if (Shown()) {
        SetIdleButtons(true);
    } else {
        for (const char* name : {kAboutButton, kExitButton, kUpButton, kDownButton})
            if (CPrzyciskP* b = main_.Button(QString::fromLatin1(name)))
                b->SetReady(true);
    }
}

bool RecordingsTab::Wheel(int angleDelta)
{
    if (!Shown() || angleDelta == 0)
        return false;
    CPrzyciskP* button = main_.Button(QString::fromLatin1(angleDelta > 0 ? kUpButton : kDownButton));
    if (!button || !button->isVisible() || !button->Ready())
        return false;
    return angleDelta > 0 ? list_->ScrollUp() : list_->ScrollDown();
}

void RecordingsTab::BeforeGame()
{
    recorder_->Suspend();
}

void RecordingsTab::AfterGame()
{
    recorder_->Resume();
    recorder_->Close();
}

void RecordingsTab::Activated()
{
    recorder_->Resume();
    // Coming back to the window must not cut a recording or playback short: only the stop button,
    // the minute's limit or the end of the sound end it.
    if (!main_.Busy())
        recorder_->Close();
}

void RecordingsTab::Repainted()
{
    // The device stays closed while a game tab is shown; a repaint never ends a running recording.
    if (!Shown() && !recorder_->IsBusy())
        recorder_->Close();
}
