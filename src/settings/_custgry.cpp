// SPDX-License-Identifier: GPL-3.0-or-later
// The settings of one game (see _custgry.h).
#include "_custgry.h"

#include "platform/inifile.h"

CUstGry UstOdglosy(QStringLiteral("Odglosy"));
CUstGry UstSelector(QStringLiteral("Selector"));
CUstGry UstTaipei(QStringLiteral("Taipei"));
CUstGry UstHitmen(QStringLiteral("Hitmen"));
CUstGry UstLabirynt(QStringLiteral("Labirynt"));

CUstGry::CUstGry(QString name) : Name(std::move(name)) {}

bool CUstGry::Load(const IniFile& ini)
{
    Gloski = static_cast<qint16>(ini.ReadInteger(Name, QStringLiteral("Gloski"), Gloski));
    Poziom = static_cast<qint16>(ini.ReadInteger(Name, QStringLiteral("Poziom"), Poziom));
    Pozycja = static_cast<qint16>(ini.ReadInteger(Name, QStringLiteral("Pozycja"), Pozycja));
    return true;
}

void CUstGry::Reset()
{
    Poziom = 1;
    Pozycja = 0;
    Gloski = 0;
}
