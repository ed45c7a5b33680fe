// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share (see fuzzsupport.h).
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

std::map<std::string, FuzzEntry>& Targets()
{
    static std::map<std::string, FuzzEntry> targets;
    return targets;
}

QString ScratchBase()
{
    const QString shm = QStringLiteral("/dev/shm");
    const QFileInfo info(shm);
    return (info.isDir() && info.isWritable() ? shm : QDir::tempPath()) + QStringLiteral("/brimbola-fuzz-XXXXXX");
}

class StillTimer final : public TimerBackend {
public:
    void Start(int, bool) override { active_ = true; }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }

private:
    bool active_ = false;
};

}  // namespace

bool RegisterFuzzTarget(const char* name, FuzzEntry entry)
{
    Targets()[name] = entry;
    return true;
}

FuzzEntry FindFuzzTarget(const char* name)
{
    const auto found = Targets().find(name);
    return found == Targets().end() ? nullptr : found->second;
}

void FuzzCheckFailed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ScratchFolder::ScratchFolder() : dir_(ScratchBase())
{
    FUZZ_CHECK(dir_.isValid());
}

QString ScratchFolder::Put(const QString& name, const QByteArray& bytes) const
{
    const QString path = File(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path;
}

QDateTime FixedClock::UtcNow()
{
    return QDateTime(QDate(2026, 12, 8), QTime(9, 30), Qt::UTC);
}

std::unique_ptr<TimerBackend> FixedClock::NewTimer(std::function<void()>)
{
    return std::make_unique<StillTimer>();
}

FixedServices::FixedServices() : scope_(Services{&clock_, nullptr, &random_}) {}
