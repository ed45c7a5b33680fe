// SPDX-License-Identifier: GPL-3.0-or-later
// The "Słowa" view (see wordsview.h). The list is a model with a filter over it, like the "Głos" view;
// a word's small picture is decoded only when its row is first painted, so three hundred words cost
// nothing until the list is scrolled to them.
#include "wordsview.h"

#include "grouping.h"
#include "platform/imagefiles.h"
#include "platform/messageboxes.h"
#include "recorder/wavedevice.h"
#include "settings/_custgry.h"
#include "shell/ownwordfiles.h"
#include "voice/spokenitems.h"
#include "words/soundmarks.h"
#include "wordeditor.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Słowa");
// Set on a word's first cell: the built-in word's name or the own word's id. Headings have none.
constexpr int kKeyRole = Qt::UserRole;
constexpr int kOwnRole = Qt::UserRole + 1;
constexpr int kSpellingRole = Qt::UserRole + 2;  // what the search looks in
constexpr int kPictureRole = Qt::UserRole + 3;   // the small picture's file
constexpr int kFaultRole = Qt::UserRole + 4;     // why an own word's marks fit no game
constexpr int kRowPadding = 4;
constexpr int kShownProblems = 8;  // of a damaged list, in its message

const QKeySequence kSearchKey(Qt::CTRL | Qt::Key_F);
const QKeySequence kAddKey(Qt::CTRL | Qt::Key_N);

// The headings are the groups in the order of the menu (glos::kGroupNames); a word of several groups goes
// under the first, and the saucer's group heads the words that belong to no other.
constexpr quint16 kPositions = quint16(glos::Naglos | glos::Srodglos | glos::Wyglos);
constexpr int kNoGroupSection = int(std::size(glos::kGroupNames));
const QString kNoGroupCaption = QStringLiteral("Bez grupy głosek");
const QColor kHeadingBackground(0xe4, 0xeb, 0xf5);

int SectionOf(quint16 flags)
{
    for (int s = 0; s < kNoGroupSection; ++s)
        if (flags & glos::kGroupNames[s].bit)
            return s;
    return kNoGroupSection;
}

QString GroupsOf(quint16 flags)
{
    return GroupsText(flags & ~kPositions);
}

QString Spelled(const QString& split)
{
    return soundmarks::Spelling(soundmarks::Elements(split));
}

// What keeps an own word from the games, for its "Stan" cell; empty when nothing does.
QString OwnState(bool picture, bool recording, bool marksFit)
{
    const QString notDrawn = QStringLiteral(" — nie będzie losowane");
    if (!marksFit)
        return QStringLiteral("głoski do poprawienia") + notDrawn;
    if (!picture && !recording)
        return QStringLiteral("brak obrazka i nagrania") + notDrawn;
    if (!picture)
        return QStringLiteral("brak obrazka") + notDrawn;
    if (!recording)
        return QStringLiteral("brak nagrania") + notDrawn;
    return {};
}

QStandardItem* Cell(const QString& text = {})
{
    auto* cell = new QStandardItem(text);
    cell->setEditable(false);
    return cell;
}

}  // namespace

// The list's rows; a word's picture is decoded when the list first asks for it, and every row is as
// high as a picture so that the list can take one row's height for all.
class WordRowsModel final : public QStandardItemModel {
public:
    explicit WordRowsModel(QObject* parent) : QStandardItemModel(parent) {}

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::SizeHintRole)
            return QSize(1, WordsView::kIconSide + kRowPadding);
        if (role != Qt::DecorationRole || index.column() != WordsView::kWordColumn)
            return QStandardItemModel::data(index, role);
        const QString file = QStandardItemModel::data(index, kPictureRole).toString();
        if (file.isEmpty())
            return {};
        auto found = icons_.find(file);
        if (found == icons_.end()) {
            QImage icon;
            try {
                icon = DecodeJpegFile(file).scaled(WordsView::kIconSide, WordsView::kIconSide, Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation);
            } catch (const ImageError&) {
                // A missing or broken picture leaves its place empty, so the words stay in line.
                icon = QImage(WordsView::kIconSide, WordsView::kIconSide, QImage::Format_ARGB32);
                icon.fill(Qt::transparent);
            }
            found = icons_.insert(file, icon);
        }
        return *found;
    }
    int Decoded() const { return int(icons_.size()); }
    void ForgetPictures() { icons_.clear(); }

