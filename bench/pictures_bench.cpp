// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures: a word picture blended through a soft (8-bit grey) mask, the same picture drawn with the
// hard mask rule as the picture-and-say game draws it, and decoding the largest background there is.
#include "gfx/Ctransbitmap.h"
#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "support/programfolder.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace {

QString DataFile(const QString& name)
{
    return ProgramFolder::GeneratedData() + "/" + name;
}

// The big word picture and its shape.
struct WordPicture {
    QImage picture = DecodeJpegFile(DataFile("Bion/latarka_shb.xji"));
    QImage mask = DecodeJpegFile(DataFile("Bion/_matr_shb.xji"));
    QImage canvas{1024, 768, QImage::Format_RGB32};
    WordPicture() { canvas.fill(Qt::darkCyan); }
};

void BM_WordPictureSoftMaskBlend(benchmark::State& state)
{
    WordPicture word;
    CTransBitmap soft;
    soft.SetImage(word.picture);
    soft.SetMask(word.mask);
    const int opacity = int(state.range(0));
    for (auto _ : state) {
        soft.Draw(word.canvas, 300, opacity, 200);
        benchmark::ClobberMemory();
    }
    state.SetLabel(QStringLiteral("%1x%2, opacity %3").arg(soft.Width()).arg(soft.Height()).arg(opacity).toStdString());
}
BENCHMARK(BM_WordPictureSoftMaskBlend)->Arg(255)->Arg(128);

void BM_WordPictureHardMask(benchmark::State& state)
{
    WordPicture word;
    for (auto _ : state) {
        raster::DrawMasked(word.canvas, QPoint(300, 200), word.picture, word.mask);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WordPictureHardMask);

void BM_DecodeLargestBackground(benchmark::State& state)
{
    QString largest;
    qint64 size = 0;
    for (QDirIterator it(DataFile("Intf"), {"*.xji"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo info(it.next());
        if (info.size() > size)
            size = info.size(), largest = info.filePath();
    }
    QFile file(largest);
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no background found");
        return;
    }
    const QByteArray bytes = file.readAll();
    QSize decoded;
    for (auto _ : state) {
        const QImage picture = DecodeJpeg(bytes);
        decoded = picture.size();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetLabel(QStringLiteral("%1, %2 bytes, %3x%4")
                       .arg(QFileInfo(largest).fileName())
                       .arg(bytes.size())
                       .arg(decoded.width())
                       .arg(decoded.height())
                       .toStdString());
}
BENCHMARK(BM_DecodeLargestBackground);

}  // namespace
