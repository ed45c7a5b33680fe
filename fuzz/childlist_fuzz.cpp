// SPDX-License-Identifier: GPL-3.0-or-later
// The list of children dzieci.json as the games and the results viewer read it: a damaged or crafted
// list is refused whole and left as it is, and a list that is read names only folders inside the
// user folder, each child's own, and writes back to itself.
#include "fuzzsupport.h"

#include "shell/childlist.h"

#include <QRegularExpression>
#include <QSet>

FUZZ_TARGET(childlist)
{
    const ScratchFolder folder;
    const QByteArray bytes = FuzzBytes(data, size);
    const QString path = folder.Put(QString::fromLatin1(kChildListFile), bytes);
    ChildList list;
    const ChildListState state = ReadChildList(folder.Path(), list);
    FUZZ_CHECK(ReadAll(path) == bytes);
    if (state != ChildListState::Read) {
        FUZZ_CHECK(list.children.empty());
        return 0;
    }
    static const QRegularExpression kOwnFolder(QStringLiteral("^/Dzieci/[1-9][0-9]*$"));
    QSet<QString> folders;
    for (const Child& c : list.children) {
        const QString own = ChildFolder(folder.Path(), c.id);
        FUZZ_CHECK(c.id == kFirstChildId ? own == folder.Path() : kOwnFolder.match(own.mid(folder.Path().size())).hasMatch());
        FUZZ_CHECK(!folders.contains(own));
        folders.insert(own);
        FUZZ_CHECK(!c.name.trimmed().isEmpty());
        FUZZ_CHECK(list.FindByName(c.name) == &c);
        FUZZ_CHECK(c.id < list.nextId);
    }
    ChildList again;
    FUZZ_CHECK(ParseChildList(ChildListBytes(list), again));
    FUZZ_CHECK(ChildListBytes(again) == ChildListBytes(list));
    return 0;
}
