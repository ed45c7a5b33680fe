// SPDX-License-Identifier: GPL-3.0-or-later
// The "Głos" view of the therapist's program: every word and phrase the games say, each to be heard,
// recorded in the adult's own voice, heard again and removed, with how many are done.
#pragma once

#include "voice/spokenitems.h"

#include <QDir>
#include <QWidget>
#include <memory>
#include <vector>

class AudioPort;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class VoiceView : public QWidget {
    Q_OBJECT
public:
    // A take stops by itself after this long: one word or phrase fits easily.
    static constexpr qint64 kTakeLimitMs = 5000;
    static constexpr int kOwnColumn = 1;

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

private:
    enum class OwnState { None, Present, Damaged };
    OwnState StateOf(int item) const;
    QString OwnFile(int item) const;
    void Refresh();
    void Play(const QString& path);
    void StartTake();
    void OnSamples(const QByteArray& pcm);
    void EndTake();
    void RemoveOwn();
    void StopSound();

    QDir folder_;
    std::unique_ptr<AudioPort> port_;
    std::vector<SpokenItem> items_;
    std::vector<QTreeWidgetItem*> rows_;
    int current_ = -1;
    bool recording_ = false;
    bool ending_ = false;
    QByteArray take_;

    QTreeWidget* list_;
    QLabel* title_;
    QPushButton* play_;
    QPushButton* record_;
    QPushButton* playOwn_;
    QPushButton* remove_;
    QProgressBar* meter_;
    QLabel* status_;
    QLabel* progress_;
};
