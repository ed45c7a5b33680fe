// SPDX-License-Identifier: GPL-3.0-or-later
// Compiles the readable maze maps of mazes.txt into the labyrinth game's maze files and their
// index, and refuses any maze a child could not finish.
#include "assetkit.h"
#include "mazes_check.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <stdexcept>

namespace {

constexpr int kLevels = 3;
constexpr int kMapLines = 2 * mazes::kRows - 1;

struct Source {
    int number = 0;     // level x 100 + index, as in the file name
    int line = 0;       // where its "maze" line stands in mazes.txt, for messages
    QString text;       // the maze's name, stored as its trailing text
    QStringList map;    // the kMapLines lines of the map
};

[[noreturn]] void Refuse(const QString& what)
{
    throw std::runtime_error(what.toStdString());
}

// The game shows text in the Central European code page; only Polish letters are needed.
QByteArray ToCodePage1250(const QString& text)
{
    static const QHash<QChar, char> polish{
        {u'ą', '\xB9'}, {u'ć', '\xE6'}, {u'ę', '\xEA'}, {u'ł', '\xB3'}, {u'ń', '\xF1'},
        {u'ó', '\xF3'}, {u'ś', '\x9C'}, {u'ź', '\x9F'}, {u'ż', '\xBF'}, {u'Ą', '\xA5'},
        {u'Ć', '\xC6'}, {u'Ę', '\xCA'}, {u'Ł', '\xA3'}, {u'Ń', '\xD1'}, {u'Ó', '\xD3'},
        {u'Ś', '\x8C'}, {u'Ź', '\x8F'}, {u'Ż', '\xAF'}};
    QByteArray bytes;
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F)
            bytes += char(ch.unicode());
        else if (polish.contains(ch))
            bytes += polish.value(ch);
        else
            Refuse(QStringLiteral("character '%1' of \"%2\" has no place in the code page").arg(ch).arg(text));
    }
    return bytes;
}

QHash<QChar, std::int32_t> ReadLegend(const QString& text)
{
    QHash<QChar, std::int32_t> legend;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList parts = line.split(QRegularExpression("\\s+"));
        bool ok = false;
        const std::int32_t code = parts.value(1).toInt(&ok);
        if (parts.size() < 2 || parts[0].size() != 1 || !ok || !mazes::IsSceneryCode(code))
            Refuse(QStringLiteral("legend.txt line %1: expected a letter and a scenery tile code").arg(i + 1));
        if (QStringLiteral("SEoX*.-| ").contains(parts[0][0]) || legend.contains(parts[0][0]))
            Refuse(QStringLiteral("legend.txt line %1: letter '%2' is taken").arg(i + 1).arg(parts[0]));
        legend.insert(parts[0][0], code);
    }
    return legend;
}

QList<Source> ReadSources(const QString& text)
{
    QList<Source> sources;
    const QStringList lines = text.split('\n');
    static const QRegularExpression mazeLine("^maze\\s+(\\d+)\\s*$");
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        const auto match = mazeLine.match(trimmed);
        if (match.hasMatch()) {
            sources.append(Source{match.captured(1).toInt(), i + 1, {}, {}});
        } else if (trimmed.startsWith("text:") && !sources.isEmpty()) {
            sources.last().text = trimmed.mid(5).trimmed();
        } else if (trimmed == "map:" && !sources.isEmpty()) {
            if (i + kMapLines >= lines.size())
                Refuse(QStringLiteral("mazes.txt line %1: the map needs %2 lines").arg(i + 1).arg(kMapLines));
            for (int k = 1; k <= kMapLines; ++k)
                sources.last().map.append(lines[i + k]);
            i += kMapLines;
        } else {
            Refuse(QStringLiteral("mazes.txt line %1: cannot read \"%2\"").arg(i + 1).arg(trimmed));
        }
    }
    return sources;
}

bool IsPathMark(QChar ch)
{
    return QStringLiteral("SEoX*").contains(ch);
}

