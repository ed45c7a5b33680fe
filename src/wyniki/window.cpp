// SPDX-License-Identifier: GPL-3.0-or-later
// The results viewer's window (see window.h).
#include "window.h"

#include "chart.h"
#include "shell/childlist.h"
#include "menu/guidewindow.h"
#include "report.h"
#include "tables.h"

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 1100, kHeight = 760;
constexpr int kMessageMs = 10000;
constexpr int kFrameRoom = 24;  // for the window manager's frame and title
constexpr int kCellPadding = 10;  // room around the widest text a column holds
constexpr int kSortArrowRoom = 10;  // beside a header's title, for the sort arrow
const QString kTitle = QStringLiteral("Wyniki");
const QString kDateFormat = QStringLiteral("dd.MM.yyyy");

// The widest text each column of the games table usually holds, so that 100 000 rows need not be
// measured. The positions' column takes what is left; a text cut short has its whole in a tooltip.
const char* const kWidestGameCells[] = {"00.00.0000 00:00 (!)", "labirynt", "Poziom", "L, R, TR/DR", "",
                                        "00 min 00 s", "Ukończona", "Podpowiedzi", "Poprawne", "Błędne",
                                        "Spróbujmy jeszcze raz!"};

QTableView* NewTable(QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + kCellPadding / 2);
    return view;
}

// Sizes each column for its widest usual text; `stretch` (if any) takes the room left.
void SizeColumns(QTableView* view, const std::vector<QString>& widest, int stretch)
{
    const QFontMetrics text = view->fontMetrics();
    const QFontMetrics header = view->horizontalHeader()->fontMetrics();
    for (int c = 0; c < int(widest.size()); ++c) {
        const QString title = view->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int width = std::max(text.horizontalAdvance(widest[size_t(c)]),
                                   header.horizontalAdvance(title) + kSortArrowRoom);
        view->setColumnWidth(c, width + kCellPadding);
    }
    if (stretch >= 0)
        view->horizontalHeader()->setSectionResizeMode(stretch, QHeaderView::Stretch);
    else
        view->horizontalHeader()->setStretchLastSection(false);
}

}  // namespace

