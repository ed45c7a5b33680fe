// SPDX-License-Identifier: GPL-3.0-or-later
// The adult's own recordings and the choice of the file to play (see ownvoice.h).
#include "ownvoice.h"
#include "shell/ownwordfiles.h"

#include "platform/wavefile.h"
#include "shell/programfolders.h"

#include <QAudioFormat>

namespace {
const QString kDataPrefix = QStringLiteral("Data/");
}  // namespace

QString OwnVoiceFolder()
{
    return SharedUserFile(QStringLiteral("Glos"));
}

QString OwnVoicePath(const QString& dataPath)
{
    const QString clean = QDir::cleanPath(dataPath);
    if (!clean.startsWith(kDataPrefix) || clean.size() == kDataPrefix.size())
        return {};
    return OwnVoiceFolder() + QLatin1Char('/') + clean.mid(kDataPrefix.size());
}

bool IsPlayableWave(const WaveInfo& wave)
{
    QAudioFormat format;
    return WaveAudioFormat(wave, format) && wave.samples.size() >= format.bytesPerFrame();
}

bool IsPlayableWaveFile(const QString& path)
{
    WaveInfo wave;
    return ReadWaveFile(path, wave) && IsPlayableWave(wave);
}

QString SpokenFile(const QString& dataPath, const QDir& programFolder)
{
    // An own word's recording is the adult's voice already.
    const QString ownWord = WordFile(dataPath);
    if (ownWord != dataPath)
        return ownWord;
    const QString own = OwnVoicePath(dataPath);
    if (!own.isEmpty() && IsPlayableWaveFile(programFolder.filePath(own)))
        return own;
    return dataPath;
}
