// SPDX-License-Identifier: GPL-3.0-or-later
// The list of every named interface picture this group makes: names exactly as the program asks
// the picture store for them, sizes chosen to fit between the positions of the screens' layouts.
#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace buttons {

enum class Kind {
    Push,     // four pictures: _D normal, _A hover, _ pressed, _M mask
    Thumb,    // two pictures: _D and _M
    Check,    // two pictures: _D unchecked, _A checked
    TickBox,  // two pictures: _D unchecked, _A checked, no label
    Caption,  // one picture under its own name
};

struct Entry {
    QString name;
    Kind kind;
    QSize size;
    // Push buttons.
    QColor colour;
    QString pictogram;  // file in pictograms/, empty for none
    qreal pictogramScale = 0.5;
    QString word;
    bool bezel = false;
    // Check buttons and captions.
    QString label;
    bool greyed = false;
    QString sizeLike;  // the row's widest label: one font size for the whole row
};

// One file of the picture store that an entry writes.
struct StoreFile {
    QString name;  // without ".png"
    QSize size;
    bool isMask = false;
    QString maskName;  // for push button states: the mask they are white outside of
};

const std::vector<Entry>& Catalogue();
std::vector<StoreFile> FilesOf(const Entry& entry);

}  // namespace buttons
