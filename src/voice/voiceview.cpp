// SPDX-License-Identifier: GPL-3.0-or-later
// The "Głos" view (see voiceview.h). Sounds play and takes are captured through the recorder's sound
// port, without blocking, so the meter moves while the adult speaks and a sound can be stopped. The
// list is a model with a filter over it, so a few hundred items stay quick to search and walk through.
#include "voiceview.h"

#include "platform/messageboxes.h"
#include "platform/wavefile.h"
#include "recorder/wavedevice.h"
#include "shell/ownvoice.h"
#include "voice/voicetake.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

// The rows whose text holds what the adult typed, with the headings above them.
class SpokenItemFilter final : public QSortFilterProxyModel {
public:
    // Set on an item's first cell: its index in the view's items. Headings have none.
    static constexpr int kItemRole = Qt::UserRole;

    explicit SpokenItemFilter(QObject* parent) : QSortFilterProxyModel(parent)
    {
        // A heading stays while one of its items matches.
        setRecursiveFilteringEnabled(true);
    }
    void SetTyped(const QString& typed)
    {
        typed_ = typed;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const QModelIndex cell = sourceModel()->index(row, 0, parent);
        if (!cell.data(kItemRole).isValid())
            return typed_.trimmed().isEmpty();
        return MatchesSearch(cell.data().toString(), typed_);
    }

private:
    QString typed_;
};

namespace {

const QString kCaption = QStringLiteral("Głos");
// The meter shows the last chunk's peak over this range of dB below full scale.
constexpr int kTitlePointSize = 20;
constexpr int kListStretch = 3, kPanelStretch = 2;

// The keys: all hold Ctrl (or are Esc), so that none of them types into the search box.
const QKeySequence kRecordKey(Qt::CTRL | Qt::Key_R);
const QKeySequence kPlayKey(Qt::CTRL | Qt::Key_P);
const QKeySequence kNextKey(Qt::CTRL | Qt::Key_N);
const QKeySequence kNextWithoutOwnKey(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
const QKeySequence kStopKey(Qt::Key_Escape);
const QKeySequence kSearchKey(Qt::CTRL | Qt::Key_F);

QString KeyText(const QKeySequence& key)
{
    return key.toString(QKeySequence::NativeText);
}

// A button of the panel; its key clicks it at once (a button's own shortcut would click it only after
// showing the press for a moment) and, like a click, does nothing while the button is disabled.
QPushButton* NewButton(QWidget* parent, const char* name, const QString& text, const QString& tip,
                       const QKeySequence& key = {})
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(key.isEmpty() ? tip : QStringLiteral("%1 (%2)").arg(tip, KeyText(key)));
    if (!key.isEmpty())
        QObject::connect(new QShortcut(key, parent), &QShortcut::activated, button, &QPushButton::click);
    return button;
}

QString OwnText(bool present, bool damaged)
{
    if (damaged)
        return QStringLiteral("uszkodzone");
    return present ? QStringLiteral("tak") : QStringLiteral("—");
}

QStandardItem* Cell(const QString& text)
{
    auto* cell = new QStandardItem(text);
    cell->setEditable(false);
    return cell;
}

}  // namespace

