// SPDX-License-Identifier: GPL-3.0-or-later
// The guide for the adult (przewodnik/przewodnik.html beside the Data folder), in a window of the
// program's own: it opens above the full-screen games, needs no browser and closes with Esc.
#pragma once

#include <QDialog>

class QTextBrowser;

class GuideWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr char kTitle[] = "Przewodnik dla dorosłych";

    // Shows `guideFile`, or a line saying it is missing.
    explicit GuideWindow(const QString& guideFile, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return browser_; }

    // Where the running program's guide is: beside its Data folder, portable or installed.
    static QString GuideFile();

private:
    QTextBrowser* browser_ = nullptr;
};

// Shows the guide modally over `parent` and returns when it is closed.
void ShowGuide(QWidget* parent);
