// SPDX-License-Identifier: GPL-3.0-or-later
// The recordings catalogue file: made when missing, read and written in Windows-1250, short or
// damaged catalogues, file names it refuses to follow, and folders it cannot write to.
#include "gfx/_ccheckbut.h"
#include "platform/picturestore.h"
#include "platform/services.h"
#include "platform/textcodec.h"
#include "platform/timeservice.h"
#include "recorder/_cnagdata.h"
#include "support/fakes.h"
#include "support/programfolder.h"

#include <QDir>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A catalogue of the slots 0 to count - 1, each with its own file and no name, in the program's form.
QByteArray Sections(int count)
{
    QByteArray text;
    for (int s = 0; s < count; ++s)
        text += "[Nagranie" + QByteArray::number(s) + "]\r\nPlik=\r\nNazwa=\r\nData=01.01.1990\r\n";
    return text;
}

// Types `text` into `box` key by key, as a keyboard with Polish letters would.
void Type(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

class Catalogue : public ::testing::Test {
protected:
    // The rows' check buttons take their pictures from the generated ones.
    void SetUp() override { ResetSharedPictureStore(assets.File("Data/Res")); }
    void TearDown() override { ResetSharedPictureStore(); }
    QString Folder() const { return dir.filePath("Nagrane"); }
    QString CatalogueFile() const { return dir.filePath("Nagrane/record.xtr"); }
    QDate Today() { return services.time.UtcNow().toLocalTime().date(); }
    // The rows on a bare window, so names can be typed as on the menu.
    void BuildRows(CNagData& list)
    {
        canvas = QImage(1024, 768, QImage::Format_RGB32);
        list.BuildRows(&owner, &canvas, {});
    }

    ProgramFolder assets{ProgramFolder::Assets::Generated};
    TestServices services;
    QTemporaryDir dir;
    QWidget owner;
    QImage canvas;
};

}  // namespace

TEST_F(Catalogue, AMissingFolderAndCatalogueAreMadeWithThirtyEmptySlots)
{
    ASSERT_FALSE(QDir(Folder()).exists());
    CNagData list(Folder());
    EXPECT_TRUE(QDir(Folder()).exists());
    EXPECT_EQ(Bytes(CatalogueFile()), Sections(CNagData::kSlots));
    EXPECT_EQ(list.Top(), 0);
    for (int s = 0; s < CNagData::kSlots; ++s) {
        EXPECT_EQ(list.Slot(s).Index, s);
        EXPECT_TRUE(list.Slot(s).Nazwa.isEmpty());
        EXPECT_TRUE(list.Slot(s).Plik.isEmpty());
        EXPECT_EQ(list.Slot(s).Data, QDate(1990, 1, 1));
    }
    BuildRows(list);
    for (int r = 0; r < CNagData::kRows; ++r) {
        EXPECT_EQ(list.RowWidgets(r).number->text(), QString("%1.").arg(r + 1));
        EXPECT_TRUE(list.RowWidgets(r).name->text().isEmpty());
        EXPECT_TRUE(list.RowWidgets(r).date->text().isEmpty());
        EXPECT_FALSE(list.RowWidgets(r).name->isVisibleTo(&owner));  // rows start hidden
        EXPECT_TRUE(list.RowSoundPath(r).isEmpty());
    }
}

