// SPDX-License-Identifier: GPL-3.0-or-later
// Generator of the maze game's pictures (Data/Intf/Lab): background, tiles, figure and the
// collection column in both layouts. Refuses to finish when a picture would misbehave in the game.
#include <QImage>
#include <QSet>
#include <stdexcept>

#include "labyrinth.h"
#include "labyrinth_ledger.h"

namespace {

const QString kFolder = "Data/Intf/Lab/";

void MakeLayout(kit::Generator& gen, kit::Ledger& ledger, const maze::Layout& l)
{
    const QImage background = maze::Background(l, gen.ReadSource("landscape.svg"));
    kit::Require(maze::CheckBackground(l, background), "mT_Lab" + l.suffix);
    ledger.Jpeg(kFolder + "mT_Lab" + l.suffix + ".xji", background);

    const QString tiles = kFolder + l.folder + "/";
    QSet<QByteArray> seen;  // every scenery tile must be its own picture
    int seed = 0;
    for (const maze::TileKind& kind : maze::TileKinds()) {
        QImage tile;
        if (kind.scenery) {
            tile = maze::SceneryTile(l, gen.ReadSource(kind.scenery), 500 + seed++);
            kit::Require(maze::CheckSceneryTile(l, tile), kind.file);
            const QByteArray bytes(reinterpret_cast<const char*>(tile.constBits()), tile.sizeInBytes());
            if (seen.contains(bytes))
                throw std::runtime_error(std::string(kind.file) + " repeats another scenery tile");
            seen.insert(bytes);
        } else {
            tile = maze::PathTile(l, kind.code);
            kit::Require(maze::CheckPathTile(l, kind.code, tile), kind.file);
        }
        ledger.Jpeg(tiles + kind.file + ".xji", tile);
    }

    const QByteArray figure = gen.ReadSource("figure.svg");
    const struct { maze::Facing facing; const char* name; } sprites[] = {
        {maze::Facing::Up, "ufU"}, {maze::Facing::Left, "ufL"},
        {maze::Facing::Right, "ufR"}, {maze::Facing::Down, "ufD"}};
    QList<QImage> made;
    for (const auto& sprite : sprites) {
        const QImage image = maze::Figure(l, figure, sprite.facing);
        kit::Require(maze::CheckFigure(l, image), sprite.name);
        for (const QImage& other : made)
            if (other == image)
                throw std::runtime_error(std::string(sprite.name) + " does not show its own facing");
        made << image;
        ledger.Bmp24(tiles + sprite.name + ".xbi", image);
    }

    const kit::StripPieces column = kit::MakeStrip(maze::ColumnLook(l));
    kit::Require(maze::CheckColumn(l, column), "column" + l.suffix);
    ledger.Jpeg(kFolder + "RmkK1" + l.suffix + ".xji", column.start);
    ledger.BmpGrey(kFolder + "RmkK1_m" + l.suffix + ".xbi", column.startMask);
    ledger.Jpeg(kFolder + "RmkK2" + l.suffix + ".xji", column.end);
    ledger.BmpGrey(kFolder + "RmkK2_m" + l.suffix + ".xbi", column.endMask);
    ledger.Jpeg(kFolder + "RmkS" + l.suffix + ".xji", column.middle);
}

}  // namespace

int main(int argc, char** argv)
{
    return kit::Main(argc, argv, [](kit::Generator& gen) {
        kit::Ledger ledger(gen);
        kit::Require(maze::CheckTileTable(), "tile table");
        MakeLayout(gen, ledger, maze::SmallLayout());
        MakeLayout(gen, ledger, maze::BigLayout());
        kit::Require(ledger.CompareWith(gen.ReadSource("manifest.txt")), "manifest");
    });
}
