// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's page of the children (see childrenview.h).
#include "childrenview.h"

#include "grouping.h"
#include "statfile.h"
#include "platform/imagefiles.h"
#include "words/_cslowa.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kProblemStyle = QStringLiteral(
    "QLabel { background: #fde8e8; color: #8a1010; border: 1px solid #d08080; padding: 8px; font-weight: bold; }");

QString StatisticsOf(const QString& userFolder, int id)
{
    return ChildFolder(userFolder, id) + QStringLiteral("/prgst4.stt");
}
}  // namespace

WordPicturesModel::WordPicturesModel(QString dataFolder, QObject* parent)
    : QAbstractListModel(parent), dataFolder_(std::move(dataFolder))
{
    for (const SPaczka& word : ShippedWords(WordKind::Practice))
        words_ << word.Name;
}

int WordPicturesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(words_.size());
}

QVariant WordPicturesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= words_.size())
        return {};
    if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return words_[index.row()];
    if (role != Qt::DecorationRole)
        return {};
    auto found = icons_.find(index.row());
    if (found == icons_.end()) {
        QImage icon;
        try {
            icon = DecodeJpegFile(dataFolder_ + QStringLiteral("/Data/Bion/") + words_[index.row()] +
                                  QStringLiteral("_shs.xji"))
                       .scaled(kIconWidth, kIconHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        } catch (const ImageError&) {
            // A missing or broken picture shows as an empty cell; the word is still in its tooltip.
        }
        found = icons_.insert(index.row(), icon);
    }
    return found->isNull() ? QVariant() : QVariant(*found);
}

