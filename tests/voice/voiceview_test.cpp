// SPDX-License-Identifier: GPL-3.0-or-later
// The "Głos" view through real clicks, with the sound hardware as a double: hearing an item, a take
// saved, refused as silence and stopped by its limit, the progress, a damaged recording and a
// desktop without a microphone.
#include "platform/wavefile.h"
#include "support/fakeaudioport.h"
#include "support/fakes.h"
#include "support/programfolder.h"
#include "voice/voiceview.h"
#include "voice/voicetake.h"
#include "voicesignal.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

constexpr int kChunkMs = 100;

QByteArray SamplesOf(const QString& path)
{
    WaveInfo info;
    return ReadWaveFile(path, info) ? info.samples : QByteArray("unreadable");
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Harness {
public:
    explicit Harness(bool microphone = true)
    {
        auto port = std::make_unique<FakePort>();
        port->hasInput = microphone;
        port_ = port.get();
        view = std::make_unique<VoiceView>(folder.Path(), std::move(port));
        view->resize(800, 600);
        view->show();
        list = view->findChild<QTreeWidget*>("items");
    }
    void Click(const char* button)
    {
        auto* b = view->findChild<QPushButton*>(button);
        ASSERT_TRUE(b && b->isEnabled()) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    bool Enabled(const char* button) { return view->findChild<QPushButton*>(button)->isEnabled(); }
    void Choose(const QString& text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list->scrollToItem(found[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
    }
    QString OwnColumn(const QString& text)
    {
        return list->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0)->text(VoiceView::kOwnColumn);
    }
    QString Label(const char* name) { return view->findChild<QLabel*>(name)->text(); }
    // Speaks `pcm` into the microphone a chunk at a time, as the input delivers it.
    void Speak(const QByteArray& pcm)
    {
        const qsizetype chunk = wave::BytesForMs(kChunkMs);
        for (qsizetype at = 0; at < pcm.size() && port_->capturing; at += chunk)
            port_->Feed(pcm.mid(at, chunk));
    }

    TestServices services;
    RecordingMessageBoxes boxes;
    ProgramFolder folder{ProgramFolder::Assets::Generated};
    FakePort* port_;
    std::unique_ptr<VoiceView> view;
    QTreeWidget* list;
};

}  // namespace

TEST(VoiceView, RecordsHearsAndRemovesTheAdultsOwnVoice)
{
    Harness h;
    const QString own = h.folder.File("Glos/Smd/lezak.pw");
    EXPECT_EQ(h.Label("progress"), "Własne nagrania: 0 z 24");
    h.Choose(QStringLiteral("leżak"));
    EXPECT_EQ(h.Label("title"), QStringLiteral("leżak"));
    EXPECT_FALSE(h.Enabled("playOwn"));
    EXPECT_FALSE(h.Enabled("remove"));
    h.Click("play");
    EXPECT_EQ(h.port_->played, SamplesOf(h.folder.File("Data/Smd/lezak.pw")));

    // A take stopped by the button: trimmed, levelled, counted.
    h.Click("record");
    ASSERT_TRUE(h.port_->capturing);
    h.Speak(Take(300, 400, 0));
    EXPECT_GT(h.view->findChild<QProgressBar*>("meter")->value(), 0);
    EXPECT_FALSE(h.list->isEnabled());
    h.Speak(Hum(300, 60));
    h.Click("record");
    EXPECT_FALSE(h.port_->capturing);
    EXPECT_EQ(SamplesOf(own), TrimAndNormalise(Take(300, 400, 300)));
    EXPECT_EQ(h.OwnColumn(QStringLiteral("leżak")), "tak");
    EXPECT_EQ(h.Label("progress"), "Własne nagrania: 1 z 24");
    h.Click("play");
    EXPECT_EQ(h.port_->played, SamplesOf(own));

    // Silence is refused and the recording kept.
    const QByteArray kept = Bytes(own);
    h.Click("record");
    h.Speak(Hum(1000, 100));
    h.Click("record");
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_TRUE(h.boxes.shown[0].text.contains("cisza"));
    EXPECT_EQ(Bytes(own), kept);

    // A take that runs on stops by itself after five seconds.
    h.Choose(QStringLiteral("Brawo!"));
    h.Click("record");
    h.Speak(Tone(6000, 8000));
    EXPECT_FALSE(h.view->IsRecording());
    EXPECT_FALSE(h.port_->capturing);
    WaveInfo brawo;
    ASSERT_TRUE(ReadWaveFile(h.folder.File("Glos/Intf/Smd/g00.pw"), brawo));
    EXPECT_EQ(brawo.DurationMs(), VoiceView::kTakeLimitMs);
    EXPECT_EQ(h.Label("progress"), "Własne nagrania: 2 z 24");

    h.Choose(QStringLiteral("leżak"));
    h.Click("remove");
    EXPECT_FALSE(QFile::exists(own));
    EXPECT_EQ(h.OwnColumn(QStringLiteral("leżak")), "—");
    EXPECT_EQ(h.Label("progress"), "Własne nagrania: 1 z 24");
    h.Click("play");
    EXPECT_EQ(h.port_->played, SamplesOf(h.folder.File("Data/Smd/lezak.pw")));
}

TEST(VoiceView, WithoutAMicrophoneItStillPlaysAndRemovesAndADamagedRecordingIsPassedOver)
{
    Harness h(false);
    h.folder.Write("Glos/Intf/Smd/b01.pw", "RIFF, but no more");
    h.view->Select(0);  // looks at the folder again
    EXPECT_EQ(h.OwnColumn("Oj, nie to."), "uszkodzone");
    EXPECT_EQ(h.Label("progress"), "Własne nagrania: 0 z 24");
    h.Choose("Oj, nie to.");
    h.Click("play");
    EXPECT_EQ(h.port_->played, SamplesOf(h.folder.File("Data/Intf/Smd/b01.pw")));
    EXPECT_FALSE(h.Enabled("playOwn"));

    h.Click("record");
    EXPECT_FALSE(h.view->IsRecording());
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_TRUE(h.boxes.shown[0].text.contains("mikrofonu"));
    h.Click("remove");
    EXPECT_FALSE(QFile::exists(h.folder.File("Glos/Intf/Smd/b01.pw")));
    EXPECT_EQ(h.OwnColumn("Oj, nie to."), "—");
}
