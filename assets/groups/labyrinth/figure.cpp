// SPDX-License-Identifier: GPL-3.0-or-later
// The flying figure the child steers through the maze, one sprite for each way it can face.
#include "labyrinth.h"

#include <stdexcept>

namespace maze {

namespace {

// Replaces one attribute text of the drawing; a drawing that lost it is a broken source.
void Set(QByteArray& svg, const QByteArray& from, const QByteArray& to)
{
    if (!svg.contains(from))
        throw std::runtime_error("figure drawing lacks " + from.toStdString());
    svg.replace(from, to);
}

}  // namespace

QImage Figure(const Layout& layout, const QByteArray& source, Facing facing)
{
    QByteArray svg = source;
    const char* trail = "";
    QByteArray tilt = "0", gaze = "0 0";
    switch (facing) {
    case Facing::Up:    trail = "up";    gaze = "0 -2.6"; break;
    case Facing::Down:  trail = "down";  gaze = "0 2.6";  break;
    case Facing::Left:  trail = "left";  gaze = "-2.4 0"; tilt = "-10"; break;
    case Facing::Right: trail = "right"; gaze = "2.4 0";  tilt = "10";  break;
    }
    Set(svg, "id=\"body\" transform=\"rotate(0 50 58)\"", "id=\"body\" transform=\"rotate(" + tilt + " 50 58)\"");
    Set(svg, "id=\"pupils\" transform=\"translate(0 0)\"", "id=\"pupils\" transform=\"translate(" + gaze + ")\"");
    const QByteArray hidden = QByteArray("id=\"trail-") + trail + "\" opacity=\"0\"";
    Set(svg, hidden, QByteArray("id=\"trail-") + trail + "\" opacity=\"1\"");
    // Drawn opaquely by the game: the path's own ground around it hides the sprite's square.
    return kit::Flatten(kit::RenderSvg(svg, QSize(layout.sprite, layout.sprite)), PathGround());
}

}  // namespace maze
