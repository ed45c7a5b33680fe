// SPDX-License-Identifier: GPL-3.0-or-later
// The one error object of the program (see _cblad.h).
#include "_cblad.h"

const QString kErrorCaption = QStringLiteral("Brimbola Cz.IV Demo - Błąd");

namespace {

QString FixedText(qint16 code)
{
    switch (code) {
    case 1:
        return QStringLiteral("          Brak zasobów !\n\nProszę przeinstalować program.");
    case 2:
        return QStringLiteral("Proszę zmienić rozdzielczość ekranu na 800 x 600 lub wyższą.");
    case 3:
        return QStringLiteral("Plik statystyk nie został poprawnie stworzony.");
    case 4:
        return QStringLiteral("Brak dostępu do pliku konfiguracyjnego programu. Program zakończy działanie.");
    default:
        return {};
    }
}

}  // namespace

CBlad::CBlad(qint16 code) : Message(QStringLiteral("Blad")), Code(code)
{
    const QString fixed = FixedText(code);
    if (!fixed.isEmpty())
        Message = fixed;
    else if (code == 99)
        Message = Detail;
    messageUtf8_ = Message.toUtf8();
}

QString ErrorText(qint16 code, const QString& detail)
{
    return code == 99 ? detail : FixedText(code);
}
