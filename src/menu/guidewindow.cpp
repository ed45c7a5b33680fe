// SPDX-License-Identifier: GPL-3.0-or-later
// The guide window (see guidewindow.h).
#include "guidewindow.h"

#include "shell/programfolders.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 900, kHeight = 700;
constexpr int kScreenMargin = 40;
}  // namespace

GuideWindow::GuideWindow(const QString& guideFile, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(kTitle));
    QSize size(kWidth, kHeight);
    const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        size = size.boundedTo(screen->availableGeometry().size() - QSize(kScreenMargin, kScreenMargin));
    resize(size);

    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    if (QFileInfo(guideFile).isReadable())
        browser_->setSource(QUrl::fromLocalFile(QFileInfo(guideFile).absoluteFilePath()));
    else
        browser_->setPlainText(QStringLiteral("Nie znaleziono przewodnika: %1").arg(guideFile));
    layout->addWidget(browser_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Zamknij"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString GuideWindow::GuideFile()
{
    return LocateProgramFolders(QCoreApplication::applicationDirPath()).data +
           QStringLiteral("/przewodnik/przewodnik.html");
}

void ShowGuide(QWidget* parent)
{
    GuideWindow window(GuideWindow::GuideFile(), parent);
    window.exec();
}
