// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the sounds game's pictures: the nine hidden objects must vanish into the scene without
// a seam, stand out when picked and keep clear of each other and of the buttons; the buttons must
// follow the mask rule and keep their words readable.
#include "assetkit.h"
#include "generated_fixture.h"
#include "sounds.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

const QString kGroup = QStringLiteral(GROUP_DIR);

// Runs the generator once into a temporary program folder shared by all tests.
using Generated = kit::GeneratedGroup<sounds::Make>;
using kit::Busyness;
using kit::Diff;

// Mean and largest colour difference between `part` and `whole` at `at`, over the outer
// `ring` pixels of `part`.
std::pair<double, int> BorderDifference(const QImage& part, const QImage& whole, QPoint at, int ring)
{
    long sum = 0;
    int count = 0, worst = 0;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            const int edge = std::min({x, y, part.width() - 1 - x, part.height() - 1 - y});
            if (edge >= ring)
                continue;
            const int d = Diff(part.pixel(x, y), whole.pixel(at.x() + x, at.y() + y));
            sum += d;
            worst = std::max(worst, d);
            ++count;
        }
    return {double(sum) / count, worst};
}

// Mean brightness difference: JPEG keeps brightness well even where it blurs colour.
double MeanLumaDifference(const QImage& a, const QImage& b)
{
    long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return double(sum) / (a.width() * a.height());
}

double MeanDifference(const QImage& a, const QImage& b)
{
    long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += Diff(a.pixel(x, y), b.pixel(x, y));
    return double(sum) / (a.width() * a.height());
}

const sounds::Layout* Layouts[] = {&sounds::SmallLayout(), &sounds::BigLayout()};

TEST_F(Generated, EveryManifestFileIsWrittenAtItsSize)
{
    ExpectManifestWritten();
}

QByteArray ReadGroupFile(const QString& relative)
{
    QFile file(kGroup + "/" + relative);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
    return file.readAll();
}

QString CodeOf(const char* name)
{
    for (const SoundThing& thing : kSoundThings)
        if (qstrcmp(thing.name, name) == 0)
            return thing.code;
    return {};
}

TEST(SoundsObjects, LeaveTheEdgeOfTheirPlaceToTheScene)
{
    // Shown and hidden again and again, an object must not leave a trace: its outermost
    // pixels are the scene's own, neither the drawing nor its glow may reach them.
    const QByteArray svg = ReadGroupFile("scene.svg");
    for (const sounds::Layout* layout : Layouts) {
        const QImage scene = sounds::Scene(svg, *layout);
        for (const SoundsHidingPlace& hiding : kHidingPlaces) {
            const QRect place = sounds::PlaceIn(hiding, *layout);
            const QByteArray drawing = ReadGroupFile(sounds::DrawingOf(hiding.name));
            for (bool selected : {false, true}) {
                const QImage picture = sounds::HiddenObject(scene, place, drawing, selected)
                                           .convertToFormat(QImage::Format_RGB32);
                const auto [mean, worst] = BorderDifference(picture, scene, place.topLeft(), 1);
                EXPECT_EQ(worst, 0) << hiding.name << (selected ? " selected" : "");
            }
        }
    }
}

TEST_F(Generated, ObjectFilesAreCutAtTheirPlacesAndTheSelectedLookStandsOut)
{
    const QByteArray svg = ReadGroupFile("scene.svg");
    for (const sounds::Layout* layout : Layouts) {
        const QString s = layout->suffix;
        const QImage scene = sounds::Scene(svg, *layout);
        for (const SoundsHidingPlace& hiding : kHidingPlaces) {
            SCOPED_TRACE(hiding.name);
            const QRect place = sounds::PlaceIn(hiding, *layout);
            const QByteArray object = ReadGroupFile(sounds::DrawingOf(hiding.name));
            const QString code = CodeOf(hiding.name);
            const QImage file = Load("Data/Intf/Odgl/" + code + "_" + s + ".xji");
            ASSERT_EQ(file.size(), place.size());
            // The written picture is the object over the scene at its place (JPEG adds a
            // little noise), and clearly not over the scene a few pixels away, unless that
            // is the same plain sky.
            const double here = MeanLumaDifference(
                file, sounds::HiddenObject(scene, place, object, false).convertToFormat(QImage::Format_RGB32));
            const double away = MeanLumaDifference(
                file, sounds::HiddenObject(scene, place.translated(4, 4), object, false)
                          .convertToFormat(QImage::Format_RGB32));
            EXPECT_LT(here, 2.5);
            EXPECT_TRUE(here * 2 < away || away < 2.5) << here << " " << away;
            // Something to find: the object covers a good part of its place; picked, it glows.
            EXPECT_GT(MeanDifference(file, scene.copy(place)), 20.0);
            EXPECT_GT(MeanDifference(file, Load("Data/Intf/Odgl/" + code + "_z_" + s + ".xji")), 8.0);
        }
    }
}

