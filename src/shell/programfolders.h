// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program reads its Data tree and where it keeps what it writes (statistics, recordings,
// settings): beside the executable for a portable copy that can be written, else a per-user folder.
// The games and the therapist's program share this rule, so both find the same statistics file.
#pragma once

#include <QString>

struct ProgramFolders {
    QString data;  // holds Data/ (read-only in an installed copy); the working folder while running
    QString user;  // holds prgst4.stt, Nagrane/ and Data/data.ini

    bool operator==(const ProgramFolders&) const = default;
};

// The folders of a program started from `executableFolder`:
// - Data/ beside the executable (a portable copy, the build's app/): the data are there, and so are
//   the user's files when that folder can be written; when it cannot, they go to PerUserFolder().
// - no Data/ beside it but <prefix>/share/brimbola/Data (an installed copy, the executable in
//   <prefix>/bin): the data from there, the user's files in PerUserFolder().
ProgramFolders LocateProgramFolders(const QString& executableFolder);

// "brimbola" in the user's XDG data folder: $XDG_DATA_HOME/brimbola, else ~/.local/share/brimbola.
QString PerUserFolder();

// A per-user folder gets its Data/ and, on first start, a copy of the shipped data.ini that the
// user can write. Nothing to do when the user's files live beside the data. A folder that cannot be
// made shows later as the statistics file that cannot be created.
void PrepareUserFolder(const ProgramFolders& folders);

// A file or folder of the running program's user folder ("prgst4.stt", "Nagrane", "Data/data.ini").
// Until start-up names the folder, the name itself: relative to the working folder, as before.
// With several children, the chosen child's folder (see childlist.h).
QString UserFile(const QString& relative);
// What all children share, the adult's own voice (Glos/): always in the user folder itself.
QString SharedUserFile(const QString& relative);
// Names the user folder, which is also the first child's folder.
void SetUserFolder(const QString& folder);
// Names the folder of the child who plays now; the shared files stay in the user folder.
void SetChildFolder(const QString& folder);
