// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a fuzz target's corpus in the normal build: every file of the folder through the target's
// entry, as the fuzzer would give it. A reader that crashes or breaks a check ends the test.
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <target> <corpus folder>\n", argv[0]);
        return 2;
    }
    const FuzzEntry entry = FindFuzzTarget(argv[1]);
    if (!entry) {
        std::fprintf(stderr, "no fuzz target %s\n", argv[1]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[2]));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "empty corpus %s\n", argv[2]);
        return 1;
    }
    for (const QString& name : files) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        entry(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("%s: %lld inputs replayed\n", argv[1], static_cast<long long>(files.size()));
    return 0;
}