TEST(SoundsLayout, HidingPlacesKeepClearOfEachOtherAndOfTheButtons)
{
    for (const sounds::Layout* layout : Layouts) {
        const QRect screen(QPoint(0, 0), layout->screen);
        for (const SoundsHidingPlace& hiding : kHidingPlaces) {
            SCOPED_TRACE(hiding.name);
            const QRect place = sounds::PlaceIn(hiding, *layout);
            EXPECT_TRUE(screen.contains(place));
            EXPECT_FALSE(place.intersects(layout->helpButtons));
            for (const QPoint& at : layout->buttons)
                EXPECT_FALSE(place.intersects(QRect(at, layout->button)));
            for (const SoundsHidingPlace& other : kHidingPlaces) {
                if (&other != &hiding) {
                    EXPECT_FALSE(place.intersects(sounds::PlaceIn(other, *layout))) << other.name;
                }
            }
        }
        for (const QPoint& at : layout->buttons)
            EXPECT_TRUE(screen.contains(QRect(at, layout->button)));
    }
}

TEST_F(Generated, ButtonsFollowTheMaskRule)
{
    for (const sounds::Layout* layout : Layouts) {
        const QString s = layout->suffix;
        const QImage mask = Load("Data/Intf/Odgl/matr_" + s + ".xbi");
        int inside = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const QRgb m = mask.pixel(x, y);
                ASSERT_TRUE(m == qRgb(0, 0, 0) || m == qRgb(255, 255, 255)) << x << "," << y;
                inside += m == qRgb(255, 255, 255);
            }
        // A pill almost filling its rectangle, with cut-off corners.
        EXPECT_GT(inside, mask.width() * mask.height() * 8 / 10);
        EXPECT_EQ(mask.pixel(0, 0), qRgb(0, 0, 0));
        for (const QString& name : {"but_" + s + "_d", "but_g_" + s + "_d", "but_" + s + "_a",
                                   "but_" + s + "_"}) {
            const QImage picture = Load("Data/Intf/Odgl/" + name + ".xbi");
            ASSERT_EQ(picture.size(), mask.size());
            for (int y = 0; y < mask.height(); ++y)
                for (int x = 0; x < mask.width(); ++x) {
                    if (mask.pixel(x, y) == qRgb(0, 0, 0)) {
                        ASSERT_EQ(picture.pixel(x, y), qRgb(255, 255, 255)) << name.toStdString();
                    }
                }
        }
    }
}

TEST_F(Generated, ButtonFacesKeepTheBlackWordReadable)
{
    for (const sounds::Layout* layout : Layouts) {
        const QString s = layout->suffix;
        const QRect band = sounds::LabelBand(layout->button);
        // Where the widest words stand: from the smallest label offset to well inside.
        const QRect words(layout->button.width() / 6, band.top() + 4, layout->button.width() * 2 / 3,
                          band.height() - 8);
        for (const QString& name : {"but_" + s + "_d", "but_g_" + s + "_d", "but_" + s + "_a",
                                   "but_" + s + "_"}) {
            const QImage picture = Load("Data/Intf/Odgl/" + name + ".xbi");
            for (int y = words.top(); y <= words.bottom(); ++y)
                for (int x = words.left(); x <= words.right(); ++x)
                    ASSERT_GT(qGray(picture.pixel(x, y)), 200) << name.toStdString() << " " << x << "," << y;
        }
    }
}

TEST_F(Generated, StatesLookDifferentAndTheGreyedOneIsPale)
{
    for (const sounds::Layout* layout : Layouts) {
        const QString s = layout->suffix;
        const QImage normal = Load("Data/Intf/Odgl/but_" + s + "_d.xbi");
        const QImage greyed = Load("Data/Intf/Odgl/but_g_" + s + "_d.xbi");
        EXPECT_GT(MeanDifference(normal, Load("Data/Intf/Odgl/but_" + s + "_a.xbi")), 5.0);
        EXPECT_GT(MeanDifference(normal, Load("Data/Intf/Odgl/but_" + s + "_.xbi")), 5.0);
        auto saturation = [](const QImage& image) {
            long sum = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    sum += QColor(image.pixel(x, y)).hsvSaturation();
            return sum;
        };
        EXPECT_LT(saturation(greyed) * 2, saturation(normal));
    }
}

TEST_F(Generated, TheButtonMeadowIsCalm)
{
    for (const sounds::Layout* layout : Layouts) {
        const QImage scene = Load("Data/Intf/Odgl/mT_Odg_" + layout->suffix + ".xji");
        QRect rows;
        for (const QPoint& at : layout->buttons)
            rows = rows.united(QRect(at, layout->button));
        EXPECT_LT(Busyness(scene, rows), 1.5);
    }
}

TEST(SoundsGlow, ReachesItsRadiusAndNoFurther)
{
    QImage dot(41, 41, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    dot.setPixel(20, 20, qRgba(0, 0, 0, 255));
    const QImage glow = sounds::Glow(dot, Qt::yellow, 9).convertToFormat(QImage::Format_ARGB32);
    EXPECT_GT(qAlpha(glow.pixel(20, 20)), 200);
    EXPECT_GT(qAlpha(glow.pixel(27, 20)), 0);
    EXPECT_GT(qAlpha(glow.pixel(20, 13)), 0);
    EXPECT_EQ(qAlpha(glow.pixel(35, 20)), 0);
    EXPECT_EQ(qAlpha(glow.pixel(0, 0)), 0);
    const QRgb c = glow.pixel(20, 20);
    EXPECT_EQ(QColor(qRed(c), qGreen(c), qBlue(c)), QColor(Qt::yellow));
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
