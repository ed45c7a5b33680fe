// SPDX-License-Identifier: GPL-3.0-or-later
// A home and a data folder of a test's own, so that what the program moves to the desktop's trash
// lands in the test's folder ("<root>/xdg/Trash/files") and never in the real one; put back after.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QtGlobal>

class PrivateTrash {
public:
    explicit PrivateTrash(const QString& root)
        : savedXdg_(qgetenv("XDG_DATA_HOME")), savedHome_(qgetenv("HOME")), files_(root + "/xdg/Trash/files")
    {
        // The trash of a home on the same disk as the files is the one in the data folder.
        qputenv("HOME", (root + "/home").toUtf8());
        qputenv("XDG_DATA_HOME", (root + "/xdg").toUtf8());
        QDir().mkpath(root + "/home");
        QDir().mkpath(root + "/xdg");
    }
    ~PrivateTrash()
    {
        savedXdg_.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", savedXdg_);
        qputenv("HOME", savedHome_);
    }
    PrivateTrash(const PrivateTrash&) = delete;
    PrivateTrash& operator=(const PrivateTrash&) = delete;

    // Where trashed files go.
    const QString& Files() const { return files_; }

private:
    QByteArray savedXdg_, savedHome_;
    QString files_;
};
