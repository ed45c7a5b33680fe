// SPDX-License-Identifier: GPL-3.0-or-later
// The writer the crash test kills: writes one of the program's files through the program's own code,
// over and over, and after each write that returned tells its parent on standard output how far it
// got, so the parent knows what the file must hold at least once the writer is killed.
#include "platform/inifile.h"
#include "recorder/_cnagdata.h"
#include "recorder/_cnagrywanie.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/childlist.h"
#include "support/crashwriter.h"
#include "support/fakeservices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <string>
#include <unistd.h>

namespace {

void Tell(const std::string& line)
{
    const std::string text = line + "\n";
    // Straight to the pipe, unbuffered: a kill must not lose what was told.
    [[maybe_unused]] const ssize_t n = ::write(STDOUT_FILENO, text.data(), text.size());
}

// A sound input that hands over as much as the recorder takes, as fast as it can.
class EndlessInput final : public AudioPort {
public:
    bool StartCapture(const QAudioFormat&, SamplesHandler onSamples, EndHandler) override
    {
        onSamples_ = std::move(onSamples);
        return true;
    }
    bool StartPlayback(const QAudioFormat&, const QByteArray&, EndHandler) override { return false; }
    void Stop() override { onSamples_ = nullptr; }
    bool Feed(const QByteArray& pcm)
    {
        if (!onSamples_)
            return false;
        const SamplesHandler handler = onSamples_;  // the recorder may stop the input from inside
        handler(pcm);
        return true;
    }

private:
    SamplesHandler onSamples_;
};

[[noreturn]] void WriteSettings(const QString& folder)
{
    IniFile ini(QDir(folder).filePath(crashwriter::kSettingsFile));
    int n = ini.ReadInteger(crashwriter::kCounterSection, crashwriter::kCounterKey, 0);
    for (;;)
        if (ini.WriteInteger(crashwriter::kCounterSection, crashwriter::kCounterKey, ++n))
            Tell(std::to_string(n));
}

[[noreturn]] void WriteCatalogue(const QString& folder, TestServices& services)
{
    CNagData list(folder);
    const QDate last = list.Slot(0).Data;
    for (qint64 day = last > crashwriter::kFirstDay ? crashwriter::kFirstDay.daysTo(last) : 0;;) {
        services.time.SetUtcStart(crashwriter::DayStart(++day));
        if (list.MarkRecorded(0))
            Tell(std::to_string(day));
    }
}

[[noreturn]] void WriteStatistics(const QString& folder)
{
    CStatRec stats(CStatRec::kProgramId, folder);
    const CUstGry settings(QStringLiteral("Labirynt"));
    for (qint64 n = CStatRec::WholeRecords(QFileInfo(stats.FilePath()).size());; ++n) {
        stats.BeginGame(CStatRec::kGameOther, settings);
        for (int i = 0; i < crashwriter::CorrectOfRecord(n); ++i)
            stats.AddCorrect();
        stats.EndGame();
        if (stats.Save(1))
            Tell(std::to_string(n + 1));
    }
}

[[noreturn]] void Record(const QString& folder, int take)
{
    auto owned = std::make_unique<EndlessInput>();
    EndlessInput* input = owned.get();
    CNagrywanie recorder(nullptr, nullptr, std::make_unique<WaveDevice>(std::move(owned)));
    if (recorder.OpenFile(QDir(folder).filePath(crashwriter::kRecordingFile)) &&
        recorder.Record(crashwriter::kRecordingMs)) {
        qint64 written = 0;
        const qint64 chunk = wave::BytesForMs(crashwriter::kChunkMs);
        while (input->Feed(crashwriter::Samples(take, written, chunk))) {
            written += chunk;
            Tell(std::to_string(written));
        }
    }
    Tell("done");
    for (;;)
        ::pause();
}

[[noreturn]] void RenameChildren(const QString& folder)
{
    ChildList list;
    ReadChildList(folder, list);
    QString problem;
    for (qint64 n = crashwriter::NumberOfChildName(list.Find(crashwriter::kRenamedChild)->name);;)
        if (RenameChild(folder, list, crashwriter::kRenamedChild, crashwriter::ChildName(n + 1), QString(), &problem))
            Tell(std::to_string(++n));
}

}  // namespace

// crashwriter settings|catalogue|statistics|recording|children FOLDER [TAKE]
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const std::string what = argv[1];
    const QString folder = QString::fromLocal8Bit(argv[2]);
    TestServices services;
    Tell("ready");
    if (what == "settings")
        WriteSettings(folder);
    if (what == "catalogue")
        WriteCatalogue(folder, services);
    if (what == "statistics")
        WriteStatistics(folder);
    if (what == "children")
        RenameChildren(folder);
    if (what == "recording")
        Record(folder, argc > 3 ? std::stoi(argv[3]) : 0);
    return 2;
}