VoiceView::VoiceView(const QString& programFolder, std::unique_ptr<AudioPort> port, QWidget* parent)
    : QWidget(parent), folder_(programFolder), port_(std::move(port)), items_(ShippedSpokenItems()),
      states_(items_.size(), OwnState::None)
{
    setWindowTitle(kCaption);
    model_ = new QStandardItemModel(this);
    model_->setHorizontalHeaderLabels(
        {QStringLiteral("Co mówią gry"), QStringLiteral("Głoski"), QStringLiteral("Własne nagranie")});
    QStandardItem* section = nullptr;
    for (int i = 0; i < int(items_.size()); ++i) {
        if (i == 0 || items_[i].section != items_[i - 1].section) {
            section = Cell(items_[i].section);
            section->setSelectable(false);
            QFont bold = section->font();
            bold.setBold(true);
            section->setFont(bold);
            model_->appendRow({section, Cell({}), Cell({})});
            sections_.push_back(section);
        }
        auto* row = Cell(items_[i].text);
        row->setData(i, SpokenItemFilter::kItemRole);
        section->appendRow({row, Cell(items_[i].groups), Cell({})});
        rows_.push_back(row);
    }
    filter_ = new SpokenItemFilter(this);
    filter_->setSourceModel(model_);

    search_ = new QLineEdit(this);
    search_->setObjectName("search");
    search_->setPlaceholderText(QStringLiteral("Szukaj (%1)").arg(KeyText(kSearchKey)));
    search_->setClearButtonEnabled(true);
    list_ = new QTreeView(this);
    list_->setObjectName("items");
    list_->setModel(filter_);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The narrow columns are as wide as the longest text they can hold, worked out once rather than
    // measured row by row whenever a row changes.
    const QFontMetrics metrics(list_->font());
    const int padding = metrics.horizontalAdvance(QStringLiteral("MM"));
    int groupsWidth = metrics.horizontalAdvance(model_->headerData(kGroupsColumn, Qt::Horizontal).toString());
    for (const SpokenItem& item : items_)
        groupsWidth = std::max(groupsWidth, metrics.horizontalAdvance(item.groups));
    int ownWidth = metrics.horizontalAdvance(model_->headerData(kOwnColumn, Qt::Horizontal).toString());
    for (const QString& text : {OwnText(false, true), QStringLiteral("000 z 000")})
        ownWidth = std::max(ownWidth, metrics.horizontalAdvance(text));
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(kTextColumn, QHeaderView::Stretch);
    list_->header()->resizeSection(kGroupsColumn, groupsWidth + padding);
    list_->header()->resizeSection(kOwnColumn, ownWidth + padding);
    list_->expandAll();

    title_ = new QLabel(this);
    title_->setObjectName("title");
    QFont big = title_->font();
    big.setPointSize(kTitlePointSize);
    big.setBold(true);
    title_->setFont(big);
    title_->setWordWrap(true);
    play_ = NewButton(this, "play", QStringLiteral("Odtwórz"),
                      QStringLiteral("Własne nagranie, a gdy go nie ma, głos syntetyczny"), kPlayKey);
    record_ = NewButton(this, "record", QStringLiteral("Nagraj"),
                        QStringLiteral("Nagrywa; drugie naciśnięcie albo %1 kończy nagranie").arg(KeyText(kStopKey)),
                        kRecordKey);
    playOwn_ = NewButton(this, "playOwn", QStringLiteral("Odtwórz własne"), QStringLiteral("Tylko własne nagranie"));
    remove_ = NewButton(this, "remove", QStringLiteral("Usuń własne"),
                        QStringLiteral("Gry znów mówią to głosem syntetycznym"));
    next_ = NewButton(this, "next", QStringLiteral("Następne"), QStringLiteral("Następna pozycja listy"), kNextKey);
    nextWithoutOwn_ = NewButton(this, "nextWithoutOwn", QStringLiteral("Następne nienagrane"),
                                QStringLiteral("Następna pozycja listy bez własnego nagrania"), kNextWithoutOwnKey);
    meter_ = new QProgressBar(this);
    meter_->setObjectName("meter");
    meter_->setRange(0, kMeterRangeDb);
    meter_->setTextVisible(false);
    status_ = new QLabel(this);
    status_->setObjectName("status");
    status_->setWordWrap(true);
    keys_ = new QLabel(QStringLiteral("Klawisze: %1 nagraj, %1 lub %2 zatrzymaj, %3 odtwórz, %4 następne, "
                                      "%5 następne nienagrane, %6 szukaj.")
                           .arg(KeyText(kRecordKey), KeyText(kStopKey), KeyText(kPlayKey), KeyText(kNextKey),
                                KeyText(kNextWithoutOwnKey), KeyText(kSearchKey)),
                       this);
    keys_->setObjectName("keys");
    keys_->setWordWrap(true);
    progress_ = new QLabel(this);
    progress_->setObjectName("progress");

    auto* left = new QVBoxLayout;
    left->addWidget(search_);
    left->addWidget(list_);
    auto* panel = new QGridLayout;
    panel->addWidget(title_, 0, 0, 1, 2);
    panel->addWidget(play_, 1, 0);
    panel->addWidget(record_, 1, 1);
    panel->addWidget(playOwn_, 2, 0);
    panel->addWidget(remove_, 2, 1);
    panel->addWidget(next_, 3, 0);
    panel->addWidget(nextWithoutOwn_, 3, 1);
    panel->addWidget(new QLabel(QStringLiteral("Poziom:"), this), 4, 0, 1, 2);
    panel->addWidget(meter_, 5, 0, 1, 2);
    panel->addWidget(status_, 6, 0, 1, 2);
    panel->setRowStretch(7, 1);
    panel->addWidget(keys_, 8, 0, 1, 2);
    panel->addWidget(progress_, 9, 0, 1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, kListStretch);
    layout->addLayout(panel, kPanelStretch);

    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& at) {
        const QVariant item = filter_->mapToSource(at.siblingAtColumn(kTextColumn)).data(SpokenItemFilter::kItemRole);
        if (item.isValid() && !recording_)
            Select(item.toInt());
    });
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& typed) { Filter(typed); });
    connect(play_, &QPushButton::clicked, this, [this] {
        Play(folder_.filePath(SpokenFile(items_[current_].dataPath, folder_)));
    });
    connect(playOwn_, &QPushButton::clicked, this, [this] { Play(OwnFile(current_)); });
    connect(record_, &QPushButton::clicked, this, [this] { recording_ ? EndTake() : StartTake(); });
    connect(remove_, &QPushButton::clicked, this, [this] { RemoveOwn(); });
    connect(next_, &QPushButton::clicked, this, [this] { Next(false); });
    connect(nextWithoutOwn_, &QPushButton::clicked, this, [this] { Next(true); });
    connect(new QShortcut(kStopKey, this), &QShortcut::activated, this, [this] {
        if (recording_) {
            EndTake();
        } else {
            StopSound();
            status_->clear();
        }
    });
    connect(new QShortcut(kSearchKey, this), &QShortcut::activated, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });

    Rescan();
    Select(0);
}

