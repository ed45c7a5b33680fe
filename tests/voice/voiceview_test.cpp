// SPDX-License-Identifier: GPL-3.0-or-later
// The "Głos" view through real clicks and keys, with the sound hardware as a double: hearing an item, a
// take saved, refused as silence and stopped by its limit, the progress, a damaged recording, a desktop
// without a microphone, and finding and recording items by typing alone.
#include "platform/wavefile.h"
#include "support/fakeaudioport.h"
#include "support/fakes.h"
#include "support/programfolder.h"
#include "voice/voiceview.h"
#include "voice/voicetake.h"
#include "voicesignal.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <set>
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
        view->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(view.get()));
        list = view->findChild<QTreeView*>("items");
        search = view->findChild<QLineEdit*>("search");
    }
    void Click(const char* button)
    {
        auto* b = view->findChild<QPushButton*>(button);
        ASSERT_TRUE(b && b->isEnabled()) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    bool Enabled(const char* button) { return view->findChild<QPushButton*>(button)->isEnabled(); }
    QModelIndex Find(const QString& text)
    {
        const auto* model = list->model();
        const auto found = model->match(model->index(0, 0), Qt::DisplayRole, text, -1, Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found[0] : QModelIndex();
    }
    void Choose(const QString& text)
    {
        const QModelIndex at = Find(text);
        ASSERT_TRUE(at.isValid()) << text.toStdString();
        list->scrollTo(at);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(at).center());
    }
    QString OwnColumn(const QString& text) { return Find(text).siblingAtColumn(VoiceView::kOwnColumn).data().toString(); }
    QString Label(const char* name) { return view->findChild<QLabel*>(name)->text(); }
    QString Progress(int own) { return QStringLiteral("Własne nagrania: %1 z %2").arg(own).arg(view->Items().size()); }
    // The items the list shows, top to bottom, and the heading each is under.
    std::vector<int> Shown(QStringList* headings = nullptr)
    {
        std::vector<int> shown;
        const auto* model = list->model();
        for (int s = 0; s < model->rowCount(); ++s) {
            const QModelIndex section = model->index(s, 0);
            for (int r = 0; r < model->rowCount(section); ++r) {
                shown.push_back(model->index(r, 0, section).data(Qt::UserRole).toInt());
                if (headings)
                    headings->append(section.data().toString());
            }
        }
        return shown;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
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
    QTreeView* list;
    QLineEdit* search;
};

}  // namespace

TEST(VoiceView, RecordsHearsAndRemovesTheAdultsOwnVoice)
{
    Harness h;
    const QString own = h.folder.File("Glos/Smd/lezak.pw");
    EXPECT_EQ(h.Label("progress"), h.Progress(0));
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
    EXPECT_EQ(h.Label("progress"), h.Progress(1));
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
    EXPECT_EQ(h.Label("progress"), h.Progress(2));

    h.Choose(QStringLiteral("leżak"));
    h.Click("remove");
    EXPECT_FALSE(QFile::exists(own));
    EXPECT_EQ(h.OwnColumn(QStringLiteral("leżak")), "—");
    EXPECT_EQ(h.Label("progress"), h.Progress(1));
    h.Click("play");
    EXPECT_EQ(h.port_->played, SamplesOf(h.folder.File("Data/Smd/lezak.pw")));
}

TEST(VoiceView, WithoutAMicrophoneItStillPlaysAndRemovesAndADamagedRecordingIsPassedOver)
{
    Harness h(false);
    h.folder.Write("Glos/Intf/Smd/b01.pw", "RIFF, but no more");
    h.view->Rescan();
    EXPECT_EQ(h.OwnColumn("Oj, nie to."), "uszkodzone");
    EXPECT_EQ(h.Label("progress"), h.Progress(0));
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

TEST(VoiceView, EveryItemIsListedOnceUnderItsGroupFoundByTypingAndRecordedWithTheKeys)
{
    Harness h;
    const std::vector<SpokenItem>& items = h.view->Items();
    QStringList headings;
    std::vector<int> all = h.Shown(&headings);
    ASSERT_EQ(all.size(), items.size());
    EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), items.size());
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(headings[qsizetype(i)], items[size_t(all[i])].section) << items[size_t(all[i])].text.toStdString();

    // Typing filters by what is said, whatever the case and the Polish marks ("LO" finds "słoń"); the
    // keys never type into the box.
    QTest::keyClick(h.search, Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), h.search);
    QTest::keyClicks(h.search, "LO");
    const auto folded = [](QString text) {
        text = text.toLower().replace(u'ł', u'l').normalized(QString::NormalizationForm_D);
        text.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
        return text;
    };
    std::vector<int> expected;
    for (int i : all)
        if (folded(items[size_t(i)].text).contains("lo"))
            expected.push_back(i);
    ASSERT_GE(expected.size(), 2u);
    EXPECT_EQ(h.Shown(), expected);
    EXPECT_EQ(h.view->Current(), expected[0]);
    EXPECT_EQ(h.Label("progress"), h.Progress(0));

    // Record, stop, hear, next: the first item found by Ctrl+R twice, the next by Ctrl+R and Esc.
    h.Key(Qt::Key_R);
    ASSERT_TRUE(h.port_->capturing);
    h.Speak(Take(200, 400, 200));
    h.Key(Qt::Key_R);
    EXPECT_FALSE(h.port_->capturing);
    const QString first = h.folder.File("Glos/" + items[size_t(expected[0])].dataPath.mid(5));
    EXPECT_EQ(SamplesOf(first), TrimAndNormalise(Take(200, 400, 200)));
    EXPECT_EQ(h.Label("progress"), h.Progress(1));
    h.Key(Qt::Key_P);
    EXPECT_EQ(h.port_->played, SamplesOf(first));
    h.Key(Qt::Key_N);
    EXPECT_EQ(h.view->Current(), expected[1]);
    EXPECT_EQ(h.Label("title"), items[size_t(expected[1])].text);
    h.Key(Qt::Key_R);
    h.Speak(Take(100, 300, 100, 9000));
    h.Key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(h.view->IsRecording());
    EXPECT_TRUE(QFile::exists(h.folder.File("Glos/" + items[size_t(expected[1])].dataPath.mid(5))));
    EXPECT_EQ(h.Label("progress"), h.Progress(2));
    EXPECT_EQ(h.search->text(), "LO");

    // A letter typed without its Polish mark finds the marked one.
    const auto polish = std::find_if(items.begin(), items.end(), [](const SpokenItem& item) {
        return item.text.contains(QRegularExpression(QStringLiteral("[ąćęłńóśźż]")));
    });
    ASSERT_NE(polish, items.end());
    QString bare = polish->text.toUpper();
    const QString marked = QStringLiteral("ĄĆĘŁŃÓŚŹŻ"), plain = QStringLiteral("ACELNOSZZ");
    for (int i = 0; i < marked.size(); ++i)
        bare.replace(marked[i], plain[i]);
    h.search->selectAll();
    QTest::keyClicks(h.search, bare);
    const std::vector<int> found = h.Shown();
    EXPECT_NE(std::find(found.begin(), found.end(), int(polish - items.begin())), found.end()) << bare.toStdString();

    // With the whole list shown, "next without a recording" passes over a recorded item.
    h.search->clear();
    all = h.Shown();
    const size_t at = size_t(std::find(all.begin(), all.end(), expected[1]) - all.begin());
    ASSERT_TRUE(at >= 1 && at + 1 < all.size());
    h.view->Select(all[at - 1]);
    h.Key(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(h.view->Current(), all[at + 1]);
}