private:
    mutable QHash<QString, QImage> icons_;
};

// The words whose spelling holds what the adult typed, with their headings.
class WordRowsFilter final : public QSortFilterProxyModel {
public:
    explicit WordRowsFilter(QObject* parent) : QSortFilterProxyModel(parent) { setRecursiveFilteringEnabled(true); }
    void SetTyped(const QString& typed)
    {
        typed_ = typed;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const QModelIndex cell = sourceModel()->index(row, WordsView::kWordColumn, parent);
        if (!cell.data(kKeyRole).isValid())
            return typed_.trimmed().isEmpty();
        return MatchesSearch(cell.data(kSpellingRole).toString(), typed_);
    }

private:
    QString typed_;
};

WordsView::WordsView(QString userFolder, QString dataFolder, std::unique_ptr<AudioPort> port, QWidget* parent)
    : QWidget(parent), userFolder_(std::move(userFolder)), dataFolder_(std::move(dataFolder)), port_(std::move(port))
{
    setWindowTitle(kCaption);
    QStringList problems;
    const bool damaged = ReadOwnWords(userFolder_, list_, &problems) == OwnListState::Damaged;

    model_ = new WordRowsModel(this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Słowo"), QStringLiteral("Głoski"), QStringLiteral("Pozycje"),
                                       QStringLiteral("W grach"), QStringLiteral("Stan")});
    filter_ = new WordRowsFilter(this);
    filter_->setSourceModel(model_);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("wordsProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral(
        "QLabel { background: #fde8e8; color: #8a1010; border: 1px solid #d08080; padding: 8px; font-weight: bold; }"));
    problem_->hide();
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("search"));
    search_->setPlaceholderText(
        QStringLiteral("Szukaj słowa (%1)").arg(kSearchKey.toString(QKeySequence::NativeText)));
    search_->setClearButtonEnabled(true);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("words"));
    tree_->setModel(filter_);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setIconSize(QSize(kIconSide, kIconSide));
    tree_->setAlternatingRowColors(true);
    tree_->installEventFilter(this);
    // The narrow columns are as wide as the longest text they can hold, worked out once.
    const QFontMetrics metrics(tree_->font());
    const int padding = metrics.horizontalAdvance(QStringLiteral("MM"));
    const auto widest = [&](int column, const QStringList& texts) {
        int width = metrics.horizontalAdvance(model_->headerData(column, Qt::Horizontal).toString());
        for (const QString& text : texts)
            width = std::max(width, metrics.horizontalAdvance(text));
        tree_->header()->resizeSection(column, width + padding);
    };
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(kWordColumn, QHeaderView::Stretch);
    widest(kGroupsColumn, {QStringLiteral("L, TR/DR")});
    widest(kPositionsColumn, {PositionsText(kPositions)});
    widest(kInGamesColumn, {});
    // The rarer, longer states are cut short; their whole text is in their tooltip.
    widest(kStateColumn, {OwnState(true, false, true)});

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count"));
    const auto button = [this](const char* name, const QString& text, void (WordsView::*action)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    add_ = button("add", QStringLiteral("Dodaj słowo…"), &WordsView::A_Dodaj);
    add_->setToolTip(QStringLiteral("Własne słowo: pisownia, głoski, obrazek i nagranie (%1)")
                         .arg(kAddKey.toString(QKeySequence::NativeText)));
    change_ = button("change", QStringLiteral("Zmień…"), &WordsView::A_Zmien);
    change_->setToolTip(QStringLiteral("Zmienia zaznaczone własne słowo (Enter)"));
    remove_ = button("remove", QStringLiteral("Usuń…"), &WordsView::A_Usun);
    remove_->setToolTip(QStringLiteral("Usuwa zaznaczone własne słowo; jego pliki trafiają do kosza (Delete)"));
    auto* keys = new QLabel(QStringLiteral("Słowa wbudowane można tylko wyłączyć. Klawisze: %1 szukaj, %2 dodaj, "
                                           "Enter zmień, Delete usuń, spacja włącza i wyłącza słowo w grach.")
                                .arg(kSearchKey.toString(QKeySequence::NativeText),
                                     kAddKey.toString(QKeySequence::NativeText)),
                            this);
    keys->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(problem_);
    layout->addWidget(search_);
    layout->addWidget(tree_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(add_);
    row->addWidget(change_);
    row->addWidget(remove_);
    row->addStretch(1);
    row->addWidget(count_);
    layout->addLayout(row);
    layout->addWidget(keys);

    connect(search_, &QLineEdit::textChanged, this, [this](const QString& typed) {
        filter_->SetTyped(typed);
        tree_->expandAll();
    });
    // From the search box, Enter goes to the first word found.
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        const QModelIndex first = filter_->index(0, kWordColumn);
        if (filter_->rowCount(first) > 0)
            tree_->setCurrentIndex(filter_->index(0, kWordColumn, first));
        tree_->setFocus(Qt::OtherFocusReason);
    });
    connect(tree_, &QTreeView::doubleClicked, this, [this](const QModelIndex& at) {
        // A quick second click on the box "W grach" only switches the word back.
        if (at.column() != kInGamesColumn && SelectedIsOwn())
            A_Zmien();
    });
    connect(model_, &QStandardItemModel::itemChanged, this, &WordsView::OnItemChanged);
    connect(new QShortcut(kSearchKey, this), &QShortcut::activated, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
    connect(new QShortcut(kAddKey, this), &QShortcut::activated, this, &WordsView::A_Dodaj);

    Build();
    connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &WordsView::UpdateButtons);
    if (damaged) {
        // Shown in the view at once, and in a message when the adult first comes to the view.
        problem_->setText(QStringLiteral("Listy własnych słów (plik %1 w folderze „%2”) nie udało się w całości "
                                         "odczytać (pominięte wiersze: %3). Gry losują pozostałe słowa; "
                                         "nieodczytane wiersze zostają w pliku bez zmian.")
                              .arg(QString::fromLatin1(ownfiles::kListFile), userFolder_)
                              .arg(problems.size()));
        problem_->show();
        damageReport_ = problems;
    }
}