VoiceView::~VoiceView()
{
    // Stopped before the widgets go: the port may hand over its last samples on the way.
    recording_ = false;
    port_->Stop();
}

void VoiceView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Rescan();
}

void VoiceView::Select(int item)
{
    if (item < 0 || item >= int(items_.size()) || recording_)
        return;
    StopSound();
    current_ = item;
    const QModelIndex shown = filter_->mapFromSource(rows_[item]->index());
    if (shown.isValid()) {
        list_->setCurrentIndex(shown);
        list_->scrollTo(shown);
    } else {
        list_->clearSelection();
    }
    title_->setText(items_[item].text);
    status_->clear();
    // The file may have changed since the list was last looked at.
    UpdateRow(item);
    UpdateCounts();
    Refresh();
}

void VoiceView::Filter(const QString& typed)
{
    filter_->SetTyped(typed);
    list_->expandAll();
    const std::vector<int> shown = Shown();
    // What the keys act on is always one of the items in sight, when there are any.
    if (!shown.empty() && std::find(shown.begin(), shown.end(), current_) == shown.end())
        Select(shown.front());
    else if (current_ >= 0)
        list_->scrollTo(filter_->mapFromSource(rows_[current_]->index()));
}

std::vector<int> VoiceView::Shown() const
{
    std::vector<int> shown;
    for (int s = 0; s < filter_->rowCount(); ++s) {
        const QModelIndex section = filter_->index(s, kTextColumn);
        for (int r = 0; r < filter_->rowCount(section); ++r)
            shown.push_back(filter_->index(r, kTextColumn, section).data(SpokenItemFilter::kItemRole).toInt());
    }
    return shown;
}

void VoiceView::Next(bool onlyWithoutOwn)
{
    const std::vector<int> shown = Shown();
    const auto here = std::find(shown.begin(), shown.end(), current_);
    const int from = here == shown.end() ? -1 : int(here - shown.begin());
    // The one without a recording may lie above: the search goes round once.
    const int steps = onlyWithoutOwn ? int(shown.size()) : int(shown.size()) - from - 1;
    for (int step = 1; step <= steps; ++step) {
        const int item = shown[size_t((from + step) % int(shown.size()))];
        if (!onlyWithoutOwn || states_[size_t(item)] != OwnState::Present) {
            Select(item);
            return;
        }
    }
    status_->setText(onlyWithoutOwn ? QStringLiteral("Każda pozycja na liście ma już własne nagranie.")
                                    : QStringLiteral("To ostatnia pozycja listy."));
}

void VoiceView::Rescan()
{
    for (int i = 0; i < int(items_.size()); ++i)
        UpdateRow(i);
    UpdateCounts();
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
    return int(std::count(states_.begin(), states_.end(), OwnState::Present));
}

void VoiceView::UpdateRow(int item)
{
    const OwnState state = StateOf(item);
    states_[size_t(item)] = state;
    QStandardItem* row = rows_[size_t(item)];
    QStandardItem* own = row->parent()->child(row->row(), kOwnColumn);
    const QString text = OwnText(state == OwnState::Present, state == OwnState::Damaged);
    if (own->text() != text)  // a change makes the list look at its rows again
        own->setText(text);
}

void VoiceView::UpdateCounts()
{
    for (QStandardItem* section : sections_) {
        int own = 0;
        for (int r = 0; r < section->rowCount(); ++r)
            own += states_[size_t(section->child(r)->data(SpokenItemFilter::kItemRole).toInt())] == OwnState::Present;
        QStandardItem* count = model_->item(section->row(), kOwnColumn);
        const QString text = QStringLiteral("%1 z %2").arg(own).arg(section->rowCount());
        if (count->text() != text)
            count->setText(text);
    }
    progress_->setText(QStringLiteral("Własne nagrania: %1 z %2").arg(OwnCount()).arg(items_.size()));
}

void VoiceView::Refresh()
{
    const OwnState state = current_ >= 0 ? states_[size_t(current_)] : OwnState::None;
    play_->setEnabled(!recording_);
    playOwn_->setEnabled(!recording_ && state == OwnState::Present);
    remove_->setEnabled(!recording_ && state != OwnState::None);
    next_->setEnabled(!recording_);
    nextWithoutOwn_->setEnabled(!recording_);
    record_->setText(recording_ ? QStringLiteral("Zatrzymaj") : QStringLiteral("Nagraj"));
    list_->setEnabled(!recording_);
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
    meter_->setValue(MeterLevel(meter_->value(), pcm));
    if (AddToTake(take_, pcm, kTakeLimitMs))
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
    UpdateRow(current_);
    UpdateCounts();
    Refresh();
}

void VoiceView::RemoveOwn()
{
    StopSound();
    if (!QFile::remove(OwnFile(current_)))
        status_->setText(QStringLiteral("Nie udało się usunąć nagrania."));
    else
        status_->setText(QStringLiteral("Usunięto własne nagranie; gry mówią głosem syntetycznym."));
    UpdateRow(current_);
    UpdateCounts();
    Refresh();
}
