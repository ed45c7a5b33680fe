// SPDX-License-Identifier: GPL-3.0-or-later
// The tile-pairs game's window "Klocki": the board of stacked picture tiles, the help and stop
// buttons, the 10 ms tick that judges a chosen pair and reshuffles a board without a free pair (it
// runs only while there is such work), and the zoom view of a tile's word on a right click.
#pragma once

#include "games/gamewindow.h"
#include "games/tiles/Grataipei.h"
#include "gfx/_czoom.h"
#include "platform/hitarea.h"

#include <QImage>
#include <memory>

class CPrzyciskC;
class CTimer;
class TfmTaiPei;

// A tile's mouse area: an invisible control over the tile that hands the mouse to the engine.
class CKostkaWidget : public HitArea, public CKostkaArea {
    Q_OBJECT
public:
    CKostkaWidget(TfmTaiPei& owner, CKostka& tile);
    CKostka& Tile() const { return tile_; }
    void Hide() override { hide(); }

private:
    bool Handle(HitEvent kind, QEvent* event);

    TfmTaiPei& owner_;
    CKostka& tile_;
};

class TfmTaiPei : public CGameWindow, private CTaiPeiHost {
    Q_OBJECT
public:
    static constexpr int kTab = 3;
    static constexpr char kCaption[] = "Klocki";
    static constexpr int kTickMs = 10;

    // Reads its background from "Data/Intf/Tpi" of the working folder; throws CBlad 1 when it cannot.
    explicit TfmTaiPei(const GameContext& context);
    ~TfmTaiPei() override;

    void A_Pomoc();
    // A press may have given the tick work (a pair to judge): it runs until the board is quiet.
    void WakeTick();
    // The word of `tile` in the zoom view, said aloud.
    void ShowZoom(const CKostka& tile);

    GraTaiPei* Engine() const { return engine_.get(); }
    static CKostkaWidget* Widget(const CKostka& tile);
    CPrzyciskC* HelpButton() const { return help_; }
    const CTimer& TickTimer() const { return *tick_; }

protected:
    void BeginRound() override;
    void EndRoundObjects() override;
    bool RoundCompleted() const override { return true; }
    void MakeScene() override;
    void DropScene() override;

private:
    std::unique_ptr<CKostkaArea> NewTileArea(CKostka& tile) override;
    void ShowSceneRect(const QRect& rect) override;

    void Tick();
    // The background and every tile again on the scene, and the board shown.
    void RedrawBoard();

    QImage background_;
    QImage scene_;
    QRect board_;   // the part of the window the tiles may cover: everything left of the buttons
    CPrzyciskC* help_ = nullptr;
    CPrzyciskC* stop_ = nullptr;
    CZoom zoom_;
    CTimer* tick_ = nullptr;
    std::unique_ptr<GraTaiPei> engine_;
    // The reshuffle counter lives as long as the program's window, across games.
    int mixCounter_ = GraTaiPei::kMixStart;
};
