// SPDX-License-Identifier: GPL-3.0-or-later
// The own word's dialog through real clicks and keys, with the sound hardware as a double: a new
// word typed, marked, given a photo and a recording and saved; words it must refuse; a cancelled
// dialog that leaves nothing behind.
#include "shell/ownwordfiles.h"
#include "support/fakeaudioport.h"
#include "support/fakes.h"
#include "support/programfolder.h"
#include "voice/voicesignal.h"
#include "voice/voicetake.h"
#include "wyniki/cropper.h"
#include "wyniki/wordeditor_p.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A photo as a camera gives one: wider than high, a red ball in the middle of a sky.
QImage Photo()
{
    QImage photo(900, 600, QImage::Format_RGB32);
    photo.fill(QColor(0x87, 0xCE, 0xEB));
    QPainter painter(&photo);
    painter.setBrush(QColor(0xD0, 0x20, 0x20));
    painter.drawEllipse(QPoint(450, 300), 150, 150);
    return photo;
}

class Harness {
public:
    explicit Harness(const QString& id = {})
        : editor(nullptr, ProgramFolder::GeneratedData() + "/..", user.Path(), list, id, port)
    {
        editor.choosePhotoFile = [this](QWidget*) { return user.File("zdjecie.jpg"); };
        user.WriteJpeg("zdjecie.jpg", Photo());
        editor.show();
        editor.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&editor));
    }
    template <class T>
    T* Get(const char* name)
    {
        T* found = editor.findChild<T*>(name);
        EXPECT_TRUE(found) << name;
        return found;
    }
    void Click(const char* name)
    {
        auto* button = Get<QPushButton>(name);
        ASSERT_TRUE(button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Type(const QString& text) { QTest::keyClicks(Get<QLineEdit>("spelling"), text); }
    QString Offer() { return Get<QLabel>("offer")->text(); }
    bool CanSave() { return Get<QPushButton>("save")->isEnabled(); }
    void Record(const QByteArray& pcm)
    {
        Click("record");
        ASSERT_TRUE(port.capturing);
        port.Feed(pcm);
        Click("record");
        ASSERT_FALSE(port.capturing);
    }

    RecordingMessageBoxes boxes;
    ProgramFolder user;
    OwnWordList list;
    FakePort port;
    WordEditor editor;
};

}  // namespace

TEST(WordEditor, AddsAWordWithItsMarksItsCroppedPhotoAndItsRecording)
{
    Harness h;
    const QRect screen = h.editor.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(h.editor.frameGeometry())) << "the dialog fits on the screen";

    h.Type("Rower");
    EXPECT_EQ(h.Get<QLineEdit>("spelling")->text(), "rower");
    EXPECT_EQ(h.Get<QLineEdit>("split")->text(), "r-o-w-e-r");
    EXPECT_FALSE(h.CanSave());
    h.Click("element0");
    h.Click("element4");
    EXPECT_EQ(h.editor.Split(), "_r,o,w,e,_r,");
    EXPECT_EQ(h.Offer(), "Grupy: R · Pozycje: nagłos, wygłos");
    ASSERT_TRUE(h.CanSave());

    // Enter in the field saves nothing; without a picture the word is refused.
    QTest::keyClick(h.Get<QLineEdit>("spelling"), Qt::Key_Return);
    EXPECT_TRUE(h.editor.isVisible());
    h.Click("save");
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_TRUE(h.boxes.shown[0].text.contains("obrazek"));
    EXPECT_TRUE(h.editor.isVisible());
    EXPECT_TRUE(h.list.words.empty());

    // The photo comes in framed by its largest middle square; the wheel zooms in, the preview follows.
    h.Click("fromFile");
    auto* cropper = h.Get<Cropper>("cropper");
    EXPECT_EQ(h.Get<QStackedWidget>("pictureArea")->currentWidget(), cropper);
    EXPECT_EQ(cropper->Crop(), QRectF(150, 0, 600, 600));
    const QImage before = h.Get<QLabel>("preview")->pixmap().toImage();
    ASSERT_FALSE(before.isNull());
    QWidget* canvas = h.Get<QWidget>("cropCanvas");
    QWheelEvent wheel(QPointF(canvas->rect().center()), canvas->mapToGlobal(QPointF(canvas->rect().center())), {},
                      QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    EXPECT_LT(cropper->Crop().width(), 600);
    EXPECT_EQ(cropper->Crop().center(), QPointF(450, 300));
    QTest::qWait(100);
    EXPECT_NE(h.Get<QLabel>("preview")->pixmap().toImage(), before);

    // A take: heard before it is saved, kept in memory until then.
    EXPECT_TRUE(h.Get<QLabel>("noRecording")->isVisibleTo(&h.editor));
    const QByteArray take = Take(300, 500, 300);
    h.Record(take);
    EXPECT_FALSE(h.Get<QLabel>("noRecording")->isVisibleTo(&h.editor));
    h.Click("play");
    EXPECT_EQ(h.port.played, TrimAndNormalise(take));
    EXPECT_FALSE(QDir(h.user.File(ownfiles::kFolder)).exists());

    h.Click("save");
    EXPECT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.editor.result(), QDialog::Accepted);
    ASSERT_EQ(h.list.words.size(), 1u);
    const OwnWord& word = h.list.words[0];
    EXPECT_EQ(word.id, h.editor.Id());
    EXPECT_EQ(word.split, "_r,o,w,e,_r,");
    EXPECT_TRUE(word.on);
    for (const QString& suffix : ownfiles::PictureSuffixes())
        EXPECT_TRUE(QFile::exists(ownfiles::PictureFile(h.user.Path(), word.id, suffix))) << suffix.toStdString();
    WaveInfo saved;
    ASSERT_TRUE(ReadWaveFile(ownfiles::RecordingFile(h.user.Path(), word.id), saved));
    EXPECT_EQ(saved.samples, TrimAndNormalise(take));
    OwnWordList read;
    EXPECT_EQ(ReadOwnWords(h.user.Path(), read), OwnListState::Read);
    ASSERT_EQ(read.words.size(), 1u);
    EXPECT_EQ(read.words[0].split, word.split);
}