WordsView::~WordsView()
{
    port_->Stop();
}

void WordsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A word's files may have come or gone since the list was last looked at.
    UpdateStates();
    if (damageReport_.isEmpty())
        return;
    QStringList shown = damageReport_.mid(0, kShownProblems);
    if (damageReport_.size() > kShownProblems)
        shown << QStringLiteral("… i %1 innych.").arg(damageReport_.size() - kShownProblems);
    damageReport_.clear();
    // Once the view is on screen, so that the message stands over the list it speaks of.
    QTimer::singleShot(0, this, [this, shown] {
        Tell(QStringLiteral("Nie wszystkie wiersze listy własnych słów (plik „%1”) dało się odczytać:\n\n%2\n\n"
                            "Słów z tych wierszy nie ma na liście i gry ich nie losują; pozostałe działają. Plik "
                            "zostaje bez zmian, dopóki nie zmienisz czegoś na liście słów: wtedy zostanie zapisany "
                            "na nowo z tym, co udało się odczytać, a nieodczytane wiersze zostaną na jego końcu "
                            "takie, jakie były.")
                 .arg(QDir(userFolder_).filePath(QString::fromLatin1(ownfiles::kListFile)),
                      shown.join(QLatin1Char('\n'))),
             true);
    });
}

void WordsView::Build()
{
    const QString selected = Selected();
    building_ = true;
    model_->removeRows(0, model_->rowCount());
    // An own word's picture may have changed: everything is decoded again when it is shown.
    model_->ForgetPictures();
    struct Row {
        int section;
        QString key, spelling, picture;
        quint16 flags;
        QString fault;
        bool own;
    };
    std::vector<Row> rows;
    for (const SPaczka& word : ShippedWords(WordKind::Practice))
        rows.push_back({SectionOf(word.Flags), word.Name, Spelled(word.Split),
                        dataFolder_ + QStringLiteral("/Data/Klc/") + word.Name + QStringLiteral("_s.xji"), word.Flags,
                        {}, false});
    for (const OwnWord& word : list_.words) {
        const OwnWordOffer offer = OfferFor(word.split);
        rows.push_back({SectionOf(offer.flags), word.id, Spelled(word.split),
                        ownfiles::PictureFile(userFolder_, word.id, QStringLiteral("_s")), offer.flags,
                        offer.problems.join(QLatin1Char(' ')), true});
    }
    QCollator polish{QLocale(QLocale::Polish, QLocale::Poland)};
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        return a.section != b.section ? a.section < b.section : polish.compare(a.spelling, b.spelling) < 0;
    });
    QStandardItem* heading = nullptr;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        if (i == 0 || r.section != rows[i - 1].section) {
            heading = Cell(r.section == kNoGroupSection ? kNoGroupCaption : QString::fromUtf8(glos::kGroupNames[r.section].name));
            heading->setSelectable(false);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            QList<QStandardItem*> cells{heading};
            for (int c = 1; c < kColumns; ++c) {
                cells << Cell();
                cells.back()->setSelectable(false);
            }
            for (QStandardItem* cell : cells)
                cell->setBackground(kHeadingBackground);
            model_->appendRow(cells);
        }
        QStandardItem* word = Cell(r.own ? QStringLiteral("%1 (własne)").arg(r.spelling) : r.spelling);
        word->setData(r.key, kKeyRole);
        word->setData(r.own, kOwnRole);
        word->setData(r.spelling, kSpellingRole);
        word->setData(r.picture, kPictureRole);
        word->setData(r.fault, kFaultRole);
        auto* inGames = Cell();
        inGames->setCheckable(true);
        inGames->setToolTip(QStringLiteral("Czy gry losują to słowo"));
        const OwnWord* own = r.own ? list_.Find(r.key) : nullptr;
        inGames->setCheckState((own ? own->on : !list_.IsSwitchedOff(r.key)) ? Qt::Checked : Qt::Unchecked);
        heading->appendRow(
            {word, Cell(GroupsOf(r.flags)), Cell(PositionsText(r.flags & kPositions)), inGames, Cell()});
    }
    building_ = false;
    tree_->expandAll();
    UpdateStates();
    if (!selected.isEmpty())
        Select(selected);
    UpdateButtons();
}

