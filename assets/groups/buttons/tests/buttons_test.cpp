// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the named interface pictures: the mask rule of push buttons, their hover and pressed
// looks, the check buttons' states and ground, captions, sizes against the screens, the manifest.
#include "buttons_draw.h"
#include "catalogue.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <stdexcept>

using namespace buttons;

namespace {

QByteArray Pictogram(const QString& file)
{
    QFile f(QStringLiteral(BUTTONS_SOURCE_DIR "/pictograms/") + file);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing pictogram " + file.toStdString());
    return f.readAll();
}

Face FaceOf(const Entry& e)
{
    Face face;
    face.base = e.colour;
    if (!e.pictogram.isEmpty())
        face.pictogram = Pictogram(e.pictogram);
    face.pictogramScale = e.pictogramScale;
    face.word = e.word;
    face.bezel = e.bezel;
    return face;
}

bool IsWhite(QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; }
bool IsBlack(QRgb p) { return (p & 0xFFFFFF) == 0; }

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y); }

double MeanLumaInside(const QImage& picture, const QImage& mask)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (IsWhite(At(mask, x, y))) {
                sum += qGray(At(picture, x, y));
                ++count;
            }
    return count ? sum / count : 0;
}

// Mean row of the pure white pixels inside the mask: where the white pictogram sits.
double WhiteCentroidY(const QImage& picture, const QImage& mask)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (IsWhite(At(mask, x, y))) {
                const QRgb p = At(picture, x, y);
                if (qRed(p) >= 248 && qGreen(p) >= 248 && qBlue(p) >= 248) {
                    sum += y;
                    ++count;
                }
            }
    return count ? sum / count : -1;
}

int CountIf(const QImage& image, const std::function<bool(QRgb)>& test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(At(image, x, y)) ? 1 : 0;
    return n;
}

bool IsGreen(QRgb p) { return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 60; }

double MeanSaturation(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += QColor(At(image, x, y)).hsvSaturationF();
    return sum / (image.width() * image.height());
}

const Entry& Find(const QString& name)
{
    for (const Entry& e : Catalogue())
        if (e.name == name)
            return e;
    throw std::runtime_error("no entry " + name.toStdString());
}

}  // namespace

TEST(PushButtons, EveryButtonFollowsTheMaskRule)
{
    for (const Entry& e : Catalogue()) {
        if (e.kind != Kind::Push)
            continue;
        SCOPED_TRACE(e.name.toStdString());
        const PushSet set = MakePushSet(e.size, FaceOf(e));
        ASSERT_EQ(set.mask.size(), e.size);
        for (const QImage* state : {&set.normal, &set.hover, &set.pressed})
            ASSERT_EQ(state->size(), e.size);
        int inside = 0;
        for (int y = 0; y < e.size.height(); ++y)
            for (int x = 0; x < e.size.width(); ++x) {
                const QRgb m = At(set.mask, x, y);
                ASSERT_TRUE(IsWhite(m) || IsBlack(m)) << "mask pixel " << x << "," << y;
                if (IsWhite(m)) {
                    ++inside;
                    continue;
                }
                ASSERT_TRUE(IsWhite(At(set.normal, x, y))) << "normal at " << x << "," << y;
                ASSERT_TRUE(IsWhite(At(set.hover, x, y))) << "hover at " << x << "," << y;
                ASSERT_TRUE(IsWhite(At(set.pressed, x, y))) << "pressed at " << x << "," << y;
            }
        // The shape is a disc (or a pill) filling its picture: corners out, middle in, and the
        // area of a rounded rectangle whose radius is half its height.
        EXPECT_TRUE(IsBlack(At(set.mask, 0, 0)));
        EXPECT_TRUE(IsBlack(At(set.mask, e.size.width() - 1, e.size.height() - 1)));
        EXPECT_TRUE(IsWhite(At(set.mask, e.size.width() / 2, e.size.height() / 2)));
        const double r = e.size.height() / 2.0;
        const double expected = e.size.width() * e.size.height() - (4 - M_PI) * r * r;
        EXPECT_NEAR(inside / expected, 1.0, 0.06);
    }
}

TEST(PushButtons, EdgesInsideTheMaskCarryTheOutlineNotAWhiteFringe)
{
    const PushSet set = MakePushSet(QSize(60, 60), FaceOf(Find("pomoc")));
    // Walk along the middle row from the left: the first pixel inside the mask is dark outline.
    int x = 0;
    while (x < 60 && IsBlack(At(set.mask, x, 30)))
        ++x;
    ASSERT_LT(x, 60);
    EXPECT_LT(qGray(At(set.normal, x, 30)), 90);
    EXPECT_LT(qGray(At(set.hover, x, 30)), 90);
}

