// SPDX-License-Identifier: GPL-3.0-or-later
// The voice recorder of the recordings tab (see _cnagrywanie.h).
#include "_cnagrywanie.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {

// A new recording file starts as a whole, empty recording, so it is a valid WAV file from the first
// moment. It is never written over a file that appeared meanwhile; a cut header is removed again.
bool CreateEmptyRecording(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const QByteArray header = wave::Header(0);
    const bool whole = file.write(header) == header.size() && file.flush();
    file.close();
    if (!whole)
        file.remove();
    return whole;
}

}  // namespace

CNagrywanie::CNagrywanie(Handler onRecordEnd, Handler onPlayEnd, std::unique_ptr<WaveDevice> device)
    : device_(device ? std::move(device) : std::make_unique<WaveDevice>(NewDesktopAudioPort())),
      onRecordEnd_(std::move(onRecordEnd)),
      onPlayEnd_(std::move(onPlayEnd)),
      limit_([this] { OnLimit(); }, true)
{
    device_->SetOnCompletion([this] { OnDeviceStopped(); });
}

CNagrywanie::~CNagrywanie()
{
    Close();
}

bool CNagrywanie::OpenFile(const QString& path)
{
    Close();
    if (path.isEmpty())
        return false;
    if (!QFileInfo::exists(path) && !CreateEmptyRecording(path))
        return false;
    isOpen_ = device_->Open(path);
    return isOpen_;
}

bool CNagrywanie::Record(qint64 limitMs)
{
    if (!isOpen_)
        return false;
    if (recording_)
        return true;
    if (playing_)
        Stop();
    // The device records into a new file that replaces the old one once it holds sound, so an older
    // sound is kept when recording cannot start or nothing comes.
    if (!device_->Record(limitMs))
        return false;
    notify_ = true;
    recording_ = true;
    limit_.Start(int(std::clamp<qint64>(limitMs, 0, std::numeric_limits<int>::max())));
    return true;
}

bool CNagrywanie::Play()
{
    if (playing_ || !isOpen_)
        return playing_;
    if (recording_)
        Stop();
    if (!device_->Play())
        return false;
    notify_ = true;
    playing_ = true;
    return true;
}

void CNagrywanie::Stop()
{
    if (!isOpen_)
        return;
    notify_ = false;
    limit_.Stop();
    device_->Stop();  // a recording is saved in its file on the way
    playing_ = false;
    recording_ = false;
}

void CNagrywanie::Close()
{
    if (!isOpen_)
        return;
    if (recording_ || playing_)
        Stop();
    device_->Close();
    isOpen_ = false;
}

void CNagrywanie::Suspend()
{
    Close();
    enabled_ = false;
}

void CNagrywanie::Resume()
{
    enabled_ = true;
}

bool CNagrywanie::IsBusy() const
{
    return !enabled_ || recording_ || playing_;
}

void CNagrywanie::OnDeviceStopped()
{
    if (!isOpen_ || !notify_ || !device_->IsStopped())
        return;
    if (recording_) {
        EndRecording();
    } else if (playing_) {
        playing_ = false;
        notify_ = false;
        if (onPlayEnd_)
            onPlayEnd_();  // last: the owner may stop, close or start again
    }
}

void CNagrywanie::OnLimit()
{
    // The input may deliver a little late or not at all: the clock has the last word on the minute.
    if (!isOpen_ || !recording_)
        return;
    notify_ = false;
    device_->Stop();
    EndRecording();
}

void CNagrywanie::EndRecording()
{
    limit_.Stop();
    recording_ = false;
    notify_ = false;
    if (onRecordEnd_)
        onRecordEnd_();
}
