// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a failure that ends the program: the coded error box and the generic fatal box.
#pragma once

class CBlad;
class QWidget;

// The box for `error`'s code with the information icon, owned by `owner` (the splash window while
// it exists), else by the main window.
void ShowError(const CBlad& error, QWidget* owner);

// "Wystąpił błąd krytyczny aplikacji!" with the error icon, for any other failure.
void ShowFatalError(QWidget* owner);