TEST(PushButtons, HoverIsLighterAndPressedDarker)
{
    for (const Entry& e : Catalogue()) {
        if (e.kind != Kind::Push)
            continue;
        SCOPED_TRACE(e.name.toStdString());
        const PushSet set = MakePushSet(e.size, FaceOf(e));
        const double normal = MeanLumaInside(set.normal, set.mask);
        EXPECT_GT(MeanLumaInside(set.hover, set.mask), normal + 5);
        EXPECT_LT(MeanLumaInside(set.pressed, set.mask), normal - 5);
    }
}

TEST(PushButtons, PressedPictogramSinksOneOrTwoPixels)
{
    for (int side : {30, 38, 60, 115}) {
        SCOPED_TRACE(side);
        Face face;
        face.base = QColor(30, 50, 120);  // dark enough that only the pictogram is pure white
        face.pictogram = Pictogram("stop.svg");
        const PushSet set = MakePushSet(QSize(side, side), face);
        const double normal = WhiteCentroidY(set.normal, set.mask);
        const double pressed = WhiteCentroidY(set.pressed, set.mask);
        ASSERT_GT(normal, 0);
        ASSERT_GT(pressed, 0);
        EXPECT_GE(pressed - normal, 0.75);
        EXPECT_LE(pressed - normal, 2.25);
        // The pictogram stays centred in the normal look.
        EXPECT_NEAR(normal, side / 2.0, 1.0);
    }
}

TEST(PushButtons, HoverGlowsWarm)
{
    Face face;
    face.base = kSkyDeep;
    const auto warm = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 160 && qBlue(p) < 140; };
    const PushSet set = MakePushSet(QSize(60, 60), face);
    EXPECT_EQ(CountIf(set.normal, warm), 0);
    EXPECT_GT(CountIf(set.hover, warm), 60);
}

TEST(PushButtons, BadInputIsAnErrorNotACrash)
{
    Face face;
    face.base = kTomato;
    face.pictogram = "<svg this is not a drawing";
    EXPECT_THROW(DrawPush(QSize(40, 40), face, Look::Normal), std::runtime_error);
    face.pictogram.clear();
    EXPECT_THROW(DrawPush(QSize(0, 40), face, Look::Normal), std::runtime_error);
    EXPECT_THROW(DrawCheck(QSize(-1, 10), "x", false, false), std::runtime_error);
    EXPECT_THROW(DrawCaption(QSize(20, 30), "x"), std::runtime_error);
}

TEST(Thumb, FollowsTheMaskRule)
{
    QImage picture, mask;
    ApplyMaskRule(DrawThumb(QSize(22, 16)), &picture, &mask);
    ASSERT_EQ(picture.size(), QSize(22, 16));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 22; ++x) {
            ASSERT_TRUE(IsWhite(At(mask, x, y)) || IsBlack(At(mask, x, y)));
            if (IsBlack(At(mask, x, y))) {
                ASSERT_TRUE(IsWhite(At(picture, x, y)));
            }
        }
    EXPECT_TRUE(IsWhite(At(mask, 11, 8)));
    EXPECT_TRUE(IsBlack(At(mask, 0, 0)));
}

TEST(CheckButtons, CheckedIsUnmistakableAndCornersMeltIntoTheMenu)
{
    const QRgb ground = kMenuGround.rgb() & 0xFFFFFF;
    for (bool greyed : {false, true}) {
        SCOPED_TRACE(greyed);
        const QImage off = DrawCheck(QSize(116, 38), QStringLiteral("średnio"), false, greyed);
        const QImage on = DrawCheck(QSize(116, 38), QStringLiteral("średnio"), true, greyed);
        ASSERT_EQ(off.size(), QSize(116, 38));
        ASSERT_EQ(on.size(), QSize(116, 38));
        for (const QImage* image : {&off, &on}) {
            EXPECT_EQ(At(*image, 0, 0) & 0xFFFFFF, ground);
            EXPECT_EQ(At(*image, 115, 0) & 0xFFFFFF, ground);
            EXPECT_EQ(At(*image, 0, 37) & 0xFFFFFF, ground);
            EXPECT_EQ(At(*image, 115, 37) & 0xFFFFFF, ground);
        }
        if (!greyed) {
            EXPECT_LT(CountIf(off, IsGreen), 20);
            EXPECT_GT(CountIf(on, IsGreen), 116 * 38 / 3);
        }
        // Greyed or not, the two states differ over a large part of the picture.
        int differing = 0;
        for (int y = 0; y < 38; ++y)
            for (int x = 0; x < 116; ++x) {
                const QRgb a = At(off, x, y), b = At(on, x, y);
                differing += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                     std::abs(qBlue(a) - qBlue(b)) > 30;
            }
        EXPECT_GT(differing, 116 * 38 / 4);
    }
}

