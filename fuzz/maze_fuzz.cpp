// SPDX-License-Identifier: GPL-3.0-or-later
// A maze file "labir<number>.ltr" as the labyrinth reads it: the header check, the 48 tile codes
// and the text, then the tile picture each code asks for.
#include "fuzzsupport.h"

#include "games/labyrinth/labfile.h"

FUZZ_TARGET(maze)
{
    const QByteArray bytes = FuzzBytes(data, size);
    lab::MazeFile maze;
    maze.description = "untouched";
    if (!lab::ParseMaze(bytes, maze)) {
        // A refused file leaves what the caller held.
        FUZZ_CHECK(maze.description == "untouched");
        return 0;
    }
    FUZZ_CHECK(bytes.size() >= lab::kFixedBytes);
    FUZZ_CHECK(maze.description.size() <= bytes.size() - lab::kFixedBytes);
    FUZZ_CHECK(!maze.description.contains('\0'));
    for (const auto& column : maze.codes)
        for (const qint32 code : column) {
            const QString picture = lab::TilePictureFile(code);
            FUZZ_CHECK(picture.isEmpty() || picture.endsWith(QStringLiteral(".xji")));
        }
    return 0;
}
