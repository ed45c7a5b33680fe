// SPDX-License-Identifier: GPL-3.0-or-later
// The file-based wave device of the voice recorder and the desktop's sound input and output under it
// (see wavedevice.h).
#include "wavedevice.h"

#include "platform/safefile.h"
#include "platform/wavefile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>
#include <unistd.h>

namespace wave {

namespace {
constexpr int kRiffCountedFrom = 8;  // the RIFF size counts everything after its own field
constexpr int kFormatChunkSize = 18;
constexpr int kPcmTag = 1;

void PutU32(QByteArray& bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void PutU16(QByteArray& bytes, quint16 value)
{
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}
}  // namespace

QAudioFormat RecordingFormat()
{
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

QByteArray Header(quint32 dataBytes)
{
    QByteArray h;
    h.reserve(kHeaderSize);
    h.append("RIFF");
    PutU32(h, dataBytes + kHeaderSize - kRiffCountedFrom);
    h.append("WAVE");
    h.append("fmt ");
    PutU32(h, kFormatChunkSize);
    PutU16(h, kPcmTag);
    PutU16(h, kChannels);
    PutU32(h, kSampleRate);
    PutU32(h, kBytesPerSecond);
    PutU16(h, kFrameBytes);
    PutU16(h, kBitsPerSample);
    PutU16(h, 0);  // no format extension
    h.append("data");
    PutU32(h, dataBytes);
    return h;
}

qint64 BytesForMs(qint64 ms)
{
    return ms * kSampleRate / kMsPerSecond * kFrameBytes;
}

bool ParseRecording(const QByteArray& bytes, WaveInfo& info)
{
    if (!ParseWave(bytes, info))
        return false;
    // Everything from "WAVE" to the data chunk's id, where only the sizes are left out.
    constexpr int kFixedFrom = 8, kFixedLength = kDataSizeOffset - kFixedFrom;
    const bool ourLayout =
        bytes.size() >= kHeaderSize && bytes.mid(kFixedFrom, kFixedLength) == Header(0).mid(kFixedFrom, kFixedLength);
    if (ourLayout && bytes.size() - kHeaderSize > info.samples.size()) {
        const qint64 whole = (bytes.size() - kHeaderSize) / kFrameBytes * kFrameBytes;
        info.samples = bytes.mid(kHeaderSize, whole);
    }
    return true;
}

}  // namespace wave

namespace {

// How often a growing recording's header is brought up to date: after a crash the file then plays
// all but the last second even in a player that believes the header.
constexpr qint64 kSizesRefreshBytes = wave::kBytesPerSecond;
constexpr qint64 kUsPerMs = 1000;

// Reads a WAV file's format and sound. A recording of ours whose header sizes were not brought up to
// date before a crash still holds its samples right after the header: they are all taken.
bool ReadSound(const QString& path, WaveInfo& info)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && wave::ParseRecording(file.readAll(), info);
}

// Qt Multimedia on the default input and output. Ends are reported through the event loop, never
// from inside a Qt audio signal, so that a handler may stop or close the device right away.
class DesktopAudioPort final : public AudioPort {
public:
    ~DesktopAudioPort() override { Stop(); }

    bool StartCapture(const QAudioFormat& format, SamplesHandler onSamples, EndHandler onLost) override
    {
        Stop();
        const QAudioDevice input = QMediaDevices::defaultAudioInput();
        if (input.isNull() || !input.isFormatSupported(format))
            return false;
        auto source = std::make_unique<QAudioSource>(input, format);
        QIODevice* io = source->start();
        if (!io || source->error() != QAudio::NoError) {
            source->stop();  // a source destroyed while running takes the program down
            return false;
        }
        source_ = source.release();
        captured_ = io;
        onSamples_ = std::move(onSamples);
        const int run = ++run_;
        QObject::connect(io, &QIODevice::readyRead, &context_, [this, run] {
            if (run == run_)
                Deliver();
        });
        QObject::connect(source_, &QAudioSource::stateChanged, &context_, [this, run, onLost](QAudio::State state) {
            if (run == run_ && state == QAudio::StoppedState && source_ && source_->error() != QAudio::NoError)
                ReportLater(run, onLost);
        });
        return true;
    }

