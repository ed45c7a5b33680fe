// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game summary: time played, correct and wrong answers and hints taken, on a background
// that shows how well the child did, with "start" to play again and "stop" to go back to the menu.
#pragma once

#include "platform/modalwindow.h"

#include <QImage>
#include <array>

class CPrzyciskP;
class CStatRec;
class QLabel;

class TfmKoniecGry : public CModalWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 600, kHeight = 450;
    static constexpr int kResultStart = 1;  // play a new game in the same window
    static constexpr int kResultStop = 2;   // close the game and go back to the menu

    // Reads its backgrounds from "Data/Intf/Spec" of the working folder; throws CBlad 1 when one is
    // missing or cannot be decoded. `stats` and `mainWindow` must outlive the window.
    explicit TfmKoniecGry(const CStatRec& stats, QWidget* mainWindow = nullptr);
    ~TfmKoniecGry() override;

    // Shows the counts of the game just saved, centred on the main window, until "start" (1),
    // "stop" or Esc (2).
    int ShowSummary();
    // Takes the counts and the grade's background from the statistics object.
    void Refresh();

    // The background now shown (a copy of one grade picture), the grade pictures and the parts.
    const QImage& Background() const { return background_; }
    const QImage& GradePicture(int grade) const;
    CPrzyciskP* StartButton() const { return start_; }
    CPrzyciskP* StopButton() const { return stop_; }
    QLabel* TimeLabel() const { return values_[kTime]; }
    QLabel* CorrectLabel() const { return values_[kCorrect]; }
    QLabel* WrongLabel() const { return values_[kWrong]; }
    QLabel* HintsLabel() const { return values_[kHints]; }
    // The fixed captions, in order: time, correct, wrong, hints.
    const std::array<QLabel*, 4>& Captions() const { return captions_; }

    void A_OdNowa();
    void A_Stop();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum Row { kTime, kCorrect, kWrong, kHints, kRows };

    void Redraw();
    void SetValue(Row row, const QString& text);

    const CStatRec& stats_;
    QWidget* mainWindow_;
    QImage poor_, fair_, good_;
    QImage background_;
    CPrzyciskP* start_ = nullptr;
    CPrzyciskP* stop_ = nullptr;
    std::array<QLabel*, kRows> captions_{};
    std::array<QLabel*, kRows> values_{};
    WindowDragger dragger_{this};
};
