// SPDX-License-Identifier: GPL-3.0-or-later
// "Kto dziś gra?": the screen that starts a session when several children use the program. Each
// child is a big card with the child's picture and name over the menu's background, so that a child
// who cannot read finds their own by the picture.
#pragma once

#include "platform/modalwindow.h"

#include <vector>

class TFormDzieci : public CModalWindow {
    Q_OBJECT
public:
    static constexpr char kCaption[] = "Kto dziś gra?";

    struct Entry {
        QString name;
        QString picture;  // a word of the catalogue, its picture in Data/Bion; may be empty
    };

    // Throws CBlad 1 when the menu's background cannot be decoded.
    explicit TFormDzieci(std::vector<Entry> children);
    ~TFormDzieci() override;

    // Covers the screen until a child is chosen: the child's index, or -1 when the window was
    // closed otherwise (only when `mayLeave`; in the locked mode nothing but a card ends it).
    int Choose(bool mayLeave);

    int Count() const { return int(cards_.size()); }
    // Where card `i` lies on the window.
    QRect CardRect(int i) const { return cards_[size_t(i)].rect; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Card {
        Entry entry;
        QRect rect;
        QImage picture;
    };
    void Layout();
    void Redraw();

    QImage background_;
    std::vector<Card> cards_;
    bool mayLeave_ = true;
};
