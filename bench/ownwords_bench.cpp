// SPDX-License-Identifier: GPL-3.0-or-later
// What the adult's own words add to start-up: reading their list and building the catalogue the
// games draw from, with none and with 200 complete own words (each checked on disk, none decoded).
#include "shell/ownwordfiles.h"
#include "support/programfolder.h"
#include "words/ownwords.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const ProgramFolder& UserFolder(int words)
{
    static ProgramFolder none;
    static const ProgramFolder many = [] {
        ProgramFolder f;
        OwnWordList list;
        for (int i = 1; i <= 200; ++i) {
            const QString id = QStringLiteral("own_%1").arg(i, 8, 16, QLatin1Char('0'));
            list.words.push_back({id, QStringLiteral("_l,a,s,"), true});
            const QString root = f.Path() + "/";
            for (const QString& suffix : ownfiles::PictureSuffixes())
                f.Write(QDir(root).relativeFilePath(ownfiles::PictureFile(f.Path(), id, suffix)), "x");
            f.Write(QDir(root).relativeFilePath(ownfiles::RecordingFile(f.Path(), id)), "x");
        }
        WriteOwnWords(f.Path(), list);
        return f;
    }();
    return words ? many : none;
}

void BM_ReadListAndBuildCatalogue(benchmark::State& state)
{
    const QString folder = UserFolder(int(state.range(0))).Path();
    for (auto _ : state) {
        OwnWordList list;
        ReadOwnWords(folder, list);
        benchmark::DoNotOptimize(PlayableWords(list, folder));
    }
}
BENCHMARK(BM_ReadListAndBuildCatalogue)->Arg(0)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