void WordsView::UpdateStates()
{
    building_ = true;
    for (int s = 0; s < model_->rowCount(); ++s) {
        QStandardItem* heading = model_->item(s, kWordColumn);
        for (int r = 0; r < heading->rowCount(); ++r) {
            const QStandardItem* word = heading->child(r, kWordColumn);
            if (!word->data(kOwnRole).toBool())
                continue;
            const QString id = word->data(kKeyRole).toString();
            const QString fault = word->data(kFaultRole).toString();
            const QString text = OwnState(ownfiles::HasAllPictures(userFolder_, id),
                                          ownfiles::HasRecording(userFolder_, id), fault.isEmpty());
            QStandardItem* state = heading->child(r, kStateColumn);
            if (state->text() != text) {  // a change makes the list look at its rows again
                state->setText(text);
                state->setToolTip(fault.isEmpty() ? text : fault);
            }
        }
    }
    building_ = false;
    UpdateCounts();
}

void WordsView::UpdateCounts()
{
    int words = 0, inGames = 0;
    for (int s = 0; s < model_->rowCount(); ++s) {
        QStandardItem* heading = model_->item(s, kWordColumn);
        for (int r = 0; r < heading->rowCount(); ++r, ++words)
            // An own word counts when the games can draw it: switched on and nothing missing.
            inGames += heading->child(r, kInGamesColumn)->checkState() == Qt::Checked &&
                       heading->child(r, kStateColumn)->text().isEmpty();
    }
    count_->setText(
        QStringLiteral("Słowa w grach: %1 z %2 · własne: %3").arg(inGames).arg(words).arg(list_.words.size()));
}

void WordsView::UpdateButtons()
{
    const bool own = SelectedIsOwn();
    change_->setEnabled(own);
    remove_->setEnabled(own);
}

int WordsView::DecodedPictures() const
{
    return model_->Decoded();
}

QString WordsView::Selected() const
{
    const QModelIndexList rows = tree_->selectionModel()->selectedRows(kWordColumn);
    return rows.isEmpty() ? QString() : rows.first().data(kKeyRole).toString();
}

bool WordsView::SelectedIsOwn() const
{
    const QModelIndexList rows = tree_->selectionModel()->selectedRows(kWordColumn);
    return !rows.isEmpty() && rows.first().data(kOwnRole).toBool();
}

bool WordsView::Select(const QString& name)
{
    for (int s = 0; s < model_->rowCount(); ++s) {
        QStandardItem* heading = model_->item(s, kWordColumn);
        for (int r = 0; r < heading->rowCount(); ++r) {
            if (heading->child(r, kWordColumn)->data(kKeyRole).toString() != name)
                continue;
            const QModelIndex shown = filter_->mapFromSource(heading->child(r, kWordColumn)->index());
            if (!shown.isValid())
                return false;
            tree_->setCurrentIndex(shown);
            tree_->scrollTo(shown);
            return true;
        }
    }
    return false;
}

