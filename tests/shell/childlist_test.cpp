// SPDX-License-Identifier: GPL-3.0-or-later
// The list of children and where each child's files live: the first child keeps the user folder's
// own files, further children get folders named by id, names are display text only, and removing a
// child moves the files to the trash.
#include "shell/childlist.h"
#include "support/privatetrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ChildListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(user);
        QDir().mkpath(data + "/Data");
        Write(data + "/Data/data.ini", "[Odglosy]\r\nPoziom=2\r\n");
        // Today's files of a copy used before there were children.
        Write(user + "/prgst4.stt", "today's statistics");
        QDir().mkpath(user + "/Nagrane");
        QDir().mkpath(user + "/Glos");
    }
    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir root;
    const QString user = root.filePath("user"), data = root.filePath("app");
    PrivateTrash privateTrash{root.path()};
};

TEST_F(ChildListTest, TheFirstChildKeepsTodaysFilesAndFurtherChildrenGetFoldersByIdOnly)
{
    ChildList list;
    EXPECT_EQ(ReadChildList(user, list), ChildListState::Missing);
    QString problem;
    int id = -1;
    ASSERT_TRUE(AddChild(user, data, list, QStringLiteral("  Zosia  "), QStringLiteral("las"), &problem, &id)) << problem.toStdString();
    EXPECT_EQ(id, kFirstChildId);
    EXPECT_EQ(ChildFolder(user, id), user);
    EXPECT_EQ(Read(user + "/prgst4.stt"), "today's statistics");
    EXPECT_FALSE(QFileInfo::exists(user + "/Dzieci"));

    // Any text is a name; none of it reaches a path.
    const QString odd = QStringLiteral("../Ła/.. ź");
    ASSERT_TRUE(AddChild(user, data, list, odd, QStringLiteral("basen"), &problem, &id));
    EXPECT_EQ(ChildFolder(user, id), user + "/Dzieci/1");
    EXPECT_TRUE(QFileInfo(user + "/Dzieci/1").isDir());
    EXPECT_EQ(Read(user + "/Dzieci/1/Data/data.ini"), "[Odglosy]\r\nPoziom=2\r\n") << "the shipped settings";
    EXPECT_EQ(QDir(user + "/Dzieci").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"1"});

    // Empty, blank or repeated names are refused, a renamed child keeps its folder.
    for (const QString& bad : {QString(), QStringLiteral("   "), QStringLiteral("zosia"), QStringLiteral(" ZOSIA ")}) {
        EXPECT_FALSE(AddChild(user, data, list, bad, QString(), &problem)) << bad.toStdString();
        EXPECT_FALSE(problem.isEmpty());
    }
    EXPECT_FALSE(RenameChild(user, list, 1, QStringLiteral("Zosia"), QString(), &problem));
    ASSERT_TRUE(RenameChild(user, list, 1, QStringLiteral("Staś"), QStringLiteral("las"), &problem));
    EXPECT_TRUE(RenameChild(user, list, 1, QStringLiteral("staś"), QStringLiteral("las"), &problem)) << "its own name";

    ChildList again;
    ASSERT_EQ(ReadChildList(user, again), ChildListState::Read);
    ASSERT_EQ(again.children.size(), 2u);
    EXPECT_EQ(again.children[0].name, "Zosia");
    EXPECT_EQ(again.children[1].name, QStringLiteral("staś"));
    EXPECT_EQ(ChildFolder(user, again.children[1].id), user + "/Dzieci/1");
}

TEST_F(ChildListTest, RemovingAChildMovesItsFilesToTheTrashAndLeavesTheSharedOnes)
{
    ChildList list;
    QString problem;
    ASSERT_TRUE(AddChild(user, data, list, QStringLiteral("Ala"), QString(), &problem));
    ASSERT_TRUE(AddChild(user, data, list, QStringLiteral("Ola"), QString(), &problem));
    Write(user + "/Dzieci/1/prgst4.stt", "Ola's");

    ASSERT_TRUE(RemoveChild(user, list, 1, &problem)) << problem.toStdString();
    EXPECT_FALSE(QFileInfo::exists(user + "/Dzieci/1"));
    const QString trash = privateTrash.Files();
    EXPECT_EQ(Read(trash + "/1/prgst4.stt"), "Ola's");

    ASSERT_TRUE(RemoveChild(user, list, kFirstChildId, &problem)) << problem.toStdString();
    EXPECT_FALSE(QFileInfo::exists(user + "/prgst4.stt"));
    EXPECT_EQ(Read(trash + "/prgst4.stt"), "today's statistics");
    EXPECT_TRUE(QFileInfo(user + "/Glos").isDir()) << "the adult's voice is every child's";

    ChildList again;
    ASSERT_EQ(ReadChildList(user, again), ChildListState::Read);
    EXPECT_TRUE(again.children.empty());
    // A new child takes the emptied user folder again; ids of removed children are not given again.
    ASSERT_TRUE(AddChild(user, data, again, QStringLiteral("Ewa"), QString(), &problem));
    ASSERT_TRUE(AddChild(user, data, again, QStringLiteral("Iza"), QString(), &problem));
    EXPECT_EQ(again.children[0].id, kFirstChildId);
    EXPECT_EQ(again.children[1].id, 2);
}

TEST_F(ChildListTest, AListThisProgramDidNotWriteIsDamagedAndNotWrittenOver)
{
    ChildList list;
    list.children = {{0, QStringLiteral("Ala"), QStringLiteral("las")}, {3, QStringLiteral("Ola"), QString()}};
    list.nextId = 4;
    const QByteArray good = ChildListBytes(list);
    ChildList parsed;
    ASSERT_TRUE(ParseChildList(good, parsed));
    EXPECT_EQ(ChildListBytes(parsed), good);

    const QList<QByteArray> damaged = {
        good.left(good.size() / 2),
        QByteArray(good).replace("\"id\": 3", "\"id\": 0"),          // two children, one folder
        QByteArray(good).replace("\"Ola\"", "\"ala\""),              // a name twice
        QByteArray(good).replace("\"las\"", "\"../las\""),           // a picture outside the word list
        QByteArray(good).replace("\"nastepny\": 4", "\"nastepny\": 3"),  // the next child into a used folder
        QByteArray(good).replace("\"Ola\"", "\"  \""),
    };
    for (const QByteArray& bytes : damaged) {
        ASSERT_NE(bytes, good);
        EXPECT_FALSE(ParseChildList(bytes, parsed)) << bytes.toStdString();
    }
    Write(user + "/" + kChildListFile, damaged[0]);
    EXPECT_EQ(ReadChildList(user, parsed), ChildListState::Damaged);
    EXPECT_TRUE(parsed.children.empty());
}

}  // namespace
