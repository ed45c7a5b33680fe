// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file's content safely (see safefile.h). Written with the system calls themselves: a
// buffered writer may report success for a file that a full disk cut short.
#include "safefile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// Writes `bytes` into the new file `name` open as `fd`, on to the disk, and closes it; a file that
// could not be written whole is removed.
bool FillAndClose(int fd, const QByteArray& bytes, const QByteArray& name)
{
    bool ok = WriteAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok)
        ::unlink(name.constData());
    return ok;
}

// A temporary file beside `target` holding `bytes`, already on the disk; its name in `temp`.
bool WriteTemporary(const QByteArray& target, const QByteArray& bytes, mode_t mode, QByteArray& temp)
{
    temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    ::fchmod(fd, mode);
    return FillAndClose(fd, bytes, temp);
}

void SyncFolder(const QByteArray& target)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

constexpr mode_t kNewFileMode = 0644;

}  // namespace

bool ReplaceFileContent(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = QFile::encodeName(path);
    // Keep the old file's permissions; a new file gets the usual ones.
    struct stat old {};
    const mode_t mode = ::stat(target.constData(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
    QByteArray temp;
    if (!WriteTemporary(target, bytes, mode, temp))
        return false;
    if (::rename(temp.constData(), target.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    SyncFolder(target);
    return true;
}

bool CreateFileWhole(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp;
    if (!WriteTemporary(target, bytes, kNewFileMode, temp))
        return false;
    // A hard link fails when the name is taken, so an existing file is never replaced.
    const int linked = ::link(temp.constData(), target.constData());
    const int why = errno;
    ::unlink(temp.constData());
    if (linked == 0) {
        SyncFolder(target);
        return true;
    }
    if (why == EEXIST)
        return false;
    // A disk without hard links (a FAT memory stick): the file is written in place, and removed
    // again if it could not be written whole.
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    return fd >= 0 && FillAndClose(fd, bytes, target);
}

void SyncFolderOf(const QString& path)
{
    SyncFolder(QFile::encodeName(path));
}
