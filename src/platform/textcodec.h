// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1250, the Central European code page of the recordings catalogue carried over from the
// earlier Windows program, to and from Unicode.
#pragma once

#include <QByteArray>
#include <QString>

QString DecodeWindows1250(const QByteArray& bytes);
// Characters the code page lacks become '?'.
QByteArray EncodeWindows1250(const QString& text);
