// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's page "Dzieci": every child's totals side by side (games, share correct, trend), and
// where the adult adds, renames and removes children and turns the locked mode of the games on.
#pragma once

#include "shell/childlist.h"

#include <QAbstractListModel>
#include <QDialog>
#include <QHash>
#include <QImage>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStandardItemModel;
class QTableView;

// The word pictures a child may take as their own, decoded only when a row is first shown, so that
// a catalogue of hundreds of words costs nothing until the list is scrolled to them.
class WordPicturesModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int kIconWidth = 96, kIconHeight = 80;
    WordPicturesModel(QString dataFolder, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QString Word(int row) const { return words_.value(row); }
    int RowOf(const QString& word) const { return int(words_.indexOf(word)); }
    int Decoded() const { return int(icons_.size()); }

private:
    QString dataFolder_;
    QStringList words_;
    mutable QHash<int, QImage> icons_;
};

// Adding or renaming a child: the name (refused when empty, blank or another child's) and the
// picture.
class ChildDialog : public QDialog {
    Q_OBJECT
public:
    ChildDialog(const ChildList& list, const QString& dataFolder, const Child* editing, QWidget* parent = nullptr);
    QString Name() const;
    QString Picture() const;
    QLineEdit* NameEdit() const { return name_; }
    QListView* Pictures() const { return pictures_; }
    QPushButton* OkButton() const { return ok_; }
    QLabel* Problem() const { return problem_; }

private:
    void Check();

    const ChildList& list_;
    int editingId_;
    QLineEdit* name_ = nullptr;
    QListView* pictures_ = nullptr;
    WordPicturesModel* model_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLabel* problem_ = nullptr;
};

class ChildrenView : public QWidget {
    Q_OBJECT
public:
    enum Column { kName, kGames, kShare, kTrend, kColumns };

    ChildrenView(QString userFolder, QString dataFolder, QWidget* parent = nullptr);

    // Reads the list and every child's statistics again.
    void Reload();
    const ChildList& List() const { return list_; }
    QTableView* Table() const { return table_; }
    QCheckBox* KioskBox() const { return kiosk_; }
    QLabel* Problem() const { return problem_; }

    void A_Dodaj();
    void A_Zmien();
    void A_Usun();

signals:
    // The list of children changed (added, renamed, removed).
    void ListChanged();

private:
    int SelectedId() const;
    bool Fresh();
    void Say(const QString& problem);

    QString userFolder_, dataFolder_;
    ChildList list_;
    bool damaged_ = false;
    QTableView* table_ = nullptr;
    QStandardItemModel* totals_ = nullptr;
    QCheckBox* kiosk_ = nullptr;
    QLabel* problem_ = nullptr;
    QList<QPushButton*> buttons_;
};
