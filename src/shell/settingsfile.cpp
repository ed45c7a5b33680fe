// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the settings file at start (see settingsfile.h).
#include "settingsfile.h"

#include "settings/_custgry.h"
#include "shell/Cdisplay.h"
#include "platform/inifile.h"

#include <QFile>
#include <QFileInfo>

qint16 Zakladka = 1;

namespace {
constexpr qint16 kFirstTab = 1, kRecordingsTab = 6;
}

QString SettingsFilePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("/Data/data.ini");
}

bool CheckSettingsFile(const QString& programFolder)
{
    const QString path = SettingsFilePath(programFolder);
    if (!QFileInfo::exists(path))
        return true;
    const IniFile ini(path);
    if (!ini.Exists())
        return false;  // there, but not readable
    Zakladka = static_cast<qint16>(ini.ReadInteger(QStringLiteral("DaneProgramu"), QStringLiteral("Zakladka"), Zakladka));
    // The recordings tab is never where the program opens; nor a tab that does not exist.
    if (Zakladka == kRecordingsTab || Zakladka < kFirstTab || Zakladka > kRecordingsTab)
        Zakladka = kFirstTab;
    for (CUstGry* game : {&UstOdglosy, &UstLabirynt, &UstSelector, &UstHitmen, &UstTaipei})
        game->Load(ini);
    return true;
}

double ParseScaleSetting(const QString& text)
{
    bool number = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&number);
    // Written so that NaN fails too.
    if (!number || !(value >= kMinScale && value <= kMaxScale))
        return kAutoScale;
    return value;
}

double ReadScaleSetting(const QString& programFolder)
{
    const IniFile ini(SettingsFilePath(programFolder));
    return ParseScaleSetting(ini.ReadString(QStringLiteral("DaneProgramu"), QStringLiteral("Skala"), QString()));
}

void ResetProgramSettings()
{
    Zakladka = kFirstTab;
    for (CUstGry* game : {&UstOdglosy, &UstSelector, &UstTaipei, &UstHitmen, &UstLabirynt})
        game->Reset();
}
