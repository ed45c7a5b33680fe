// SPDX-License-Identifier: GPL-3.0-or-later
// The "Głos" view of the therapist's program: every word and phrase the games say, under its sound
// group, to be found by typing, heard, recorded in the adult's own voice, heard again and removed, with
// how many are done. The keys record, stop, play and go on to the next item without the mouse.
#pragma once

#include "voice/spokenitems.h"

#include <QDir>
#include <QWidget>
#include <memory>
#include <vector>

class AudioPort;
class QLabel;
class QLineEdit;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QStandardItem;
class QStandardItemModel;
class QTreeView;
class SpokenItemFilter;

class VoiceView : public QWidget {
    Q_OBJECT
public:
    // A take stops by itself after this long: one word or phrase fits easily.
    static constexpr qint64 kTakeLimitMs = 5000;
    // The list's columns: what is said, a word's sound groups, its own recording.
    enum Column { kTextColumn, kGroupsColumn, kOwnColumn };

    // `programFolder` holds Data/ and the own recordings; `port` is the sound input and output.
    VoiceView(const QString& programFolder, std::unique_ptr<AudioPort> port, QWidget* parent = nullptr);
    ~VoiceView() override;

    const std::vector<SpokenItem>& Items() const { return items_; }
    // The item shown on the right, -1 for none.
    int Current() const { return current_; }
    void Select(int item);
    bool IsRecording() const { return recording_; }
    // Items whose own recording is there and playable.
    int OwnCount() const;
    // Looks at the own recordings on disk again (each time the view is shown).
    void Rescan();

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class OwnState { None, Present, Damaged };
    OwnState StateOf(int item) const;
    QString OwnFile(int item) const;
    void UpdateRow(int item);
    void UpdateCounts();
    void Refresh();
    void Filter(const QString& typed);
    // The items the list shows, top to bottom.
    std::vector<int> Shown() const;
    void Next(bool onlyWithoutOwn);
    void Play(const QString& path);
    void StartTake();
    void OnSamples(const QByteArray& pcm);
    void EndTake();
    void RemoveOwn();
    void StopSound();

    QDir folder_;
    std::unique_ptr<AudioPort> port_;
    std::vector<SpokenItem> items_;
    std::vector<OwnState> states_;
    std::vector<QStandardItem*> rows_;      // each item's first cell
    std::vector<QStandardItem*> sections_;  // each heading's first cell
    int current_ = -1;
    bool recording_ = false;
    bool ending_ = false;
    QByteArray take_;

    QStandardItemModel* model_;
    SpokenItemFilter* filter_;
    QLineEdit* search_;
    QTreeView* list_;
    QLabel* title_;
    QPushButton* play_;
    QPushButton* record_;
    QPushButton* playOwn_;
    QPushButton* remove_;
    QPushButton* next_;
    QPushButton* nextWithoutOwn_;
    QProgressBar* meter_;
    QLabel* status_;
    QLabel* keys_;
    QLabel* progress_;
};
