// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds game's names and hidden objects (see _cobiektodglosy.h).
#include "_cobiektodglosy.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "shell/_cblad.h"

namespace {

constexpr int kResourcesMissing = 1;
const QString kSoundFolder = QStringLiteral("Data/Smd.O/");
const QString kSoundExtension = QStringLiteral(".pw");

QImage LoadJpeg(const QString& path)
{
    try {
        return DecodeJpegFile(path).convertToFormat(QImage::Format_RGB32);
    } catch (const ImageError&) {
        throw CBlad(kResourcesMissing);
    }
}

}  // namespace

const std::array<SoundThing, 9>& SoundThings()
{
    return kSoundThings;
}

QString FileCode(const QString& name)
{
    for (const SoundThing& thing : SoundThings())
        if (name == QLatin1String(thing.name))
            return QString::fromLatin1(thing.code);
    return {};
}

QString SoundPath(const QString& name)
{
    return kSoundFolder + FileCode(name) + kSoundExtension;
}

void CWyborOdglosy::ClearFlags()
{
    SelectedObject = false;
    SelectedButton = false;
    SelectionCount = 0;
}

void CWyborOdglosy::Clear()
{
    ClearFlags();
    ObjectName.clear();
    ButtonName.clear();
}

CObiektOdglosy::CObiektOdglosy(const QString& name, int x, int y, bool small, CScena& scene,
                               CObjectAreaMaker& areas)
    : name_(name), x_(x), y_(y), scene_(scene)
{
    const QString base = QString::fromLatin1(kFolder) + FileCode(name);
    const QString layout = small ? QStringLiteral("_s.xji") : QStringLiteral("_b.xji");
    picture_ = LoadJpeg(base + layout);
    selectedPicture_ = LoadJpeg(base + QStringLiteral("_z") + layout);
    savedBackground_ = scene_.Scene().copy(Rect());
    if (savedBackground_.isNull())
        throw CBlad(kResourcesMissing);
    area_ = areas.NewObjectArea(*this);
}

CObiektOdglosy::~CObiektOdglosy() = default;

void CObiektOdglosy::ShowPicture(bool selectedLook)
{
    raster::Copy(scene_.Scene(), QPoint(x_, y_), selectedLook ? selectedPicture_ : picture_);
    scene_.ShowRect(Rect());
}

void CObiektOdglosy::Conceal()
{
    raster::Copy(scene_.Scene(), QPoint(x_, y_), savedBackground_);
    scene_.ShowRect(Rect());
}

void CObiektOdglosy::LeftPress(CWyborOdglosy& selection)
{
    if (!selection.SelectedObject && !selected_) {
        ShowPicture(true);
        selection.ObjectName = name_;
        selection.SelectedObject = true;
        selected_ = true;
        ++selection.SelectionCount;
    } else if (selection.SelectedObject && selected_) {
        // Clicked again: no longer picked, but still under the mouse, so still shown.
        selected_ = false;
        ShowPicture(false);
        selection.SelectedObject = false;
        selection.SelectionCount = 0;
    }
}

void CObiektOdglosy::Enter()
{
    if (!selected_)
        ShowPicture(false);
}

void CObiektOdglosy::Leave()
{
    if (!selected_)
        Conceal();
}