    bool StartPlayback(const QAudioFormat& format, const QByteArray& pcm, EndHandler onFinished) override
    {
        Stop();
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull() || !output.isFormatSupported(format))
            return false;
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(pcm);
        buffer->open(QIODevice::ReadOnly);
        auto sink = std::make_unique<QAudioSink>(output, format);
        const int run = ++run_;
        QAudioSink* raw = sink.get();
        const qint64 durationMs = format.durationForBytes(qint32(pcm.size())) / kUsPerMs;
        playClock_.start();
        QObject::connect(raw, &QAudioSink::stateChanged, &context_, [=, this](QAudio::State state) {
            if (run != run_)
                return;
            // Idle: the whole sound has gone to the server, which still has its buffer to play; the end
            // is reported once that has been heard, so that stopping then cuts nothing off.
            if (state == QAudio::IdleState)
                ReportLater(run, onFinished, std::max<qint64>(0, durationMs - playClock_.elapsed()));
            else if (state == QAudio::StoppedState && raw->error() != QAudio::NoError)
                ReportLater(run, onFinished);  // the output went away
        });
        sink->start(buffer.get());
        if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
            ++run_;
            sink->stop();
            return false;
        }
        sink_ = sink.release();
        played_ = buffer.release();
        if (pcm.isEmpty())
            ReportLater(run, onFinished);
        return true;
    }

    void Stop() override
    {
        if (stopping_)
            return;
        stopping_ = true;
        ++run_;  // whatever is still queued from the last run is stale now
        if (source_) {
            Deliver();  // the last moments before the stop belong to the recording
            source_->stop();
            // Released later: this may run inside one of the source's own signals.
            source_->deleteLater();
            source_ = nullptr;
            captured_ = nullptr;
        }
        if (sink_) {
            sink_->stop();
            sink_->deleteLater();
            sink_ = nullptr;
            played_->deleteLater();
            played_ = nullptr;
        }
        onSamples_ = nullptr;
        stopping_ = false;
    }

private:
    void Deliver()
    {
        if (!captured_ || !onSamples_)
            return;
        const QByteArray pcm = captured_->readAll();
        if (!pcm.isEmpty())
            onSamples_(pcm);
    }

    void ReportLater(int run, const EndHandler& handler, qint64 delayMs = 0)
    {
        QTimer::singleShot(std::chrono::milliseconds(delayMs), &context_, [this, run, handler] {
            if (run == run_ && handler)
                handler();
        });
    }

    QObject context_;  // owns the connections; queued reports die with the port
    QAudioSource* source_ = nullptr;
    QIODevice* captured_ = nullptr;
    QAudioSink* sink_ = nullptr;
    QBuffer* played_ = nullptr;
    SamplesHandler onSamples_;
    QElapsedTimer playClock_;
    int run_ = 0;
    bool stopping_ = false;
};

}  // namespace

std::unique_ptr<AudioPort> NewDesktopAudioPort()
{
    return std::make_unique<DesktopAudioPort>();
}

WaveDevice::WaveDevice(std::unique_ptr<AudioPort> port) : port_(std::move(port)) {}

WaveDevice::~WaveDevice()
{
    Close();
}

bool WaveDevice::Open(const QString& path)
{
    Close();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    path_ = path;
    open_ = true;
    return true;
}

void WaveDevice::Close()
{
    if (!open_)
        return;
    Stop();
    open_ = false;
    path_.clear();
}

qint64 WaveDevice::LengthMs() const
{
    if (!open_)
        return 0;
    if (mode_ == Mode::Recording)
        return written_ * wave::kMsPerSecond / wave::kBytesPerSecond;
    WaveInfo info;
    return ReadSound(path_, info) ? info.DurationMs() : 0;
}

QString WaveDevice::NewRecordingPath(const QString& path)
{
    return path + QStringLiteral(".new");
}

bool WaveDevice::Record(qint64 limitMs)
{
    if (!open_)
        return false;
    Stop();
    failure_ = Failure::None;
    // The input is started before any file is touched: without a microphone nothing changes.
    const bool started = port_->StartCapture(
        wave::RecordingFormat(), [this](const QByteArray& pcm) { OnSamples(pcm); }, [this] { OnCaptureLost(); });
    if (!started) {
        failure_ = Failure::NoInput;
        return false;
    }
    writing_.setFileName(NewRecordingPath(path_));
    const QByteArray header = wave::Header(0);
    if (!writing_.open(QIODevice::WriteOnly | QIODevice::Truncate) || writing_.write(header) != header.size() ||
        !writing_.flush()) {
        port_->Stop();
        writing_.close();
        writing_.remove();
        failure_ = Failure::CannotWrite;
        return false;
    }
    mode_ = Mode::Recording;
    written_ = 0;
    sizesWrittenAt_ = 0;
    writeFailed_ = false;
    replacedOld_ = false;
    partialFrame_.clear();
    limitBytes_ = wave::BytesForMs(std::max<qint64>(0, limitMs));
    return true;
}

