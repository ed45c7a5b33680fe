// SPDX-License-Identifier: GPL-3.0-or-later
// The one error object of the program: a failure that must end the program travels to start-up as
// a CBlad whose code chooses the message the user sees.
#pragma once

#include <QString>
#include <QByteArray>
#include <exception>

class CBlad : public std::exception {
public:
    // Codes: 1 a picture or other resource cannot be loaded, 2 screen too small, 3 statistics file
    // not created, 4 settings file not usable, 99 the text of Detail; 0 is the labyrinth's own.
    explicit CBlad(qint16 code);

    const char* what() const noexcept override { return messageUtf8_.constData(); }

    QString Message;     // "Blad", or the code's fixed text
    int HelpContext = 0;
    QString Detail;
    qint16 Code;

private:
    QByteArray messageUtf8_;
};

// The text shown for `code` (by the code alone: the fixed text of codes 1 to 4, `detail` for 99,
// empty for every other code).
QString ErrorText(qint16 code, const QString& detail = {});

// Caption of every error box of the program.
extern const QString kErrorCaption;
