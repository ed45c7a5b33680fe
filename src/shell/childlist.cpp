// SPDX-License-Identifier: GPL-3.0-or-later
// The children of one copy of the program (see childlist.h).
#include "childlist.h"

#include "platform/safefile.h"
#include "shell/programfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

namespace {
constexpr int kFormat = 1;
constexpr int kLargestId = 1000000;
constexpr char kChildrenFolder[] = "Dzieci";
// What a child's folder holds besides its settings; the first child's are in the user folder.
const char* const kChildFiles[] = {"prgst4.stt", "Nagrane"};

bool IsWhole(const QJsonValue& value, int low, int high)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    return d >= low && d <= high && d == double(int(d));
}

QString ListPath(const QString& userFolder)
{
    return userFolder + QLatin1Char('/') + QString::fromLatin1(kChildListFile);
}

QString Cleaned(const QString& name)
{
    return name.simplified();
}
}  // namespace

const Child* ChildList::Find(int id) const
{
    for (const Child& c : children)
        if (c.id == id)
            return &c;
    return nullptr;
}

const Child* ChildList::FindByName(const QString& name) const
{
    for (const Child& c : children)
        if (c.name.compare(Cleaned(name), Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QString ChildFolder(const QString& userFolder, int id)
{
    if (id == kFirstChildId)
        return userFolder;
    return userFolder + QLatin1Char('/') + QString::fromLatin1(kChildrenFolder) + QLatin1Char('/') + QString::number(id);
}

bool ParseChildList(const QByteArray& bytes, ChildList& list)
{
    static const QRegularExpression kPicture(QStringLiteral("^[a-z]{0,64}$"));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject top = doc.object();
    if (!IsWhole(top.value(QStringLiteral("format")), kFormat, kFormat) || !top.value(QStringLiteral("dzieci")).isArray())
        return false;
    ChildList read;
    QSet<int> ids;
    for (const QJsonValue& entry : top.value(QStringLiteral("dzieci")).toArray()) {
        const QJsonObject o = entry.toObject();
        const QJsonValue id = o.value(QStringLiteral("id")), name = o.value(QStringLiteral("imie")),
                         picture = o.value(QStringLiteral("obrazek"));
        if (!entry.isObject() || !IsWhole(id, 0, kLargestId) || !name.isString() || !picture.isString())
            return false;
        Child child{id.toInt(), name.toString(), picture.toString()};
        // A name the dialog would refuse, a repeated id or a picture that is no word's: not our file.
        if (!kPicture.match(child.picture).hasMatch() || !NameProblem(read, child.name).isEmpty() ||
            child.name != Cleaned(child.name) || ids.contains(child.id))
            return false;
        ids.insert(child.id);
        read.children.push_back(child);
    }
    const QJsonValue next = top.value(QStringLiteral("nastepny")), last = top.value(QStringLiteral("ostatnio")),
                     kiosk = top.value(QStringLiteral("kiosk"));
    if (!IsWhole(next, 1, kLargestId + 1) || !IsWhole(last, -1, kLargestId) || !kiosk.isBool())
        return false;
    read.nextId = next.toInt();
    for (int id : ids)
        if (id >= read.nextId)
            return false;
    read.lastViewed = last.toInt();
    read.kiosk = kiosk.toBool();
    list = std::move(read);
    return true;
}

QByteArray ChildListBytes(const ChildList& list)
{
    QJsonArray children;
    for (const Child& c : list.children)
        children.append(QJsonObject{{QStringLiteral("id"), c.id},
                                    {QStringLiteral("imie"), c.name},
                                    {QStringLiteral("obrazek"), c.picture}});
    const QJsonObject top{{QStringLiteral("format"), kFormat},
                          {QStringLiteral("dzieci"), children},
                          {QStringLiteral("nastepny"), list.nextId},
                          {QStringLiteral("ostatnio"), list.lastViewed},
                          {QStringLiteral("kiosk"), list.kiosk}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

ChildListState ReadChildList(const QString& userFolder, ChildList& list)
{
    list = ChildList();
    QFile file(ListPath(userFolder));
    if (!file.exists())
        return ChildListState::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ChildListState::Damaged;
    ChildList read;
    if (!ParseChildList(file.readAll(), read))
        return ChildListState::Damaged;
    list = std::move(read);
    return ChildListState::Read;
}

bool WriteChildList(const QString& userFolder, const ChildList& list)
{
    return ReplaceFileContent(ListPath(userFolder), ChildListBytes(list));
}

QString NameProblem(const ChildList& list, const QString& name, int exceptId)
{
    const QString cleaned = Cleaned(name);
    if (cleaned.isEmpty())
        return QStringLiteral("Proszę wpisać imię dziecka.");
    const Child* same = list.FindByName(cleaned);
    if (same && same->id != exceptId)
        return QStringLiteral("Dziecko o imieniu „%1” już jest na liście.").arg(same->name);
    return {};
}

bool AddChild(const QString& userFolder, const QString& dataFolder, ChildList& list, const QString& name,
              const QString& picture, QString* problem, int* newId)
{
    *problem = NameProblem(list, name);
    if (!problem->isEmpty())
        return false;
    ChildList changed = list;
    const int id = changed.Find(kFirstChildId) ? changed.nextId++ : kFirstChildId;
    const QString folder = ChildFolder(userFolder, id);
    // The folder first: a crash before the list is written leaves a folder no child uses yet.
    if (!QDir().mkpath(folder)) {
        *problem = QStringLiteral("Nie udało się utworzyć folderu „%1”.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    PrepareUserFolder(ProgramFolders{dataFolder, folder});
    changed.children.push_back(Child{id, Cleaned(name), picture});
    if (!WriteChildList(userFolder, changed)) {
        *problem = QStringLiteral("Nie udało się zapisać listy dzieci w folderze „%1”.").arg(QDir::toNativeSeparators(userFolder));
        return false;
    }
    list = std::move(changed);
    if (newId)
        *newId = id;
    return true;
}

bool RenameChild(const QString& userFolder, ChildList& list, int id, const QString& name, const QString& picture,
                 QString* problem)
{
    *problem = NameProblem(list, name, id);
    if (!problem->isEmpty())
        return false;
    ChildList changed = list;
    for (Child& c : changed.children)
        if (c.id == id) {
            c.name = Cleaned(name);
            c.picture = picture;
        }
    if (!WriteChildList(userFolder, changed)) {
        *problem = QStringLiteral("Nie udało się zapisać listy dzieci.");
        return false;
    }
    list = std::move(changed);
    return true;
}

bool RemoveChild(const QString& userFolder, ChildList& list, int id, QString* problem)
{
    const Child* child = list.Find(id);
    if (!child)
        return true;
    const QString name = child->name;
    ChildList changed = list;
    std::erase_if(changed.children, [id](const Child& c) { return c.id == id; });
    // The list first: a crash before the trash has the files leaves them in a folder no child uses.
    if (!WriteChildList(userFolder, changed)) {
        *problem = QStringLiteral("Nie udało się zapisać listy dzieci.");
        return false;
    }
    const QString folder = ChildFolder(userFolder, id);
    QStringList toTrash;
    if (id != kFirstChildId)
        toTrash << folder;
    else
        for (const char* file : kChildFiles)
            toTrash << folder + QLatin1Char('/') + QString::fromLatin1(file);
    // The desktop's trash lies in the user's data folder, which a fresh account may not have yet.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    for (const QString& path : toTrash) {
        if (!QFileInfo::exists(path) || QFile::moveToTrash(path))
            continue;
        WriteChildList(userFolder, list);
        *problem = QStringLiteral("Nie udało się przenieść plików dziecka „%1” do kosza; dziecko zostaje na liście.")
                       .arg(name);
        return false;
    }
    list = std::move(changed);
    return true;
}
