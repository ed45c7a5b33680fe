// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file prgst4.stt as the program finds it at start, then a game's record appended:
// a file that records cannot follow is refused with error 3 and left alone; otherwise the header
// stays as it was and the new record ends the file whole.
#include "fuzzsupport.h"

#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/_cblad.h"

#include <QtEndian>

namespace {

qint32 Int32At(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
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
        FUZZ_CHECK(ReadAll(path) == old);
        return 0;
    }
    const QByteArray opened = ReadAll(path);
    FUZZ_CHECK(opened.size() >= CStatRec::kHeaderSize);
    FUZZ_CHECK(old.isEmpty() || opened == old);

    constexpr qint32 kGame = 7;
    CUstGry settings(QStringLiteral("Selector"));
    stats->BeginGame(kGame, settings);
    stats->AddCorrect();
    stats->EndGame();
    FUZZ_CHECK(stats->Save(1));

    const QByteArray saved = ReadAll(path);
    FUZZ_CHECK(saved.size() >= CStatRec::kHeaderSize + CStatRec::kRecordSize);
    FUZZ_CHECK(saved.left(CStatRec::kHeaderSize) == opened.left(CStatRec::kHeaderSize));
    const qsizetype record = saved.size() - CStatRec::kRecordSize;
    FUZZ_CHECK(Int32At(saved, record) == kGame);
    FUZZ_CHECK(Int32At(saved, saved.size() - 8) == 1);  // the one correct answer
    return 0;
}
