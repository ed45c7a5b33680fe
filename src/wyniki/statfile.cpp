// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the statistics file back (see statfile.h).
#include "statfile.h"

#include "shell/programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The oldest year the stored layout can hold.
constexpr int kFirstYear = 1601;
constexpr int kHoursPerDay = 24, kMinutesPerHour = 60, kSecondsPerMinute = 60, kMsPerSecond = 1000;
enum SystemTimePart { kYear, kMonth, kDayOfWeek, kDay, kHour, kMinute, kSecond, kMs };

// Reads little-endian values one after the other.
class ByteReader {
public:
    explicit ByteReader(const char* data) : p_(reinterpret_cast<const uchar*>(data)) {}
    quint16 U16()
    {
        const quint16 v = quint16(p_[0] | (p_[1] << 8));
        p_ += 2;
        return v;
    }
    qint32 I32()
    {
        const quint32 v = quint32(p_[0]) | (quint32(p_[1]) << 8) | (quint32(p_[2]) << 16) | (quint32(p_[3]) << 24);
        p_ += 4;
        return static_cast<qint32>(v);
    }
    SystemTime Time()
    {
        SystemTime t;
        for (quint16& part : t)
            part = U16();
        return t;
    }

private:
    const uchar* p_;
};

StatFile Failed(StatFileError error, const QString& message)
{
    StatFile file;
    file.error = error;
    file.message = message;
    return file;
}

}  // namespace

QDateTime FromSystemTime(const SystemTime& t)
{
    if (t[kYear] < kFirstYear || !QDate::isValid(t[kYear], t[kMonth], t[kDay]) || t[kHour] >= kHoursPerDay ||
        t[kMinute] >= kMinutesPerHour || t[kSecond] >= kSecondsPerMinute || t[kMs] >= kMsPerSecond)
        return {};
    return QDateTime(QDate(t[kYear], t[kMonth], t[kDay]), QTime(t[kHour], t[kMinute], t[kSecond], t[kMs]), Qt::UTC);
}

StatFile ParseStatFile(const QByteArray& bytes, const QString& name)
{
    if (bytes.size() < CStatRec::kHeaderSize)
        return Failed(StatFileError::TooShort,
                      QStringLiteral("Plik „%1” jest krótszy niż nagłówek pliku wyników (%2 B z %3 B), "
                                     "więc nie zawiera żadnych wyników.")
                          .arg(name)
                          .arg(bytes.size())
                          .arg(CStatRec::kHeaderSize));
    ByteReader header(bytes.constData());
    const qint32 id = header.I32();
    if (id != CStatRec::kProgramId)
        return Failed(StatFileError::WrongId,
                      QStringLiteral("Plik „%1” nie jest plikiem wyników Brimboli: jego nagłówek ma "
                                     "identyfikator %2 zamiast %3.")
                          .arg(name)
                          .arg(id)
                          .arg(CStatRec::kProgramId));
    StatFile file;
    file.created = header.Time();
    const qsizetype body = bytes.size() - CStatRec::kHeaderSize;
    const qsizetype count = body / CStatRec::kRecordSize;
    file.partialBytes = static_cast<int>(body % CStatRec::kRecordSize);
    file.records.reserve(size_t(count));
    // Fields in the order the games write them: note level, groups, positions.
    for (qsizetype i = 0; i < count; ++i) {
        ByteReader in(bytes.constData() + CStatRec::kHeaderSize + i * CStatRec::kRecordSize);
        StatRecord& r = file.records.emplace_back();
        r.gameCode = in.I32();
        r.start = in.Time();
        r.level = in.U16();
        r.groups = in.U16();
        r.positions = in.U16();
        r.duration = in.I32();
        r.completed = in.U16();
        r.hints = in.I32();
        r.correct = in.I32();
        r.wrong = in.I32();
        r.startUtc = FromSystemTime(r.start);
        if (!r.startUtc.isValid())
            ++file.impossibleDates;
    }
    return file;
}

StatFile ReadStatFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const QFileInfo info(path);
    if (!info.exists())
        return Failed(StatFileError::Missing,
                      QStringLiteral("Nie ma pliku wyników „%1”.\nGry zapisują go w folderze programu "
                                     "po pierwszej rozegranej grze.")
                          .arg(QDir::toNativeSeparators(path)));
    QFile in(path);
    if (!info.isFile() || !in.open(QIODevice::ReadOnly))
        return Failed(StatFileError::Unreadable,
                      QStringLiteral("Nie można odczytać pliku „%1”.").arg(QDir::toNativeSeparators(path)));
    return ParseStatFile(in.readAll(), name);
}

QString DefaultStatFilePath()
{
    // The same folder rule as the games': beside the executable, or the per-user folder.
    return LocateProgramFolders(QCoreApplication::applicationDirPath()).user +
           QStringLiteral("/prgst%1.stt").arg(CStatRec::kProgramId);
}
