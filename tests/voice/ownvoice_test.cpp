// SPDX-License-Identifier: GPL-3.0-or-later
// The adult's own voice without widgets: which file the games play, a raw take trimmed, levelled
// and written, and the list of spoken items made from the lists the sound generator reads.
#include "platform/wavefile.h"
#include "shell/_specfunc.h"
#include "shell/ownvoice.h"
#include "support/fakeservices.h"
#include "support/manifest.h"
#include "support/programfolder.h"
#include "voice/phraselist.h"
#include "voice/spokenitems.h"
#include "voice/voicetake.h"
#include "voicesignal.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int Ms(const QByteArray& pcm)
{
    return int(pcm.size() / wave::kFrameBytes * 1000 / wave::kSampleRate);
}

}  // namespace

TEST(OwnVoice, OwnRecordingsMirrorTheDataTree)
{
    const struct {
        const char* data;
        const char* own;
    } cases[] = {
        {"Data/Smd/las.pw", "Glos/Smd/las.pw"},
        {"Data/Intf/Smd/g00.pw", "Glos/Intf/Smd/g00.pw"},
        {"./Data/Smd.O/ps.pw", "Glos/Smd.O/ps.pw"},
        {"Nagrane/Nagranie1.wav", ""},
        {"Data/../prgst4.stt", ""},
        {"Data/", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OwnVoicePath(c.data), QString(c.own)) << c.data;
}

TEST(OwnVoice, TheGamesPlayAGoodOwnRecordingElseTheSyntheticOne)
{
    const QByteArray good = WaveFileBytes(Tone(200, 20000));
    QByteArray otherCodec = good;
    otherCodec[20] = 2;  // a compressed format the player cannot decode
    const struct {
        const char* what;
        QByteArray own;  // empty: none
        bool ownPlays;
    } cases[] = {
        {"good", good, true},
        {"missing", {}, false},
        {"not a wave", "hello, not a wave at all", false},
        {"cut inside its header", good.left(30), false},
        {"header without samples", WaveFileBytes({}), false},
        {"unknown codec", otherCodec, false},
    };
    for (const auto& c : cases) {
        TestServices services;
        ProgramFolder folder;
        folder.Write("Data/Smd/las.pw", WaveFileBytes(Tone(100, 1000)));
        folder.Write("Data/Intf/Smd/g03.pw", WaveFileBytes(Tone(100, 1000)));
        if (!c.own.isEmpty()) {
            folder.Write("Glos/Smd/las.pw", c.own);
            folder.Write("Glos/Intf/Smd/g03.pw", c.own);
        }
        InFolder in(folder.Path());
        EXPECT_TRUE(PlayWordSound("las")) << c.what;
        EXPECT_TRUE(PlaySoundFile("Data/Intf/Smd/g03.pw")) << c.what;
        const QStringList expected = c.ownPlays ? QStringList{"Glos/Smd/las.pw", "Glos/Intf/Smd/g03.pw"}
                                                : QStringList{"Data/Smd/las.pw", "Data/Intf/Smd/g03.pw"};
        EXPECT_EQ(services.sound.played, expected) << c.what;
    }
}

TEST(OwnVoice, AnOwnRecordingPlaysEvenWhereTheSyntheticFileIsMissing)
{
    TestServices services;
    ProgramFolder folder;
    folder.Write("Glos/Smd/las.pw", WaveFileBytes(Tone(200, 20000)));
    InFolder in(folder.Path());
    EXPECT_TRUE(PlayWordSound("las"));
    EXPECT_FALSE(PlayWordSound("lezak"));
    EXPECT_EQ(services.sound.played, QStringList{"Glos/Smd/las.pw"});
}

TEST(OwnVoiceTake, SilenceAroundTheVoiceIsCutAndThePeakBroughtToMinus3dB)
{
    const struct {
        int before, voice, after, amplitude;
    } cases[] = {
        {500, 300, 700, 3000},   // quiet speaker: raised
        {0, 400, 0, 32000},      // loud and cut close by the microphone: lowered, nothing to trim
        {1000, 150, 20, 1500},   // late start, ends at once
    };
    for (const auto& c : cases) {
        const QByteArray out = TrimAndNormalise(Take(c.before, c.voice, c.after, c.amplitude));
        const int lead = std::min(c.before, take::kLeadMs), tail = std::min(c.after, take::kTailMs);
        // Whole windows are kept: up to one window more than the voice and its margins.
        EXPECT_GE(Ms(out), c.voice + lead + tail - 1) << c.before;
        EXPECT_LE(Ms(out), c.voice + lead + tail + take::kWindowMs) << c.before;
        EXPECT_NEAR(AmplitudeDb(PeakAmplitude(out)), take::kTargetPeakDb, 0.01) << c.before;
        // Faded in and out: the very ends make no click.
        EXPECT_EQ(qFromLittleEndian<qint16>(out.constData()), 0);
        EXPECT_EQ(qFromLittleEndian<qint16>(out.constData() + out.size() - 2), 0);
    }
    EXPECT_TRUE(TrimAndNormalise(Hum(2000, 250)).isEmpty());  // room noise below the floor
    EXPECT_TRUE(TrimAndNormalise({}).isEmpty());
}

TEST(OwnVoiceTake, ASavedTakeIsAWholeWaveAndASilentOneKeepsTheOldFile)
{
    ProgramFolder folder;
    const QString path = folder.File("Glos/Intf/Smd/g00.pw");
    ASSERT_EQ(SaveTake(path, Take(300, 400, 300)), TakeResult::Saved);
    const QByteArray saved = Bytes(path);
    ASSERT_GE(saved.size(), wave::kHeaderSize);
    EXPECT_EQ(saved.left(wave::kHeaderSize), wave::Header(quint32(saved.size() - wave::kHeaderSize)));
    WaveInfo info;
    ASSERT_TRUE(ParseWave(saved, info));
    EXPECT_EQ(info.formatTag, 1);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.bitsPerSample, 16);
    EXPECT_EQ(info.samples, TrimAndNormalise(Take(300, 400, 300)));

    EXPECT_EQ(SaveTake(path, Hum(3000, 100)), TakeResult::Silent);
    EXPECT_EQ(Bytes(path), saved);
    EXPECT_EQ(QDir(folder.File("Glos/Intf/Smd")).entryList(QDir::Files), QStringList{"g00.pw"});  // no leftovers

    folder.Write("Glos/Smd", "a file where the folder should be");
    EXPECT_EQ(SaveTake(folder.File("Glos/Smd/las.pw"), Take(0, 300, 0)), TakeResult::NotWritten);
}

