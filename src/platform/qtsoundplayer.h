// SPDX-License-Identifier: GPL-3.0-or-later
// Synchronous playback of wave files on the desktop's default audio output (Qt Multimedia).
#pragma once

#include "services.h"

class QtSoundPlayer final : public SoundPlayer {
public:
    void PlaySync(const QString& path) override;
};
