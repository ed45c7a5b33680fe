// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start and end (see startup.h).
#include "startup.h"

#include "shared.h"
#include "games/gametable.h"
#include "games/gamewindow.h"
#include "menu/Fmbramka.h"
#include "menu/Fmdzieci.h"
#include "menu/Fmkomunikat.h"
#include "menu/Fmmain.h"
#include "menu/Fmoprogramie.h"
#include "menu/Fmsplashscreen.h"
#include "menu/menuwindows.h"
#include "platform/guardedapplication.h"
#include "platform/messageboxes.h"
#include "shell/ownwordfiles.h"
#include "words/ownwords.h"
#include "platform/picturestore.h"
#include "platform/singleinstance.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"
#include "shell/errorbox.h"
#include "shell/settingsfile.h"
#include "shell/startuplog.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QApplication>
#include <QWindow>

namespace {
const QString kAlreadyRunning = QStringLiteral(
    "Aplikacja jest aktualnie uruchomiona.\n\nZamknij proces aplikajcji lub uruchom ponownie komputer.");

// Lets the window system map the window, then paints it, so that it is seen before the slow steps.
void ShowPainted(QWidget& window)
{
    constexpr int kMapWaitMs = 500;
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    while (window.windowHandle() && !window.windowHandle()->isExposed() && waited.elapsed() < kMapWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 20);
    window.repaint();
}

void BringToFront(QWidget* window)
{
    window->showNormal();
    window->raise();
    window->activateWindow();
}
}  // namespace

Startup::Startup(ProgramFolders folders, QString lockFolder)
    : folders_(std::move(folders)), lockFolder_(std::move(lockFolder))
{
}

Startup::~Startup()
{
    Finish();
}

bool Startup::Begin()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kProvisionalTitle));
    instance_ = std::make_unique<SingleInstance>(lockFolder_, SingleInstance::KeyOf(folders_.user));
    switch (instance_->Acquire()) {
    case SingleInstance::Outcome::First:
        break;
    case SingleInstance::Outcome::OtherRaised:
        finished_ = true;
        return false;
    case SingleInstance::Outcome::OtherSilent:
        CurrentMessageBoxes().Show(nullptr, QString::fromLatin1(kTitle), kAlreadyRunning, MessageIcon::Error);
        finished_ = true;
        return false;
    }
    instance_->onRaiseRequest = [this] { RaiseFromAnotherCopy(); };
    QCoreApplication::setApplicationName(QString::fromLatin1(kTitle));
    FillDisplayFromScreen();

    // First phase: splash, screen, working folder, settings.
    try {
        FormSplashScreen = std::make_unique<TFormSplashScreen>(folders_.data);
        FormSplashScreen->show();
        ShowPainted(*FormSplashScreen);
        LogStartupMilestone("splash shown");
        if (IsScreenTooSmall())
            throw CBlad(2);
        startDir_ = QDir::currentPath();
        startDirSaved_ = true;
        if (!QDir::setCurrent(folders_.data))
            throw CBlad(4);
        PrepareUserFolder(folders_);
        SetUserFolder(folders_.user);
        // A damaged list is read as no list: the user folder's own files, as before children.
        ReadChildList(folders_.user, children_);
        kiosk_ = kioskOption_ || children_.kiosk;
    } catch (...) {
        ShowFailure(std::current_exception());
        Finish();
        return false;
    }

    // Second phase: the shared objects, then the session of the child who plays: its statistics
    // and every window.
    try {
        ResetSharedPictureStore(folders_.data + "/Data/Res");
        if (!SharedPictureStore().MissingNames().isEmpty())
            throw CBlad(1);
        // The adult's own words join the built-in ones; the list is read once, and a word it cannot
        // use is named once, after the menu is up, while every other word plays.
        OwnWordList ownWords;
        QStringList listProblems;
        ReadOwnWords(folders_.user, ownWords, &listProblems);
        for (const QString& problem : listProblems)
            ownWordProblems_ << QStringLiteral("%1, %2").arg(QString::fromLatin1(ownfiles::kListFile), problem);
        Slowa = std::make_unique<CSlowa>(PlayableWords(ownWords, folders_.user, &ownWordProblems_));
        SlowaRoznicowe = std::make_unique<CSlowaRoznicowe>();
    } catch (...) {
        ShowFailure(std::current_exception());
        Finish();
        return false;
    }
    if (!StartSession(true)) {
        Finish();
        return false;
    }
    ReportOwnWordProblems();
    return true;
}