TEST_F(Catalogue, APolishNameGoesToTheFileInWindows1250AndComesBack)
{
    const QString name = QStringLiteral("Żółć Łęcka-Ślązak");
    {
        CNagData list(Folder());
        BuildRows(list);
        QLineEdit* box = list.RowWidgets(3).name;
        box->setText(name);
        EXPECT_EQ(list.RowName(3), name);
        ASSERT_TRUE(list.MarkRecorded(3));
        EXPECT_EQ(list.Slot(3).Plik, "Nagranie3");
        EXPECT_EQ(list.Slot(3).Data, Today());
        EXPECT_EQ(list.RowWidgets(3).date->text(), Today().toString("dd.MM.yyyy"));
        EXPECT_EQ(list.RowSoundPath(3), QDir(Folder()).filePath("Nagranie3.wav"));
    }
    const QByteArray file = Bytes(CatalogueFile());
    // Ż ó ł ć Ł ę Ś ą as the code page has them: no UTF-8 in the file.
    EXPECT_TRUE(file.contains("[Nagranie3]\r\nPlik=Nagranie3\r\nNazwa=\xAF\xF3\xB3\xE6 \xA3\xEA\x63ka-\x8Cl\xB9zak\r\nData=" +
                              Today().toString("dd.MM.yyyy").toLatin1() + "\r\n"))
        << file.constData();
    EXPECT_FALSE(file.contains("\xC5"));
    // The other slots are as they were.
    QByteArray others = file;
    others.replace(others.indexOf("[Nagranie3]"), others.indexOf("[Nagranie4]") - others.indexOf("[Nagranie3]"),
                   "[Nagranie3]\r\nPlik=\r\nNazwa=\r\nData=01.01.1990\r\n");
    EXPECT_EQ(others, Sections(CNagData::kSlots));

    CNagData again(Folder());
    EXPECT_EQ(again.Slot(3).Nazwa, name);
    EXPECT_EQ(again.Slot(3).Plik, "Nagranie3");
    EXPECT_EQ(again.Slot(3).Data, Today());
    EXPECT_TRUE(again.Slot(2).Nazwa.isEmpty());
}

TEST_F(Catalogue, ANameBoxTakesPolishLettersButNothingTheCodePageLacks)
{
    CNagData list(Folder());
    BuildRows(list);
    owner.show();
    list.ShowRows();
    QLineEdit* box = list.RowWidgets(0).name;
    box->setFocus();
    Type(box, QStringLiteral("Zoś"));
    Type(box, QStringLiteral("€"));  // in the code page
    Type(box, QStringLiteral("ж"));  // Cyrillic: not in it
    Type(box, QStringLiteral("ia"));
    EXPECT_EQ(box->text(), QStringLiteral("Zoś€ia"));
    EXPECT_EQ(box->maxLength(), CNagData::kNameMaxLength);
    Type(box, QString(CNagData::kNameMaxLength, 'x'));
    EXPECT_EQ(box->text().size(), CNagData::kNameMaxLength);
}

// A catalogue cut short, with a gap, or overwritten with other bytes gets the sections it lacks
// after all it holds, so every row can be recorded.
TEST_F(Catalogue, ADamagedCatalogueHealsKeepingEveryEntry)
{
    QByteArray gap = Sections(5);
    gap.replace("[Nagranie4]\r\nPlik=\r\nNazwa=", "[Nagranie4]\r\nPlik=Nagranie4\r\nNazwa=Ola");
    gap += "[Nagranie6]\r\nPlik=Nagranie6\r\nNazwa=Po dziurze\r\nData=03.04.2020\r\n";
    QByteArray noise;
    for (int i = 0; i < 300; ++i)
        noise += char((i * 151 + 7) % 256);
    const struct {
        const char* name;
        QByteArray before;
        QByteArray added;  // the empty sections expected after the old bytes
    } cases[] = {
        {"gap", gap, Sections(CNagData::kSlots).mid(Sections(5).size()).replace(
                          "[Nagranie6]\r\nPlik=\r\nNazwa=\r\nData=01.01.1990\r\n", "")},
        {"noise", noise, "\r\n" + Sections(CNagData::kSlots)},
    };
    for (const auto& c : cases) {
        WriteBytes(CatalogueFile(), c.before);
        CNagData list(Folder());
        EXPECT_EQ(Bytes(CatalogueFile()), c.before + c.added) << c.name;
        if (c.before == gap) {
            EXPECT_EQ(list.Slot(4).Nazwa, "Ola");
            EXPECT_EQ(list.Slot(6).Nazwa, "Po dziurze");
            EXPECT_EQ(list.Slot(6).Data, QDate(2020, 4, 3));
        }
        BuildRows(list);
        for (int page = 0; page < 2; ++page) {  // the first eight slots, then the last eight
            for (int row = 0; row < CNagData::kRows; ++row) {
                list.RowWidgets(row).name->setText("Ala");
                list.RowName(row);
                EXPECT_TRUE(list.MarkRecorded(row)) << c.name << " slot " << list.Top() + row;
            }
            while (list.ScrollDown()) {
            }
        }
        EXPECT_EQ(CNagData(Folder()).Slot(29).Plik, "Nagranie29") << c.name;
    }
}

