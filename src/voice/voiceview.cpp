// SPDX-License-Identifier: GPL-3.0-or-later
// The "Głos" view (see voiceview.h). Sounds play and takes are captured through the recorder's sound
// port, without blocking, so the meter moves while the adult speaks and a sound can be stopped.
#include "voiceview.h"

#include "platform/messageboxes.h"
#include "platform/wavefile.h"
#include "recorder/wavedevice.h"
#include "shell/ownvoice.h"
#include "voice/voicetake.h"

#include <QFile>
#include <QFont>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString kCaption = QStringLiteral("Głos");
// The meter shows the last chunk's peak over this range of dB below full scale.
constexpr int kMeterRangeDb = 60;
constexpr int kMeterFallDb = 2;  // per chunk of samples
constexpr int kTitlePointSize = 20;
constexpr int kListStretch = 3, kPanelStretch = 2;

QString OwnText(bool present, bool damaged)
{
    if (damaged)
        return QStringLiteral("uszkodzone");
    return present ? QStringLiteral("tak") : QStringLiteral("—");
}

}  // namespace

VoiceView::VoiceView(const QString& programFolder, std::unique_ptr<AudioPort> port, QWidget* parent)
    : QWidget(parent), folder_(programFolder), port_(std::move(port)), items_(ShippedSpokenItems())
{
    setWindowTitle(kCaption);
    list_ = new QTreeWidget(this);
    list_->setObjectName("items");
    list_->setHeaderLabels({QStringLiteral("Co mówią gry"), QStringLiteral("Własne nagranie")});
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(kOwnColumn, QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(false);
    QTreeWidgetItem* group = nullptr;
    for (int i = 0; i < int(items_.size()); ++i) {
        if (i == 0 || items_[i].group != items_[i - 1].group) {
            group = new QTreeWidgetItem(list_, {GroupCaption(items_[i].group)});
            group->setFlags(Qt::ItemIsEnabled);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setExpanded(true);
        }
        auto* row = new QTreeWidgetItem(group, {items_[i].text});
        row->setData(0, Qt::UserRole, i);
        rows_.push_back(row);
    }

    title_ = new QLabel(this);
    title_->setObjectName("title");
    QFont big = title_->font();
    big.setPointSize(kTitlePointSize);
    big.setBold(true);
    title_->setFont(big);
    title_->setWordWrap(true);
    play_ = new QPushButton(QStringLiteral("Odtwórz"), this);
    play_->setObjectName("play");
    play_->setToolTip(QStringLiteral("Własne nagranie, a gdy go nie ma, głos syntetyczny"));
    record_ = new QPushButton(QStringLiteral("Nagraj"), this);
    record_->setObjectName("record");
    playOwn_ = new QPushButton(QStringLiteral("Odtwórz własne"), this);
    playOwn_->setObjectName("playOwn");
    remove_ = new QPushButton(QStringLiteral("Usuń własne"), this);
    remove_->setObjectName("remove");
    meter_ = new QProgressBar(this);
    meter_->setObjectName("meter");
    meter_->setRange(0, kMeterRangeDb);
    meter_->setTextVisible(false);
    status_ = new QLabel(this);
    status_->setObjectName("status");
    status_->setWordWrap(true);
    progress_ = new QLabel(this);
    progress_->setObjectName("progress");

    auto* panel = new QGridLayout;
    panel->addWidget(title_, 0, 0, 1, 2);
    panel->addWidget(play_, 1, 0);
    panel->addWidget(record_, 1, 1);
    panel->addWidget(playOwn_, 2, 0);
    panel->addWidget(remove_, 2, 1);
    panel->addWidget(new QLabel(QStringLiteral("Poziom:"), this), 3, 0, 1, 2);
    panel->addWidget(meter_, 4, 0, 1, 2);
    panel->addWidget(status_, 5, 0, 1, 2);
    panel->setRowStretch(6, 1);
    panel->addWidget(progress_, 7, 0, 1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, kListStretch);
    layout->addLayout(panel, kPanelStretch);

    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const QVariant index = item ? item->data(0, Qt::UserRole) : QVariant();
        if (index.isValid() && !recording_)
            Select(index.toInt());
    });
    connect(play_, &QPushButton::clicked, this, [this] {
        Play(folder_.filePath(SpokenFile(items_[current_].dataPath, folder_)));
    });
    connect(playOwn_, &QPushButton::clicked, this, [this] { Play(OwnFile(current_)); });
    connect(record_, &QPushButton::clicked, this, [this] { recording_ ? EndTake() : StartTake(); });
    connect(remove_, &QPushButton::clicked, this, [this] { RemoveOwn(); });

    Select(0);
}

VoiceView::~VoiceView()
{
    // Stopped before the widgets go: the port may hand over its last samples on the way.
    recording_ = false;
    port_->Stop();
}

void VoiceView::Select(int item)
{
    if (item < 0 || item >= int(items_.size()) || recording_)
        return;
    StopSound();
    current_ = item;
    list_->setCurrentItem(rows_[item]);
    title_->setText(items_[item].text);
    status_->clear();
    Refresh();
}

