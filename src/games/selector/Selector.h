// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-and-say game's window: the word's picture over a row of letter slots, the letter
// tiles the child drags into them, and the stop, help, next and previous buttons. It starts a new
// game each time it is shown and closes when the child leaves the end-of-game summary with "stop".
#pragma once

#include "games/gamewindow.h"
#include "games/selector/Graselector.h"
#include "platform/hitarea.h"

#include <QImage>
#include <memory>

class CPrzyciskC;
class CTimer;
class TfmSelector;

// A tile's mouse area: an invisible control over the tile that hands its presses, moves, releases
// and double-clicks to the window.
class CTileWidget : public HitArea, public CTileArea {
    Q_OBJECT
public:
    CTileWidget(TfmSelector& owner, CPrzGloska& tile);

    void SetRect(const QRect& rect) override { setGeometry(rect); }
    void SetVisible(bool visible) override { setVisible(visible); }
    bool IsVisible() const override { return !isHidden(); }
    void BringToFront() override { raise(); }
    CPrzGloska& Tile() const { return tile_; }

private:
    bool Handle(HitEvent kind, QEvent* event);

    TfmSelector& owner_;
    CPrzGloska& tile_;
};

class TfmSelector : public CGameWindow, private CSelectorHost {
    Q_OBJECT
public:
    static constexpr char kCaption[] = "Podpisz i Powiedz";
    static constexpr int kTab = 2;
    static constexpr int kStopAfterMs = 60000;      // the game ends itself this long after the last word
    static constexpr int kPauseBeforeWordMs = 300;  // after the praise, before the word is said
    static constexpr int kSilentHintMs = 1000;      // a hint without a recording shows this long
    static constexpr int kGlideSteps = 10;
    static constexpr int kGlideStepMs = 30;
    static constexpr int kDragMargin = 5;   // around a dragged tile's old place, shown again each step

    // Reads its background from "Data/Intf/Sel" of the working folder; throws CBlad 1 when it cannot.
    explicit TfmSelector(const GameContext& context);
    ~TfmSelector() override;

    void A_Pomoc();
    void A_Nastepny();
    void A_Poprzedni();
    // Everything drawn again from the background: frame strip, buttons, picture, tiles on the pile.
    void Redraw();

    // Tile handling.
    void Grab(CPrzGloska& tile, Qt::MouseButton button, QPoint inTile);
    void MoveTile(CPrzGloska& tile, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPointF global);
    void Drop(CPrzGloska& tile, Qt::MouseButton button);
    void SwapFromPile(CPrzGloska& tile);
    void RebuildSnapshot(CPrzGloska& tile);
    void DragTo(CPrzGloska& tile, int x, int y);
    void GlideBack(CPrzGloska& tile);

    GraSelector* Engine() const { return engine_.get(); }
    const CTimer& StopTimer() const { return *stopTimer_; }
    const QImage& SceneCanvas() const { return scene_; }
    const QImage& BaseCanvas() const { return base_; }
    const QImage& SnapshotCanvas() const { return snapshot_; }
    const QImage& BackgroundPicture() const { return background_; }
    CPrzyciskC* HelpButton() const { return help_; }
    CPrzyciskC* StopButton() const { return stop_; }
    CPrzyciskC* NextButton() const { return next_; }
    CPrzyciskC* PrevButton() const { return prev_; }
    static CTileWidget* TileWidget(const CPrzGloska& tile);

protected:
    void BeginRound() override;
    void EndRoundObjects() override;
    bool RoundCompleted() const override;
    void MakeScene() override;
    void DropScene() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // What the engine asks of the window.
    std::unique_ptr<CTileArea> NewTileArea(CPrzGloska& tile) override;

    // The row is full: the answer is judged, praised or not, and the word said.
    void Judge();
    void ShowScene();
    void HideHelpButton();
    void StopTheTimer();
    void DrawBase();
    void ShowStepButtons();
    // A word still to do starts shuffled on the pile; a solved one is shown filled in.
    void ShowCurrentWord();
    void CopySceneToWindow();

    QImage background_;
    QImage scene_, base_, snapshot_;
    int designWidth_ = 0, designHeight_ = 0;
    CPrzyciskC* help_ = nullptr;
    CPrzyciskC* stop_ = nullptr;
    CPrzyciskC* next_ = nullptr;
    CPrzyciskC* prev_ = nullptr;
    std::unique_ptr<GraSelector> engine_;
    // The tile held by the left button, and where it was taken: the window's screen position plus
    // the point inside the tile.
    CPrzGloska* dragged_ = nullptr;
    QPoint grabPoint_;
    // Ends the game a while after its last word, unless the child does something first.
    CTimer* stopTimer_ = nullptr;
};