TfmWyniki::TfmWyniki(QWidget* parent)
    : QMainWindow(parent), games_(new GamesModel(this)), filter_(new GamesFilter(*games_, this)),
      summary_(new SummaryModel(this))
{
    setWindowTitle(kTitle);
    // As big as the usual size, or the whole screen where it is smaller (1024 x 768).
    QSize size(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(kFrameRoom, kFrameRoom));
    resize(size);

    QToolBar* bar = addToolBar(QStringLiteral("Plik"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* open = bar->addAction(QStringLiteral("Otwórz plik…"), this, &TfmWyniki::A_Otworz);
    open->setShortcut(QKeySequence::Open);
    bar->addAction(QStringLiteral("Zapisz tabelę jako CSV…"), this, &TfmWyniki::A_EksportCsv);
    bar->addAction(QStringLiteral("Raport PDF…"), this, &TfmWyniki::A_RaportPdf);
    bar->addSeparator();
    auto* childRow = new QWidget(bar);
    auto* childLayout = new QHBoxLayout(childRow);
    childLayout->setContentsMargins(6, 0, 6, 0);
    childLayout->addWidget(new QLabel(QStringLiteral("Dziecko:"), childRow));
    childBox_ = new QComboBox(childRow);
    childBox_->setObjectName(QStringLiteral("child"));
    childBox_->setMinimumContentsLength(16);
    childLayout->addWidget(childBox_);
    childChoice_ = bar->addWidget(childRow);
    childChoice_->setVisible(false);
    connect(childBox_, &QComboBox::activated, this, &TfmWyniki::ShowChild);
    QAction* guide = bar->addAction(QStringLiteral("Przewodnik"), this, [this] { ShowGuide(this); });
    guide->setShortcut(QKeySequence::HelpContents);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(MakeFilters());
    problem_ = new QLabel(central);
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("QLabel { background: #fde8e8; color: #8a1010; border: 1px solid #d08080;"
                                           " padding: 8px; font-weight: bold; }"));
    problem_->hide();
    layout->addWidget(problem_);

    tabs_ = new QTabWidget(central);
    gamesView_ = NewTable(tabs_);
    gamesView_->setObjectName(QStringLiteral("games"));
    gamesView_->setModel(filter_);
    gamesView_->setSortingEnabled(true);
    gamesView_->sortByColumn(GamesModel::kStart, Qt::AscendingOrder);
    std::vector<QString> widest;
    for (const char* cell : kWidestGameCells)
        widest.push_back(QString::fromUtf8(cell));
    SizeColumns(gamesView_, widest, GamesModel::kPositions);
    tabs_->addTab(gamesView_, QStringLiteral("Gry"));

    auto* summaryPage = new QWidget(tabs_);
    auto* summaryLayout = new QVBoxLayout(summaryPage);
    summaryNote_ = new QLabel(summaryPage);
    summaryNote_->setWordWrap(true);
    summaryLayout->addWidget(summaryNote_);
    summaryView_ = NewTable(summaryPage);
    summaryView_->setObjectName(QStringLiteral("summary"));
    summaryView_->setModel(summary_);
    // Counts of a whole practice's file run to seven digits.
    SizeColumns(summaryView_, {QStringLiteral("TR/DR"), QStringLiteral("śródgłos"), QStringLiteral("000000"),
                               QStringLiteral("0000000"), QStringLiteral("0000000"), QStringLiteral("0000000"),
                               QStringLiteral("100%"), QStringLiteral("↑ +100 pkt")},
                -1);
    summaryLayout->addWidget(summaryView_);
    tabs_->addTab(summaryPage, QStringLiteral("Podsumowanie"));

    chartView_ = new QChartView(tabs_);
    chartView_->setObjectName(QStringLiteral("chart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chart_ = chartView_->chart();
    tabs_->addTab(chartView_, QStringLiteral("Wykres"));
    layout->addWidget(tabs_, 1);
    // The results are the first view; other views of the program (the own voice) come beside them.
    views_ = new QTabWidget(this);
    views_->setObjectName(QStringLiteral("views"));
    views_->setDocumentMode(true);
    views_->addTab(central, kTitle);
    connect(views_, &QTabWidget::currentChanged, this, [this, bar](int view) {
        // Opening and exporting concern the results only.
        bar->setVisible(view == 0);
        statusBar()->setVisible(view == 0);
    });
    setCentralWidget(views_);
    // The file's own notes stay; what an export says shows over them for a while.
    status_ = new QLabel(this);
    statusBar()->addWidget(status_, 1);
    Refresh();
}

TfmWyniki::~TfmWyniki() = default;

void TfmWyniki::UseChildren(const QString& userFolder)
{
    userFolder_ = userFolder;
    ReloadChildren();
}

void TfmWyniki::ReloadChildren()
{
    if (userFolder_.isEmpty())
        return;
    ChildList list;
    ReadChildList(userFolder_, list);
    const QVariant shown = childBox_->currentData();
    const QSignalBlocker quiet(childBox_);
    childBox_->clear();
    for (const Child& c : list.children)
        childBox_->addItem(c.name, c.id);
    childChoice_->setVisible(!list.children.empty());
    if (list.children.empty())
        return;
    int index = childBox_->findData(shown.isValid() ? shown : QVariant(list.lastViewed));
    if (index < 0)
        index = 0;
    childBox_->setCurrentIndex(index);
    if (!shown.isValid() || childBox_->currentData() != shown)
        ShowChild(index);
}

void TfmWyniki::ShowChild(int index)
{
    const int id = childBox_->itemData(index).toInt();
    OpenFile(ChildFolder(userFolder_, id) + QStringLiteral("/prgst4.stt"));
    setWindowTitle(kTitle + QStringLiteral(" - ") + childBox_->itemText(index));
    // The next start opens on this child; a list that cannot be read is left as it is.
    ChildList list;
    if (ReadChildList(userFolder_, list) == ChildListState::Read && list.lastViewed != id) {
        list.lastViewed = id;
        WriteChildList(userFolder_, list);
    }
}

void TfmWyniki::AddView(QWidget* view, const QString& title)
{
    views_->addTab(view, title);
}

QWidget* TfmWyniki::MakeFilters()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto changed = [this] { Refresh(); };

    grid->addWidget(new QLabel(QStringLiteral("Okres:"), box), 0, 0);
    auto* periodRow = new QHBoxLayout;
    period_ = new QCheckBox(QStringLiteral("od"), box);
    from_ = new QDateEdit(box);
    to_ = new QDateEdit(box);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setDisplayFormat(kDateFormat);
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        connect(edit, &QDateEdit::dateChanged, this, changed);
    }
    connect(period_, &QCheckBox::toggled, this, [this](bool on) {
        from_->setEnabled(on);
        to_->setEnabled(on);
        Refresh();
    });
    periodRow->addWidget(period_);
    periodRow->addWidget(from_);
    periodRow->addWidget(new QLabel(QStringLiteral("do"), box));
    periodRow->addWidget(to_);
    periodRow->addWidget(new QLabel(QStringLiteral("(bez zaznaczenia: cały plik)"), box));
    periodRow->addStretch(1);
    grid->addLayout(periodRow, 0, 1);

    const auto addBoxes = [&](int row, const QString& caption, const std::vector<MaskName>& names,
                              std::vector<QCheckBox*>& boxes) {
        grid->addWidget(new QLabel(caption, box), row, 0);
        auto* line = new QHBoxLayout;
        for (const MaskName& name : names) {
            auto* check = new QCheckBox(QString::fromUtf8(name.name), box);
            check->setChecked(true);
            connect(check, &QCheckBox::toggled, this, changed);
            boxes.push_back(check);
            line->addWidget(check);
        }
        auto* all = new QPushButton(QStringLiteral("wszystkie"), box);
        connect(all, &QPushButton::clicked, this, [this, &boxes] {
            refreshing_ = true;
            for (QCheckBox* check : boxes)
                check->setChecked(true);
            refreshing_ = false;
            Refresh();
        });
        line->addWidget(all);
        line->addStretch(1);
        grid->addLayout(line, row, 1);
    };
    addBoxes(1, QStringLiteral("Głoski:"), kGroupNames, groupBoxes_);
    addBoxes(2, QStringLiteral("Pozycja:"), kPositionNames, positionBoxes_);
    grid->setColumnStretch(1, 1);
    return box;
}

QCheckBox* TfmWyniki::GroupBox(quint16 group) const
{
    for (size_t i = 0; i < kGroupNames.size(); ++i)
        if (kGroupNames[i].bit == group)
            return groupBoxes_[i];
    return nullptr;
}

QCheckBox* TfmWyniki::PositionBox(quint16 position) const
{
    for (size_t i = 0; i < kPositionNames.size(); ++i)
        if (kPositionNames[i].bit == position)
            return positionBoxes_[i];
    return nullptr;
}

RecordFilter TfmWyniki::CurrentFilter() const
{
    RecordFilter f;
    if (period_->isChecked()) {
        f.from = from_->date();
        f.to = to_->date();
    }
    const auto read = [](const std::vector<QCheckBox*>& boxes, const std::vector<MaskName>& names, quint16& mask) {
        mask = 0;
        bool all = true;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i]->isChecked())
                mask |= names[i].bit;
            else
                all = false;
        }
        return all;
    };
    f.allGroups = read(groupBoxes_, kGroupNames, f.groups);
    f.allPositions = read(positionBoxes_, kPositionNames, f.positions);
    return f;
}

