// SPDX-License-Identifier: GPL-3.0-or-later
// A game window opened as the menu opens it, on the first round of a game, for the benchmarks that
// time its steps: the generated Data folder, fake services, the word catalogue chosen by `settings`.
#pragma once

#include "games/gamewindow.h"
#include "platform/picturestore.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/Cdisplay.h"
#include "support/fakes.h"
#include "support/programfolder.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

template <class Window>
struct OpenGame {
    explicit OpenGame(const CUstGry& settings)
    {
        ResetSharedPictureStore();
        words.SelectBySettings(settings);
        stats = std::make_unique<CStatRec>(CStatRec::kProgramId, folder.Path());
        const QSize screen = QGuiApplication::primaryScreen()->size();
        display = DescribeDisplay(screen.width(), screen.height());
        window = std::make_unique<Window>(GameContext{words, differential, *stats, nullptr, display});
        window->show();
        QCoreApplication::processEvents();
    }
    ~OpenGame() { window.reset(); }

    ProgramFolder folder{ProgramFolder::Assets::Generated};
    InFolder inFolder{folder.Path()};
    TestServices services;
    CDisplay display;
    CSlowa words;
    CSlowaRoznicowe differential;
    std::unique_ptr<CStatRec> stats;
    std::unique_ptr<Window> window;
};