QString VoiceView::OwnFile(int item) const
{
    return folder_.filePath(OwnVoicePath(items_[item].dataPath));
}

VoiceView::OwnState VoiceView::StateOf(int item) const
{
    const QString own = OwnFile(item);
    if (!QFile::exists(own))
        return OwnState::None;
    return IsPlayableWaveFile(own) ? OwnState::Present : OwnState::Damaged;
}

int VoiceView::OwnCount() const
{
    int count = 0;
    for (int i = 0; i < int(items_.size()); ++i)
        count += StateOf(i) == OwnState::Present;
    return count;
}

void VoiceView::Refresh()
{
    for (int i = 0; i < int(items_.size()); ++i) {
        const OwnState state = StateOf(i);
        rows_[i]->setText(kOwnColumn, OwnText(state == OwnState::Present, state == OwnState::Damaged));
    }
    const OwnState state = StateOf(current_);
    play_->setEnabled(!recording_);
    playOwn_->setEnabled(!recording_ && state == OwnState::Present);
    remove_->setEnabled(!recording_ && state != OwnState::None);
    record_->setText(recording_ ? QStringLiteral("Zatrzymaj") : QStringLiteral("Nagraj"));
    list_->setEnabled(!recording_);
    progress_->setText(QStringLiteral("Własne nagrania: %1 z %2").arg(OwnCount()).arg(items_.size()));
}

void VoiceView::Play(const QString& path)
{
    StopSound();
    WaveInfo wave;
    QAudioFormat format;
    if (!ReadWaveFile(path, wave) || !WaveAudioFormat(wave, format)) {
        status_->setText(QStringLiteral("Tego nagrania nie da się odtworzyć."));
        return;
    }
    if (!port_->StartPlayback(format, wave.samples, [this] { status_->clear(); })) {
        status_->setText(QStringLiteral("Brak wyjścia dźwięku: nie można odtworzyć nagrania."));
        return;
    }
    status_->setText(QStringLiteral("Odtwarzanie…"));
}

void VoiceView::StopSound()
{
    if (!recording_)
        port_->Stop();
}

void VoiceView::StartTake()
{
    port_->Stop();
    take_.clear();
    const bool started = port_->StartCapture(
        wave::RecordingFormat(), [this](const QByteArray& pcm) { OnSamples(pcm); },
        [this] {
            if (recording_)
                EndTake();
        });
    if (!started) {
        CurrentMessageBoxes().Show(this, kCaption,
                                   QStringLiteral("Nie znaleziono mikrofonu, więc nie można nagrywać. "
                                                  "Odtwarzanie i usuwanie nagrań działa dalej."),
                                   MessageIcon::Error);
        return;
    }
    recording_ = true;
    meter_->setValue(0);
    status_->setText(QStringLiteral("Nagrywanie… (najwyżej %1 s)").arg(kTakeLimitMs / wave::kMsPerSecond));
    Refresh();
}

void VoiceView::OnSamples(const QByteArray& pcm)
{
    if (!recording_)
        return;
    const qint64 limit = wave::BytesForMs(kTakeLimitMs);
    take_.append(pcm.left(limit - take_.size()));
    // The needle falls back slowly, so that a short syllable can be seen.
    const int level = kMeterRangeDb + int(AmplitudeDb(PeakAmplitude(pcm)));
    meter_->setValue(std::max({0, level, meter_->value() - kMeterFallDb}));
    if (take_.size() >= limit)
        EndTake();
}

void VoiceView::EndTake()
{
    if (!recording_ || ending_)
        return;
    // The last samples still come in while recording_ holds; should they fill the take, this is
    // already where it ends.
    ending_ = true;
    port_->Stop();
    ending_ = false;
    recording_ = false;
    meter_->setValue(0);
    const QString own = OwnFile(current_);
    switch (SaveTake(own, take_)) {
    case TakeResult::Saved:
        status_->setText(QStringLiteral("Zapisano własne nagranie."));
        break;
    case TakeResult::Silent:
        status_->clear();
        CurrentMessageBoxes().Show(this, kCaption,
                                   QStringLiteral("W nagraniu nie słychać głosu (sama cisza). "
                                                  "Poprzednie nagranie zostało bez zmian."),
                                   MessageIcon::Information);
        break;
    case TakeResult::NotWritten:
        status_->clear();
        CurrentMessageBoxes().Show(this, kCaption,
                                   QStringLiteral("Nie udało się zapisać nagrania w pliku „%1”.").arg(own),
                                   MessageIcon::Error);
        break;
    }
    take_.clear();
    Refresh();
}

void VoiceView::RemoveOwn()
{
    StopSound();
    if (!QFile::remove(OwnFile(current_)))
        status_->setText(QStringLiteral("Nie udało się usunąć nagrania."));
    else
        status_->setText(QStringLiteral("Usunięto własne nagranie; gry mówią głosem syntetycznym."));
    Refresh();
}
