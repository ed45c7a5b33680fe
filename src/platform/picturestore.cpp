// SPDX-License-Identifier: GPL-3.0-or-later
// The name-keyed store of interface pictures (see picturestore.h).
#include "picturestore.h"

#include <QFile>
#include <memory>

PictureStore::PictureStore(QString folder) : folder_(std::move(folder)) {}

QImage PictureStore::Find(const QString& name)
{
    auto found = cache_.constFind(name);
    if (found != cache_.constEnd())
        return *found;
    QImage picture;
    const QString path = folder_ + "/" + name + ".png";
    // A name with a path separator could reach outside the store.
    if (!name.isEmpty() && !name.contains('/') && QFile::exists(path) && picture.load(path, "PNG")) {
        // Pictures are combined with raster operations, which need opaque pixels.
        picture = picture.convertToFormat(QImage::Format_RGB32);
    } else {
        picture = QImage();
    }
    cache_.insert(name, picture);
    return picture;
}

QStringList PictureStore::MissingNames() const
{
    static const char* const kStoreNames[] = {
#include "storepictures.inc"
    };
    QStringList missing;
    for (const char* name : kStoreNames)
        if (!QFile::exists(folder_ + "/" + QLatin1String(name) + ".png"))
            missing.append(QLatin1String(name));
    return missing;
}

namespace {
std::unique_ptr<PictureStore>& SharedSlot()
{
    static std::unique_ptr<PictureStore> store;
    return store;
}
}  // namespace

PictureStore& SharedPictureStore()
{
    auto& slot = SharedSlot();
    if (!slot)
        slot = std::make_unique<PictureStore>(QStringLiteral("Data/Res"));
    return *slot;
}

void ResetSharedPictureStore(const QString& folder)
{
    SharedSlot() = std::make_unique<PictureStore>(folder);
}

bool OtworzBMP(const QString& name, QImage& bitmap)
{
    bitmap = SharedPictureStore().Find(name);
    return !bitmap.isNull();
}
