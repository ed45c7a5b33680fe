// SPDX-License-Identifier: GPL-3.0-or-later
// The own word's dialog through real clicks and keys, with the sound hardware as a double: a new
// word typed, marked, given a photo and a recording and saved; a word changed; words and photos it
// must refuse; a cancelled dialog that leaves nothing behind; the dialog opened modally.
#include "platform/wavefile.h"
#include "shell/ownwordfiles.h"
#include "support/fakeaudioport.h"
#include "support/fakes.h"
#include "support/programfolder.h"
#include "voice/voicesignal.h"
#include "voice/voicetake.h"
#include "words/ownpicture.h"
#include "wyniki/cropper.h"
#include "wyniki/wordeditor.h"
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
#include <QTimer>
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
    explicit Harness(bool open = true)
    {
        user.WriteJpeg("zdjecie.jpg", Photo());
        if (open)
            Open({});
    }
    // The dialog of the word `id` of the list, or of a new word.
    void Open(const QString& id)
    {
        editor = std::make_unique<WordEditor>(nullptr, ProgramFolder::GeneratedData() + "/..", user.Path(), list,
                                              id, port);
        editor->choosePhotoFile = [this](QWidget*) { return user.File("zdjecie.jpg"); };
        editor->show();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }
    template <class T>
    T* Get(const char* name)
    {
        T* found = editor->findChild<T*>(name);
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
    bool Enabled(const char* name) { return Get<QPushButton>(name)->isEnabled(); }
    bool CanSave() { return Enabled("save"); }
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
    std::unique_ptr<WordEditor> editor;
};

}  // namespace

TEST(WordEditor, AddsAWordWithItsMarksItsCroppedPhotoAndItsRecording)
{
    Harness h;
    const QRect screen = h.editor->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(h.editor->frameGeometry())) << "the dialog fits on the screen";

    h.Type("Rower");
    EXPECT_EQ(h.Get<QLineEdit>("spelling")->text(), "rower");
    EXPECT_EQ(h.Get<QLineEdit>("split")->text(), "r-o-w-e-r");
    EXPECT_FALSE(h.CanSave());
    h.Click("element0");
    h.Click("element4");
    EXPECT_EQ(h.editor->Split(), "_r,o,w,e,_r,");
    EXPECT_EQ(h.Offer(), "Grupy: R · Pozycje: nagłos, wygłos");
    ASSERT_TRUE(h.CanSave());

    // Enter in the field saves nothing; without a picture the word is refused.
    QTest::keyClick(h.Get<QLineEdit>("spelling"), Qt::Key_Return);
    EXPECT_TRUE(h.editor->isVisible());
    h.Click("save");
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_TRUE(h.boxes.shown[0].text.contains("obrazek"));
    EXPECT_TRUE(h.editor->isVisible());
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
    EXPECT_TRUE(h.Get<QLabel>("noRecording")->isVisibleTo(h.editor.get()));
    const QByteArray take = Take(300, 500, 300);
    h.Record(take);
    EXPECT_FALSE(h.Get<QLabel>("noRecording")->isVisibleTo(h.editor.get()));
    h.Click("play");
    EXPECT_EQ(h.port.played, TrimAndNormalise(take));
    EXPECT_FALSE(QDir(h.user.File(ownfiles::kFolder)).exists());

    h.Click("save");
    EXPECT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.editor->result(), QDialog::Accepted);
    ASSERT_EQ(h.list.words.size(), 1u);
    const OwnWord& word = h.list.words[0];
    EXPECT_EQ(word.id, h.editor->Id());
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
    EXPECT_EQ(h.editor->Split(), "l,a,t,a,_r,k,i,");
    // The split corrected by hand: the spelling follows, the mark stays.
    auto* split = h.Get<QLineEdit>("split");
    split->end(false);
    QTest::keyClicks(split, "-ch");
    EXPECT_EQ(h.Get<QLineEdit>("spelling")->text(), "latarkich");
    EXPECT_EQ(h.editor->Split(), "l,a,t,a,_r,k,i,ch,");
    EXPECT_TRUE(h.CanSave());
}

