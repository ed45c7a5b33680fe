// SPDX-License-Identifier: GPL-3.0-or-later
// The small windows of the menu (see menuwindows.h).
#include "menuwindows.h"

#include "Fmkomunikat.h"
#include "Fmoprogramie.h"
#include "Fmsplashscreen.h"

std::unique_ptr<TFormSplashScreen> FormSplashScreen;
std::unique_ptr<TFormKomunikat> FormKomunikat;
std::unique_ptr<TFormOProgramie> FormOProgramie;
