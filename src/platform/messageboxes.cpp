// Message boxes with an owner, a caption and an icon (see messageboxes.h).
#include "messageboxes.h"

#include <QMessageBox>

void QtMessageBoxes::Show(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information, caption,
                    text, QMessageBox::Ok, owner);
    box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
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