TEST(WordEditor, ChangesAnOwnWordsMarksAndGivesItABuiltInPicture)
{
    Harness h(false);
    const QString id = QStringLiteral("own_0000abcd");
    QString problem;
    ASSERT_TRUE(ownpicture::SaveForms(h.user.Path(), id,
                                      ownpicture::MakeForms(Photo(), ownpicture::DefaultCrop(Photo().size())), &problem))
        << problem.toStdString();
    h.list.words.push_back({id, "_r,o,w,e,r,", false});
    ASSERT_TRUE(WriteOwnWords(h.user.Path(), h.list));
    h.Open(id);
    EXPECT_EQ(h.Get<QLineEdit>("spelling")->text(), "rower");
    EXPECT_EQ(h.editor->Split(), "_r,o,w,e,r,");
    EXPECT_EQ(h.Get<QStackedWidget>("pictureArea")->currentWidget(), h.Get<QLabel>("fixedPicture"));
    EXPECT_FALSE(h.Get<QLabel>("preview")->pixmap().isNull());
    EXPECT_TRUE(h.Get<QLabel>("noRecording")->isVisibleTo(h.editor.get()));
    EXPECT_FALSE(h.Enabled("play"));

    h.editor->chooseBuiltInPicture = [](QWidget*) { return QStringLiteral("las"); };
    h.Click("fromProgram");
    h.Click("element4");
    h.Click("save");
    EXPECT_TRUE(h.boxes.shown.empty());
    ASSERT_EQ(h.list.words.size(), 1u);
    EXPECT_EQ(h.list.words[0].split, "_r,o,w,e,_r,");
    EXPECT_FALSE(h.list.words[0].on) << "switching on and off is the list's business, not the dialog's";
    QFile copied(ownfiles::PictureFile(h.user.Path(), id, "_shb")), shipped(ProgramFolder::GeneratedData() + "/Bion/las_shb.xji");
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly) && shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), shipped.readAll());
}

TEST(WordEditor, RefusesABrokenPhotoAndKeepsTheDraggedFrameInsideThePhoto)
{
    Harness h;
    h.user.Write("zepsute.jpg", "\xFF\xD8 not really a picture");
    h.editor->choosePhotoFile = [&](QWidget*) { return h.user.File("zepsute.jpg"); };
    h.Click("fromFile");
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(h.Get<QStackedWidget>("pictureArea")->currentWidget(), h.Get<QLabel>("noPicture"));

    h.editor->choosePhotoFile = [&](QWidget*) { return h.user.File("zdjecie.jpg"); };
    h.Click("fromFile");
    auto* cropper = h.Get<Cropper>("cropper");
    cropper->Zoom(2);
    const QRectF zoomed = cropper->Crop();
    QWidget* canvas = h.Get<QWidget>("cropCanvas");
    const QPoint middle = canvas->rect().center();
    QTest::mousePress(canvas, Qt::LeftButton, {}, middle);
    QTest::mouseMove(canvas, middle + QPoint(20, 0));
    EXPECT_GT(cropper->Crop().left(), zoomed.left());
    EXPECT_EQ(cropper->Crop().size(), zoomed.size());
    // Dragged far beyond the photo's corner, the frame stops at it.
    QTest::mouseMove(canvas, middle + QPoint(-2000, -2000));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, middle + QPoint(-2000, -2000));
    EXPECT_EQ(cropper->Crop().topLeft(), QPointF(0, 0));
    EXPECT_EQ(cropper->Crop().size(), zoomed.size());
}

TEST(WordEditor, ACancelledNewWordLeavesNoFileAndEscEndsARecordingFirst)
{
    Harness h;
    h.Type("lis");
    h.Click("element0");
    h.Click("fromFile");
    h.Click("record");
    h.port.Feed(Take(200, 400, 0));
    QTest::keyClick(h.editor.get(), Qt::Key_Escape);
    EXPECT_FALSE(h.port.capturing);
    EXPECT_TRUE(h.editor->isVisible());
    EXPECT_FALSE(h.Get<QLabel>("noRecording")->isVisibleTo(h.editor.get()));
    QTest::keyClick(h.editor.get(), Qt::Key_Escape);
    EXPECT_FALSE(h.editor->isVisible());
    EXPECT_EQ(h.editor->result(), QDialog::Rejected);
    EXPECT_TRUE(h.list.words.empty());
    EXPECT_FALSE(QDir(h.user.File(ownfiles::kFolder)).exists());
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST(WordEditor, OpensModallyAndSaysSoWhenTheWordIsGone)
{
    RecordingMessageBoxes boxes;
    ProgramFolder user;
    OwnWordList list;
    FakePort port;
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        title = dialog->windowTitle();
        QTest::mouseClick(dialog->findChild<QPushButton*>("cancel"), Qt::LeftButton);
    });
    EXPECT_FALSE(EditOwnWord(nullptr, ProgramFolder::GeneratedData() + "/..", user.Path(), list, {}, port));
    EXPECT_EQ(title, QStringLiteral("Własne słowo"));
    EXPECT_TRUE(boxes.shown.empty());

    EXPECT_FALSE(EditOwnWord(nullptr, ProgramFolder::GeneratedData() + "/..", user.Path(), list, "own_12345678", port));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(list.words.empty());
}
