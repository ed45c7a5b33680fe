// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a raw take of the microphone into an own recording: the silence at both ends cut off, the
// level brought to the synthetic sounds' peak, and the file written whole or not at all. Takes are
// the recorder's format: PCM, mono, 22050 samples per second, 16 bits.
#pragma once

#include <QByteArray>
#include <QString>

namespace take {
// The synthetic sounds peak at -3 dBFS; own recordings are brought to the same level.
constexpr double kTargetPeakDb = -3.0;
// Anything quieter is room noise, not voice: a take that never rises above it is silence.
constexpr double kNoiseFloorDb = -40.0;
// The level is judged over short windows, so a single stray sample does not count as voice.
constexpr int kWindowMs = 10;
// Kept around the voice so that soft starts and endings are not clipped (as the generator pads).
constexpr int kLeadMs = 40;
constexpr int kTailMs = 80;
// Short fades at both ends, so the cut makes no click.
constexpr int kFadeMs = 10;
}  // namespace take

// The loudest sample of 16-bit PCM, as an amplitude 0..32768.
int PeakAmplitude(const QByteArray& pcm);
// An amplitude in dB below full scale; -96 for silence.
double AmplitudeDb(int amplitude);

// The take with the silence at both ends cut (keeping the lead and tail around the voice), faded at
// its ends and levelled to the target peak. Empty when nothing rises above the noise floor.
QByteArray TrimAndNormalise(const QByteArray& pcm);

// A whole RIFF WAVE file of the recorder's format holding `pcm`.
QByteArray WaveFileBytes(const QByteArray& pcm);

// A take as it is being recorded: captured samples are added no further than `limitMs`; true once the
// take is full and recording should end.
bool AddToTake(QByteArray& take, const QByteArray& pcm, qint64 limitMs);

// The level meter shown while recording runs from 0 to this many dB above silence.
inline constexpr int kMeterRangeDb = 60;
// The meter's next value for a chunk of samples: it rises at once and falls back slowly (a little
// per chunk), so that a short syllable can be seen.
int MeterLevel(int shown, const QByteArray& pcm);

enum class TakeResult { Saved, Silent, NotWritten };
// Trims and levels the take and writes it to `path` (its folders made as needed), replacing any
// older file only once the new one is whole. A silent take or a failed write leaves the old file.
TakeResult SaveTake(const QString& path, const QByteArray& pcm);
