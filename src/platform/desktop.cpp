// SPDX-License-Identifier: GPL-3.0-or-later
// Handing addresses to the desktop (see desktop.h).
#include "desktop.h"

#include <QDesktopServices>

namespace {
std::function<void(const QUrl&)>& Opener()
{
    static std::function<void(const QUrl&)> opener;
    return opener;
}
}  // namespace

void OpenExternalUrl(const QUrl& url)
{
    if (Opener())
        Opener()(url);
    else
        QDesktopServices::openUrl(url);
}

void SetUrlOpener(std::function<void(const QUrl&)> opener)
{
    Opener() = std::move(opener);
}