TEST_F(Catalogue, AFileNameOtherThanTheSlotsOwnIsTakenAsNone)
{
    QByteArray text = Sections(CNagData::kSlots);
    text.replace("[Nagranie1]\r\nPlik=", "[Nagranie1]\r\nPlik=Nagranie1");
    text.replace("[Nagranie2]\r\nPlik=", "[Nagranie2]\r\nPlik=../../home/notes");
    text.replace("[Nagranie3]\r\nPlik=", "[Nagranie3]\r\nPlik=Nagranie5");
    text.replace("[Nagranie4]\r\nPlik=", "[Nagranie4]\r\nPlik=/etc/passwd");
    text.replace("[Nagranie5]\r\nPlik=", "[Nagranie5]\r\nPlik=Nagranie5.wav");
    text.replace("[Nagranie6]\r\nPlik=", "[Nagranie6]\r\nPlik=Nagranie66");
    WriteBytes(CatalogueFile(), text);
    CNagData list(Folder());
    EXPECT_EQ(list.Slot(1).Plik, "Nagranie1");
    for (int s = 2; s <= 6; ++s)
        EXPECT_TRUE(list.Slot(s).Plik.isEmpty()) << s;
    BuildRows(list);
    EXPECT_EQ(list.RowSoundPath(1), QDir(Folder()).filePath("Nagranie1.wav"));
    for (int r = 2; r <= 6; ++r)
        EXPECT_TRUE(list.RowSoundPath(r).isEmpty()) << r;
}

TEST_F(Catalogue, DatesAreShownOnlyWhenReadableAndAfterTheFirstOfJanuary1990)
{
    QByteArray text = Sections(CNagData::kSlots);
    text.replace("[Nagranie0]\r\nPlik=\r\nNazwa=\r\nData=01.01.1990", "[Nagranie0]\r\nPlik=\r\nNazwa=\r\nData=02.01.1990");
    text.replace("[Nagranie1]\r\nPlik=\r\nNazwa=\r\nData=01.01.1990", "[Nagranie1]\r\nPlik=\r\nNazwa=\r\nData=31.02.2020");
    text.replace("[Nagranie2]\r\nPlik=\r\nNazwa=\r\nData=01.01.1990", "[Nagranie2]\r\nPlik=\r\nNazwa=\r\nData=15.06.1985");
    text.replace("[Nagranie3]\r\nPlik=\r\nNazwa=\r\nData=01.01.1990", "[Nagranie3]\r\nPlik=\r\nNazwa=\r\nData=wczoraj");
    text.replace("[Nagranie4]\r\nPlik=\r\nNazwa=\r\nData=01.01.1990", "[Nagranie4]\r\nPlik=\r\nNazwa=\r\nData=24.12.2025");
    WriteBytes(CatalogueFile(), text);
    CNagData list(Folder());
    BuildRows(list);
    const QStringList shown = {"02.01.1990", "", "", "", "24.12.2025", ""};
    for (int r = 0; r < shown.size(); ++r)
        EXPECT_EQ(list.RowWidgets(r).date->text(), shown[r]) << r;
    EXPECT_EQ(list.Slot(4).Data, QDate(2025, 12, 24));
    EXPECT_EQ(list.Slot(1).Data, QDate(1990, 1, 1));
}

