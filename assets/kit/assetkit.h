// SPDX-License-Identifier: GPL-3.0-or-later
// Shared tools of the asset generators: rendering SVG drawings, the program's picture formats
// (JPEG ".xji", BMP ".xbi", the picture store's PNGs), masks, greyed looks and labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <functional>

class QPainter;

namespace kit {

// One run of a group's generator: reads sources from the group's folder and writes files into
// the program folder (paths like "Data/Intf/Spec/mT_Splh.xji" are relative to it).
class Generator {
public:
    Generator(QString sourceDir, QString appDir);

    QString Source(const QString& relative) const;     // a source file of this group
    QByteArray ReadSource(const QString& relative) const;  // throws when it cannot be read
    QString Target(const QString& relative) const;     // a file in the program folder

    // Each writer creates missing folders and throws std::runtime_error when it cannot write.
    void WriteJpeg(const QString& relative, const QImage& picture, int quality = 92);
    void WriteBmp24(const QString& relative, const QImage& picture);
    void WriteBmpGrey(const QString& relative, const QImage& grey);     // 8-bit grey palette
    void WriteStore(const QString& name, const QImage& picture);       // Data/Res/<name>.png
    void WriteFile(const QString& relative, const QByteArray& bytes);

    int Written() const { return written_; }

private:
    QString sourceDir_;
    QString appDir_;
    int written_ = 0;
};

// Runs `make` inside a GUI application (fonts need one); argv: source folder, program folder.
// Returns the process exit code: 0, or 1 with the reason on stderr.
int Main(int argc, char** argv, const std::function<void(Generator&)>& make);

// SVG drawing scaled to exactly `size`, transparent where the drawing does not paint.
QImage RenderSvg(const QByteArray& svg, QSize size);

// Opaque RGB32 picture: `shape` composed over `background`.
QImage Flatten(const QImage& shape, QColor background = Qt::white);

// Hard mask: pure white where the shape's alpha reaches `threshold`, pure black elsewhere.
QImage HardMask(const QImage& shape, int threshold = 128);

// State picture for the mask rule: `shape` on white, and pure white wherever `mask` is black.
QImage WhiteOutside(const QImage& shape, const QImage& mask);

// Soft mask from the shape's alpha: 255 opaque, 0 transparent (Grayscale8).
QImage SoftMask(const QImage& shape);

// The "not offered" look: desaturated and lighter; pure white stays pure white.
QImage Greyed(const QImage& picture);

// The bold rounded sans of all labels, sized in pixels.
QFont LabelFont(int pixelSize);

// Text centred in `box` (or as `flags` say), filled with `fill`, with an optional outline.
void DrawLabel(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
               QColor fill, QColor outline = Qt::transparent, qreal outlineWidth = 0,
               int flags = Qt::AlignCenter);

}  // namespace kit
