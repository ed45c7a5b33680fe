// SPDX-License-Identifier: GPL-3.0-or-later
// The named interface pictures with their sizes. The sizes follow the screens: the recordings
// buttons stand 40 px apart, the game windows' buttons react in a 70 x 60 area, the menu's rows
// stand 90 / 120 px apart (sound groups) and 133 / 170 px apart (amounts, positions).
#include "catalogue.h"

#include "buttons_draw.h"

namespace buttons {

namespace {

Entry Push(const QString& name, QSize size, QColor colour, const QString& pictogram, qreal scale)
{
    Entry e{name, Kind::Push, size, colour, pictogram, scale, {}, false, {}, false, {}};
    return e;
}

Entry Check(const QString& name, QSize size, const QString& label, const QString& sizeLike = {})
{
    Entry e{name, Kind::Check, size, {}, {}, 0, {}, false, label, false, sizeLike};
    // A "_g" name is a choice this edition does not offer: it looks greyed, yet stays clickable.
    e.greyed = name.endsWith("_g");
    return e;
}

Entry Caption(const QString& name, QSize size, const QString& text)
{
    return Entry{name, Kind::Caption, size, {}, {}, 0, {}, false, text, false, {}};
}

std::vector<Entry> Build()
{
    std::vector<Entry> list;
    // Main menu: about, exit and start share the bottom line; start carries its word.
    const QSize menuDisc(60, 60);
    list.push_back(Push("oprogramie", menuDisc, kTeal, "info.svg", 0.56));
    list.push_back(Push("wyjdz", menuDisc, kBerry, "exit.svg", 0.62));
    Entry start = Push("start", QSize(84, 60), kGrass, "play.svg", 0.38);
    start.word = QStringLiteral("start");
    list.push_back(start);

    // Recordings tab: three buttons 40 px apart, so each a little narrower than that.
    const QSize recorder(38, 38);
    list.push_back(Push("rrec", recorder, kBerry, "record.svg", 0.74));
    list.push_back(Push("rodtworz", recorder, kGrass, "play.svg", 0.54));
    list.push_back(Push("rstop", recorder, kTomato, "stop.svg", 0.50));
    list.push_back(Push("up", QSize(30, 30), kSkyDeep, "up.svg", 0.56));
    list.push_back(Push("down", QSize(30, 30), kSkyDeep, "down.svg", 0.56));

    // Game windows: the buttons react in 70 x 60 from their top-left corner. "stop" stands 4 px
    // right of the others in the games' button column, so it is 4 px narrower to line up.
    list.push_back(Push("stop", QSize(56, 56), kTomato, "stop.svg", 0.46));
    list.push_back(Push("pomoc", QSize(60, 60), kOrange, "help.svg", 0.56));
    list.push_back(Push("nast", QSize(60, 60), kGrass, "next.svg", 0.52));
    list.push_back(Push("pop", QSize(60, 60), kGrass, "prev.svg", 0.52));

    // The flying saucer's launch button, one per display mode.
    Entry launchSmall = Push("htm_butt_s", QSize(90, 90), kTomato, "launch.svg", 0.56);
    launchSmall.bezel = true;
    list.push_back(launchSmall);
    Entry launchBig = Push("htm_butt_b", QSize(115, 115), kTomato, "launch.svg", 0.56);
    launchBig.bezel = true;
    list.push_back(launchBig);

    // The recordings list's thumb travels 22 steps of 11 px between up (30 px tall) and down:
    // 16 px tall keeps it off the down button at its last step; x = up + 4 centres it when 22 wide.
    list.push_back(Entry{"scroll", Kind::Thumb, QSize(22, 16), {}, {}, 0, {}, false, {}, false, {}});

    // Recordings list rows: 32 px apart, the box must end before the up button (19 px right).
    list.push_back(Entry{"S_CHBUT", Kind::TickBox, QSize(24, 24), {}, {}, 0, {}, false, {}, false, {}});

    // Amount row, one set for both display modes.
    const QSize row(120, 40);
    const QString amountWidest = QStringLiteral("średnio");
    list.push_back(Check("b_malo", row, QStringLiteral("mało"), amountWidest));
    list.push_back(Check("b_malo_g", row, QStringLiteral("mało"), amountWidest));
    list.push_back(Check("b_srednio", row, QStringLiteral("średnio"), amountWidest));
    list.push_back(Check("b_srednio_g", row, QStringLiteral("średnio"), amountWidest));
    list.push_back(Check("b_duzo", row, QStringLiteral("dużo"), amountWidest));
    list.push_back(Check("b_duzo_g", row, QStringLiteral("dużo"), amountWidest));

    // Sound groups: small names, then big names, spelled as the menu asks for them.
    const QSize soundSmall(82, 34), soundBig(106, 44);
    const struct {
        const char* small;
        const char* big;
        const char* label;
    } sounds[] = {
        {"s_J", "B_J", "J"},               {"s_J_g", "B_J_g", "J"},
        {"s_L", "B_L", "L"},               {"s_L_g", "B_L_g", "L"},
        {"s_LI", "b_LI", "LI"},            {"s_LI_g", "b_LI_g", "LI"},
        {"s_R", "b_R", "R"},               {"s_R_g", "b_R_g", "R"},
        {"s_TRDR", "b_TRDR", "TR/DR"},     {"s_TRDR_g", "b_TRDR_g", "TR/DR"},
        {"s_PRBR", "b_PRBR", "PR/BR"},     {"s_PRBR_g", "b_PRBR_g", "PR/BR"},
        {"s_KRGR", "b_KRGR", "KR/GR"},     {"s_KRGR_g", "b_KRGR_g", "KR/GR"},
        {"s_INNE", "b_INNE", "INNE"},      {"s_INNE_g", "b_INNE_g", "INNE"},
    };
    for (const auto& s : sounds)
        list.push_back(Check(s.small, soundSmall, QString::fromUtf8(s.label)));
    for (const auto& s : sounds)
        list.push_back(Check(s.big, soundBig, QString::fromUtf8(s.label)));

    // Position row. In the small layout its last button starts at x 426: 114 px keeps it on the
    // menu's paper board (which ends at x 541) so its corners melt in.
    const struct {
        const char* base;
        const char* label;
    } positions[] = {
        {"naglos", "nagłos"},     {"naglos_g", "nagłos"}, {"srodglos", "śródgłos"},
        {"srodglos_g", "śródgłos"}, {"wyglos", "wygłos"},   {"wyglos_g", "wygłos"},
    };
    for (const char* mode : {"s_", "b_"})
        for (const auto& p : positions)
            list.push_back(Check(QString::fromLatin1(mode) + p.base, mode[0] == 's' ? QSize(114, 40) : row,
                                 QString::fromUtf8(p.label), QStringLiteral("śródgłos")));

    // Captions end at the screen's middle (+10 in the small layout): these widths centre them
    // over their rows as far as the text allows; 26 / 34 px tall leaves a gap above the rows that
    // follow 30 / 40 px below them.
    list.push_back(Caption("nap_ilzadan_s", QSize(138, 26), QStringLiteral("Ilość zadań")));
    list.push_back(Caption("nap_gloski_s", QSize(108, 26), QStringLiteral("Głoski")));
    list.push_back(Caption("nap_pozycja_s", QSize(150, 26), QStringLiteral("Pozycja głoski")));
    list.push_back(Caption("nap_ilzadan_b", QSize(160, 34), QStringLiteral("Ilość zadań")));
    list.push_back(Caption("nap_gloski_b", QSize(128, 34), QStringLiteral("Głoski")));
    list.push_back(Caption("nap_pozycja_b", QSize(200, 34), QStringLiteral("Pozycja głoski")));
    return list;
}

}  // namespace

const std::vector<Entry>& Catalogue()
{
    static const std::vector<Entry> list = Build();
    return list;
}

std::vector<StoreFile> FilesOf(const Entry& e)
{
    switch (e.kind) {
    case Kind::Push:
        return {{e.name + "_D", e.size, false, e.name + "_M"},
                {e.name + "_A", e.size, false, e.name + "_M"},
                {e.name + "_", e.size, false, e.name + "_M"},
                {e.name + "_M", e.size, true, {}}};
    case Kind::Thumb:
        return {{e.name + "_D", e.size, false, e.name + "_M"}, {e.name + "_M", e.size, true, {}}};
    case Kind::Check:
    case Kind::TickBox:
        return {{e.name + "_D", e.size, false, {}}, {e.name + "_A", e.size, false, {}}};
    case Kind::Caption:
        return {{e.name, e.size, false, {}}};
    }
    return {};
}

}  // namespace buttons
