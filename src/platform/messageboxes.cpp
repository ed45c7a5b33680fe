// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes with an owner, a caption and an icon (see messageboxes.h).
#include "messageboxes.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

void QtMessageBoxes::Show(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information, caption,
                    text, QMessageBox::Ok, owner);
    box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    // A window manager raises a clicked splash above its own dialogs and gives it the keyboard; a
    // box under the splash could neither be seen nor answered. So the box stays above every window
    // and takes the keyboard back whenever another of the program's windows gets it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &box, [&box](QWindow* focused) {
        if (focused && box.isVisible() && focused != box.windowHandle())
            QTimer::singleShot(0, &box, [&box] {
                box.raise();
                box.activateWindow();
            });
    });
    box.exec();
}

namespace {
MessageBoxes* installed = nullptr;
}

MessageBoxes& CurrentMessageBoxes()
{
    static QtMessageBoxes real;
    return installed ? *installed : real;
}

void SetMessageBoxes(MessageBoxes* boxes)
{
    installed = boxes;
}
