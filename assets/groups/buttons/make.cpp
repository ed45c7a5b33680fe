// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the picture store's named interface pictures: push buttons with their states and masks,
// the scroll thumb, the menu's check buttons and the row captions (Data/Res/<name>.png).
#include "assetkit.h"
#include "buttons_draw.h"
#include "catalogue.h"

#include <QHash>
#include <stdexcept>

namespace {

void MakeEntry(kit::Generator& gen, const buttons::Entry& e, QHash<QString, QByteArray>& pictograms)
{
    using buttons::Kind;
    switch (e.kind) {
    case Kind::Push: {
        buttons::Face face;
        face.base = e.colour;
        if (!e.pictogram.isEmpty()) {
            if (!pictograms.contains(e.pictogram))
                pictograms.insert(e.pictogram, gen.ReadSource("pictograms/" + e.pictogram));
            face.pictogram = pictograms.value(e.pictogram);
        }
        face.pictogramScale = e.pictogramScale;
        face.word = e.word;
        face.bezel = e.bezel;
        const buttons::PushSet set = buttons::MakePushSet(e.size, face);
        gen.WriteStore(e.name + "_D", set.normal);
        gen.WriteStore(e.name + "_A", set.hover);
        gen.WriteStore(e.name + "_", set.pressed);
        gen.WriteStore(e.name + "_M", set.mask);
        return;
    }
    case Kind::Thumb: {
        QImage picture, mask;
        buttons::ApplyMaskRule(buttons::DrawThumb(e.size), &picture, &mask);
        gen.WriteStore(e.name + "_D", picture);
        gen.WriteStore(e.name + "_M", mask);
        return;
    }
    case Kind::Check:
        gen.WriteStore(e.name + "_D", buttons::DrawCheck(e.size, e.label, false, e.greyed, e.sizeLike));
        gen.WriteStore(e.name + "_A", buttons::DrawCheck(e.size, e.label, true, e.greyed, e.sizeLike));
        return;
    case Kind::TickBox:
        gen.WriteStore(e.name + "_D", buttons::DrawTickBox(e.size, false));
        gen.WriteStore(e.name + "_A", buttons::DrawTickBox(e.size, true));
        return;
    case Kind::Caption:
        gen.WriteStore(e.name, buttons::DrawCaption(e.size, e.label));
        return;
    }
    throw std::runtime_error("unknown picture kind for " + e.name.toStdString());
}

}  // namespace

int main(int argc, char** argv)
{
    return kit::Main(argc, argv, [](kit::Generator& gen) {
        QHash<QString, QByteArray> pictograms;
        for (const buttons::Entry& e : buttons::Catalogue())
            MakeEntry(gen, e, pictograms);
    });
}
