// SPDX-License-Identifier: GPL-3.0-or-later
// For the generators' tests: a test suite that runs one group's generator once into a temporary
// program folder and reads back what it wrote.
#pragma once

#include "assetkit.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace kit {

// The largest difference of the three colour channels of two pixels.
inline int Diff(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Average colour step between neighbouring pixels: near 0 on a plain or softly shaded area.
inline double Busyness(const QImage& image, const QRect& area)
{
    long sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x < area.right(); ++x) {
            sum += Diff(image.pixel(x, y), image.pixel(x + 1, y));
            ++count;
        }
    return count ? double(sum) / count : 0.0;
}

template <void (*Make)(Generator&)>
class GeneratedGroup : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        ASSERT_TRUE(dir_->isValid());
        Generator generator(QStringLiteral(GROUP_DIR), dir_->path());
        Make(generator);
        written_ = generator.Written();
    }
    static void TearDownTestSuite()
    {
        delete dir_;
        dir_ = nullptr;
    }

    // A written picture as opaque RGB32 (a failure when it cannot be read).
    static QImage Load(const QString& relative)
    {
        QImage image(dir_->path() + "/" + relative);
        EXPECT_FALSE(image.isNull()) << relative.toStdString();
        return image.convertToFormat(QImage::Format_RGB32);
    }

    // Every picture the group's manifest lists was written at its listed size, and the generator
    // wrote exactly as many files as the manifest lists.
    static void ExpectManifestWritten()
    {
        QFile manifest(QStringLiteral(GROUP_DIR "/manifest.txt"));
        ASSERT_TRUE(manifest.open(QIODevice::ReadOnly));
        int listed = 0;
        while (!manifest.atEnd()) {
            const QString line = QString::fromUtf8(manifest.readLine()).section('#', 0, 0).trimmed();
            if (line.isEmpty())
                continue;
            const QStringList f = line.split(' ', Qt::SkipEmptyParts);
            ASSERT_GE(f.size(), 4) << line.toStdString();
            EXPECT_EQ(Load(f[0]).size(), QSize(f[2].toInt(), f[3].toInt())) << f[0].toStdString();
            ++listed;
        }
        EXPECT_EQ(listed, written_) << "every written file is listed, and only those";
    }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline int written_ = 0;
};

}  // namespace kit