TEST(CheckButtons, GreyedIsPaleButReadable)
{
    const QImage plain = DrawCheck(QSize(82, 34), QStringLiteral("KR/GR"), true, false);
    const QImage grey = DrawCheck(QSize(82, 34), QStringLiteral("KR/GR"), true, true);
    EXPECT_LT(MeanSaturation(grey), MeanSaturation(plain) * 0.6);
    // The letters keep a clear contrast to the pale pill around them.
    int darkest = 255, lightest = 0;
    for (int y = 10; y < 24; ++y)
        for (int x = 36; x < 76; ++x) {
            darkest = std::min(darkest, qGray(At(grey, x, y)));
            lightest = std::max(lightest, qGray(At(grey, x, y)));
        }
    EXPECT_LT(darkest, 170);
    EXPECT_GT(lightest - darkest, 50);
}

TEST(CheckButtons, TheLabelIsDrawn)
{
    const QImage empty = DrawCheck(QSize(106, 44), QString(), false, false);
    const QImage labelled = DrawCheck(QSize(106, 44), QStringLiteral("INNE"), false, false);
    int changed = 0;
    for (int y = 0; y < 44; ++y)
        for (int x = 40; x < 106; ++x)
            changed += qGray(At(empty, x, y)) - qGray(At(labelled, x, y)) > 80;
    EXPECT_GT(changed, 80);
}

TEST(CheckButtons, TickBoxStates)
{
    const QImage off = DrawTickBox(QSize(24, 24), false);
    const QImage on = DrawTickBox(QSize(24, 24), true);
    EXPECT_EQ(At(off, 0, 0) & 0xFFFFFF, kMenuGround.rgb() & 0xFFFFFF);
    EXPECT_LT(CountIf(off, IsGreen), 3);
    EXPECT_GT(CountIf(on, IsGreen), 120);
    EXPECT_GT(CountIf(on, [](QRgb p) { return qGray(p) > 240; }), 12);  // the white tick
}

TEST(Labels, FitFontShrinksToTheWidthAndStopsAtTheMinimum)
{
    const QString text = QStringLiteral("Pozycja głoski");
    const QFont wide = FitFont(text, 1000, 20, 8);
    EXPECT_EQ(wide.pixelSize(), 20);
    const QFont narrow = FitFont(text, 80, 20, 8);
    EXPECT_LT(narrow.pixelSize(), 20);
    EXPECT_LE(QFontMetricsF(narrow).horizontalAdvance(text), 80);
    EXPECT_EQ(FitFont(text, 5, 20, 8).pixelSize(), 8);
}

TEST(Labels, EveryCheckLabelFitsItsPillAtAReadableSize)
{
    for (const Entry& e : Catalogue()) {
        if (e.kind != Kind::Check)
            continue;
        SCOPED_TRACE(e.name.toStdString());
        const CheckLayout l = LayOutCheck(e.size, e.label, e.sizeLike);
        EXPECT_GE(l.font.pixelSize(), 12);
        EXPECT_GE(l.font.pixelSize(), e.size.height() * 0.36);
        EXPECT_LE(QFontMetricsF(l.font).horizontalAdvance(e.label), l.text.width());
        EXPECT_TRUE(QRectF(0, 0, e.size.width(), e.size.height()).contains(l.pill));
        EXPECT_TRUE(l.pill.contains(l.text));
        EXPECT_LE(l.dot.right(), l.text.left());
    }
}

TEST(Labels, ARowSharesOneFontSize)
{
    for (const QString mode : {"s_", "b_"}) {
        const int naglos = LayOutCheck(Find(mode + "naglos").size, "nagłos", Find(mode + "naglos").sizeLike)
                               .font.pixelSize();
        const Entry& srodglos = Find(mode + "srodglos_g");
        EXPECT_EQ(naglos, LayOutCheck(srodglos.size, srodglos.label, srodglos.sizeLike).font.pixelSize());
    }
    const Entry& malo = Find("b_malo");
    const Entry& srednio = Find("b_srednio_g");
    EXPECT_EQ(LayOutCheck(malo.size, malo.label, malo.sizeLike).font.pixelSize(),
              LayOutCheck(srednio.size, srednio.label, srednio.sizeLike).font.pixelSize());
    // Without a shared size the short label would be drawn bigger.
    EXPECT_GT(LayOutCheck(malo.size, malo.label).font.pixelSize(),
              LayOutCheck(srednio.size, srednio.label).font.pixelSize());
}

