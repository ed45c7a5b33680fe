// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes with an owner window, a caption and an icon. Tests put in a double that records
// what would have been shown instead of waiting for a click.
#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { Information, Error };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Returns when the user has closed the box.
    virtual void Show(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void Show(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon) override;
};

// The message boxes in use: the real ones unless a test installed others.
MessageBoxes& CurrentMessageBoxes();
void SetMessageBoxes(MessageBoxes* boxes);  // null puts the real ones back
