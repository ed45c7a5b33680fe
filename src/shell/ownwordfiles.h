// SPDX-License-Identifier: GPL-3.0-or-later
// Where the therapist's own words keep their files: one folder per word in "Slowa" of the user
// folder (shared by every child), named by the word's id, never by its spelling. The games ask for
// an own word's files by the same Data paths as for a built-in word ("Data/Klc/own_1a2b3c4d_s.xji"),
// and WordFile sends them to that folder.
#pragma once

#include <QString>
#include <QStringList>

namespace ownfiles {

// The folder of all own words and their list, relative to the user folder.
inline constexpr char kFolder[] = "Slowa";
inline constexpr char kListFile[] = "Slowa/slowa.txt";

// An own word's id: "own_" and 8 lower-case hex digits. Built-in names are plain letters, so an
// id can never name a built-in word.
bool IsOwnWordId(const QString& name);

// The suffixes of an own word's pictures, as for a built-in word: the big word pictures of the
// small and the large mode ("_shs", "_shb", in Data/Bion) and the three tile sizes ("_ss", "_s",
// "_b", in Data/Klc). Each is the file id + suffix + ".xji" in the word's folder.
const QStringList& PictureSuffixes();

// "<userFolder>/Slowa/<id>"
QString WordFolder(const QString& userFolder, const QString& id);
// "<userFolder>/Slowa/<id>/<id><suffix>.xji"
QString PictureFile(const QString& userFolder, const QString& id, const QString& suffix);
// "<userFolder>/Slowa/<id>/<id>.pw": the word in the adult's voice.
QString RecordingFile(const QString& userFolder, const QString& id);

// True when every picture and the recording are there (files only: nothing is decoded).
bool HasAllPictures(const QString& userFolder, const QString& id);
bool HasRecording(const QString& userFolder, const QString& id);

}  // namespace ownfiles

// The file to open for a word's file of the Data tree: for an own word ("Data/Bion/own_…_shb.xji",
// "Data/Klc/own_…_s.xji", "Data/Smd/own_….pw") its file in the shared user folder
// (SharedUserFile), for any other path the path itself.
QString WordFile(const QString& dataPath);