bool TfmWyniki::OpenFile(const QString& path)
{
    path_ = path;
    StatFile file = ReadStatFile(path);
    setWindowTitle(kTitle + QStringLiteral(" - ") + QFileInfo(path).fileName());
    problem_->setVisible(file.error != StatFileError::None);
    problem_->setText(file.message);
    QStringList notes;
    if (file.partialBytes > 0)
        notes << QStringLiteral("Pominięto niepełny ostatni zapis (%1 B).").arg(file.partialBytes);
    if (file.impossibleDates > 0)
        notes << QStringLiteral("Niemożliwych dat: %1, oznaczone „(!)”.").arg(file.impossibleDates);
    notes_ = notes.join(QLatin1Char(' '));

    // The period starts as the whole file, so that ticking "od" narrows from there.
    QDate first, last;
    const QTimeZone zone = QTimeZone::systemTimeZone();  // asking for it costs a look at the system's files
    for (const StatRecord& r : file.records) {
        const QDate day = LocalDate(r, zone);
        if (!day.isValid())
            continue;
        first = !first.isValid() || day < first ? day : first;
        last = !last.isValid() || day > last ? day : last;
    }
    refreshing_ = true;
    from_->setDate(first.isValid() ? first : QDate::currentDate());
    to_->setDate(last.isValid() ? last : QDate::currentDate());
    refreshing_ = false;

    const bool read = file.error == StatFileError::None;
    games_->SetRecords(std::move(file.records));
    Refresh();
    return read;
}

