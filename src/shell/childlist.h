// SPDX-License-Identifier: GPL-3.0-or-later
// The children who use one copy of the program: each child's display name, the word picture that
// stands for the child, and the folder that holds the child's own settings, statistics and recordings.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

struct Child {
    int id = 0;       // stable: it names the child's folder, never the name
    QString name;     // for display only, any text
    QString picture;  // the word whose picture stands for the child ("lezak"); may be empty
};

struct ChildList {
    std::vector<Child> children;
    int nextId = 1;       // the id the next child gets unless it takes the user folder itself
    int lastViewed = -1;  // the child the results viewer showed last
    bool kiosk = false;   // the locked mode the adult's gate guards

    const Child* Find(int id) const;
    const Child* FindByName(const QString& name) const;
};

// The list's file in the user folder.
inline constexpr char kChildListFile[] = "dzieci.json";
// The folder of the first child is the user folder itself (id 0), so that a copy of today keeps its
// files where they are; every further child has "Dzieci/<id>" in it.
inline constexpr int kFirstChildId = 0;
QString ChildFolder(const QString& userFolder, int id);

// The list as the file's bytes say; false when they are not a list this program wrote (damaged).
bool ParseChildList(const QByteArray& bytes, ChildList& list);
QByteArray ChildListBytes(const ChildList& list);

enum class ChildListState { Missing, Read, Damaged };
// Reads the list of `userFolder`; a missing file is an empty list, a damaged one too (and the state
// says so, so that nothing is written over it).
ChildListState ReadChildList(const QString& userFolder, ChildList& list);
// Writes the whole list at once: a crash leaves the old list or the new one.
bool WriteChildList(const QString& userFolder, const ChildList& list);

// Why a name cannot be given to a child (Polish, for the dialog), or empty when it can. `exceptId`
// is the child being renamed.
QString NameProblem(const ChildList& list, const QString& name, int exceptId = -1);

// Adds a child and makes its folder, with a copy of the shipped settings from `dataFolder`; then
// writes the list. The first child takes the user folder, whose files are then the child's. False
// with `problem` set when nothing was added.
bool AddChild(const QString& userFolder, const QString& dataFolder, ChildList& list, const QString& name,
              const QString& picture, QString* problem, int* newId = nullptr);
bool RenameChild(const QString& userFolder, ChildList& list, int id, const QString& name, const QString& picture,
                 QString* problem);
// Takes the child off the list and moves the child's files to the desktop's trash (for the first
// child: its statistics and recordings; the user folder stays). When the trash cannot take them
// the list is put back and nothing is lost.
bool RemoveChild(const QString& userFolder, ChildList& list, int id, QString* problem);
