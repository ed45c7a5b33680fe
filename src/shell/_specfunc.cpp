// SPDX-License-Identifier: GPL-3.0-or-later
// Small services the whole program shares (see _specfunc.h).
#include "_specfunc.h"

#include "ownvoice.h"
#include "platform/imagefiles.h"
#include "platform/services.h"
#include "platform/timeservice.h"

#include <QFile>

namespace {
constexpr int kPauseAfterFeedbackMs = 500;
}

bool PlaySoundFile(const QString& path)
{
    // The adult's own recording of a sound, when there is a good one, is heard instead of it.
    const QString file = SpokenFile(path);
    if (!QFile::exists(file))
        return false;
    Sound().PlaySync(file);
    return true;
}

bool PlayWordSound(const QString& name)
{
    return PlaySoundFile("Data/Smd/" + name + ".pw");
}

QString RandomSoundPath(int kind, int n)
{
    QString prefix;
    if (kind == 0 || kind == 3)
        prefix = QStringLiteral("Data/Intf/Smd/g");
    else if (kind == 1)
        prefix = QStringLiteral("Data/Intf/Smd/b");
    return prefix + (n < 10 ? "0" : "") + QString::number(n) + ".pw";
}

bool PlayRandomSound(int kind)
{
    int n = 0;
    if (kind == 0)
        n = Random().Below(8);
    else if (kind == 1 || kind == 3)
        n = Random().Below(5);
    if (!PlaySoundFile(RandomSoundPath(kind, n)))
        return false;
    Time().Wait(kPauseAfterFeedbackMs);
    return true;
}

QString DurationText(int seconds)
{
    return QString::number(seconds / 60) + " min " + QString::number(seconds % 60) + " s";
}

QString SoundFileName(const QString& letter)
{
    static const std::pair<QString, QString> kForms[] = {
        {QStringLiteral("dż"), QStringLiteral("dzz")}, {QStringLiteral("dź"), QStringLiteral("dzzz")},
        {QStringLiteral("ż"), QStringLiteral("zz")},   {QStringLiteral("ź"), QStringLiteral("zzz")},
        {QStringLiteral("ó"), QStringLiteral("oo")},   {QStringLiteral("ł"), QStringLiteral("ll")},
        {QStringLiteral("ć"), QStringLiteral("cc")},   {QStringLiteral("ś"), QStringLiteral("ss")},
        {QStringLiteral("ń"), QStringLiteral("nn")},   {QStringLiteral("ę"), QStringLiteral("ee")},
        {QStringLiteral("ą"), QStringLiteral("aa")},
    };
    for (const auto& [polish, ascii] : kForms)
        if (letter == polish)
            return ascii;
    return letter;
}

void LoadBitmapFile(QImage& bitmap, const QString& path)
{
    bitmap = DecodeBmpFile(path);
}
