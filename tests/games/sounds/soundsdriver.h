// Plays the sounds game's window the way a child does: the mouse moved over, clicked and
// right-clicked on the hidden objects and the sound buttons; and what the scene shows of them.
#pragma once

#include "games/sounds/Odglosy.h"
#include "gfx/_cprzycisk.h"

#include <QTest>
#include <gtest/gtest.h>

namespace soundstest {

inline void Click(CPrzyciskC* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

enum class LabelInk { None, Black, Grey, Both };

// Which of the two inks a word's strip holds (pure black, pure grey 128).
inline LabelInk LabelColours(const QImage& scene, const QRect& strip)
{
    bool black = false, grey = false;
    const QRect inside = strip.intersected(scene.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = scene.pixel(x, y) | 0xFF000000;
            black |= p == 0xFF000000;
            grey |= p == 0xFF808080;
        }
    return black && grey ? LabelInk::Both : black ? LabelInk::Black : grey ? LabelInk::Grey : LabelInk::None;
}

class Driver {
public:
    explicit Driver(TfmOdglosy& window) : window_(window) {}

    QWidget* ObjectArea(const QString& name) const
    {
        QWidget* area = window_.ObjectArea(name);
        EXPECT_NE(area, nullptr) << name.toStdString();
        return area;
    }
    QWidget* ButtonArea(const QString& name) const
    {
        QWidget* area = window_.ButtonArea(name);
        EXPECT_NE(area, nullptr) << name.toStdString();
        return area;
    }
    static QPoint Middle(const QWidget* w) { return QPoint(w->width() / 2, w->height() / 2); }

    // The mouse onto an item; then away to an empty corner of the picture.
    void Hover(const QString& object) { Move(ObjectArea(object)); }
    void Away() { QTest::mouseMove(&window_, QPoint(2, 2)); }

    void ClickObject(const QString& name) { ClickOn(ObjectArea(name), Qt::LeftButton); }
    void ClickButton(const QString& name) { ClickOn(ButtonArea(name), Qt::LeftButton); }
    void RightClickObject(const QString& name) { ClickOn(ObjectArea(name), Qt::RightButton); }
    void RightClickButton(const QString& name) { ClickOn(ButtonArea(name), Qt::RightButton); }
    void ClickHelp()
    {
        Move(window_.HelpButton());
        Click(window_.HelpButton());
    }

    bool ShowsPlain(const QString& name) const { return Shows(name, &CObiektOdglosy::Picture); }
    bool ShowsSelected(const QString& name) const { return Shows(name, &CObiektOdglosy::SelectedPicture); }
    bool Concealed(const QString& name) const
    {
        const QRect r = window_.Engine()->Object(name)->Rect();
        return window_.SceneCanvas().copy(r) == window_.BackgroundPicture().copy(r) &&
               window_.Canvas().copy(r) == window_.SceneCanvas().copy(r);
    }

private:
    void Move(QWidget* area)
    {
        if (area)
            QTest::mouseMove(area, Middle(area));
    }
    void ClickOn(QWidget* area, Qt::MouseButton button)
    {
        if (!area)
            return;
        Move(area);
        QTest::mouseClick(area, button, {}, Middle(area));
    }
    bool Shows(const QString& name, const QImage& (CObiektOdglosy::*picture)() const) const
    {
        const CObiektOdglosy& object = *window_.Engine()->Object(name);
        const QRect r = object.Rect();
        // On the scene and on what the window shows.
        return window_.SceneCanvas().copy(r) == (object.*picture)() && window_.Canvas().copy(r) == (object.*picture)();
    }

    TfmOdglosy& window_;
};

}  // namespace soundstest
