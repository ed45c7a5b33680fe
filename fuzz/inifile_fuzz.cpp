// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file Data/data.ini as the program reads it at start and rewrites it when a game's
// settings change: any bytes read without harm, and one key written keeps every other value.
#include "fuzzsupport.h"

#include "platform/inifile.h"
#include "settings/_custgry.h"
#include "shell/settingsfile.h"

#include <QStringList>

namespace {

const QStringList kSections{"DaneProgramu", "Odglosy", "Labirynt", "Selector", "Hitmen", "Taipei"};
const QStringList kKeys{"Zakladka", "Gloski", "Poziom", "Pozycja"};

QStringList AllValues(const IniFile& ini)
{
    QStringList values;
    for (const QString& section : kSections)
        for (const QString& key : kKeys)
            values << ini.ReadString(section, key, QStringLiteral("<none>"));
    return values;
}

}  // namespace

FUZZ_TARGET(inifile)
{
    const ScratchFolder folder;
    const QString path = folder.Put(QStringLiteral("Data/data.ini"), FuzzBytes(data, size));

    ResetProgramSettings();
    FUZZ_CHECK(CheckSettingsFile(folder.Path()));
    FUZZ_CHECK(Zakladka >= 1 && Zakladka <= 5);

    // The menu saves a game's three settings one key at a time, each through a whole new file.
    const QStringList before = AllValues(IniFile(path));
    IniFile ini(path);
    FUZZ_CHECK(ini.WriteInteger(QStringLiteral("Selector"), QStringLiteral("Poziom"), 7));
    const IniFile after(path);
    FUZZ_CHECK(after.ReadInteger(QStringLiteral("selector"), QStringLiteral("POZIOM"), 0) == 7);
    QStringList expected = before;
    expected[kSections.indexOf("Selector") * kKeys.size() + kKeys.indexOf("Poziom")] = QStringLiteral("7");
    FUZZ_CHECK(AllValues(after) == expected);

    // The catalogue's code page reads the same bytes its own way.
    const IniFile catalogue(path, IniFile::Encoding::Windows1250);
    catalogue.ReadInteger(QStringLiteral("Nagranie0"), QStringLiteral("Data"), 0);
    ResetProgramSettings();
    return 0;
}
