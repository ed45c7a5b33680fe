// SPDX-License-Identifier: GPL-3.0-or-later
// Test doubles of the services that touch time, sound and the desktop: the clock and sound of
// fakeservices.h, and message boxes that record instead of waiting for a click.
#pragma once

#include "platform/messageboxes.h"
#include "support/fakeservices.h"

#include <QPointer>
#include <QWidget>

struct ShownMessage {
    QPointer<QWidget> owner;
    bool hadOwner = false;
    QString ownerTitle;
    QString caption;
    QString text;
    MessageIcon icon;
};

class RecordingMessageBoxes final : public MessageBoxes {
public:
    RecordingMessageBoxes() { SetMessageBoxes(this); }
    ~RecordingMessageBoxes() override { SetMessageBoxes(nullptr); }
    void Show(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon) override
    {
        shown.push_back({owner, owner != nullptr, owner ? owner->windowTitle() : QString(), caption, text, icon});
    }
    std::vector<ShownMessage> shown;
};
