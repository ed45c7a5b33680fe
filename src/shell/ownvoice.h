// SPDX-License-Identifier: GPL-3.0-or-later
// The adult's own recordings of what the games say: a folder "Glos" that mirrors the Data tree
// ("Glos/Smd/las.pw" stands for "Data/Smd/las.pw"), and the choice of the file a sound is played from.
#pragma once

#include <QDir>
#include <QString>

struct WaveInfo;

// The folder of the own recordings, kept with the user's other files (the statistics, Nagrane/):
// "Glos" in the user folder (programfolders.h), beside the executable in a portable copy.
QString OwnVoiceFolder();

// The own recording that stands for a file of the Data tree ("Data/Intf/Smd/g00.pw" ->
// "<user folder>/Glos/Intf/Smd/g00.pw"); empty for a path outside Data/.
QString OwnVoicePath(const QString& dataPath);

// True for a wave the program can play: PCM of 8, 16 or 32 bits or 32-bit float, with some sound.
bool IsPlayableWave(const WaveInfo& wave);
// True when `path` holds a playable wave.
bool IsPlayableWaveFile(const QString& path);

// The file to play for `dataPath`: its own recording when there is one and it is a playable wave,
// else `dataPath` itself. A damaged own recording is passed over, so the synthetic sound still plays.
// Relative paths are looked up in `programFolder` (the working folder when none is given) and are
// returned relative.
QString SpokenFile(const QString& dataPath, const QDir& programFolder = QDir());
