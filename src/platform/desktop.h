// SPDX-License-Identifier: GPL-3.0-or-later
// Handing a web address or a new mail to the desktop's browser or mail program. Tests put in a
// recorder instead of launching programs.
#pragma once

#include <QUrl>
#include <functional>

void OpenExternalUrl(const QUrl& url);
// Replaces how addresses are opened (null puts the desktop back).
void SetUrlOpener(std::function<void(const QUrl&)> opener);