// Turns a map into tile codes: path tiles get their openings from the joins around them.
mazes::Maze Compile(const Source& source, const QHash<QChar, std::int32_t>& legend)
{
    const QString name = QStringLiteral("maze %1").arg(source.number);
    if (source.map.size() != kMapLines)
        Refuse(name + ": has no map");
    // Short lines are padded, so trailing blanks in the source do not matter.
    QStringList map = source.map;
    for (QString& line : map) {
        if (line.size() > 2 * mazes::kColumns - 1 && !line.mid(2 * mazes::kColumns - 1).trimmed().isEmpty())
            Refuse(QStringLiteral("%1: map line \"%2\" is wider than %3 tiles").arg(name, line).arg(mazes::kColumns));
        line = line.leftJustified(2 * mazes::kColumns - 1, ' ');
    }
    auto at = [&](int x, int y) { return map[y][x]; };
    auto cell = [&](int column, int row) { return at(2 * column, 2 * row); };
    auto where = [&](int column, int row) {
        return QStringLiteral("%1, column %2 row %3").arg(name).arg(column).arg(row);
    };

    // Every join must link two path tiles, and nothing else may stand between tiles.
    for (int y = 0; y < kMapLines; ++y) {
        for (int x = 0; x < 2 * mazes::kColumns - 1; ++x) {
            const QChar ch = at(x, y);
            const bool tileSpot = x % 2 == 0 && y % 2 == 0;
            if (tileSpot)
                continue;
            const bool across = y % 2 == 0;  // between two tiles of one row
            const bool down = x % 2 == 0;    // between two tiles of one column
            if (ch == ' ')
                continue;
            if ((across && ch == '-') || (down && ch == '|')) {
                const QChar a = across ? at(x - 1, y) : at(x, y - 1);
                const QChar b = across ? at(x + 1, y) : at(x, y + 1);
                if (!IsPathMark(a) || !IsPathMark(b))
                    Refuse(QStringLiteral("%1: map line %2 place %3: '%4' must join two path tiles")
                               .arg(name).arg(y + 1).arg(x + 1).arg(ch));
                continue;
            }
            Refuse(QStringLiteral("%1: map line %2 place %3: unexpected '%4'").arg(name).arg(y + 1).arg(x + 1).arg(ch));
        }
    }

    mazes::Maze maze;
    maze.text = ToCodePage1250(source.text) + '\0';
    for (int column = 0; column < mazes::kColumns; ++column) {
        for (int row = 0; row < mazes::kRows; ++row) {
            const QChar ch = cell(column, row);
            if (ch == '.') {
                maze.SetCode(column, row, 0);
                continue;
            }
            if (legend.contains(ch)) {
                maze.SetCode(column, row, legend.value(ch));
                continue;
            }
            if (!IsPathMark(ch))
                Refuse(QStringLiteral("%1: '%2' is no tile (see legend.txt)").arg(where(column, row)).arg(ch));
            const int x = 2 * column;
            const int y = 2 * row;
            std::int32_t openings = 0;
            if (x + 1 < 2 * mazes::kColumns - 1 && at(x + 1, y) == '-')
                openings |= mazes::OpenRight;
            if (x > 0 && at(x - 1, y) == '-')
                openings |= mazes::OpenLeft;
            if (y + 1 < kMapLines && at(x, y + 1) == '|')
                openings |= mazes::OpenDown;
            if (y > 0 && at(x, y - 1) == '|')
                openings |= mazes::OpenUp;
            const std::int32_t kind = ch == 'S' ? mazes::StartTile : ch == 'E' ? mazes::FinishTile : 0;
            const std::int32_t code = mazes::PathCode(openings, kind);
            if (code == 0) {
                if (ch == 'S')
                    Refuse(where(column, row) + ": the start needs exactly one path, to the right or up");
                if (ch == 'E')
                    Refuse(where(column, row) + ": the exit needs exactly one path, from the left or from below");
                Refuse(where(column, row) + ": a path tile needs at least one join");
            }
            const std::int32_t picture = ch == '*' ? mazes::GoodPicture : ch == 'X' ? mazes::WrongPicture : 0;
            maze.SetCode(column, row, code | picture);
        }
    }
    return maze;
}

void Make(kit::Generator& generator)
{
    const auto legend = ReadLegend(QString::fromUtf8(generator.ReadSource("legend.txt")));
    const QList<Source> sources = ReadSources(QString::fromUtf8(generator.ReadSource("mazes.txt")));

    // The game picks index 0 to count-1 at every level from one count, so each level needs the
    // same number of mazes, numbered without gaps.
    QMap<int, const Source*> byNumber;
    for (const Source& source : sources) {
        if (byNumber.contains(source.number))
            Refuse(QStringLiteral("mazes.txt line %1: maze %2 is there twice").arg(source.line).arg(source.number));
        byNumber.insert(source.number, &source);
    }
    int count = 0;
    while (byNumber.contains(100 + count))
        ++count;
    if (count == 0)
        Refuse("mazes.txt holds no maze 100");
    if (byNumber.size() != kLevels * count)
        Refuse(QStringLiteral("mazes.txt must hold mazes 100 to %1, 200 to %2 and 300 to %3 and no others")
                   .arg(99 + count).arg(199 + count).arg(299 + count));
    for (int level = 1; level <= kLevels; ++level)
        for (int index = 0; index < count; ++index)
            if (!byNumber.contains(level * 100 + index))
                Refuse(QStringLiteral("mazes.txt has no maze %1").arg(level * 100 + index));

    // Every maze is checked before any file is written, so a refused maze leaves no half set.
    QMap<int, QByteArray> files;
    for (const Source* source : byNumber) {
        const QByteArray bytes = mazes::WriteMaze(Compile(*source, legend));
        // Check what the game will read, not what we meant to write.
        mazes::Maze read;
        QString reason;
        if (!mazes::ReadMaze(bytes, read, &reason))
            Refuse(QStringLiteral("maze %1: %2").arg(source->number).arg(reason));
        const QStringList problems = mazes::CheckMaze(read);
        if (!problems.isEmpty())
            Refuse(QStringLiteral("maze %1 cannot be played:\n  %2").arg(source->number).arg(problems.join("\n  ")));
        files.insert(source->number, bytes);
    }
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        generator.WriteFile(QStringLiteral("Data/Intf/Lab/labir%1.ltr").arg(file.key()), file.value());
    generator.WriteFile("Data/Intf/Lab/labir.def", mazes::WriteIndex(count));
}

}  // namespace

int main(int argc, char** argv)
{
    return kit::Main(argc, argv, Make);
}
