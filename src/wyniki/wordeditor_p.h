// SPDX-License-Identifier: GPL-3.0-or-later
// The own word's dialog behind EditOwnWord (wordeditor.h), open for tests that drive it without
// waiting in its modal loop, and the list of the built-in pictures it offers.
#pragma once

#include "words/ownwords.h"
#include "words/soundmarks.h"

#include <QDialog>
#include <QImage>
#include <QRectF>
#include <functional>
#include <vector>

class AudioPort;
class Cropper;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTimer;

// The groups and positions an offer names, as the adult reads them: "Grupy: L, R · Pozycje:
// nagłos, wygłos", with "gra w Ufo" when the flying saucer takes the word.
QString OfferText(quint16 flags);

class WordEditor final : public QDialog {
    Q_OBJECT
public:
    WordEditor(QWidget* parent, const QString& dataFolder, const QString& userFolder, OwnWordList& list,
               const QString& id, AudioPort& port);
    ~WordEditor() override;

    // False when `id` named no word of the list (the dialog then has nothing to edit).
    bool Found() const { return found_; }
    const QString& Id() const { return id_; }
    // The split as the dialog has it now, marks included ("_r,o,w,e,_r,").
    QString Split() const;
    bool IsRecording() const { return recording_; }

    // Asks for the photo's file; an empty answer is a change of mind. Tests put in their own.
    std::function<QString(QWidget* parent)> choosePhotoFile;
    // Asks for a built-in word whose picture to take (its name, "las"); empty for none.
    std::function<QString(QWidget* parent)> chooseBuiltInPicture;

    // Saves the word, its files and the list; on a failure says why and changes nothing in the list.
    bool Save();

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class PictureSource { None, Existing, Photo, BuiltIn };

    void BuildLayout();
    void SetElements(const QList<soundmarks::Element>& elements);
    void SpellingEdited(const QString& text);
    void SplitEdited(const QString& text);
    void ToggleMark(int index);
    void ShowElements();
    void ShowOffer();
    void PickPhoto();
    void PickBuiltIn();
    void ShowFixedPicture(const QString& path, const QString& caption);
    void SchedulePreview();
    void UpdatePreview();
    void StartTake();
    void OnSamples(const QByteArray& pcm);
    void EndTake();
    void Play();
    void StopRecordingAndSound();
    void ShowRecordingState();
    void Tell(const QString& text, bool error = true);

    QString dataFolder_, userFolder_;
    OwnWordList& list_;
    QString id_;
    bool isNew_;
    bool found_ = true;
    AudioPort& port_;

    QList<soundmarks::Element> elements_;
    bool offerOk_ = false;

    PictureSource source_ = PictureSource::None;
    QString builtInName_;
    QImage previewPhoto_;  // the photo made smaller, so the live preview stays quick
    QTimer* previewTimer_;

    bool recording_ = false, ending_ = false;
    bool hasSavedRecording_ = false;
    QByteArray take_;     // the take being recorded
    QByteArray newTake_;  // the last whole take, as recorded: saved with the word
    QByteArray newSound_; // the same trimmed and levelled, as it will sound

    QLineEdit* spelling_;
    QLineEdit* splitEdit_;
    QWidget* tiles_;
    std::vector<QPushButton*> tileButtons_;
    QLabel* offer_;
    QStackedWidget* pictureArea_;
    QLabel* noPicture_;
    Cropper* cropper_;
    QLabel* fixedPicture_;
    QLabel* preview_;
    QPushButton* fromFile_;
    QPushButton* fromProgram_;
    QPushButton* record_;
    QPushButton* play_;
    QProgressBar* meter_;
    QLabel* recordingStatus_;
    QLabel* noRecording_;
    QPushButton* save_;
    QPushButton* cancel_;
};

// The built-in words with their pictures, found by typing; the name of the word chosen, or empty.
QString ChooseBuiltInPicture(QWidget* parent, const QString& dataFolder);