TEST(WordEditor, RefusesMarksThatFitNoGroupAndKeepsMarksWhileTheWordIsCorrected)
{
    Harness h;
    h.Type("rzeka");
    EXPECT_EQ(h.Get<QLineEdit>("split")->text(), "rz-e-k-a");
    const QString noMark = h.Offer();
    EXPECT_FALSE(h.CanSave());
    EXPECT_FALSE(noMark.isEmpty());
    EXPECT_FALSE(noMark.startsWith("Grupy"));
    h.Click("element0");
    EXPECT_FALSE(h.CanSave());
    EXPECT_TRUE(h.Offer().contains("rz")) << h.Offer().toStdString();
    EXPECT_NE(h.Offer(), noMark);

    // A new word in the same dialog: the marks stay on the letters that stay.
    h.Get<QLineEdit>("spelling")->clear();
    h.Type("latarka");
    h.Click("element4");
    EXPECT_EQ(h.Offer(), "Grupy: R · Pozycje: śródgłos");
    QTest::keyClick(h.Get<QLineEdit>("spelling"), Qt::Key_Backspace);
    h.Type("i");
    EXPECT_EQ(h.editor.Split(), "l,a,t,a,_r,k,i,");
    // The split corrected by hand: the spelling follows, the mark stays.
    auto* split = h.Get<QLineEdit>("split");
    split->end(false);
    QTest::keyClicks(split, "-ch");
    EXPECT_EQ(h.Get<QLineEdit>("spelling")->text(), "latarkich");
    EXPECT_EQ(h.editor.Split(), "l,a,t,a,_r,k,i,ch,");
    EXPECT_TRUE(h.CanSave());
}

TEST(WordEditor, ACancelledNewWordLeavesNoFileAndEscEndsARecordingFirst)
{
    Harness h;
    h.Type("lis");
    h.Click("element0");
    h.Click("fromFile");
    h.Click("record");
    h.port.Feed(Take(200, 400, 0));
    QTest::keyClick(&h.editor, Qt::Key_Escape);
    EXPECT_FALSE(h.port.capturing);
    EXPECT_TRUE(h.editor.isVisible());
    EXPECT_FALSE(h.Get<QLabel>("noRecording")->isVisibleTo(&h.editor));
    QTest::keyClick(&h.editor, Qt::Key_Escape);
    EXPECT_FALSE(h.editor.isVisible());
    EXPECT_EQ(h.editor.result(), QDialog::Rejected);
    EXPECT_TRUE(h.list.words.empty());
    EXPECT_FALSE(QDir(h.user.File(ownfiles::kFolder)).exists());
    EXPECT_TRUE(h.boxes.shown.empty());
}
