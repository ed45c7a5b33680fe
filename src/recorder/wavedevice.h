// SPDX-License-Identifier: GPL-3.0-or-later
// The wave-audio device of the voice recorder: records the desktop's sound input into a named WAV
// file and plays such a file to the sound output, and says when it stopped by itself.
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <memory>

struct WaveInfo;

namespace wave {
// Voice recordings are PCM, mono, 22050 samples per second, 16 bits: plenty for speech, small on disk.
constexpr int kSampleRate = 22050;
constexpr int kChannels = 1;
constexpr int kBitsPerSample = 16;
constexpr int kFrameBytes = kChannels * kBitsPerSample / 8;
constexpr int kBytesPerSecond = kSampleRate * kFrameBytes;
constexpr qint64 kMsPerSecond = 1000;
// The header of a recording: RIFF and WAVE, an 18-byte format chunk (with its extension-size field),
// then the data chunk's id and size. The samples follow it.
constexpr int kHeaderSize = 46;
constexpr int kRiffSizeOffset = 4;
constexpr int kDataSizeOffset = 42;

QAudioFormat RecordingFormat();
// The header of a recording holding `dataBytes` bytes of samples; with 0, the empty recording.
QByteArray Header(quint32 dataBytes);
qint64 BytesForMs(qint64 ms);
// A recording's format and sound from the bytes of its file. One of ours whose header sizes were not
// brought up to date before a crash still holds its samples right after the header: all are taken.
bool ParseRecording(const QByteArray& bytes, WaveInfo& info);
}  // namespace wave

// The sound hardware under the device: the default input and output of the desktop. Every call and
// every report happens on the user-interface thread.
class AudioPort {
public:
    using SamplesHandler = std::function<void(const QByteArray& pcm)>;
    using EndHandler = std::function<void()>;

    virtual ~AudioPort() = default;
    // Starts delivering captured samples in `format` to `onSamples`. `onLost` is called (later, from
    // the event loop) if the input stops on its own. False when there is no input that can do it.
    virtual bool StartCapture(const QAudioFormat& format, SamplesHandler onSamples, EndHandler onLost) = 0;
    // Starts playing `pcm`; `onFinished` is called (later, from the event loop) once it has played to
    // its end or the output stopped on its own. False when there is no output that can play it.
    virtual bool StartPlayback(const QAudioFormat& format, const QByteArray& pcm, EndHandler onFinished) = 0;
    // Stops whatever runs. Captured samples still waiting are delivered first; no end handler is called.
    virtual void Stop() = 0;
};

// The desktop's default sound input and output through Qt Multimedia.
std::unique_ptr<AudioPort> NewDesktopAudioPort();

// A file-based wave device. A recording goes to its file as it comes, so a crash loses only the last
// moments, and the sizes in the header are brought up to date as it grows and when it stops.
class WaveDevice {
public:
    enum class Mode { Stopped, Recording, Playing };

    explicit WaveDevice(std::unique_ptr<AudioPort> port);
    ~WaveDevice();
    WaveDevice(const WaveDevice&) = delete;
    WaveDevice& operator=(const WaveDevice&) = delete;

    // Called when the device stopped by itself: a recording reached its limit or lost its input, a
    // playback reached its end. Not called for Stop() or Close().
    void SetOnCompletion(std::function<void()> handler) { onCompletion_ = std::move(handler); }

    // Why the last Record() or Play() failed, or a recording ended early (CannotWrite: the disk).
    enum class Failure { None, NoInput, NoOutput, CannotWrite, NoSound };

    // Opens the recording file at `path`, an existing file. A file that is no WAV file (left cut or
    // empty by a crash) opens too: it cannot be played, but a new recording replaces it.
    bool Open(const QString& path);
    void Close();
    bool IsOpen() const { return open_; }
    QString FileName() const { return path_; }
    Mode CurrentMode() const { return mode_; }
    bool IsStopped() const { return mode_ == Mode::Stopped; }
    // How much sound the open file holds.
    qint64 LengthMs() const;

    // Replaces the file's sound with a new recording of at most `limitMs`. The recording goes into a
    // new file beside it, which takes the file's name once it holds sound; until then the old file
    // stays as it was, also when the recording cannot start (no input: NoInput; the new file cannot
    // be written: CannotWrite) or the disk refuses the first samples.
    bool Record(qint64 limitMs);
    // Plays the file from its start. False when there is no output (NoOutput) or the file holds no
    // readable sound (NoSound).
    bool Play();
    Failure LastFailure() const { return failure_; }
    // The file a recording goes to until it holds sound.
    static QString NewRecordingPath(const QString& path);
    // Stops recording or playing; a recording is finished in its file (sizes written, data flushed).
    void Stop();

private:
    void OnSamples(const QByteArray& pcm);
    void OnCaptureLost();
    void OnPlaybackFinished();
    void FinishRecording();
    bool Append(const char* data, qint64 size);
    bool WriteSizes();
    bool TakeOverOldFile();
    void Complete();

    std::unique_ptr<AudioPort> port_;
    std::function<void()> onCompletion_;
    QString path_;
    bool open_ = false;
    Mode mode_ = Mode::Stopped;
    QFile writing_;
    qint64 written_ = 0;       // sample bytes in the file so far
    qint64 limitBytes_ = 0;
    qint64 sizesWrittenAt_ = 0;
    bool writeFailed_ = false;
    bool stopRequested_ = false;
    bool replacedOld_ = false;  // the new recording has taken the file's name
    Failure failure_ = Failure::None;
    QByteArray partialFrame_;  // a byte of a sample that arrived without its other half
};
