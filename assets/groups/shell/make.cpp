// SPDX-License-Identifier: GPL-3.0-or-later
// Generator of the shell screens' pictures: splash, main menu and its tab strips, about window and
// logo, message window, end-of-game summaries and the zoom frame with its mask.
#include "shell.h"

namespace {

void MakeAll(kit::Generator& g)
{
    using namespace shell;
    const QString folder = QStringLiteral("Data/Intf/Spec/");

    g.WriteJpeg(folder + "mT_Splh.xji", Splash(g));

    for (const MenuLayout* l : {&SmallMenu(), &BigMenu()}) {
        const QImage background = MenuBackground(g, *l);
        g.WriteJpeg(folder + "mT_m0" + l->suffix + ".xji", background);
        for (int tab = 1; tab <= 6; ++tab)
            g.WriteBmp24(folder + "mT_m" + QString::number(tab) + l->suffix + ".xbi",
                         TabStrip(g, *l, background, tab));
    }

    const QImage aboutSmall = AboutBackground(g, QSize(800, 600));
    const QImage aboutBig = AboutBackground(g, QSize(1024, 768));
    g.WriteJpeg(folder + "mT_OPro_s.xji", aboutSmall);
    g.WriteJpeg(folder + "mT_OPro_b.xji", aboutBig);
    g.WriteJpeg(folder + "l4_s.xji", Logo(g, aboutSmall, kLogoAtSmall, kLogoSmall));
    g.WriteJpeg(folder + "l4_b.xji", Logo(g, aboutBig, kLogoAtBig, kLogoBig));

    g.WriteJpeg(folder + "mKom_kp.xji", MessageBackground(g));
    g.WriteJpeg(folder + "mStatsB.xji", SummaryBackground(g, Mood::Sad));
    g.WriteJpeg(folder + "mStatsM.xji", SummaryBackground(g, Mood::Calm));
    g.WriteJpeg(folder + "mStatsG.xji", SummaryBackground(g, Mood::Happy));

    // The zoom combines these bit by bit, so they are kept as close to lossless as JPEG allows.
    for (const FrameLayout* f : {&SmallFrame(), &BigFrame()}) {
        const QImage mask = FrameMask(*f);
        g.WriteJpeg(folder + "ekr_m" + f->suffix + ".xji", mask, 100);
        g.WriteJpeg(folder + "ekr" + QString(f->suffix) + ".xji", kit::WhiteOutside(FrameShape(*f), mask), 100);
    }

    CheckAll(g);
}

}  // namespace

int main(int argc, char** argv)
{
    return kit::Main(argc, argv, MakeAll);
}