void Startup::ReportOwnWordProblems()
{
    if (ownWordProblems_.isEmpty())
        return;
    CurrentMessageBoxes().Show(
        mainWindow_.get(), QString::fromLatin1(kTitle),
        QStringLiteral("Nie wszystkie własne słowa mogą być użyte w grach:\n\n• %1\n\n"
                       "Pozostałe słowa są w grach. Słowa poprawia się w programie wyników, w widoku „Słowa”.")
            .arg(ownWordProblems_.join(QStringLiteral("\n• "))),
        MessageIcon::Information);
    ownWordProblems_.clear();
}

int Startup::ChooseChild(bool atStart)
{
    std::vector<TFormDzieci::Entry> entries;
    for (const Child& c : children_.children)
        entries.push_back({c.name, c.picture});
    // The splash has been seen while the program loaded; the chooser takes its place.
    FormSplashScreen.reset();
    TFormDzieci chooser(std::move(entries));
    // Leaving the chooser ends the program at start, or keeps the child who played; in the locked
    // mode a child cannot leave it at all.
    const int chosen = chooser.Choose(!kiosk_);
    if (chosen >= 0)
        return chosen;
    if (atStart)
        return -1;
    for (size_t i = 0; i < children_.children.size(); ++i)
        if (children_.children[i].id == childId_)
            return int(i);
    return -1;
}

bool Startup::StartSession(bool atStart)
{
    for (;;) {
        const Child* child = nullptr;
        const bool several = children_.children.size() >= 2;
        if (several) {
            const int index = ChooseChild(atStart);
            if (index < 0)
                return false;
            child = &children_.children[size_t(index)];
        } else if (!children_.children.empty()) {
            child = &children_.children.front();
        }
        try {
            OpenSession(child);
            return true;
        } catch (const CBlad& error) {
            CloseSession();
            // One child's damaged files keep no other child from playing; a missing picture is
            // everybody's.
            if (child && error.Code != 1) {
                CurrentMessageBoxes().Show(nullptr, kErrorCaption,
                                           QStringLiteral("Nie można otworzyć plików dziecka „%1”.\n\n%2")
                                               .arg(child->name, ErrorText(error.Code, error.Detail)),
                                           MessageIcon::Error);
                if (several)
                    continue;
                return false;
            }
            ShowFailure(std::current_exception());
            return false;
        } catch (...) {
            CloseSession();
            ShowFailure(std::current_exception());
            return false;
        }
    }
}

