// SPDX-License-Identifier: GPL-3.0-or-later
// The adult's own word in a whole picture-and-say game of the real program: with the built-in words
// of its group and position switched off down to four, the game's five words include it, and the
// child sees its own picture, spells it with the letter tiles and hears the adult's recording.
#include "app/shared.h"
#include "games/selector/Selector.h"
#include "games/selector/selectordriver.h"
#include "menu/menuwindows.h"
#include "platform/imagefiles.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/ownwordfiles.h"
#include "support/programundertest.h"
#include "voice/voicetake.h"
#include "words/_cslowa.h"
#include "words/ownwords.h"

#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

using namespace selectortest;

namespace {

TEST(OwnWordGame, AnOwnWordIsDrawnShownSpelledAndSpokenInTheAdultsVoice)
{
    ProgramUnderTest program;
    program.folder.Write("Data/data.ini",
                         "[DaneProgramu]\r\nZakladka=2\r\n[Selector]\r\nGloski=4\r\nPozycja=16384\r\nPoziom=1\r\n");
    // "klej", J at its end, with a picture of its own colour and its recording; the portable
    // program's user folder is its own folder.
    const QString id = QStringLiteral("own_0c0ffee0");
    OwnWordList list;
    list.words.push_back({id, QStringLiteral("k,l,e,_j,"), true});
    int kept = 0;
    for (const SPaczka& word : ShippedWords(WordKind::Practice))
        if ((word.Flags & glos::J) && (word.Flags & glos::Wyglos) && kept++ >= 4)
            list.switchedOff << word.Name;
    const QString user = program.folder.Path();
    ASSERT_TRUE(WriteOwnWords(user, list));
    const QSize sizes[] = {{320, 270}, {410, 340}, {58, 58}, {76, 76}, {98, 98}};
    for (int i = 0; i < 5; ++i) {
        QImage picture(sizes[i], QImage::Format_RGB32);
        picture.fill(QColor(20, 160, 90));
        const QString relative = QDir(user).relativeFilePath(
            ownfiles::PictureFile(user, id, ownfiles::PictureSuffixes()[i]));
        program.folder.WriteJpeg(relative, picture);
    }
    program.folder.Write(QDir(user).relativeFilePath(ownfiles::RecordingFile(user, id)),
                         WaveFileBytes(QByteArray(2000, char(40))));

    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(program.boxes.shown.empty()) << "a complete own word is nothing to report";
    TFormMain* menu = program.Main();
    auto* game = dynamic_cast<TfmSelector*>(menu->GameWindow(TfmSelector::kTab));
    ASSERT_NE(game, nullptr);
    const qint64 statisticsBefore = QFile(program.folder.File("prgst4.stt")).size();
    QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [&] {
        QTimer::singleShot(0, [] {
            CPrzyciskP* stop = FormKoniecGry->StopButton();
            QTest::mouseClick(stop, Qt::LeftButton, {}, QPoint(stop->width() / 2, stop->height() / 2));
        });
    });
    QStringList spelled;
    QImage ownPicture;
    QObject::connect(game, &CModalWindow::Opened, [&] {
        QTimer::singleShot(0, [&] {
            GraSelector& engine = *game->Engine();
            for (;;) {
                if (engine.WordName() == id)
                    ownPicture = engine.CurrentPicture();
                SolveCurrentWord(engine);
                if (engine.IsSolved())
                    spelled << engine.Caption();
                if (engine.IsLast())
                    break;
                Click(game->NextButton());
            }
            program.services.time.Advance(TfmSelector::kStopAfterMs);
        });
    });
    CPrzyciskP* start = menu->Button("start");
    QTest::mouseClick(start, Qt::LeftButton, {}, QPoint(start->width() / 2, start->height() / 2));

    EXPECT_EQ(spelled.size(), 5);
    EXPECT_TRUE(spelled.contains(QStringLiteral("klej")));
    ASSERT_FALSE(ownPicture.isNull()) << "the own word was drawn and its picture loaded";
    const QString suffix = ownPicture.size() == sizes[0] ? "_shs" : "_shb";
    const QImage file = DecodeJpegFile(ownfiles::PictureFile(user, id, suffix));
    EXPECT_EQ(ownPicture, file);
    EXPECT_TRUE(program.services.sound.played.contains(ownfiles::RecordingFile(user, id)))
        << program.services.sound.played.join(' ').toStdString();
    EXPECT_EQ(QFile(program.folder.File("prgst4.stt")).size(), statisticsBefore + CStatRec::kRecordSize);
}

}  // namespace
