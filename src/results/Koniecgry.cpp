// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game summary window (see Koniecgry.h).
#include "Koniecgry.h"

#include "_cstatrec.h"
#include "gfx/_cprzycisk.h"
#include "platform/imagefiles.h"
#include "shell/_cblad.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

namespace {

constexpr char kPoorPicture[] = "Data/Intf/Spec/mStatsB.xji";
constexpr char kFairPicture[] = "Data/Intf/Spec/mStatsM.xji";
constexpr char kGoodPicture[] = "Data/Intf/Spec/mStatsG.xji";
constexpr int kResourcesMissing = 1;

// The window is cut to a rounded rectangle from (5, 5) to its far corner, with 50 x 50 corner ellipses.
constexpr int kShapeInset = 5;
constexpr qreal kCornerRadius = 25;

constexpr int kStartX = 235, kStopX = 325, kButtonsY = 340;

constexpr char kFontFamily[] = "Arial Black";
constexpr int kFontPixels = 19;
constexpr int kCaptionsLeft = 88;
constexpr int kTimeRight = 358, kCountsRight = 422;
constexpr int kRowTops[] = {177, 206, 237, 270};  // time, correct, wrong, hints

QImage LoadPicture(const char* path)
{
    if (!QFile::exists(QString::fromLatin1(path)))
        throw CBlad(kResourcesMissing);
    try {
        return DecodeJpegFile(QString::fromLatin1(path));
    } catch (const ImageError&) {
        throw CBlad(kResourcesMissing);
    }
}

QRegion RoundedShape()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(kShapeInset, kShapeInset, TfmKoniecGry::kWidth - kShapeInset,
                               TfmKoniecGry::kHeight - kShapeInset),
                        kCornerRadius, kCornerRadius);
    return QRegion(path.toFillPolygon().toPolygon());
}

QFont LabelFont()
{
    QFont font;
    // The bold, wide face the backgrounds were drawn for, or the nearest the desktop has.
    font.setFamilies({QString::fromLatin1(kFontFamily), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(kFontPixels);
    font.setBold(true);
    return font;
}

QLabel* NewLabel(QWidget* owner, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, owner);
    label->setObjectName(name);
    label->setFont(LabelFont());
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    // A press on a label moves the window like a press anywhere else.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    return label;
}

}  // namespace

TfmKoniecGry::TfmKoniecGry(const CStatRec& stats, QWidget* mainWindow)
    : CModalWindow(nullptr, Qt::FramelessWindowHint), stats_(stats), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("Koniec gry"));
    resize(kWidth, kHeight);
    setFixedSize(kWidth, kHeight);
    setMask(RoundedShape());

    poor_ = LoadPicture(kPoorPicture);
    fair_ = LoadPicture(kFairPicture);
    good_ = LoadPicture(kGoodPicture);
    background_ = fair_.copy(rect());
    ResetCanvas(size(), Qt::white);

    start_ = new CPrzyciskP(this, QStringLiteral("start"), &Canvas(), &background_, kStartX, kButtonsY,
                            [this] { A_OdNowa(); });
    stop_ = new CPrzyciskP(this, QStringLiteral("stop"), &Canvas(), &background_, kStopX, kButtonsY,
                           [this] { A_Stop(); });

    const QString captions[kRows] = {QStringLiteral("Czas gry:"), QStringLiteral("Poprawne rozwiązania:"),
                                     QStringLiteral("Błędne rozwiązania:"), QStringLiteral("Liczba podpowiedzi:")};
    const char* captionNames[kRows] = {"lab_Czas", "lab_Poprawne", "lab_Bledne", "lab_Podpowiedzi"};
    const char* valueNames[kRows] = {"vL_Czas", "vL_Poprawne", "vL_Bledne", "vL_Podpowiedzi"};
    for (int row = 0; row < kRows; ++row) {
        captions_[row] = NewLabel(this, QString::fromLatin1(captionNames[row]), captions[row]);
        captions_[row]->move(kCaptionsLeft, kRowTops[row]);
        values_[row] = NewLabel(this, QString::fromLatin1(valueNames[row]), QStringLiteral("0"));
        values_[row]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        SetValue(static_cast<Row>(row), QStringLiteral("0"));
    }
    Redraw();
}

TfmKoniecGry::~TfmKoniecGry() = default;

const QImage& TfmKoniecGry::GradePicture(int grade) const
{
    switch (grade) {
    case CStatRec::kGradePoor:
        return poor_;
    case CStatRec::kGradeGood:
        return good_;
    default:
        return fair_;
    }
}

void TfmKoniecGry::SetValue(Row row, const QString& text)
{
    // The values keep their right edge and grow to the left.
    QLabel* label = values_[row];
    label->setText(text);
    label->adjustSize();
    const int right = row == kTime ? kTimeRight : kCountsRight;
    label->move(right - label->width(), kRowTops[row]);
}

void TfmKoniecGry::Refresh()
{
    SetValue(kHints, stats_.HintsText());
    SetValue(kTime, stats_.TimeText());
    SetValue(kCorrect, stats_.CorrectText());
    SetValue(kWrong, stats_.WrongText());
    background_ = GradePicture(stats_.Grade()).copy(rect());
    Redraw();
}

void TfmKoniecGry::Redraw()
{
    Canvas() = background_.copy();
    start_->Paint();
    stop_->Paint();
    update();
}

int TfmKoniecGry::ShowSummary()
{
    Refresh();
    const QWidget* over = mainWindow_;
    QRect area;
    if (over)
        area = over->geometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->geometry();
    if (area.isValid())
        move(area.left() + (area.width() - kWidth) / 2, area.top() + (area.height() - kHeight) / 2);
    // Kept in front of the game window that ended, which is the active one now.
    QWidget* active = QApplication::activeWindow();
    if (active && active != this) {
        if (!windowHandle())
            create();
        if (windowHandle() && active->windowHandle())
            windowHandle()->setTransientParent(active->windowHandle());
    }
    return ShowModal();
}

void TfmKoniecGry::A_OdNowa()
{
    EndModal(kResultStart);
}

void TfmKoniecGry::A_Stop()
{
    EndModal(kResultStop);
}

void TfmKoniecGry::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        A_Stop();
        return;
    }
    CModalWindow::keyPressEvent(event);
}

void TfmKoniecGry::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragger_.Press(event->globalPosition());
}

void TfmKoniecGry::mouseMoveEvent(QMouseEvent* event)
{
    dragger_.Move(event->globalPosition(), event->buttons());
}

void TfmKoniecGry::closeEvent(QCloseEvent* event)
{
    // Closed by the desktop rather than by a button: the game is left, as with "stop".
    if (IsShownModally())
        A_Stop();
    CModalWindow::closeEvent(event);
}