TEST(SpokenItems, TheListIsExactlyTheSpeechTheGeneratorMakes)
{
    const std::vector<SpokenItem> items = ShippedSpokenItems();
    QStringList listed, made;
    for (const SpokenItem& item : items)
        listed.append(item.dataPath);
    const Manifest manifest = Manifest::Load();
    for (const ManifestEntry& entry : manifest.Entries())
        if (entry.group == "speech" && !entry.path.startsWith("Data/Smd.O/"))
            made.append(entry.path);
    listed.sort();
    made.sort();
    EXPECT_EQ(listed, made);
    // Shown by what is said, with its Polish letters, under its heading.
    const auto find = [&](const QString& path) {
        return *std::find_if(items.begin(), items.end(), [&](const SpokenItem& i) { return i.dataPath == path; });
    };
    EXPECT_EQ(find("Data/Smd/lezak.pw").text, QStringLiteral("leżak"));
    EXPECT_EQ(find("Data/Smd/basen.pw").section, QStringLiteral("Słowa do rozróżniania"));
    EXPECT_EQ(find("Data/Intf/Smd/g01.pw").text, QStringLiteral("Świetnie!"));
    EXPECT_EQ(find("Data/Intf/Smd/g01.pw").section, QStringLiteral("Pochwały"));
    EXPECT_EQ(find("Data/Intf/Smd/b00.pw").text, QStringLiteral("Spróbuj jeszcze raz."));
    EXPECT_EQ(find("Data/Intf/Smd/b00.pw").section, QStringLiteral("Spróbuj jeszcze raz"));
}

TEST(SpokenItems, AWordIsListedUnderItsFirstSoundGroupInPolishOrder)
{
    const auto items = SpokenItemsFrom(QStringLiteral("rak _r,a,k, Naglos|R own rak\n"
                                                      "blok _b,_l,o,k, Naglos|INNE own blok\n"
                                                      "lis _l,i,s, Naglos|LI own lis\n"
                                                      "rolka _r,o,_l,k,a, Naglos|Srodglos|L|R own rolka\n"
                                                      "ryba _r,y,b,a, Naglos|R own ryba\n"
                                                      "sok _s,o,k, contrast own sok\n"
                                                      "roza _r,ó,ż,a, Naglos|R own róża\n"),
                                       QStringLiteral("g00|Brawo!"), QStringLiteral("b00|Jeszcze raz."));
    QStringList seen;
    for (const SpokenItem& item : items)
        seen.append(item.section + ": " + item.text + " " + item.groups);
    EXPECT_EQ(seen, QStringList({"L: rolka L, R", "R: rak R", QStringLiteral("R: róża R"), "R: ryba R", "LI: lis LI",
                                 "inne: blok inne", QStringLiteral("Słowa do rozróżniania: sok "),
                                 QStringLiteral("Pochwały: Brawo! "), "Spróbuj jeszcze raz: Jeszcze raz. "}));
}

TEST(SpokenItems, APhraseListWithAMistakeIsRefused)
{
    for (const char* text : {"g00 Brawo!", "g00|", "G00|Brawo!", "g00|Brawo!\ng00|Super!"})
        EXPECT_THROW(phraselist::Parse(QString::fromUtf8(text)), std::runtime_error) << text;
    const auto list = phraselist::Parse(QStringLiteral("# praise\n\ng07|Pięknie!\n"));
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].name, "g07");
    EXPECT_EQ(list[0].text, QStringLiteral("Pięknie!"));
}
