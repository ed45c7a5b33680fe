// SPDX-License-Identifier: GPL-3.0-or-later
// The build's check of the word list: prints every fault with its line and fails, so that a word
// the games cannot show never reaches a child.
//   check_words_tool WORDS_TXT PICTURE_SET_FOLDER OWN_DRAWINGS_FOLDER
//   check_words_tool --table WORDS_TXT    prints the words per group and position (docs/words.md)
#include "words/wordcheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <stdexcept>

namespace {

int PrintTable(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read it\n", path);
        return 1;
    }
    try {
        std::printf("%s", qPrintable(wordcheck::CountTable(wordlist::Parse(QString::fromUtf8(file.readAll())))));
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s: %s\n", path, error.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--table")
        return PrintTable(argv[2]);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s WORDS_TXT PICTURE_SET_FOLDER OWN_DRAWINGS_FOLDER\n", argv[0]);
        return 2;
    }
    const QString listPath = QString::fromLocal8Bit(argv[1]);
    const QDir pictureSet(QString::fromLocal8Bit(argv[2]));
    const QDir ownDrawings(QString::fromLocal8Bit(argv[3]));
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read it\n", argv[1]);
        return 1;
    }
    const QStringList problems = wordcheck::CheckList(
        QString::fromUtf8(file.readAll()), [&](const wordlist::Entry& entry) {
            return entry.picture == wordlist::kOwnPicture
                       ? QFileInfo(ownDrawings.filePath(entry.name + ".svg")).isFile()
                       : QFileInfo(pictureSet.filePath(entry.picture + ".svg")).isFile();
        });
    for (const QString& problem : problems)
        std::fprintf(stderr, "%s:%s\n", argv[1], qPrintable(problem));
    if (!problems.isEmpty()) {
        std::fprintf(stderr, "%s: %lld faults; the pictures of the set are taken from %s\n", argv[1],
                     static_cast<long long>(problems.size()), argv[2]);
        return 1;
    }
    return 0;
}
