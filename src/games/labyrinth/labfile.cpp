// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth's data files (see labfile.h).
#include "labfile.h"

#include <QFile>
#include <QHash>
#include <QtEndian>

namespace lab {

namespace {
qint32 IntAt(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}
}  // namespace

QString MazeFileName(int number)
{
    return kFolder + QStringLiteral("labir") + QString::number(number) + QStringLiteral(".ltr");
}

bool ParseMaze(const QByteArray& bytes, MazeFile& maze)
{
    if (bytes.size() < kHeaderBytes)
        return false;
    qint64 sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += IntAt(bytes, i * 4);
    // Summed wide: four large values must not wrap round to 200.
    if (sum != kHeaderSum || bytes.size() < kFixedBytes)
        return false;
    MazeFile read;
    for (int column = 0; column < kColumns; ++column)
        for (int row = 0; row < kRows; ++row)
            read.codes[column][row] = IntAt(bytes, kHeaderBytes + (column * kRows + row) * 4);
    const qint32 length = IntAt(bytes, kFixedBytes - 4);
    if (length < 0 || length > bytes.size() - kFixedBytes)
        return false;
    const QByteArray text = bytes.mid(kFixedBytes, length);
    const qsizetype zero = text.indexOf('\0');
    read.description = zero < 0 ? text : text.left(zero);
    maze = std::move(read);
    return true;
}

bool ReadMazeFile(const QString& path, MazeFile& maze)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The text may be no longer than what the file holds, so reading the whole file is the most a
    // maze can ever cost; a file far larger than any maze is refused before it is read.
    constexpr qint64 kLargestSensible = 1 << 20;
    if (file.size() > kLargestSensible)
        return false;
    return ParseMaze(file.readAll(), maze);
}

qint32 ReadMazeCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return kDefaultCount;
    const QByteArray head = file.read(4);
    return head.size() == 4 ? IntAt(head, 0) : kDefaultCount;
}

QString TilePictureFile(qint32 code)
{
    static const QHash<qint32, QString> files{
        {273, "rEL"},   {289, "rER"},   {305, "rH"},    {321, "rEU"},    {337, "rTUR"},   {353, "rTUL"},
        {369, "rCHD"},  {385, "rEB"},   {401, "rTBR"},  {417, "rTBL"},   {433, "rCHU"},   {449, "rV"},
        {465, "rCVR"},  {481, "rCVL"},  {497, "rC01"},  {785, "spSH"},   {897, "spSV"},   {1313, "spMH"},
        {1345, "spMV"}, {209, "exAN06"}, {210, "exAN07"}, {211, "exAN08"}, {212, "exAN09"}, {225, "exAN01"},
        {226, "exAN02"}, {227, "exAN03"}, {228, "exAN04"}, {229, "exAN05"}, {241, "exH01"}, {242, "exH02"},
        {244, "exH04"}, {245, "exH03"}, {246, "exT01"}, {247, "exT02"}, {248, "exT03"}, {249, "exT04"},
        {250, "exFL00"}, {251, "exFL01"}, {252, "exFL02"}, {253, "exFL03"}, {255, "exG01"}};
    const auto found = files.constFind(code & ~(GoodPicture | WrongPicture));
    return found == files.constEnd() ? QString() : *found + QStringLiteral(".xji");
}

}  // namespace lab
