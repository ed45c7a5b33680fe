// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of the labyrinth figure's glide: the 3-pixel strip it uncovers put back from the clean
// board, the sprite drawn at its new place; in the small and the big layout.
#include "games/labyrinth/Kostkalab.h"
#include "support/fakes.h"
#include "support/programfolder.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace {

struct SilentHost : CLabHost {
    bool Pause(int) override { return true; }
    void ShowCanvas(const QRect&) override {}
    void BoardChanged(const QRect&) override {}
};

void FigureGlideFrame(benchmark::State& state)
{
    const bool small = state.range(0) == 2;
    const QSize size = small ? QSize(800, 600) : QSize(1024, 768);
    const int pitch = small ? 78 : 100;
    TestServices services;
    // The program folder: where the generated Data folder lies (which may be a link elsewhere).
    InFolder inFolder{QFileInfo(ProgramFolder::GeneratedData()).absolutePath()};
    SilentHost host;
    Ufo figure(host, small);
    QImage window(size, QImage::Format_RGB32), clean(size, QImage::Format_RGB32);
    window.fill(Qt::darkGreen);
    clean.fill(Qt::green);
    figure.SetCanvases(&window, &clean);
    figure.SetStep(pitch, pitch);
    figure.PlaceAt(0, 0, 65, 90);
    figure.Face(false, false, false, true);
    // Back and forth along the top row, never reaching the target.
    const int left = figure.X(), right = figure.X() + 6 * pitch;
    int target = right;
    for (auto _ : state) {
        if (figure.X() >= right - 3)
            target = left, figure.Face(false, false, true, false);
        else if (figure.X() <= left + 3)
            target = right, figure.Face(false, false, false, true);
        benchmark::DoNotOptimize(figure.GlideFrame(target, figure.Y()));
    }
    state.SetLabel(small ? "800x600" : "1024x768");
}
BENCHMARK(FigureGlideFrame)->Arg(2)->Arg(4);

}  // namespace
