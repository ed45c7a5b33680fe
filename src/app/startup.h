// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start and end: one copy per desktop, the splash window, the screen and settings
// checks, the shared objects and windows, the main window's event loop, and the clean-up that always
// puts the working folder back. Every failure that ends the program is shown here.
#pragma once

#include "shell/childlist.h"
#include "shell/programfolders.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CGameWindow;
class SingleInstance;
class TFormMain;
struct GameContext;

class Startup {
public:
    static constexpr char kProvisionalTitle[] = "S-Brimbola Cz.IV Demo";
    static constexpr char kTitle[] = "Brimbola Cz.IV Demo";

    // `folders`: where Data/ is read from and where statistics, recordings and the settings are
    // written (with several children, each child's in its own folder, see childlist.h).
    // `lockFolder`: where the single-instance lock lives.
    Startup(ProgramFolders folders, QString lockFolder);
    // A program folder that holds both, as a portable copy's.
    Startup(const QString& programFolder, QString lockFolder)
        : Startup(ProgramFolders{programFolder, programFolder}, std::move(lockFolder))
    {
    }
    ~Startup();

    // Everything up to the event loop; the main window is then on screen. False when the program
    // must end now (another copy runs, or a failure has been shown and cleaned up after).
    bool Begin();
    // The main window's event loop, until it closes. A failure raised meanwhile is shown.
    void Exec();
    // Clean-up: shared objects, the splash, the working folder, the single-instance lock.
    void Finish();
    // Begin, Exec, Finish. The exit code, always 0.
    int Run();

    TFormMain* MainWindow() const { return mainWindow_.get(); }
    // The locked mode (--kiosk); the adult's program can also turn it on for every start.
    void SetKiosk(bool kiosk) { kioskOption_ = kiosk; }
    bool Kiosk() const { return kiosk_; }
    // The child who plays now; none while the user folder is nobody's in particular.
    const Child* CurrentChild() const { return children_.Find(childId_); }

private:
    // Chooses the child (the chooser when there are several) and opens the menu for that child.
    // False when the program must end (nobody chosen, or a failure that was shown).
    bool StartSession(bool atStart);
    void OpenSession(const Child* child);
    void CloseSession();
    int ChooseChild(bool atStart);
    void RaiseFromAnotherCopy();
    void ShowFailure(std::exception_ptr failure);
    void RestoreWorkingFolder();
    // Names, once, the own words that cannot be played (a damaged list, a missing picture).
    void ReportOwnWordProblems();

    ProgramFolders folders_;
    QString lockFolder_;
    QString startDir_;
    bool startDirSaved_ = false;
    bool finished_ = false;
    bool kioskOption_ = false;
    bool kiosk_ = false;
    bool switchRequested_ = false;
    ChildList children_;
    QStringList ownWordProblems_;
    int childId_ = -1;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<TFormMain> mainWindow_;
    std::unique_ptr<GameContext> gameContext_;
    std::vector<std::unique_ptr<CGameWindow>> gameWindows_;
};
