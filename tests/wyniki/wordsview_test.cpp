// SPDX-License-Identifier: GPL-3.0-or-later
// The "Słowa" view through real keys on a user folder with own words: the rows and their states, the
// search, switching words off and on written at once, an own word removed to the trash, and a
// damaged list reported and left as it is until the adult changes something.
#include "shell/ownwordfiles.h"
#include "support/fakeaudioport.h"
#include "support/fakes.h"
#include "support/privatetrash.h"
#include "support/programfolder.h"
#include "words/ownwords.h"
#include "wyniki/wordsview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

const QString kBurek = QStringLiteral("own_0000000a");     // complete
const QString kRozyczka = QStringLiteral("own_0000000b");  // without its recording
const QString kOff = QStringLiteral("lezak");              // a built-in word switched off

struct Row {
    QString word, groups, positions, state;
    bool inGames = false;
    QString heading;
};

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

class WordsViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(user);
        list.words = {{kBurek, QStringLiteral("b,u,_r,e,k,"), true},
                      {kRozyczka, QStringLiteral("_r,ó,ż,y,cz,k,a,"), true}};
        list.switchedOff = {kOff};
        ASSERT_TRUE(WriteOwnWords(user, list));
        for (const QString& id : {kBurek, kRozyczka})
            for (const QString& suffix : ownfiles::PictureSuffixes())
                Touch(ownfiles::PictureFile(user, id, suffix));
        Touch(ownfiles::RecordingFile(user, kBurek));
    }
    void Open()
    {
        auto port = std::make_unique<FakePort>();
        view = std::make_unique<WordsView>(user, data.Path(), std::move(port));
        view->resize(800, 600);
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    // The word rows the list shows now, by the name or id of each.
    std::map<QString, Row> Shown() const
    {
        std::map<QString, Row> rows;
        const QAbstractItemModel* m = view->Tree()->model();
        for (int s = 0; s < m->rowCount(); ++s) {
            const QModelIndex heading = m->index(s, 0);
            for (int r = 0; r < m->rowCount(heading); ++r) {
                const auto cell = [&](int column) { return m->index(r, column, heading); };
                rows[cell(0).data(Qt::UserRole).toString()] = {
                    cell(WordsView::kWordColumn).data().toString(),
                    cell(WordsView::kGroupsColumn).data().toString(),
                    cell(WordsView::kPositionsColumn).data().toString(),
                    cell(WordsView::kStateColumn).data().toString(),
                    cell(WordsView::kInGamesColumn).data(Qt::CheckStateRole).toInt() == Qt::Checked,
                    heading.data().toString()};
            }
        }
        return rows;
    }
    void Key(const QString& word, Qt::Key key)
    {
        ASSERT_TRUE(view->Select(word)) << word.toStdString();
        view->Tree()->setFocus();
        QTest::keyClick(view->Tree(), key);
    }
    OwnWordList Saved(OwnListState state = OwnListState::Read) const
    {
        OwnWordList saved;
        EXPECT_EQ(ReadOwnWords(user, saved), state);
        return saved;
    }

    QTemporaryDir root;
    const QString user = root.filePath("user");
    ProgramFolder data;
    OwnWordList list;
    RecordingMessageBoxes messages;
    std::unique_ptr<WordsView> view;
    PrivateTrash privateTrash{root.path()};
};