TEST(Labels, EveryCaptionFitsAtAReadableSize)
{
    for (const Entry& e : Catalogue()) {
        if (e.kind != Kind::Caption)
            continue;
        SCOPED_TRACE(e.name.toStdString());
        // The caption's text keeps a margin of 0.45 of the height at each side.
        const QFont font = FitFont(e.label, e.size.width() - 0.9 * e.size.height(), 64, 8);
        EXPECT_GE(font.pixelSize(), e.size.height() * 0.6);
    }
}

TEST(Captions, FillTheirSizeWithDarkTextOnTheTag)
{
    const QImage caption = DrawCaption(QSize(180, 26), QStringLiteral("Pozycja głoski"));
    ASSERT_EQ(caption.size(), QSize(180, 26));
    EXPECT_EQ(At(caption, 0, 0) & 0xFFFFFF, kMenuGround.rgb() & 0xFFFFFF);
    int dark = 0;
    for (int y = 5; y < 21; ++y)
        for (int x = 15; x < 165; ++x)
            dark += qGray(At(caption, x, y)) < 100;
    EXPECT_GT(dark, 150);
}

TEST(Catalogue, HoldsEveryNameTheScreensAskFor)
{
    QSet<QString> names;
    for (const Entry& e : Catalogue()) {
        EXPECT_FALSE(names.contains(e.name)) << e.name.toStdString();
        names.insert(e.name);
    }
    const char* wanted[] = {
        "oprogramie", "wyjdz", "start", "rrec", "rodtworz", "rstop", "up", "down", "stop", "pomoc",
        "nast", "pop", "htm_butt_s", "htm_butt_b", "scroll", "S_CHBUT", "b_malo", "b_malo_g",
        "b_srednio", "b_srednio_g", "b_duzo", "b_duzo_g", "s_J", "s_J_g", "s_L", "s_L_g", "s_LI",
        "s_LI_g", "s_R", "s_R_g", "s_TRDR", "s_TRDR_g", "s_PRBR", "s_PRBR_g", "s_KRGR", "s_KRGR_g",
        "s_INNE", "s_INNE_g", "B_J", "B_J_g", "B_L", "B_L_g", "b_LI", "b_LI_g", "b_R", "b_R_g",
        "b_TRDR", "b_TRDR_g", "b_PRBR", "b_PRBR_g", "b_KRGR", "b_KRGR_g", "b_INNE", "b_INNE_g",
        "s_naglos", "s_naglos_g", "s_srodglos", "s_srodglos_g", "s_wyglos", "s_wyglos_g",
        "b_naglos", "b_naglos_g", "b_srodglos", "b_srodglos_g", "b_wyglos", "b_wyglos_g",
        "nap_ilzadan_s", "nap_ilzadan_b",
        "nap_gloski_s", "nap_gloski_b", "nap_pozycja_s", "nap_pozycja_b"};
    for (const char* name : wanted)
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
    EXPECT_EQ(names.size(), int(std::size(wanted)));
    EXPECT_EQ(Find("b_srednio_g").label, QStringLiteral("średnio"));
    EXPECT_EQ(Find("B_L").label, QStringLiteral("L"));
    EXPECT_EQ(Find("s_TRDR_g").label, QStringLiteral("TR/DR"));
    EXPECT_TRUE(Find("s_wyglos_g").greyed);
    EXPECT_FALSE(Find("s_naglos").greyed);
}

