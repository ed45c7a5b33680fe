// SPDX-License-Identifier: GPL-3.0-or-later
// The small windows of the menu, made once at start-up and destroyed at its end: the splash, the
// message window every screen may open, and the about window.
#pragma once

#include <memory>

class TFormSplashScreen;
class TFormKomunikat;
class TFormOProgramie;

// The splash window while it exists: made at start, destroyed when the main window has been shown
// (or by the clean-up at exit).
extern std::unique_ptr<TFormSplashScreen> FormSplashScreen;
extern std::unique_ptr<TFormKomunikat> FormKomunikat;
extern std::unique_ptr<TFormOProgramie> FormOProgramie;