bool WaveDevice::Play()
{
    if (!open_)
        return false;
    Stop();
    failure_ = Failure::None;
    WaveInfo info;
    QAudioFormat format;
    if (!ReadSound(path_, info) || !WaveAudioFormat(info, format)) {
        failure_ = Failure::NoSound;
        return false;
    }
    if (!port_->StartPlayback(format, info.samples, [this] { OnPlaybackFinished(); })) {
        failure_ = Failure::NoOutput;
        return false;
    }
    mode_ = Mode::Playing;
    return true;
}

void WaveDevice::Stop()
{
    const Mode was = mode_;
    if (was == Mode::Stopped)
        return;
    stopRequested_ = true;
    port_->Stop();  // may still hand over the last captured samples, and they may fill the recording
    stopRequested_ = false;
    if (mode_ == Mode::Stopped)
        return;
    mode_ = Mode::Stopped;
    if (was == Mode::Recording)
        FinishRecording();
}

void WaveDevice::OnSamples(const QByteArray& pcm)
{
    if (!writing_.isOpen() || writeFailed_)
        return;
    // Only whole sample frames go to the file, and never more than the limit.
    const QByteArray frames = partialFrame_ + pcm;
    const qint64 whole = frames.size() / wave::kFrameBytes * wave::kFrameBytes;
    partialFrame_ = frames.mid(whole);
    const qint64 take = std::min(whole, limitBytes_ - written_);
    if (take > 0 && !Append(frames.constData(), take)) {
        writeFailed_ = true;
        failure_ = Failure::CannotWrite;
    }
    if ((writeFailed_ || written_ >= limitBytes_) && mode_ == Mode::Recording) {
        // Full (the limit, or the disk): what is in the file is kept and the recording ends here.
        mode_ = Mode::Stopped;
        port_->Stop();
        FinishRecording();
        if (!stopRequested_)
            Complete();
    }
}

bool WaveDevice::Append(const char* data, qint64 size)
{
    const qint64 n = writing_.write(data, size);
    const bool whole = n == size && writing_.flush();
    if (n > 0)
        written_ += n;
    if (whole && !replacedOld_)
        return TakeOverOldFile();
    if (whole && written_ - sizesWrittenAt_ >= kSizesRefreshBytes)
        return WriteSizes();
    return whole;
}

// The new recording holds sound: it takes the old file's name in one step, sizes right and its first
// samples on the disk, and goes on growing under that name (the open file stays the same file).
bool WaveDevice::TakeOverOldFile()
{
    if (!WriteSizes() || ::fsync(writing_.handle()) != 0)
        return false;
    if (::rename(QFile::encodeName(writing_.fileName()).constData(), QFile::encodeName(path_).constData()) != 0)
        return false;
    SyncFolderOf(path_);
    replacedOld_ = true;
    return true;
}

bool WaveDevice::WriteSizes()
{
    const QByteArray header = wave::Header(quint32(written_));
    const qint64 end = wave::kHeaderSize + written_;
    constexpr int kSizeField = 4;
    const bool ok = writing_.seek(wave::kRiffSizeOffset) &&
                    writing_.write(header.mid(wave::kRiffSizeOffset, kSizeField)) == kSizeField &&
                    writing_.seek(wave::kDataSizeOffset) &&
                    writing_.write(header.mid(wave::kDataSizeOffset, kSizeField)) == kSizeField &&
                    writing_.seek(end) && writing_.flush();
    if (ok)
        sizesWrittenAt_ = written_;
    return ok;
}

void WaveDevice::FinishRecording()
{
    if (!writing_.isOpen())
        return;
    if (!replacedOld_) {
        // Nothing was recorded (or the disk refused it): the old file stays, the new one goes.
        writing_.close();
        writing_.remove();
        partialFrame_.clear();
        return;
    }
    // A write the disk cut short may have left half a sample frame behind: drop it.
    const qint64 whole = written_ / wave::kFrameBytes * wave::kFrameBytes;
    if (whole != written_) {
        written_ = whole;
        writing_.flush();
        writing_.resize(wave::kHeaderSize + written_);
    }
    WriteSizes();
    writing_.close();
    partialFrame_.clear();
}

void WaveDevice::OnCaptureLost()
{
    if (mode_ != Mode::Recording)
        return;
    mode_ = Mode::Stopped;
    port_->Stop();
    FinishRecording();
    Complete();
}

void WaveDevice::OnPlaybackFinished()
{
    if (mode_ != Mode::Playing)
        return;
    mode_ = Mode::Stopped;
    port_->Stop();
    Complete();
}

void WaveDevice::Complete()
{
    // Last thing done: the handler may close the device or start it again.
    if (onCompletion_)
        onCompletion_();
}
