// SPDX-License-Identifier: GPL-3.0-or-later
// The adult's gate (see Fmbramka.h).
#include "Fmbramka.h"

#include "gfx/_cprzycisk.h"
#include "menu/Fmkomunikat.h"
#include "platform/services.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>

std::unique_ptr<TFormBramka> FormBramka;

namespace {
// Below the window's title band, as the message window's text.
const QRect kQuestionBox(18, 57, 385, 46);
const QRect kAnswerBox(150, 105, 120, 34);
const QRect kNoticeBox(18, 141, 385, 20);
constexpr int kButtonsY = 164;
constexpr int kTextPixels = 16, kAnswerPixels = 22, kNoticePixels = 13;
constexpr int kLongestAnswer = 4;
const QColor kText(0x3D, 0x2C, 0x4E), kWrong(0xB0, 0x20, 0x20);

QFont ProgramFont(int pixels)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Comfortaa"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}
}  // namespace

TFormBramka::TFormBramka(QWidget* mainWindow) : mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("Dla dorosłych"));
    background_ = ShapeAsMessageCard(this);
    ResetCanvas(QSize(kWidth, kHeight), Qt::white);
    answer_ = new QLineEdit(this);
    answer_->setObjectName(QStringLiteral("answer"));
    answer_->setGeometry(kAnswerBox);
    answer_->setFont(ProgramFont(kAnswerPixels));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setMaxLength(kLongestAnswer);
    answer_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), answer_));
    answer_->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: #3d2c4e; border: 2px solid #3d2c4e;"
                                          " border-radius: 8px; }"));
    connect(answer_, &QLineEdit::returnPressed, this, &TFormBramka::Check);
    ok_ = new CPrzyciskP(this, QStringLiteral("start"), &Canvas(), &background_, kWidth / 2 - 100, kButtonsY,
                         [this] { Check(); });
    cancel_ = new CPrzyciskP(this, QStringLiteral("stop"), &Canvas(), &background_, kWidth / 2 + 30, kButtonsY + 2,
                             [this] { EndModal(kCancelled); });
    Redraw();
}

TFormBramka::~TFormBramka() = default;

bool TFormBramka::Ask()
{
    NewQuestion();
    notice_.clear();
    Redraw();
    const QWidget* over = mainWindow_ ? mainWindow_ : parentWidget();
    if (over) {
        const QRect area = over->geometry();
        move(area.left() + (area.width() - kWidth) / 2, area.top() + (area.height() - kHeight) / 2);
    }
    QTimer::singleShot(0, answer_, [this] { answer_->setFocus(); });
    return ShowModal() == kPassed;
}

void TFormBramka::NewQuestion()
{
    question_.Next(Random());
    answer_->clear();
}

void TFormBramka::Check()
{
    if (!IsShownModally())
        return;
    if (question_.Accepts(answer_->text())) {
        EndModal(kPassed);
        return;
    }
    // Every try meets a new question, so trying numbers one by one gets nowhere.
    notice_ = QStringLiteral("To nie ta liczba. Spróbuj jeszcze raz.");
    NewQuestion();
    Redraw();
}

void TFormBramka::Redraw()
{
    QImage& canvas = Canvas();
    canvas = background_.copy(QRect(0, 0, kWidth, kHeight));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(ProgramFont(kTextPixels));
    painter.setPen(kText);
    painter.drawText(kQuestionBox, Qt::AlignCenter | Qt::TextWordWrap, question_.Text());
    painter.setFont(ProgramFont(kNoticePixels));
    painter.setPen(kWrong);
    painter.drawText(kNoticeBox, Qt::AlignCenter, notice_);
    painter.end();
    ok_->Paint();
    cancel_->Paint();
    update();
}

void TFormBramka::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        EndModal(kCancelled);
        return;
    }
    CModalWindow::keyPressEvent(event);
}

void TFormBramka::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragger_.Press(event->globalPosition());
}

void TFormBramka::mouseMoveEvent(QMouseEvent* event)
{
    dragger_.Move(event->globalPosition(), event->buttons());
}

bool PassAdultGate()
{
    return FormBramka && !FormBramka->IsShownModally() && FormBramka->Ask();
}