TEST_F(WordsViewTest, ShowsBuiltInAndOwnWordsFindsThemAndSwitchesThemOffAndOnAtOnce)
{
    Open();
    const std::map<QString, Row> rows = Shown();
    const int shipped = int(ShippedWords(WordKind::Practice).size());
    ASSERT_EQ(int(rows.size()), shipped + 2);
    const Row burek = rows.at(kBurek), rozyczka = rows.at(kRozyczka), off = rows.at(kOff);
    EXPECT_EQ(burek.word, QStringLiteral("burek (własne)"));
    EXPECT_EQ(burek.heading, "R");
    EXPECT_EQ(burek.groups, "R");
    EXPECT_EQ(burek.positions, QStringLiteral("śródgłos"));
    EXPECT_TRUE(burek.inGames);
    EXPECT_EQ(burek.state, "");
    EXPECT_EQ(rozyczka.word, QStringLiteral("różyczka (własne)"));
    EXPECT_EQ(rozyczka.state, QStringLiteral("brak nagrania — nie będzie losowane"));
    EXPECT_EQ(off.word, QStringLiteral("leżak"));
    EXPECT_EQ(off.heading, "L");
    EXPECT_FALSE(off.inGames);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(view->Problem()->isVisible());
    // Różyczka cannot be drawn without its recording, leżak is off.
    EXPECT_EQ(view->Count()->text(),
              QStringLiteral("Słowa w grach: %1 z %2 · własne: 2").arg(shipped - 1 + 1).arg(shipped + 2));
    // Only the pictures of the rows in sight were decoded.
    EXPECT_GT(view->DecodedPictures(), 0);
    EXPECT_LT(view->DecodedPictures(), 40);

    // Found by a part typed without its Polish marks, with its heading and nothing else.
    QTest::keyClicks(view->Search(), "ZYCZK");
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown().count(kRozyczka), 1u);
    view->Search()->clear();
    EXPECT_EQ(int(Shown().size()), shipped + 2);

    // Built-in words can be switched off and on, but neither changed nor removed.
    ASSERT_TRUE(view->Select(kOff));
    EXPECT_FALSE(view->findChild<QPushButton*>("change")->isEnabled());
    EXPECT_FALSE(view->findChild<QPushButton*>("remove")->isEnabled());
    Key(kOff, Qt::Key_Space);
    EXPECT_TRUE(Shown().at(kOff).inGames);
    EXPECT_TRUE(Saved().switchedOff.isEmpty());
    Key(kOff, Qt::Key_Space);
    EXPECT_FALSE(Shown().at(kOff).inGames);
    EXPECT_EQ(Saved().switchedOff, QStringList{kOff});
    Key(kOff, Qt::Key_Delete);
    EXPECT_EQ(Saved().words.size(), 2u);
    // An own word is switched off in its own line.
    Key(kBurek, Qt::Key_Space);
    ASSERT_NE(Saved().Find(kBurek), nullptr);
    EXPECT_FALSE(Saved().Find(kBurek)->on);
    EXPECT_EQ(view->Count()->text(),
              QStringLiteral("Słowa w grach: %1 z %2 · własne: 2").arg(shipped - 1).arg(shipped + 2));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WordsViewTest, RemovingAnOwnWordAsksAndMovesItsFilesToTheTrash)
{
    Open();
    QString asked;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->text();
            box->button(QMessageBox::Yes)->click();
        }
    });
    answer.start(5);
    Key(kBurek, Qt::Key_Delete);
    EXPECT_EQ(asked, QStringLiteral("Usunąć słowo „burek”? Jego obrazek i nagranie trafią do kosza."));
    EXPECT_FALSE(QFileInfo::exists(ownfiles::WordFolder(user, kBurek)));
    const QString trashed = privateTrash.Files() + "/" + kBurek;
    EXPECT_TRUE(QFileInfo::exists(trashed + "/" + kBurek + ".pw"));
    EXPECT_EQ(Saved().Find(kBurek), nullptr);
    EXPECT_NE(Saved().Find(kRozyczka), nullptr);
    EXPECT_EQ(Shown().count(kBurek), 0u);
    EXPECT_TRUE(view->Count()->text().endsWith(QStringLiteral("własne: 1")));
}

TEST_F(WordsViewTest, ADamagedListIsReportedOnceAndKeptUntilTheAdultChangesSomething)
{
    const QString file = QDir(user).filePath(ownfiles::kListFile);
    const QByteArray damaged = Bytes(file) + "\x01\x02 to nie jest wiersz listy\n";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(damaged);
    }
    Open();
    QCoreApplication::processEvents();  // the message comes once the view is on screen
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("nie można go odczytać")))
        << messages.shown[0].text.toStdString();
    EXPECT_TRUE(view->Problem()->isVisible());
    EXPECT_EQ(Shown().count(kBurek), 1u);
    view->hide();
    view->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Bytes(file), damaged);

    // A change writes what could be read, and the line that could not be read as it was.
    Key(kOff, Qt::Key_Space);
    EXPECT_NE(Bytes(file), damaged);
    EXPECT_TRUE(Bytes(file).contains("\x01\x02 to nie jest wiersz listy\n"));
    EXPECT_EQ(Saved(OwnListState::Damaged).words.size(), 2u);
    EXPECT_TRUE(Saved(OwnListState::Damaged).switchedOff.isEmpty());
}

}  // namespace
