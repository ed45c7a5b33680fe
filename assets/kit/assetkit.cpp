// SPDX-License-Identifier: GPL-3.0-or-later
// Shared tools of the asset generators (see assetkit.h).
#include "assetkit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cstdio>
#include <stdexcept>

namespace kit {

namespace {

void EnsureFolder(const QString& file)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create folder " + folder.toStdString());
}

void Check(bool ok, const QString& what)
{
    if (!ok)
        throw std::runtime_error(what.toStdString());
}

}  // namespace

Generator::Generator(QString sourceDir, QString appDir)
    : sourceDir_(std::move(sourceDir)), appDir_(std::move(appDir))
{
}

QString Generator::Source(const QString& relative) const
{
    return sourceDir_ + "/" + relative;
}

QByteArray Generator::ReadSource(const QString& relative) const
{
    QFile file(Source(relative));
    Check(file.open(QIODevice::ReadOnly), "cannot read source " + file.fileName());
    return file.readAll();
}

QString Generator::Target(const QString& relative) const
{
    return appDir_ + "/" + relative;
}

void Generator::WriteJpeg(const QString& relative, const QImage& picture, int quality)
{
    const QString path = Target(relative);
    EnsureFolder(path);
    const QImage opaque = Flatten(picture).convertToFormat(QImage::Format_RGB888);
    Check(opaque.save(path, "JPG", quality), "cannot write " + path);
    ++written_;
}

void Generator::WriteBmp24(const QString& relative, const QImage& picture)
{
    const QString path = Target(relative);
    EnsureFolder(path);
    Check(Flatten(picture).save(path, "BMP"), "cannot write " + path);
    ++written_;
}

void Generator::WriteBmpGrey(const QString& relative, const QImage& grey)
{
    const QString path = Target(relative);
    EnsureFolder(path);
    QImage indexed = grey.convertToFormat(QImage::Format_Grayscale8);
    QImage out(indexed.size(), QImage::Format_Indexed8);
    // The BMP writer stores whole scan lines: their padding must not be left to chance, or two
    // runs write different files from the same picture.
    memset(out.bits(), 0, size_t(out.sizeInBytes()));
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, i, i));
    out.setColorTable(palette);
    for (int y = 0; y < out.height(); ++y)
        memcpy(out.scanLine(y), indexed.constScanLine(y), size_t(out.width()));
    Check(out.save(path, "BMP"), "cannot write " + path);
    ++written_;
}

void Generator::WriteStore(const QString& name, const QImage& picture)
{
    const QString path = Target("Data/Res/" + name + ".png");
    EnsureFolder(path);
    Check(Flatten(picture).save(path, "PNG"), "cannot write " + path);
    ++written_;
}

void Generator::WriteFile(const QString& relative, const QByteArray& bytes)
{
    const QString path = Target(relative);
    EnsureFolder(path);
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
          "cannot write " + path);
    ++written_;
}

int Main(int argc, char** argv, const std::function<void(Generator&)>& make)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE_FOLDER PROGRAM_FOLDER\n", argv[0]);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Generator generator(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    try {
        make(generator);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    std::printf("%s: %d files\n", argv[0], generator.Written());
    return 0;
}

QImage RenderSvg(const QByteArray& svg, QSize size)
{
    QSvgRenderer renderer(svg);
    Check(renderer.isValid(), "invalid SVG drawing");
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage Flatten(const QImage& shape, QColor background)
{
    QImage out(shape.size(), QImage::Format_RGB32);
    out.fill(background);
    QPainter painter(&out);
    painter.drawImage(0, 0, shape);
    return out;
}

QImage HardMask(const QImage& shape, int threshold)
{
    const QImage argb = shape.convertToFormat(QImage::Format_ARGB32);
    QImage mask(shape.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            out[x] = qAlpha(in[x]) >= threshold ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return mask;
}

QImage WhiteOutside(const QImage& shape, const QImage& mask)
{
    QImage out = Flatten(shape, Qt::white);
    const QImage m = mask.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const QRgb* mrow = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (qGray(mrow[x]) < 128)
                row[x] = qRgb(255, 255, 255);
    }
    return out;
}

QImage SoftMask(const QImage& shape)
{
    const QImage argb = shape.convertToFormat(QImage::Format_ARGB32);
    QImage mask(shape.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* out = mask.scanLine(y);
        for (int x = 0; x < argb.width(); ++x)
            out[x] = uchar(qAlpha(in[x]));
    }
    return mask;
}

QImage Greyed(const QImage& picture)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = row[x];
            const int grey = qGray(p);
            // Keep a hint of the colour, then lift towards white.
            auto mix = [grey](int c) { return 255 - (255 - (grey * 3 + c) / 4) * 55 / 100; };
            row[x] = qRgba(mix(qRed(p)), mix(qGreen(p)), mix(qBlue(p)), qAlpha(p));
        }
    }
    return out;
}

QFont LabelFont(int pixelSize)
{
    QFont font(QStringLiteral("Comfortaa"));
    if (!QFontDatabase::families().contains(QStringLiteral("Comfortaa")))
        font = QFont(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

void DrawLabel(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
               QColor fill, QColor outline, qreal outlineWidth, int flags)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.boundingRect(box, flags, text);
    QPainterPath path;
    // Lay the text out line by line inside the bounds so the outline follows the glyphs.
    const QStringList lines = text.split('\n');
    qreal y = bounds.top() + metrics.ascent();
    for (const QString& line : lines) {
        const qreal w = metrics.horizontalAdvance(line);
        qreal x = bounds.left();
        if (flags & Qt::AlignHCenter)
            x = box.left() + (box.width() - w) / 2;
        else if (flags & Qt::AlignRight)
            x = box.right() - w;
        path.addText(QPointF(x, y), font, line);
        y += metrics.lineSpacing();
    }
    if (outline.alpha() > 0 && outlineWidth > 0) {
        painter.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace kit
