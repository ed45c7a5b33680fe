// SPDX-License-Identifier: GPL-3.0-or-later
// The asset manifest: the one list of every file the program's Data folder holds, read from the
// parts each asset group keeps (assets/groups/*/manifest.txt). Tests of code that opens a file take
// its name and size from here rather than writing them again.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct ManifestEntry {
    QString path;       // relative to the program folder, e.g. "Data/Intf/Spec/mT_Splh.xji"
    QString kind;       // jpeg, bmp, bmpgrey, png, wav, maze, text
    int width = -1;     // -1 when the kind has no size
    int height = -1;
    bool mask = false;            // black and white
    int maskTolerance = 0;        // how far from pure black or white a mask pixel may be
    QString whiteOutsideOf;       // the mask this picture is white outside of
    int whiteTolerance = 0;       // how far from pure white a pixel outside that mask may be
    QString group;                // the asset group that makes it
    int line = 0;
};

class Manifest {
public:
    // Reads every part under `assetsFolder`/groups; throws std::runtime_error on a malformed line.
    static Manifest Load(const QString& assetsFolder = QStringLiteral(BRIMBOLA_SOURCE_DIR "/assets"));

    const std::vector<ManifestEntry>& Entries() const { return entries_; }
    std::optional<ManifestEntry> Find(const QString& path) const;

private:
    std::vector<ManifestEntry> entries_;
};