TEST_F(Catalogue, AFolderThatCannotBeMadeLeavesEverySlotEmptyAndUnrecordable)
{
    // A file where the folder should be: the folder cannot be made, whoever runs the program.
    WriteBytes(Folder(), "not a folder");
    CNagData list(Folder());
    EXPECT_EQ(Bytes(Folder()), "not a folder");
    BuildRows(list);
    list.RowWidgets(0).name->setText("Ala");
    EXPECT_EQ(list.RowName(0), "Ala");
    EXPECT_FALSE(list.MarkRecorded(0));
    EXPECT_TRUE(list.RowSoundPath(0).isEmpty());
    EXPECT_EQ(Bytes(Folder()), "not a folder");
}

TEST_F(Catalogue, ACatalogueThatCannotBeReadOrReplacedIsLeftAlone)
{
    // A folder in the catalogue's place can be neither read as a file nor renamed over.
    ASSERT_TRUE(QDir().mkpath(CatalogueFile()));
    WriteBytes(CatalogueFile() + "/keep", "kept");
    CNagData list(Folder());
    BuildRows(list);
    list.RowWidgets(0).name->setText("Ala");
    list.RowName(0);
    EXPECT_FALSE(list.MarkRecorded(0));
    EXPECT_EQ(Bytes(CatalogueFile() + "/keep"), "kept");
    EXPECT_TRUE(list.Slot(0).Plik.isEmpty());
}

TEST_F(Catalogue, AReadOnlyCatalogueIsReadButNotChanged)
{
    WriteBytes(CatalogueFile(), Sections(CNagData::kSlots).replace("Nazwa=\r\n", "Nazwa=Jaś\r\n"));
    const QByteArray before = Bytes(CatalogueFile());
    QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(CatalogueFile(), QFile::ReadOwner);
    const bool refused = !QFile(QDir(Folder()).filePath("probe")).open(QIODevice::WriteOnly);
    if (!refused) {
        QFile::remove(QDir(Folder()).filePath("probe"));
        QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this user may write anywhere; the folder and file cases above cover it";
    }
    CNagData list(Folder());
    EXPECT_EQ(list.Slot(7).Nazwa, QString::fromUtf8("Jaś"));
    BuildRows(list);
    list.RowName(0);
    EXPECT_FALSE(list.MarkRecorded(0));
    EXPECT_TRUE(list.Slot(0).Plik.isEmpty());
    QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Bytes(CatalogueFile()), before);
}

TEST_F(Catalogue, ClickingARowSelectsItAndOnlyIt)
{
    CNagData list(Folder());
    BuildRows(list);
    owner.resize(1024, 768);
    owner.show();
    list.ShowRows();
    EXPECT_EQ(list.SelectedRow(), -1);
    auto clickCheck = [&](int r) { QTest::mouseClick(list.RowWidgets(r).check, Qt::LeftButton, {}, QPoint(5, 5)); };
    clickCheck(2);
    EXPECT_EQ(list.SelectedRow(), 2);
    QTest::mouseClick(list.RowWidgets(5).name, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(list.SelectedRow(), 5);
    EXPECT_FALSE(list.RowWidgets(2).check->IsChecked());
    clickCheck(5);  // a second click takes the selection away
    EXPECT_EQ(list.SelectedRow(), -1);
    clickCheck(1);
    list.RowWidgets(6).check->SetChecked(true);  // two checked: the upper one counts
    EXPECT_EQ(list.SelectedRow(), 1);
    clickCheck(7);
    EXPECT_EQ(list.SelectedRow(), 7);
    EXPECT_FALSE(list.RowWidgets(6).check->IsChecked());
    EXPECT_FALSE(list.RowWidgets(1).check->IsChecked());
    list.ShowRows();  // showing the rows again clears the selection
    EXPECT_EQ(list.SelectedRow(), -1);
}
