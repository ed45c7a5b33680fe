// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program reads its data and writes its files: a portable copy that can or cannot be
// written, an installed copy, and the per-user folder it then uses, with a temporary HOME.
#include "shell/programfolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

class ProgramFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        // Readable by the unprivileged user a read-only case runs as.
        QFile::setPermissions(root.path(), QFile::permissions(root.path()) | QFile::ReadOther | QFile::ExeOther);
        savedHome = qgetenv("HOME");
        savedXdg = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", Path("home").toUtf8());
        qputenv("XDG_DATA_HOME", Path("xdg").toUtf8());
    }
    void TearDown() override
    {
        qputenv("HOME", savedHome);
        savedXdg.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", savedXdg);
        QFile::setPermissions(Path("app"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Path(const QString& relative) const { return root.filePath(relative); }
    void MakeFolder(const QString& relative) const { ASSERT_TRUE(QDir().mkpath(Path(relative))); }
    void WriteFile(const QString& relative, const QByteArray& bytes) const
    {
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadFile(const QString& relative) const
    {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir root;
    QByteArray savedHome, savedXdg;
};

// The folders of `executableFolder` as an unprivileged user sees them: root writes anywhere, so
// there the rule runs in a child process that has given root up.
ProgramFolders LocateAsUser(const QString& executableFolder)
{
    if (geteuid() != 0)
        return LocateProgramFolders(executableFolder);
    int link[2];
    if (pipe(link) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(link[0]);
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(1);
        const ProgramFolders f = LocateProgramFolders(executableFolder);
        const QByteArray answer = (f.data + '\n' + f.user).toUtf8();
        _exit(write(link[1], answer.constData(), size_t(answer.size())) == answer.size() ? 0 : 1);
    }
    close(link[1]);
    QByteArray answer;
    char buffer[4096];
    for (ssize_t n; (n = read(link[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, n);
    close(link[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const QList<QByteArray> lines = answer.split('\n');
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || lines.size() != 2)
        return {};
    return {QString::fromUtf8(lines[0]), QString::fromUtf8(lines[1])};
}

}  // namespace

TEST_F(ProgramFoldersTest, FollowTheCopysLayoutAndWhetherItsFolderCanBeWritten)
{
    struct Case {
        const char* name;
        const char* executable;  // the executable's folder
        QStringList folders;     // made before the rule runs
        bool readOnly;
        const char* data;
        const char* user;        // "" for the per-user folder
    };
    const Case cases[] = {
        {"portable, writable", "app", {"app/Data"}, false, "app", "app"},
        {"portable, read-only", "app", {"app/Data"}, true, "app", ""},
        {"installed", "usr/bin", {"usr/share/brimbola/Data"}, false, "usr/share/brimbola", ""},
        {"installed, Data also beside: portable", "usr/bin", {"usr/bin/Data", "usr/share/brimbola/Data"}, false,
         "usr/bin", "usr/bin"},
        {"no Data anywhere: portable, so the missing pictures are reported", "app", {"app"}, false, "app", "app"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(Path("app")).removeRecursively();
        QDir(Path("usr")).removeRecursively();
        for (const QString& folder : c.folders)
            MakeFolder(folder);
        const QString executable = Path(c.executable);
        if (c.readOnly) {
            ASSERT_TRUE(QFile::setPermissions(executable, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                              QFile::ExeOther));
        }
        const ProgramFolders found = c.readOnly ? LocateAsUser(executable) : LocateProgramFolders(executable);
        EXPECT_EQ(found.data.toStdString(), Path(c.data).toStdString());
        EXPECT_EQ(found.user.toStdString(), (*c.user ? Path(c.user) : Path("xdg/brimbola")).toStdString());
        QFile::setPermissions(executable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST_F(ProgramFoldersTest, PerUserFolderFollowsXdgDataHomeElseHome)
{
    EXPECT_EQ(PerUserFolder(), Path("xdg/brimbola"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(PerUserFolder(), Path("home/.local/share/brimbola"));
}

TEST_F(ProgramFoldersTest, AUserFolderGetsTheShippedSettingsOnceAndCanWriteThem)
{
    MakeFolder("usr/share/brimbola/Data");
    WriteFile("usr/share/brimbola/Data/data.ini", "[DaneProgramu]\r\nZakladka=3\r\n");
    QFile::setPermissions(Path("usr/share/brimbola/Data/data.ini"), QFile::ReadOwner | QFile::ReadOther);
    const ProgramFolders installed{Path("usr/share/brimbola"), Path("xdg/brimbola")};

    PrepareUserFolder(installed);
    EXPECT_EQ(ReadFile("xdg/brimbola/Data/data.ini"), "[DaneProgramu]\r\nZakladka=3\r\n");
    EXPECT_TRUE(QFile::permissions(Path("xdg/brimbola/Data/data.ini")) & QFile::WriteOwner);

    // The user's own settings are never replaced by the shipped ones.
    WriteFile("xdg/brimbola/Data/data.ini", "[DaneProgramu]\r\nZakladka=5\r\n");
    PrepareUserFolder(installed);
    EXPECT_EQ(ReadFile("xdg/brimbola/Data/data.ini"), "[DaneProgramu]\r\nZakladka=5\r\n");

    // A portable copy keeps everything where it is and makes nothing.
    PrepareUserFolder({Path("usr/share/brimbola"), Path("usr/share/brimbola")});
    EXPECT_EQ(QDir(Path("usr/share/brimbola/Data")).entryList(QDir::Files), QStringList{"data.ini"});
}
