// SPDX-License-Identifier: GPL-3.0-or-later
// Small services the whole program shares: playing word, feedback and other wave sounds
// synchronously, the text of a duration, the ASCII names of Polish letters, loading a BMP file.
#pragma once

#include <QImage>
#include <QString>

// "Data/Smd/" + name + ".pw"; false, silently, when the file does not exist.
bool PlayWordSound(const QString& name);
// Any wave file, or the own recording that stands for it (ownvoice.h); false, silently, when
// neither exists.
bool PlaySoundFile(const QString& path);
// Kind 0 praise (g00..g07), 1 "try again" (b00..b04), 3 praise (g00..g04); any other kind names
// "00.pw" of the working folder. When the file exists it is played and 500 ms more are waited.
bool PlayRandomSound(int kind);
// The kinds of feedback sound the games play.
constexpr int kPraiseSound = 0, kTryAgainSound = 1;
// The file a random feedback sound of `kind` would play, for file number `n`.
QString RandomSoundPath(int kind, int n);

// "2 min 5 s" for 125.
QString DurationText(int seconds);

// The ASCII form of a Polish letter used in picture names ("ż" -> "zz"); other text unchanged.
QString SoundFileName(const QString& letter);

// Loads the BMP file at `path`, whatever its extension; throws ImageError when it cannot.
void LoadBitmapFile(QImage& bitmap, const QString& path);
