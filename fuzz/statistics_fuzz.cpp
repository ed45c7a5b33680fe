// The statistics file prgst4.stt as the program finds it at start, then a game's record appended:
// a file that records cannot follow is refused with error 3 and left alone; otherwise the header
// stays as it was and the new record ends the file whole.
#include "fuzzsupport.h"

#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/_cblad.h"

#include <QFile>

namespace {

QByteArray Content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

qint32 Int32At(const QByteArray& bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return qint32(value);
}

}  // namespace

FUZZ_TARGET(statistics)
{
    const FixedServices services;
    const ScratchFolder folder;
    const QByteArray old = FuzzBytes(data, size);
    const QString path = folder.Put(QStringLiteral("prgst4.stt"), old);

    std::unique_ptr<CStatRec> stats;
    try {
        stats = std::make_unique<CStatRec>(CStatRec::kProgramId, folder.Path());
    } catch (const CBlad& error) {
        FUZZ_CHECK(error.Code == 3);
        FUZZ_CHECK(Content(path) == old);
        return 0;
    }
    const QByteArray opened = Content(path);
    FUZZ_CHECK(opened.size() >= CStatRec::kHeaderSize);
    FUZZ_CHECK(old.isEmpty() || opened == old);

    constexpr qint32 kGame = 7;
    CUstGry settings(QStringLiteral("Selector"));
    stats->BeginGame(kGame, settings);
    stats->AddCorrect();
    stats->EndGame();
    FUZZ_CHECK(stats->Save(1));

    const QByteArray saved = Content(path);
    FUZZ_CHECK(saved.size() >= CStatRec::kHeaderSize + CStatRec::kRecordSize);
    FUZZ_CHECK(saved.left(CStatRec::kHeaderSize) == opened.left(CStatRec::kHeaderSize));
    const qsizetype record = saved.size() - CStatRec::kRecordSize;
    FUZZ_CHECK(Int32At(saved, record) == kGame);
    FUZZ_CHECK(Int32At(saved, saved.size() - 8) == 1);  // the one correct answer
    return 0;
}
