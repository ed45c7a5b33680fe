// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the sounds game's window the way a child does: the mouse moved over, clicked and
// right-clicked on the hidden objects and the sound buttons; and what the scene shows of them.
#pragma once

#include "games/sounds/Odglosy.h"
#include "gfx/_cprzycisk.h"

#include <QTest>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

namespace soundstest {

inline void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

constexpr QRgb kBlack = 0xFF000000, kGrey = 0xFF808080;

// The ink of a word's strip: black or grey when only that one is there, else 0.
inline QRgb LabelInk(const QImage& scene, const QRect& strip)
{
    bool black = false, grey = false;
    const QRect inside = strip.intersected(scene.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            black |= scene.pixel(x, y) == kBlack;
            grey |= scene.pixel(x, y) == kGrey;
        }
    return black == grey ? 0 : black ? kBlack : kGrey;
}

class Driver {
public:
    explicit Driver(TfmOdglosy& window) : reach_([&window]() -> TfmOdglosy& { return window; }) {}
    // For a window made later than the driver.
    explicit Driver(const std::unique_ptr<TfmOdglosy>& window) : reach_([&window]() -> TfmOdglosy& { return *window; }) {}

    static QPoint Middle(const QWidget* w) { return QPoint(w->width() / 2, w->height() / 2); }

    // The mouse onto an item; then away to an empty corner of the picture.
    void Hover(const QString& object) { Move(ObjectArea(object)); }
    void Away() { QTest::mouseMove(&Window(), QPoint(2, 2)); }

    void ClickObject(const QString& name) { ClickOn(ObjectArea(name), Qt::LeftButton); }
    void ClickButton(const QString& name) { ClickOn(Window().ButtonArea(name), Qt::LeftButton); }
    void RightClickObject(const QString& name) { ClickOn(ObjectArea(name), Qt::RightButton); }
    void RightClickButton(const QString& name) { ClickOn(Window().ButtonArea(name), Qt::RightButton); }
    void ClickHelp()
    {
        Move(Window().HelpButton());
        Click(Window().HelpButton());
    }

    bool ShowsPlain(const QString& name) const { return Shows(name, &CObiektOdglosy::Picture); }
    bool ShowsSelected(const QString& name) const { return Shows(name, &CObiektOdglosy::SelectedPicture); }
    bool Concealed(const QString& name) const
    {
        const QRect r = Window().Engine()->Object(name)->Rect();
        return Window().SceneCanvas().copy(r) == Window().BackgroundPicture().copy(r) &&
               Window().Canvas().copy(r) == Window().SceneCanvas().copy(r);
    }

private:
    QWidget* ObjectArea(const QString& name) const { return Window().ObjectArea(name); }
    void Move(QWidget* area)
    {
        ASSERT_NE(area, nullptr);
        QTest::mouseMove(area, Middle(area));
    }
    void ClickOn(QWidget* area, Qt::MouseButton button)
    {
        ASSERT_NE(area, nullptr);
        Move(area);
        QTest::mouseClick(area, button, {}, Middle(area));
    }
    bool Shows(const QString& name, const QImage& (CObiektOdglosy::*picture)() const) const
    {
        const CObiektOdglosy& object = *Window().Engine()->Object(name);
        const QRect r = object.Rect();
        // On the scene and on what the window shows.
        return Window().SceneCanvas().copy(r) == (object.*picture)() && Window().Canvas().copy(r) == (object.*picture)();
    }

    TfmOdglosy& Window() const { return reach_(); }

    std::function<TfmOdglosy&()> reach_;
};

}  // namespace soundstest
