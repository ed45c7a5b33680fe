// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window shown while the program starts: the splash picture, or, when it is missing or
// broken, a lime window that names the program and says the resources are missing.
#pragma once

#include "platform/windowbase.h"
#include "menu/menuwindows.h"

class TFormSplashScreen : public CWindowBase {
    Q_OBJECT
public:
    static constexpr char kTitle[] = "Brimbola Cz.IV Demo Splash";
    static constexpr int kFallbackWidth = 600, kFallbackHeight = 348;

    // Reads "Data/Intf/Spec/mT_Splh.xji" of the program folder.
    explicit TFormSplashScreen(const QString& programFolder);

    bool ShowsFallback() const { return fallback_; }

private:
    bool fallback_ = false;
};