void WordsView::Tell(const QString& text, bool error)
{
    CurrentMessageBoxes().Show(this, kCaption, text, error ? MessageIcon::Error : MessageIcon::Information);
}

bool WordsView::Write(const OwnWordList& changed)
{
    if (!WriteOwnWords(userFolder_, changed)) {
        Tell(QStringLiteral("Nie udało się zapisać listy słów w folderze „%1” (czy można w nim zapisywać?). "
                            "Zmiana nie została zapisana.")
                 .arg(QDir(userFolder_).filePath(QString::fromLatin1(ownfiles::kFolder))),
             true);
        return false;
    }
    list_ = changed;
    return true;
}

void WordsView::OnItemChanged(QStandardItem* item)
{
    if (building_ || item->column() != kInGamesColumn || !item->parent())
        return;
    const QStandardItem* word = item->parent()->child(item->row(), kWordColumn);
    const QString key = word->data(kKeyRole).toString();
    const bool wanted = item->checkState() == Qt::Checked;
    OwnWordList changed = list_;
    if (word->data(kOwnRole).toBool()) {
        OwnWord* own = changed.Find(key);
        if (!own || own->on == wanted)
            return;
        own->on = wanted;
    } else {
        if (changed.IsSwitchedOff(key) != wanted)
            return;
        if (wanted)
            changed.switchedOff.removeAll(key);
        else
            changed.switchedOff << key;
    }
    if (!Write(changed)) {
        building_ = true;
        item->setCheckState(wanted ? Qt::Unchecked : Qt::Checked);
        building_ = false;
    }
    UpdateCounts();
}

void WordsView::A_Przelacz()
{
    const QModelIndexList rows = tree_->selectionModel()->selectedRows(kInGamesColumn);
    if (rows.isEmpty())
        return;
    QStandardItem* item = model_->itemFromIndex(filter_->mapToSource(rows.first()));
    if (item && item->isCheckable())
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void WordsView::A_Dodaj()
{
    if (!EditOwnWord(this, dataFolder_, userFolder_, list_, {}, *port_))
        return;
    Build();
    // Words keep the order they were added in: the new one is the last.
    if (!list_.words.empty())
        Select(list_.words.back().id);
}

void WordsView::A_Zmien()
{
    const QString id = Selected();
    if (!SelectedIsOwn() || !EditOwnWord(this, dataFolder_, userFolder_, list_, id, *port_))
        return;
    Build();
    Select(id);
}

void WordsView::A_Usun()
{
    const QString id = Selected();
    const OwnWord* word = SelectedIsOwn() ? list_.Find(id) : nullptr;
    if (!word)
        return;
    const QString spelling = Spelled(word->split);
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Usuń słowo"),
        QStringLiteral("Usunąć słowo „%1”? Jego obrazek i nagranie trafią do kosza.").arg(spelling),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    OwnWordList changed = list_;
    std::erase_if(changed.words, [&](const OwnWord& w) { return w.id == id; });
    // The list first: a crash before the trash has the files leaves a folder no word uses.
    if (!WriteOwnWords(userFolder_, changed)) {
        Tell(QStringLiteral("Nie udało się zapisać listy słów, więc słowo „%1” zostaje.").arg(spelling), true);
        return;
    }
    const QString folder = ownfiles::WordFolder(userFolder_, id);
    // The desktop's trash lies in the user's data folder, which a fresh account may not have yet.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (QFileInfo::exists(folder) && !QFile::moveToTrash(folder)) {
        WriteOwnWords(userFolder_, list_);
        Tell(QStringLiteral("Nie udało się przenieść obrazka i nagrania słowa „%1” do kosza, więc słowo zostaje "
                            "na liście.")
                 .arg(spelling),
             true);
        return;
    }
    list_ = std::move(changed);
    Build();
}

bool WordsView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tree_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return QWidget::eventFilter(watched, event);
        switch (key->key()) {
        case Qt::Key_Space:
            A_Przelacz();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            A_Zmien();
            return true;
        case Qt::Key_Delete:
            A_Usun();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
