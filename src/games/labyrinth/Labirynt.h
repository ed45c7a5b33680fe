// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth's window: the maze on its background, the collection column, the task line, the help
// and stop buttons and the zoom of a word picture. It turns arrow keys into moves of the game and
// shows what the game drew; a round starts each time it is shown.
#pragma once

#include "games/gamewindow.h"
#include "games/labyrinth/Gralabirynt.h"
#include "gfx/_czoom.h"

#include <QImage>
#include <memory>

class CPrzyciskC;
class QLabel;

class TfmLabirynt : public CGameWindow, private CLabHost {
    Q_OBJECT
public:
    static constexpr int kTab = 5;
    static constexpr QRgb kHintColour = 0xFFFFFF00;
    static constexpr int kHintRings = 3;

    // Throws CBlad 1 when its background or the zoom's frame cannot be read, or the maze index
    // file is missing.
    explicit TfmLabirynt(const GameContext& context);
    ~TfmLabirynt() override;

    void A_Pomoc();
    void A_StopPressed();
    // The word's picture enlarged in the middle of the window, with its sound.
    void ZoomWord(const QString& name);

    GraLabirynt* Engine() const { return game_.get(); }
    const QImage& BoardPicture() const { return board_; }
    const QImage& CleanPicture() const { return clean_; }
    CPrzyciskC* HelpButton() const { return help_; }
    CPrzyciskC* StopButton() const { return stop_; }
    QLabel* TaskLabel() const { return label_; }
    const CZoom& Zoom() const { return zoom_; }
    // The figure is gliding or spinning: keys, help, stop and zoom wait for it.
    bool Animating() const;

protected:
    void BeginRound() override;
    bool RoundCompleted() const override;
    void MakeScene() override;
    void DropScene() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // What the game asks of the window.
    bool Pause(int ms) override;
    void ShowCanvas(const QRect& rect) override;
    void BoardChanged(const QRect& rect) override;

    void SetDescription(qint16 gloski);

    QImage background_;
    QImage board_, clean_;
    CPrzyciskC* help_ = nullptr;
    CPrzyciskC* stop_ = nullptr;
    QLabel* label_ = nullptr;
    CZoom zoom_;
    std::unique_ptr<GraLabirynt> game_;
};