void Startup::OpenSession(const Child* child)
{
    childId_ = child ? child->id : -1;
    const QString folder = child ? ChildFolder(folders_.user, child->id) : folders_.user;
    if (child && !QFileInfo(folder).isDir()) {
        CBlad missing(99);
        missing.Detail = QStringLiteral("Brak folderu „%1”.").arg(QDir::toNativeSeparators(folder));
        throw missing;
    }
    if (child && child->id != kFirstChildId)
        PrepareUserFolder(ProgramFolders{folders_.data, folder});
    SetChildFolder(folder);
    ResetProgramSettings();
    if (!CheckSettingsFile(folder))
        throw CBlad(4);
    StatRec = std::make_unique<CStatRec>(CStatRec::kProgramId, folder);
    LogStartupMilestone("pictures, words and statistics ready");
    mainWindow_ = std::make_unique<TFormMain>();
    LogStartupMilestone("menu made");
    mainWindow_->SetWords(Slowa.get());
    FormKoniecGry = std::make_unique<TfmKoniecGry>(*StatRec, mainWindow_.get());
    gameContext_ = std::make_unique<GameContext>(
        GameContext{*Slowa, *SlowaRoznicowe, *StatRec, FormKoniecGry.get(), brimbola::Display});
    for (const GameInfo& game : GameTable()) {
        if (!game.makeWindow)
            continue;
        gameWindows_.push_back(game.makeWindow(*gameContext_));
        mainWindow_->SetGameWindow(game.tab, gameWindows_.back().get());
        LogStartupMilestone(game.caption);
    }
    FormOProgramie = std::make_unique<TFormOProgramie>();
    FormKomunikat = std::make_unique<TFormKomunikat>(mainWindow_.get());
    // Only the locked mode asks the adult's question; without it the start costs nothing more.
    if (kiosk_)
        FormBramka = std::make_unique<TFormBramka>(mainWindow_.get());
    if (child)
        mainWindow_->SetChild(child->name, child->picture, children_.children.size() >= 2);
    mainWindow_->SetKiosk(kiosk_);
    QObject::connect(mainWindow_.get(), &TFormMain::SwitchChildRequested, qApp, [this] {
        switchRequested_ = true;
        QCoreApplication::quit();
    });
    mainWindow_->show();
    // Window managers put a screen-filling window above everything else, unless a window is
    // its transient: mapped again as one, the splash stays in front until the hand-over.
    if (FormSplashScreen && FormSplashScreen->windowHandle() && mainWindow_->windowHandle()) {
        FormSplashScreen->hide();
        FormSplashScreen->windowHandle()->setTransientParent(mainWindow_->windowHandle());
        FormSplashScreen->show();
    }
    LogStartupMilestone("main window shown");
}

void Startup::CloseSession()
{
    StatRec.reset();
    FormBramka.reset();
    FormKomunikat.reset();
    FormOProgramie.reset();
    gameWindows_.clear();
    gameContext_.reset();
    FormKoniecGry.reset();
    mainWindow_.reset();
}

void Startup::Exec()
{
    while (mainWindow_ && !finished_) {
        if (mainWindow_->isVisible() && !GuardedApplication::HasPending()) {
            const QMetaObject::Connection quit =
                QObject::connect(mainWindow_.get(), &TFormMain::Closed, qApp, &QCoreApplication::quit);
            QCoreApplication::exec();
            QObject::disconnect(quit);
        }
        try {
            GuardedApplication::RethrowPending();
        } catch (...) {
            ShowFailure(std::current_exception());
            return;
        }
        if (!switchRequested_)
            return;
        // Another child: the chooser, then a menu and windows of that child's own.
        switchRequested_ = false;
        CloseSession();
        if (!StartSession(false))
            return;
    }
}

void Startup::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    StatRec.reset();
    Slowa.reset();
    SlowaRoznicowe.reset();
    FormSplashScreen.reset();
    RestoreWorkingFolder();
    SetUserFolder(QString());
    if (instance_)
        instance_->Release();
    // The windows go last, as the application's windows would.
    FormBramka.reset();
    FormKomunikat.reset();
    FormOProgramie.reset();
    gameWindows_.clear();
    gameContext_.reset();
    FormKoniecGry.reset();
    mainWindow_.reset();
}

int Startup::Run()
{
    if (Begin()) {
        Exec();
        Finish();
    }
    return 0;
}

void Startup::RaiseFromAnotherCopy()
{
    if (FormSplashScreen)
        BringToFront(FormSplashScreen.get());
    else if (mainWindow_)
        BringToFront(mainWindow_.get());
}

void Startup::ShowFailure(std::exception_ptr failure)
{
    QWidget* owner = FormSplashScreen.get();
    try {
        std::rethrow_exception(failure);
    } catch (const CBlad& error) {
        ShowError(error, owner);
    } catch (...) {
        ShowFatalError(owner);
    }
}

void Startup::RestoreWorkingFolder()
{
    if (startDirSaved_)
        QDir::setCurrent(startDir_);
}
