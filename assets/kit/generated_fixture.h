// For the generators' tests: a test suite that runs one group's generator once into a temporary
// program folder and reads back what it wrote.
#pragma once

#include "assetkit.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kit {

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

    static inline QTemporaryDir* dir_ = nullptr;
    static inline int written_ = 0;
};

}  // namespace kit