void TfmWyniki::Refresh()
{
    if (refreshing_)
        return;
    const RecordFilter f = CurrentFilter();
    filter_->SetFilter(f);
    const QTimeZone zone = QTimeZone::systemTimeZone();
    Summary summary = Summarize(games_->Records(), f, zone);
    if (summary.first.isValid() && summary.first == summary.last)
        summaryNote_->setText(QStringLiteral("Okres jednego dnia, %1: nie ma z czym porównać, więc bez „Zmiany”. "
                                             "Gra z kilkoma głoskami lub pozycjami liczy się w każdej z nich.")
                                  .arg(summary.first.toString(kDateFormat)));
    else if (summary.first.isValid())
        summaryNote_->setText(
            QStringLiteral("Okres %1 – %2. „Zmiana” porównuje odsetek poprawnych odpowiedzi od %3 do końca okresu "
                           "z pierwszą połową okresu. Gra z kilkoma głoskami lub pozycjami liczy się w każdej z nich.")
                .arg(summary.first.toString(kDateFormat), summary.last.toString(kDateFormat),
                     summary.secondHalfFrom.toString(kDateFormat)));
    else
        summaryNote_->setText(QStringLiteral("Brak gier do podsumowania."));
    summary_->SetSummary(std::move(summary));
    FillWeeklyChart(*chart_, WeeklyShares(games_->Records(), f, zone));
    ShowStatus();
}

void TfmWyniki::ShowStatus()
{
    const int all = games_->rowCount(), shown = filter_->rowCount();
    QString text = QStringLiteral("Gier w pliku: %1, pokazanych: %2.").arg(all).arg(shown);
    if (!notes_.isEmpty())
        text += QLatin1Char(' ') + notes_;
    status_->setText(text);
}

QString TfmWyniki::StatusText() const
{
    return status_->text();
}

QString TfmWyniki::FilterDescription() const
{
    const RecordFilter f = CurrentFilter();
    const Summary& s = summary_->Rows();
    QString period = s.first.isValid()
                         ? QStringLiteral("%1 – %2").arg(s.first.toString(kDateFormat), s.last.toString(kDateFormat))
                         : QStringLiteral("—");
    return QStringLiteral("Okres: %1.   Głoski: %2.   Pozycje: %3.   Gier: %4.")
        .arg(period, f.allGroups ? QStringLiteral("wszystkie") : GroupsText(f.groups),
             f.allPositions ? QStringLiteral("wszystkie") : PositionsText(f.positions))
        .arg(filter_->rowCount());
}

void TfmWyniki::A_Otworz()
{
    const QString folder = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Otwórz plik wyników"), folder,
                                                      QStringLiteral("Pliki wyników (*.stt);;Wszystkie pliki (*)"));
    if (!path.isEmpty())
        OpenFile(path);
}

void TfmWyniki::A_EksportCsv()
{
    SaveAs(QStringLiteral("Zapisz tabelę jako CSV"), QStringLiteral(".csv"), QStringLiteral("Arkusz CSV (*.csv)"),
           &TfmWyniki::ExportCsv);
}

void TfmWyniki::A_RaportPdf()
{
    SaveAs(QStringLiteral("Zapisz raport PDF"), QStringLiteral(".pdf"), QStringLiteral("Dokument PDF (*.pdf)"),
           &TfmWyniki::ExportPdf);
}

void TfmWyniki::SaveAs(const QString& title, const QString& suffix, const QString& kinds,
                       bool (TfmWyniki::*write)(const QString&))
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString stem = path_.isEmpty() ? QStringLiteral("wyniki")
                                         : QStringLiteral("wyniki-") + QFileInfo(path_).completeBaseName();
    const QString path = QFileDialog::getSaveFileName(this, title, folder + QLatin1Char('/') + stem + suffix, kinds);
    if (path.isEmpty())
        return;
    const QString name = QDir::toNativeSeparators(path);
    statusBar()->showMessage((this->*write)(path) ? QStringLiteral("Zapisano %1.").arg(name)
                                                  : QStringLiteral("Nie udało się zapisać %1.").arg(name),
                             kMessageMs);
}

bool TfmWyniki::ExportCsv(const QString& path)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(CsvBytes(*filter_));
    return out.commit();
}

bool TfmWyniki::ExportPdf(const QString& path)
{
    ReportInput input{path_.isEmpty() ? QString() : QFileInfo(path_).fileName(), FilterDescription(), *summary_,
                      WeeklyShares(games_->Records(), CurrentFilter(), QTimeZone::systemTimeZone())};
    return WriteReport(path, input);
}
