// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon into the PNG sizes of the icon theme:
// render_icon <icon.svg> <theme folder> <size>... writes <theme folder>/<size>x<size>/apps/<name>.png.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    // No application object: the icon has no text, so no fonts are needed.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <theme folder> <size>...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString name = QFileInfo(args[1]).completeBaseName() + ".png";
    for (qsizetype i = 3; i < args.size(); ++i) {
        const int side = args[i].toInt();
        QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(side);
        if (side <= 0 || !QDir().mkpath(folder) || !picture.save(folder + "/" + name)) {
            std::fprintf(stderr, "render_icon: cannot write %s/%s\n", qPrintable(folder), qPrintable(name));
            return 1;
        }
    }
    return 0;
}