ChildDialog::ChildDialog(const ChildList& list, const QString& dataFolder, const Child* editing, QWidget* parent)
    : QDialog(parent), list_(list), editingId_(editing ? editing->id : -1)
{
    setWindowTitle(editing ? QStringLiteral("Zmień dane dziecka") : QStringLiteral("Dodaj dziecko"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Imię (widoczne tylko w programie):"), this));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(60);
    layout->addWidget(name_);
    layout->addWidget(new QLabel(QStringLiteral("Obrazek, po którym dziecko pozna swój przycisk:"), this));
    pictures_ = new QListView(this);
    pictures_->setViewMode(QListView::IconMode);
    pictures_->setUniformItemSizes(true);
    pictures_->setResizeMode(QListView::Adjust);
    pictures_->setIconSize(QSize(WordPicturesModel::kIconWidth, WordPicturesModel::kIconHeight));
    pictures_->setGridSize(QSize(WordPicturesModel::kIconWidth + 16, WordPicturesModel::kIconHeight + 12));
    pictures_->setMovement(QListView::Static);
    model_ = new WordPicturesModel(dataFolder, pictures_);
    pictures_->setModel(model_);
    pictures_->setMinimumSize(560, 300);
    layout->addWidget(pictures_, 1);
    problem_ = new QLabel(this);
    problem_->setStyleSheet(QStringLiteral("QLabel { color: #8a1010; font-weight: bold; }"));
    layout->addWidget(problem_);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = box->button(QDialogButtonBox::Ok);
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    if (editing) {
        name_->setText(editing->name);
        const int row = model_->RowOf(editing->picture);
        if (row >= 0)
            pictures_->setCurrentIndex(model_->index(row));
    } else if (model_->rowCount() > 0) {
        pictures_->setCurrentIndex(model_->index(0));
    }
    connect(name_, &QLineEdit::textChanged, this, &ChildDialog::Check);
    Check();
}

QString ChildDialog::Name() const
{
    return name_->text().simplified();
}

QString ChildDialog::Picture() const
{
    return model_->Word(pictures_->currentIndex().row());
}

void ChildDialog::Check()
{
    const QString problem = NameProblem(list_, name_->text(), editingId_);
    problem_->setText(problem);
    ok_->setEnabled(problem.isEmpty());
}

ChildrenView::ChildrenView(QString userFolder, QString dataFolder, QWidget* parent)
    : QWidget(parent), userFolder_(std::move(userFolder)), dataFolder_(std::move(dataFolder))
{
    auto* layout = new QVBoxLayout(this);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("childrenProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(kProblemStyle);
    problem_->hide();
    layout->addWidget(problem_);
    totals_ = new QStandardItemModel(0, kColumns, this);
    totals_->setHorizontalHeaderLabels({QStringLiteral("Dziecko"), QStringLiteral("Gier"),
                                        QStringLiteral("Poprawnych odpowiedzi"), QStringLiteral("Zmiana")});
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("children"));
    table_->setModel(totals_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    table_->setToolTip(QStringLiteral("„Zmiana”: odsetek poprawnych odpowiedzi w drugiej połowie okresu gier dziecka "
                                      "wobec pierwszej."));
    layout->addWidget(table_, 1);
    auto* row = new QHBoxLayout;
    const auto button = [&](const QString& text, void (ChildrenView::*action)()) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, action);
        row->addWidget(b);
        buttons_ << b;
    };
    button(QStringLiteral("Dodaj dziecko…"), &ChildrenView::A_Dodaj);
    button(QStringLiteral("Zmień…"), &ChildrenView::A_Zmien);
    button(QStringLiteral("Usuń…"), &ChildrenView::A_Usun);
    row->addStretch(1);
    layout->addLayout(row);
    kiosk_ = new QCheckBox(QStringLiteral("Tryb zamknięty: gry na cały ekran; wyjście, ustawienia, nagrania i zmianę "
                                          "dziecka otwiera tylko pytanie dla dorosłego"),
                           this);
    connect(kiosk_, &QCheckBox::toggled, this, [this](bool on) {
        if (!Fresh() || on == list_.kiosk)
            return;
        ChildList changed = list_;
        changed.kiosk = on;
        if (WriteChildList(userFolder_, changed)) {
            list_ = changed;
            const QSignalBlocker quiet(kiosk_);
            kiosk_->setChecked(on);
        } else
            Say(QStringLiteral("Nie udało się zapisać ustawienia w folderze „%1”.").arg(userFolder_));
    });
    layout->addWidget(kiosk_);
    Reload();
}

void ChildrenView::Reload()
{
    damaged_ = ReadChildList(userFolder_, list_) == ChildListState::Damaged;
    totals_->removeRows(0, totals_->rowCount());
    const QTimeZone zone = QTimeZone::systemTimeZone();
    QStringList unreadable;
    for (const Child& c : list_.children) {
        StatFile file = ReadStatFile(StatisticsOf(userFolder_, c.id));
        QList<QStandardItem*> cells;
        cells << new QStandardItem(c.name);
        if (file.error != StatFileError::None && file.error != StatFileError::Missing) {
            unreadable << c.name;
            cells << new QStandardItem(QStringLiteral("—")) << new QStandardItem(file.message)
                  << new QStandardItem(QStringLiteral("—"));
        } else {
            const SummaryRow total = TotalOf(file.records, zone);
            cells << new QStandardItem(QString::number(total.all.games)) << new QStandardItem(ShareText(total.all.Share()))
                  << new QStandardItem(TrendText(total.TrendPoints()));
        }
        cells[0]->setData(c.id, Qt::UserRole);
        totals_->appendRow(cells);
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    if (damaged_)
        Say(QStringLiteral("Lista dzieci (plik %1 w folderze „%2”) jest uszkodzona: nic w niej nie zostanie "
                           "zmienione. Gry używają tylko plików z tego folderu.")
                .arg(QString::fromLatin1(kChildListFile), userFolder_));
    else if (!unreadable.isEmpty())
        Say(QStringLiteral("Nie można odczytać wyników: %1.").arg(unreadable.join(QStringLiteral(", "))));
    else
        problem_->hide();
    for (QPushButton* b : buttons_)
        b->setEnabled(!damaged_);
    kiosk_->setEnabled(!damaged_);
    const QSignalBlocker quiet(kiosk_);
    kiosk_->setChecked(list_.kiosk);
}

void ChildrenView::Say(const QString& problem)
{
    problem_->setText(problem);
    problem_->show();
}

int ChildrenView::SelectedId() const
{
    const QModelIndexList rows = table_->selectionModel()->selectedRows(kName);
    return rows.isEmpty() ? -1 : rows.first().data(Qt::UserRole).toInt();
}

bool ChildrenView::Fresh()
{
    // The viewer writes the child shown last into the same list: change the list as it is now.
    Reload();
    return !damaged_;
}

void ChildrenView::A_Dodaj()
{
    if (!Fresh())
        return;
    ChildDialog dialog(list_, dataFolder_, nullptr, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString problem;
    if (!AddChild(userFolder_, dataFolder_, list_, dialog.Name(), dialog.Picture(), &problem))
        QMessageBox::warning(this, QStringLiteral("Dzieci"), problem);
    Reload();
    emit ListChanged();
}

void ChildrenView::A_Zmien()
{
    const int id = SelectedId();
    if (!Fresh())
        return;
    const Child* child = list_.Find(id);
    if (!child)
        return;
    ChildDialog dialog(list_, dataFolder_, child, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString problem;
    if (!RenameChild(userFolder_, list_, child->id, dialog.Name(), dialog.Picture(), &problem))
        QMessageBox::warning(this, QStringLiteral("Dzieci"), problem);
    Reload();
    emit ListChanged();
}

void ChildrenView::A_Usun()
{
    const int id = SelectedId();
    if (!Fresh())
        return;
    const Child* child = list_.Find(id);
    if (!child)
        return;
    const QString name = child->name;
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Usuń dziecko"),
        QStringLiteral("Usunąć dziecko „%1” z listy?\n\nJego wyniki, ustawienia i nagrania trafią do kosza, "
                       "skąd można je przywrócić.")
            .arg(name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    QString problem;
    if (!RemoveChild(userFolder_, list_, child->id, &problem))
        QMessageBox::warning(this, QStringLiteral("Dzieci"), problem);
    Reload();
    emit ListChanged();
}
