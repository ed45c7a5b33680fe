// SPDX-License-Identifier: GPL-3.0-or-later
// Generator of the picture-and-say game's pictures (Data/Intf/Sel): background and letter strip
// in both layouts. Refuses to finish when a picture would not fit the game's layout.
#include <stdexcept>

#include "labyrinth_ledger.h"
#include "selector.h"

namespace {

const QString kFolder = "Data/Intf/Sel/";

void MakeLayout(kit::Generator& gen, kit::Ledger& ledger, const sel::Layout& l)
{
    const QImage background = sel::Background(l, gen.ReadSource("landscape.svg"));
    kit::Require(sel::CheckBackground(l, background), "mT_Sel" + l.suffix);
    ledger.Jpeg(kFolder + "mT_Sel" + l.suffix + ".xji", background);

    const kit::StripPieces strip = kit::MakeStrip(sel::StripLookOf(l));
    kit::Require(sel::CheckStripSlots(l, background, strip), "strip" + l.suffix);
    ledger.Jpeg(kFolder + "RmkK1" + l.suffix + ".xji", strip.start);
    ledger.BmpGrey(kFolder + "RmkK1_m" + l.suffix + ".xbi", strip.startMask);
    ledger.Jpeg(kFolder + "RmkK2" + l.suffix + ".xji", strip.end);
    ledger.BmpGrey(kFolder + "RmkK2_m" + l.suffix + ".xbi", strip.endMask);
    ledger.Jpeg(kFolder + "RmkS" + l.suffix + ".xji", strip.middle);
}

}  // namespace

int main(int argc, char** argv)
{
    return kit::Main(argc, argv, [](kit::Generator& gen) {
        kit::Ledger ledger(gen);
        MakeLayout(gen, ledger, sel::SmallLayout());
        MakeLayout(gen, ledger, sel::BigLayout());
        kit::Require(ledger.CompareWith(gen.ReadSource("manifest.txt")), "manifest");
    });
}
