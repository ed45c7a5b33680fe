// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: the entry each target defines (libFuzzer's, or one the corpus replay
// finds by name), a check that stops the run, a scratch folder and a fixed clock.
#pragma once

#include "platform/services.h"
#include "platform/timeservice.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

using FuzzEntry = int (*)(const uint8_t* data, size_t size);
bool RegisterFuzzTarget(const char* name, FuzzEntry entry);
FuzzEntry FindFuzzTarget(const char* name);

#ifdef BRIMBOLA_FUZZ_REPLAY
#define FUZZ_TARGET(name)                                                                  \
    static int FuzzEntry_##name(const uint8_t* data, size_t size);                        \
    [[maybe_unused]] static const bool kRegistered_##name = RegisterFuzzTarget(#name, FuzzEntry_##name); \
    static int FuzzEntry_##name(const uint8_t* data, size_t size)
#else
#define FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
#endif

// A broken promise of a reader: reported and the process aborted, which the fuzzer keeps as a crash.
#define FUZZ_CHECK(condition) \
    ((condition) ? void() : FuzzCheckFailed(#condition, __FILE__, __LINE__))
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);

inline QByteArray FuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The whole file, or nothing when it cannot be read.
QByteArray ReadAll(const QString& path);

// A fresh empty folder for one run, on a memory file system where there is one: the readers that
// only take a path rewrite their files with fsync, which would cost a disk write each run.
class ScratchFolder {
public:
    ScratchFolder();
    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const { return dir_.filePath(name); }
    // Writes `bytes` as the file `name` (creating its folders) and returns its path.
    QString Put(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// A clock that stands still and timers that never fire, installed for the scope of one run.
class FixedClock final : public TimeService {
public:
    qint64 NowMs() override { return 0; }
    QDateTime UtcNow() override;
    void Wait(int) override {}
    void WaitProcessingEvents(int) override {}
    std::unique_ptr<TimerBackend> NewTimer(std::function<void()>) override;
};

class FixedServices {
public:
    FixedServices();

private:
    FixedClock clock_;
    RandomSource random_;
    ServicesScope scope_;
};
