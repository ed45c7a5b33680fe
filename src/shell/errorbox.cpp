// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a failure that ends the program (see errorbox.h).
#include "errorbox.h"

#include "_cblad.h"
#include "platform/messageboxes.h"

#include <QApplication>
#include <QWidget>

namespace {

QWidget* OwnerOrMainWindow(QWidget* owner)
{
    if (owner)
        return owner;
    // The main window is the application's window once it exists.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->property("brimbolaMainWindow").toBool())
            return w;
    return nullptr;
}

}  // namespace

void ShowError(const CBlad& error, QWidget* owner)
{
    CurrentMessageBoxes().Show(OwnerOrMainWindow(owner), kErrorCaption, ErrorText(error.Code, error.Detail),
                               MessageIcon::Information);
}

void ShowFatalError(QWidget* owner)
{
    CurrentMessageBoxes().Show(OwnerOrMainWindow(owner), kErrorCaption,
                               QStringLiteral("Wystąpił błąd krytyczny aplikacji!"), MessageIcon::Error);
}
