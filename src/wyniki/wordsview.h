// SPDX-License-Identifier: GPL-3.0-or-later
// The "Słowa" view of the therapist's program: the built-in practice words and the adult's own words
// in one list under their sound groups, to be found by typing, switched on and off for the games, and
// (the own ones) added, changed and removed.
#pragma once

#include "words/ownwords.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class AudioPort;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QStandardItem;
class QTreeView;
class WordRowsModel;
class WordRowsFilter;

class WordsView : public QWidget {
    Q_OBJECT
public:
    enum Column { kWordColumn, kGroupsColumn, kPositionsColumn, kInGamesColumn, kStateColumn, kColumns };
    // The side of a word's small picture in the list.
    static constexpr int kIconSide = 32;

    // `userFolder` holds the own words shared by every child ("Slowa"), `dataFolder` the Data tree
    // with the built-in pictures; `port` records and plays in the word editor.
    WordsView(QString userFolder, QString dataFolder, std::unique_ptr<AudioPort> port, QWidget* parent = nullptr);
    ~WordsView() override;

    const OwnWordList& List() const { return list_; }
    QTreeView* Tree() const { return tree_; }
    QLineEdit* Search() const { return search_; }
    QLabel* Count() const { return count_; }
    QLabel* Problem() const { return problem_; }
    // How many small pictures were decoded so far: only those of rows that came into view.
    int DecodedPictures() const;
    // Selects the row of a built-in word's name or an own word's id (false when it is not shown).
    bool Select(const QString& name);

    void A_Dodaj();
    void A_Zmien();
    void A_Usun();
    // Switches the selected word off or on for the games.
    void A_Przelacz();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void UpdateStates();
    void UpdateCounts();
    void UpdateButtons();
    // The name or id of the selected word, empty for none or a heading.
    QString Selected() const;
    bool SelectedIsOwn() const;
    void OnItemChanged(QStandardItem* item);
    // Writes `changed` as the list; on success it becomes the list. Says why when it cannot.
    bool Write(const OwnWordList& changed);
    void Tell(const QString& text, bool error);

    QString userFolder_, dataFolder_;
    std::unique_ptr<AudioPort> port_;
    OwnWordList list_;
    QStringList damageReport_;  // what could not be read, until it has been shown once
    bool building_ = false;
    WordRowsModel* model_ = nullptr;
    WordRowsFilter* filter_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTreeView* tree_ = nullptr;
    QLabel* problem_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* remove_ = nullptr;
};
