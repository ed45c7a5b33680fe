// SPDX-License-Identifier: GPL-3.0-or-later
// The voice recorder of the recordings tab: records a spoken sample of at most a minute into a WAV
// file and plays it back, telling its owner when a recording or a playback ended by itself.
#pragma once

#include "platform/timeservice.h"
#include "recorder/wavedevice.h"

#include <QString>
#include <functional>
#include <memory>

class CNagrywanie {
public:
    using Handler = std::function<void()>;

    // `onRecordEnd` runs when a recording stops by itself (its limit, or the input went away),
    // `onPlayEnd` when a playback reaches its end; never for Stop() or Close(). Without a device the
    // desktop's default input and output are used.
    CNagrywanie(Handler onRecordEnd, Handler onPlayEnd, std::unique_ptr<WaveDevice> device = nullptr);
    ~CNagrywanie();
    CNagrywanie(const CNagrywanie&) = delete;
    CNagrywanie& operator=(const CNagrywanie&) = delete;

    // Opens the recording file at `path`, first creating it as an empty recording if there is none.
    // False, with the recorder closed, when the file cannot be created or is not a file. A damaged
    // recording opens: it cannot be played, but it can be recorded over.
    bool OpenFile(const QString& path);
    // Records into the open file from its start, replacing the sound it held, for at most `limitMs`.
    bool Record(qint64 limitMs);
    // Plays the open file from its start (a running recording is stopped and saved first). False when
    // nothing could be played.
    bool Play();
    void Stop();
    void Close();
    // While a game window is open the recorder is closed and counts as busy.
    void Suspend();
    void Resume();
    bool IsBusy() const;

    bool Enabled() const { return enabled_; }
    bool Recording() const { return recording_; }
    bool Playing() const { return playing_; }
    bool IsOpen() const { return isOpen_; }
    const WaveDevice& Device() const { return *device_; }

private:
    void OnDeviceStopped();
    void OnLimit();
    void EndRecording();

    bool enabled_ = false;
    std::unique_ptr<WaveDevice> device_;
    Handler onRecordEnd_;
    bool recording_ = false;
    Handler onPlayEnd_;
    bool playing_ = false;
    bool isOpen_ = false;
    bool notify_ = false;  // whether the device's own stops are passed on
    CTimer limit_;
};