TEST(Catalogue, SizesFitTheScreens)
{
    auto within = [](const QString& name, int w, int h) {
        const QSize s = Find(name).size;
        EXPECT_LE(s.width(), w) << name.toStdString();
        EXPECT_LE(s.height(), h) << name.toStdString();
    };
    for (const char* n : {"oprogramie", "wyjdz", "start"})
        within(n, 90, 60);
    // The recordings buttons stand 40 px apart: they must not touch.
    for (const char* n : {"rrec", "rodtworz", "rstop"})
        within(n, 39, 40);
    // The games' buttons react in 70 x 60 from their top-left corner.
    for (const char* n : {"stop", "pomoc", "nast", "pop"})
        within(n, 70, 60);
    // On the summary "start" at x 235 stands left of "stop" at x 325.
    EXPECT_LE(Find("start").size.width(), 325 - 235);
    // Menu bottom line: exit at W/2 - 55, start at W/2 + 35.
    EXPECT_LE(Find("wyjdz").size.width(), 90);
    within("htm_butt_s", 100, 100);
    within("htm_butt_b", 125, 125);
    EXPECT_LT(Find("htm_butt_s").size.width(), Find("htm_butt_b").size.width());

    // Sound rows: 90 / 120 px apart across, 40 / 50 px apart down.
    for (const Entry& e : Catalogue()) {
        if (e.kind != Kind::Check)
            continue;
        static const QRegularExpression soundName("^[sBb]_(J|L|LI|R|TRDR|PRBR|KRGR|INNE)(_g)?$");
        const bool sound = soundName.match(e.name).hasMatch();
        if (!sound)
            within(e.name, 120, 40);
        else if (e.name.startsWith("s_"))
            within(e.name, 85, 36);
        else
            within(e.name, 110, 46);
    }
    // Amount and position rows: 133 px apart in the small layout.
    EXPECT_LT(Find("b_malo").size.width(), 133);
    // The rows' last buttons stay on the menu's paper board, which ends at x 541 (small layout)
    // and 694 (big layout), so the check buttons' paper-coloured corners never show.
    EXPECT_LE(416 + Find("b_duzo_g").size.width(), 541);
    EXPECT_LE(426 + Find("s_wyglos_g").size.width(), 541);
    EXPECT_LE(450 + Find("s_INNE_g").size.width(), 541);
    EXPECT_LE(545 + Find("b_wyglos_g").size.width(), 694);
    EXPECT_LE(575 + Find("b_INNE_g").size.width(), 694);

    // The recordings list: the tick box at date left + 105 must end before the up button at
    // date right + 30, i.e. 25 px further right.
    EXPECT_LE(Find("S_CHBUT").size.width(), 25);
    EXPECT_LE(Find("S_CHBUT").size.height(), 32);

    // The thumb runs from up top + 30 in 22 steps of (down top - 5 - that) / 22 and must not
    // reach the down button; small and big layouts.
    for (int height : {600, 768}) {
        const int upTop = (height / 70) * 22 - 32, downTop = (height / 70) * 22 + 256;
        const int top = upTop + 30, step = (downTop - 5 - top) / 22;
        EXPECT_LE(top + 22 * step + Find("scroll").size.height(), downTop) << height;
    }
    // The thumb starts 30 px under the up button's top: up fills that height without covering it.
    EXPECT_LE(Find("up").size.height(), 30);
    EXPECT_GE(Find("up").size.height(), 26);
    // x = up left + 4 centres the thumb on the up button.
    EXPECT_EQ(Find("up").size.width() - Find("scroll").size.width(), 8);

    // Captions: at most half the screen wide, and clear of the row 30 (small) / 40 (big) below.
    for (const Entry& e : Catalogue()) {
        if (e.kind != Kind::Caption)
            continue;
        const bool small = e.name.endsWith("_s");
        EXPECT_LE(e.size.width(), small ? 400 : 512) << e.name.toStdString();
        EXPECT_LT(e.size.height(), small ? 30 : 40) << e.name.toStdString();
    }
}

TEST(Catalogue, ManifestListsExactlyTheFilesWritten)
{
    QFile file(QStringLiteral(BUTTONS_SOURCE_DIR "/manifest.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QHash<QString, QString> lines;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QString path = line.section(' ', 0, 0, QString::SectionSkipEmpty);
        EXPECT_FALSE(lines.contains(path)) << path.toStdString();
        lines.insert(path, line.simplified());
    }
    int files = 0;
    for (const Entry& e : Catalogue())
        for (const StoreFile& f : FilesOf(e)) {
            ++files;
            const QString path = "Data/Res/" + f.name + ".png";
            QString expected = QString("%1 png %2 %3").arg(path).arg(f.size.width()).arg(f.size.height());
            if (f.isMask)
                expected += " mask";
            else if (!f.maskName.isEmpty())
                expected += " white-outside=Data/Res/" + f.maskName + ".png";
            EXPECT_EQ(lines.value(path).toStdString(), expected.toStdString());
        }
    EXPECT_EQ(lines.size(), files);
    EXPECT_EQ(files, 166);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
