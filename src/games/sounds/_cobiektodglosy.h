// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds game's names and its hidden objects: which sound belongs to which thing, the one
// selection state the objects and the sound buttons share, and an object hidden in the scene that
// shows itself while the mouse is over it and stays shown while selected.
#pragma once

#include "odglosylayout.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <memory>

const std::array<SoundThing, 9>& SoundThings();

// The short code of a name ("pies" -> "ps"); empty for a name outside the list.
QString FileCode(const QString& name);
// The wave file of a name's sound: "Data/Smd.O/" + code + ".pw".
QString SoundPath(const QString& name);

// What the child has picked: at most one object and at most one button at a time.
struct CWyborOdglosy {
    bool SelectedObject = false;
    bool SelectedButton = false;
    int SelectionCount = 0;  // selections since the last reset: 0, 1 or 2
    QString ObjectName;
    QString ButtonName;

    // The two flags and the count (a new window, a stopped game); the names stay.
    void ClearFlags();
    // Everything, names too (a judged pair).
    void Clear();
};

// The surface the game's pieces draw on, and the way a changed part of it reaches the screen.
class CScena {
public:
    virtual ~CScena() = default;
    virtual QImage& Scene() = 0;
    virtual void ShowRect(const QRect& rect) = 0;
};

// The mouse area of a hidden object on the game window; it goes when the object goes.
class CObjectArea {
public:
    virtual ~CObjectArea() = default;
};

class CObiektOdglosy;

// What makes an object's mouse area (the window: the engine knows no widgets).
class CObjectAreaMaker {
public:
    virtual ~CObjectAreaMaker() = default;
    virtual std::unique_ptr<CObjectArea> NewObjectArea(CObiektOdglosy& object) = 0;
};

class CObiektOdglosy {
public:
    static constexpr const char* kFolder = "Data/Intf/Odgl/";

    // Loads the object's two pictures ("<code>_s.xji" and "<code>_z_s.xji", "_b" in the big layout),
    // keeps what the scene shows under it and makes its mouse area. The object is not drawn: the
    // scene keeps showing the background there. Throws CBlad 1 when a picture cannot be read.
    CObiektOdglosy(const QString& name, int x, int y, bool small, CScena& scene, CObjectAreaMaker& areas);
    ~CObiektOdglosy();
    CObiektOdglosy(const CObiektOdglosy&) = delete;
    CObiektOdglosy& operator=(const CObiektOdglosy&) = delete;

    const QString& Name() const { return name_; }
    QRect Rect() const { return QRect(x_, y_, picture_.width(), picture_.height()); }
    bool Selected() const { return selected_; }
    const QImage& Picture() const { return picture_; }
    const QImage& SelectedPicture() const { return selectedPicture_; }
    CObjectArea* Area() const { return area_.get(); }

    // Draws the object (marked, or plain) on the scene and shows it.
    void ShowPicture(bool selectedLook);
    // Puts back what the scene had under the object: it vanishes.
    void Conceal();
    void SetSelected(bool selected) { selected_ = selected; }

    // The child's mouse on the object.
    void LeftPress(CWyborOdglosy& selection);
    void Enter();
    void Leave();

private:
    QString name_;
    int x_, y_;
    CScena& scene_;
    QImage picture_;
    QImage selectedPicture_;
    QImage savedBackground_;
    bool selected_ = false;
    std::unique_ptr<CObjectArea> area_;
};
