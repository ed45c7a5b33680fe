// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog of one own word (see wordeditor.h). Nothing reaches the disk before "Zapisz": a take is
// kept in memory and a picture as the photo and its crop, so a dialog closed with "Anuluj" leaves
// no file behind; on "Zapisz" the pictures go first, then the recording, the list last.
#include "wordeditor.h"
#include "wordeditor_p.h"

#include "grouping.h"

#include "cropper.h"
#include "platform/imagefiles.h"
#include "platform/messageboxes.h"
#include "platform/wavefile.h"
#include "recorder/wavedevice.h"
#include "settings/_custgry.h"
#include "shell/ownwordfiles.h"
#include "voice/spokenitems.h"
#include "voice/voicetake.h"
#include "voice/voiceview.h"
#include "words/_cslowa.h"
#include "words/ownpicture.h"

#include <QAbstractListModel>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Własne słowo");
const QString kNoRecording = QStringLiteral("Bez nagrania słowo nie będzie losowane w grach.");
const QString kErrorStyle = QStringLiteral("color: #b00020;");
const QString kOfferStyle = QStringLiteral("color: #1b5e20; font-weight: bold;");
// The letter tiles of the games: cream paper with a golden edge below, the letter black, or red
// for the sound the child practises.
const QString kTileStyle = QStringLiteral(
    "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFCF2, stop:1 #FFEEC8);"
    " border: 1px solid #E8B062; border-bottom: 4px solid #E8B062; border-radius: 6px;"
    " color: #141018; font-weight: bold; font-size: 16pt; min-width: 30px; min-height: 32px; padding: 0 5px; }"
    "QPushButton:checked { color: #E21B2D; border-color: #E21B2D; }"
    "QPushButton:focus { border-top-color: #3D2C4E; border-left-color: #3D2C4E; border-right-color: #3D2C4E; }");

// The preview shows the big picture (the large mode's, Data/Bion/*_shb.xji) at half its size.
constexpr QSize kBigPicture(410, 340);
constexpr int kPreviewDivisor = 2;
// The live preview is made from the photo brought down to this side, unless the frame shows less
// of it than this many pixels of the smaller copy (then from the photo itself, for its detail).
constexpr int kPreviewSourceSide = 1200;
constexpr int kPreviewDetail = 400;
constexpr int kPreviewDelayMs = 30;
// The level meter, as in the "Głos" view.
constexpr int kTileSpacing = 4;
constexpr QSize kListPicture(48, 48);  // the built-in pictures in the list to choose from
constexpr QSize kRoomySize(900, 640);
constexpr QSize kFrameAllowance(40, 60);  // the window's title bar and borders
const QKeySequence kRecordKey(Qt::CTRL | Qt::Key_R);
const QKeySequence kPlayKey(Qt::CTRL | Qt::Key_P);


QString SplitText(const QList<soundmarks::Element>& elements)
{
    QString split;
    for (const soundmarks::Element& e : elements)
        split += (e.marked ? QStringLiteral("_") : QString()) + e.text + QLatin1Char(',');
    return split;
}

// The elements as the "Podział" field shows them: "l-a-t-a-r-k-a".
QString DashedText(const QList<soundmarks::Element>& elements)
{
    QStringList texts;
    for (const soundmarks::Element& e : elements)
        texts << e.text;
    return texts.join(QLatin1Char('-'));
}

// The marks of `old` carried to `fresh` where the elements stay the same: from the start up to the
// first change and from the end back to the last one, so that editing one part of a word keeps the
// marks of the rest.
QList<soundmarks::Element> KeepMarks(const QList<soundmarks::Element>& old, QList<soundmarks::Element> fresh)
{
    const qsizetype n = old.size(), m = fresh.size();
    qsizetype same = 0;
    for (; same < n && same < m && old[same].text == fresh[same].text; ++same)
        fresh[same].marked = old[same].marked;
    for (qsizetype back = 1; back <= n - same && back <= m - same && old[n - back].text == fresh[m - back].text;
         ++back)
        fresh[m - back].marked = old[n - back].marked;
    return fresh;
}

QPushButton* NewButton(const QString& text, const char* name, QWidget* parent, const QString& tip = {})
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Enter in the spelling field must not press a button.
    button->setAutoDefault(false);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

QImage ReadPicture(const QString& path)
{
    try {
        return DecodeJpegFile(path);
    } catch (const ImageError&) {
        return {};
    }
}

QPixmap PreviewOf(const QImage& big)
{
    return QPixmap::fromImage(big.scaled(big.size() / kPreviewDivisor, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

QString OfferText(quint16 flags)
{
    constexpr quint16 kPositions = quint16(glos::Naglos | glos::Srodglos | glos::Wyglos);
    QString text = QStringLiteral("Grupy: %1 · Pozycje: %2")
                       .arg(GroupsText(flags & ~kPositions & ~quint16(glos::Saucer)), PositionsText(flags & kPositions));
    if (flags & quint16(glos::Saucer))
        text += QStringLiteral(" · gra w Ufo");
    return text;
}

// ---- The built-in pictures ------------------------------------------------------------------

namespace {

// The built-in practice words, their pictures decoded only when the list shows their row.
class BuiltInWordsModel final : public QAbstractListModel {
public:
    static constexpr int kNameRole = Qt::UserRole;

    BuiltInWordsModel(const QString& dataFolder, QObject* parent) : QAbstractListModel(parent), dataFolder_(dataFolder)
    {
        for (const SPaczka& word : ShippedWords(WordKind::Practice))
            words_.push_back({word.Name, soundmarks::Spelling(soundmarks::Elements(word.Split))});
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(words_.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= int(words_.size()))
            return {};
        const Word& word = words_[size_t(index.row())];
        switch (role) {
        case Qt::DisplayRole: return word.spelling;
        case kNameRole: return word.name;
        case Qt::DecorationRole: {
            auto cached = pictures_.find(index.row());
            if (cached == pictures_.end()) {
                const QImage tile = ReadPicture(QDir(dataFolder_).filePath(QStringLiteral("Data/Klc/%1_s.xji").arg(word.name)));
                cached = pictures_.insert(index.row(), tile.isNull() ? QPixmap()
                                                                     : QPixmap::fromImage(tile.scaled(
                                                                           kListPicture, Qt::KeepAspectRatio,
                                                                           Qt::SmoothTransformation)));
            }
            return cached->isNull() ? QVariant() : QVariant(*cached);
        }
        default: return {};
        }
    }

private:
    struct Word {
        QString name, spelling;
    };
    QString dataFolder_;
    std::vector<Word> words_;
    mutable QHash<int, QPixmap> pictures_;
};

class SpellingFilter final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetTyped(const QString& typed)
    {
        typed_ = typed;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        return MatchesSearch(sourceModel()->index(row, 0, parent).data().toString(), typed_);
    }

private:
    QString typed_;
};

}  // namespace

QString ChooseBuiltInPicture(QWidget* parent, const QString& dataFolder)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Obrazek z programu"));
    auto* search = new QLineEdit(&dialog);
    search->setPlaceholderText(QStringLiteral("Szukaj słowa"));
    search->setClearButtonEnabled(true);
    auto* model = new BuiltInWordsModel(dataFolder, &dialog);
    auto* filter = new SpellingFilter(&dialog);
    filter->setSourceModel(model);
    filter->setSortLocaleAware(true);
    filter->sort(0);
    auto* list = new QListView(&dialog);
    list->setModel(filter);
    list->setUniformItemSizes(true);  // so that only the rows in sight are asked for their picture
    list->setIconSize(kListPicture);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Wybierz"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(search);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    QObject::connect(search, &QLineEdit::textChanged, filter, [filter, list](const QString& typed) {
        filter->SetTyped(typed);
        if (filter->rowCount() > 0)
            list->setCurrentIndex(filter->index(0, 0));
    });
    QObject::connect(list, &QListView::doubleClicked, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    list->setCurrentIndex(filter->index(0, 0));
    dialog.resize(340, 420);
    if (dialog.exec() != QDialog::Accepted || !list->currentIndex().isValid())
        return {};
    return list->currentIndex().data(BuiltInWordsModel::kNameRole).toString();
}

// ---- The dialog -----------------------------------------------------------------------------

WordEditor::WordEditor(QWidget* parent, const QString& dataFolder, const QString& userFolder, OwnWordList& list,
                       const QString& id, AudioPort& port)
    : QDialog(parent), dataFolder_(dataFolder), userFolder_(userFolder), list_(list), id_(id), isNew_(id.isEmpty()),
      port_(port)
{
    setWindowTitle(kCaption);
    choosePhotoFile = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QStringLiteral("Zdjęcie albo rysunek słowa"), QDir::homePath(),
                                            QStringLiteral("Obrazki (*.jpg *.jpeg *.png)"));
    };
    chooseBuiltInPicture = [this](QWidget* owner) { return ChooseBuiltInPicture(owner, dataFolder_); };
    previewTimer_ = new QTimer(this);
    previewTimer_->setSingleShot(true);
    previewTimer_->setInterval(kPreviewDelayMs);
    connect(previewTimer_, &QTimer::timeout, this, &WordEditor::UpdatePreview);

    BuildLayout();

    if (isNew_) {
        id_ = NewOwnWordId(list_);
    } else if (const OwnWord* word = list_.Find(id_)) {
        SetElements(soundmarks::Elements(word->split));
        spelling_->setText(soundmarks::Spelling(elements_));
        splitEdit_->setText(DashedText(elements_));
        if (ownfiles::HasAllPictures(userFolder_, id_))
            ShowFixedPicture(ownfiles::PictureFile(userFolder_, id_, QStringLiteral("_shb")),
                             QStringLiteral("Obecny obrazek słowa. Możesz wybrać inny."));
        if (source_ != PictureSource::Existing)
            noPicture_->setText(QStringLiteral("Obrazka tego słowa brak albo nie da się go odczytać: wybierz nowy."));
        hasSavedRecording_ = ownfiles::HasRecording(userFolder_, id_);
    } else {
        found_ = false;
    }
    ShowElements();
    ShowOffer();
    ShowRecordingState();
}

WordEditor::~WordEditor()
{
    // Stopped before the widgets go: the port may hand over its last samples on the way.
    recording_ = false;
    port_.Stop();
}

void WordEditor::BuildLayout()
{
    spelling_ = new QLineEdit(this);
    spelling_->setObjectName("spelling");
    spelling_->setPlaceholderText(QStringLiteral("np. latarka"));
    splitEdit_ = new QLineEdit(this);
    splitEdit_->setObjectName("split");
    splitEdit_->setToolTip(QStringLiteral("Głoski oddzielone znakiem „-”, np. „l-a-t-a-r-k-a”; dwuznak jak „rz” "
                                          "albo „sz” to jedna głoska."));
    tiles_ = new QWidget(this);
    auto* tilesRow = new QHBoxLayout(tiles_);
    tilesRow->setContentsMargins(0, 0, 0, 0);
    tilesRow->setSpacing(kTileSpacing);
    tilesRow->addStretch(1);
    auto* marksHint = new QLabel(QStringLiteral("Kliknij głoskę, którą dziecko ćwiczy (na czerwono)."), this);
    offer_ = new QLabel(this);
    offer_->setObjectName("offer");
    offer_->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Słowo:"), spelling_);
    auto* marks = new QVBoxLayout;
    marks->setSpacing(2);
    marks->addWidget(tiles_);
    marks->addWidget(marksHint);
    form->addRow(QStringLiteral("Głoski:"), marks);
    form->addRow(QStringLiteral("Podział:"), splitEdit_);
    form->addRow(QString(), offer_);

    // The picture.
    fromFile_ = NewButton(QStringLiteral("Z pliku…"), "fromFile", this, QStringLiteral("Zdjęcie albo rysunek (JPEG, PNG)"));
    fromProgram_ = NewButton(QStringLiteral("Z obrazków programu…"), "fromProgram", this);
    noPicture_ = new QLabel(QStringLiteral("Brak obrazka: wybierz zdjęcie z pliku albo obrazek programu."), this);
    noPicture_->setObjectName("noPicture");
    noPicture_->setWordWrap(true);
    noPicture_->setAlignment(Qt::AlignCenter);
    noPicture_->setFrameShape(QFrame::StyledPanel);
    cropper_ = new Cropper(this);
    cropper_->setObjectName("cropper");
    fixedPicture_ = new QLabel(this);
    fixedPicture_->setObjectName("fixedPicture");
    fixedPicture_->setWordWrap(true);
    fixedPicture_->setAlignment(Qt::AlignCenter);
    fixedPicture_->setFrameShape(QFrame::StyledPanel);
    pictureArea_ = new QStackedWidget(this);
    pictureArea_->setObjectName("pictureArea");
    pictureArea_->addWidget(noPicture_);
    pictureArea_->addWidget(cropper_);
    pictureArea_->addWidget(fixedPicture_);
    preview_ = new QLabel(this);
    preview_->setObjectName("preview");
    preview_->setAlignment(Qt::AlignCenter);
    // Room for the big picture at the preview's size, before there is one.
    preview_->setMinimumSize(kBigPicture / kPreviewDivisor);
    preview_->setFrameShape(QFrame::StyledPanel);
    auto* pictureButtons = new QHBoxLayout;
    pictureButtons->addWidget(fromFile_);
    pictureButtons->addWidget(fromProgram_);
    pictureButtons->addStretch(1);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(new QLabel(QStringLiteral("Tak zobaczy go dziecko:"), this));
    previewColumn->addWidget(preview_);
    previewColumn->addStretch(1);
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(pictureArea_, 1);
    pictureRow->addLayout(previewColumn);
    auto* pictureBox = new QGroupBox(QStringLiteral("Obrazek"), this);
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    pictureLayout->addLayout(pictureButtons);
    pictureLayout->addLayout(pictureRow, 1);

    // The recording.
    record_ = NewButton(QStringLiteral("Nagraj"), "record", this,
                        QStringLiteral("Nagrywa słowo (najwyżej %1 s); drugie naciśnięcie albo Esc kończy (%2)")
                            .arg(VoiceView::kTakeLimitMs / wave::kMsPerSecond)
                            .arg(kRecordKey.toString(QKeySequence::NativeText)));
    play_ = NewButton(QStringLiteral("Odtwórz"), "play", this,
                      QStringLiteral("Odtwarza nagranie (%1)").arg(kPlayKey.toString(QKeySequence::NativeText)));
    meter_ = new QProgressBar(this);
    meter_->setObjectName("meter");
    meter_->setRange(0, kMeterRangeDb);
    meter_->setTextVisible(false);
    recordingStatus_ = new QLabel(this);
    recordingStatus_->setObjectName("recordingStatus");
    recordingStatus_->setWordWrap(true);
    noRecording_ = new QLabel(kNoRecording, this);
    noRecording_->setObjectName("noRecording");
    noRecording_->setWordWrap(true);
    noRecording_->setStyleSheet(QStringLiteral("color: #8a5a00;"));
    auto* recordingBox = new QGroupBox(QStringLiteral("Nagranie"), this);
    auto* recordingLayout = new QVBoxLayout(recordingBox);
    auto* recordingButtons = new QHBoxLayout;
    recordingButtons->addWidget(record_);
    recordingButtons->addWidget(play_);
    recordingLayout->addLayout(recordingButtons);
    recordingLayout->addWidget(new QLabel(QStringLiteral("Poziom:"), this));
    recordingLayout->addWidget(meter_);
    recordingLayout->addWidget(recordingStatus_);
    recordingLayout->addWidget(noRecording_);
    recordingLayout->addStretch(1);

    save_ = NewButton(QStringLiteral("Zapisz"), "save", this);
    cancel_ = NewButton(QStringLiteral("Anuluj"), "cancel", this);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(save_);
    bottom->addWidget(cancel_);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(pictureBox, 3);
    boxes->addWidget(recordingBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(boxes, 1);
    layout->addLayout(bottom);

    connect(spelling_, &QLineEdit::textEdited, this, &WordEditor::SpellingEdited);
    connect(splitEdit_, &QLineEdit::textEdited, this, &WordEditor::SplitEdited);
    connect(fromFile_, &QPushButton::clicked, this, &WordEditor::PickPhoto);
    connect(fromProgram_, &QPushButton::clicked, this, &WordEditor::PickBuiltIn);
    connect(cropper_, &Cropper::CropChanged, this, &WordEditor::SchedulePreview);
    connect(record_, &QPushButton::clicked, this, [this] { recording_ ? EndTake() : StartTake(); });
    connect(play_, &QPushButton::clicked, this, &WordEditor::Play);
    connect(new QShortcut(kRecordKey, this), &QShortcut::activated, record_, &QPushButton::click);
    connect(new QShortcut(kPlayKey, this), &QShortcut::activated, play_, &QPushButton::click);
    connect(save_, &QPushButton::clicked, this, [this] {
        if (Save())
            accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &WordEditor::reject);

    // Roomy where the screen allows, and always with its frame on the screen it opens on.
    const QSize room = (parentWidget() ? parentWidget()->screen() : screen())->availableGeometry().size();
    resize(kRoomySize.boundedTo(room - kFrameAllowance));
}

QString WordEditor::Split() const
{
    return SplitText(elements_);
}

void WordEditor::SetElements(const QList<soundmarks::Element>& elements)
{
    const bool sameTexts = std::equal(elements.begin(), elements.end(), elements_.begin(), elements_.end(),
                                      [](const auto& a, const auto& b) { return a.text == b.text; });
    elements_ = elements;
    if (!sameTexts) {
        for (QPushButton* tile : tileButtons_)
            delete tile;
        tileButtons_.clear();
        auto* row = static_cast<QHBoxLayout*>(tiles_->layout());
        for (int i = 0; i < int(elements_.size()); ++i) {
            auto* tile = new QPushButton(elements_[i].text, tiles_);
            tile->setObjectName(QStringLiteral("element%1").arg(i));
            tile->setCheckable(true);
            tile->setAutoDefault(false);
            tile->setStyleSheet(kTileStyle);
            tile->setToolTip(QStringLiteral("Kliknij, aby zaznaczyć albo odznaczyć ćwiczoną głoskę"));
            row->insertWidget(i, tile);
            tile->show();  // at once, not when the layout gets round to it
            connect(tile, &QPushButton::clicked, this, [this, i] { ToggleMark(i); });
            tileButtons_.push_back(tile);
        }
    }
    ShowElements();
    ShowOffer();
}

void WordEditor::SpellingEdited(const QString& text)
{
    const QString lower = text.toLower();
    if (lower != text) {
        const int at = spelling_->cursorPosition();
        spelling_->setText(lower);
        spelling_->setCursorPosition(at);
    }
    SetElements(KeepMarks(elements_, soundmarks::Elements(ProposeSplit(lower))));
    splitEdit_->setText(DashedText(elements_));
}

void WordEditor::SplitEdited(const QString& text)
{
    QList<soundmarks::Element> fresh;
    for (QString piece : text.split(QLatin1Char('-'))) {
        piece = piece.toLower();
        piece.remove(QRegularExpression(QStringLiteral("[\\s_,]")));
        if (!piece.isEmpty())
            fresh.append({piece, false});
    }
    SetElements(KeepMarks(elements_, fresh));
    spelling_->setText(soundmarks::Spelling(elements_));
}

void WordEditor::ToggleMark(int index)
{
    if (index < 0 || index >= elements_.size())
        return;
    elements_[index].marked = !elements_[index].marked;
    ShowElements();
    ShowOffer();
}

void WordEditor::ShowElements()
{
    for (int i = 0; i < int(tileButtons_.size()); ++i)
        tileButtons_[size_t(i)]->setChecked(elements_[i].marked);
}

void WordEditor::ShowOffer()
{
    offerOk_ = false;
    if (elements_.isEmpty()) {
        offer_->setStyleSheet({});
        offer_->setText(QStringLiteral("Wpisz słowo, a potem kliknij głoskę, którą dziecko ćwiczy."));
    } else {
        const OwnWordOffer offer = OfferFor(Split());
        offerOk_ = offer.problems.isEmpty();
        offer_->setStyleSheet(offerOk_ ? kOfferStyle : kErrorStyle);
        offer_->setText(offerOk_ ? OfferText(offer.flags) : offer.problems.join(QLatin1Char('\n')));
    }
    save_->setEnabled(offerOk_ && !recording_);
}

// ---- The picture ----------------------------------------------------------------------------

void WordEditor::PickPhoto()
{
    const QString path = choosePhotoFile ? choosePhotoFile(this) : QString();
    if (path.isEmpty())
        return;
    QString problem;
    const QImage photo = ownpicture::LoadPhoto(path, &problem);
    if (photo.isNull()) {
        Tell(problem.isEmpty() ? QStringLiteral("Nie udało się wczytać obrazka z pliku „%1”.").arg(path) : problem);
        return;
    }
    source_ = PictureSource::Photo;
    builtInName_.clear();
    previewPhoto_ = std::max(photo.width(), photo.height()) > kPreviewSourceSide
                        ? photo.scaled(kPreviewSourceSide, kPreviewSourceSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        : photo;
    cropper_->SetPhoto(photo);
    pictureArea_->setCurrentWidget(cropper_);
    previewTimer_->stop();
    UpdatePreview();
}

void WordEditor::PickBuiltIn()
{
    const QString name = chooseBuiltInPicture ? chooseBuiltInPicture(this) : QString();
    if (name.isEmpty())
        return;
    const QString big = QDir(dataFolder_).filePath(QStringLiteral("Data/Bion/%1_shb.xji").arg(name));
    const PictureSource before = source_;
    QString spelling = name;
    for (const SPaczka& word : ShippedWords(WordKind::Practice))
        if (word.Name == name)
            spelling = soundmarks::Spelling(soundmarks::Elements(word.Split));
    ShowFixedPicture(big, QStringLiteral("Obrazek słowa z programu: „%1”.").arg(spelling));
    if (source_ != PictureSource::Existing) {
        source_ = before;
        Tell(QStringLiteral("Obrazka słowa „%1” nie da się odczytać.").arg(name));
        return;
    }
    source_ = PictureSource::BuiltIn;
    builtInName_ = name;
}

// Shows a picture that is already made (the word's own, or a built-in one): Existing when it could
// be read.
void WordEditor::ShowFixedPicture(const QString& path, const QString& caption)
{
    const QImage big = ReadPicture(path);
    if (big.isNull())
        return;
    source_ = PictureSource::Existing;
    previewTimer_->stop();
    preview_->setPixmap(PreviewOf(big));
    fixedPicture_->setText(caption);
    pictureArea_->setCurrentWidget(fixedPicture_);
}

void WordEditor::SchedulePreview()
{
    if (source_ == PictureSource::Photo)
        previewTimer_->start();
}

void WordEditor::UpdatePreview()
{
    if (source_ != PictureSource::Photo)
        return;
    const QImage& photo = cropper_->Photo();
    const QRectF crop = cropper_->Crop();
    const double reduce = double(previewPhoto_.width()) / photo.width();
    QImage big;
    if (reduce >= 1 || crop.width() * reduce >= kPreviewDetail) {
        const QRectF reduced(crop.topLeft() * reduce, crop.size() * reduce);
        big = ownpicture::MakeBigPicture(previewPhoto_, ownpicture::ClampCrop(reduced, previewPhoto_.size()));
    } else {
        const QRect part = crop.toAlignedRect() & photo.rect();
        big = ownpicture::MakeBigPicture(photo.copy(part), crop.translated(-part.topLeft()));
    }
    if (!big.isNull())
        preview_->setPixmap(PreviewOf(big));
}

// ---- The recording --------------------------------------------------------------------------

void WordEditor::StartTake()
{
    port_.Stop();
    take_.clear();
    const bool started = port_.StartCapture(
        wave::RecordingFormat(), [this](const QByteArray& pcm) { OnSamples(pcm); },
        [this] {
            if (recording_)
                EndTake();
        });
    if (!started) {
        Tell(QStringLiteral("Nie znaleziono mikrofonu, więc nie można nagrywać. Słowo można zapisać bez nagrania "
                            "i nagrać je później."));
        return;
    }
    recording_ = true;
    meter_->setValue(0);
    recordingStatus_->setText(
        QStringLiteral("Nagrywanie… (najwyżej %1 s)").arg(VoiceView::kTakeLimitMs / wave::kMsPerSecond));
    ShowRecordingState();
}

void WordEditor::OnSamples(const QByteArray& pcm)
{
    if (!recording_)
        return;
    meter_->setValue(MeterLevel(meter_->value(), pcm));
    if (AddToTake(take_, pcm, VoiceView::kTakeLimitMs))
        EndTake();
}

void WordEditor::EndTake()
{
    if (!recording_ || ending_)
        return;
    ending_ = true;
    port_.Stop();
    ending_ = false;
    recording_ = false;
    meter_->setValue(0);
    const QByteArray sound = TrimAndNormalise(take_);
    if (sound.isEmpty()) {
        recordingStatus_->clear();
        Tell(QStringLiteral("W nagraniu nie słychać głosu (sama cisza). Poprzednie nagranie zostało bez zmian."),
             false);
    } else {
        newTake_ = take_;
        newSound_ = sound;
        recordingStatus_->setText(QStringLiteral("Nagrano. Nagranie zostanie zapisane razem ze słowem."));
    }
    take_.clear();
    ShowRecordingState();
}

void WordEditor::Play()
{
    port_.Stop();
    QAudioFormat format = wave::RecordingFormat();
    QByteArray pcm = newSound_;
    if (pcm.isEmpty()) {
        WaveInfo wave;
        if (!ReadWaveFile(ownfiles::RecordingFile(userFolder_, id_), wave) || !WaveAudioFormat(wave, format)) {
            recordingStatus_->setText(QStringLiteral("Tego nagrania nie da się odtworzyć."));
            return;
        }
        pcm = wave.samples;
    }
    if (!port_.StartPlayback(format, pcm, [this] { recordingStatus_->clear(); }))
        recordingStatus_->setText(QStringLiteral("Brak wyjścia dźwięku: nie można odtworzyć nagrania."));
    else
        recordingStatus_->setText(QStringLiteral("Odtwarzanie…"));
}

void WordEditor::StopRecordingAndSound()
{
    // A take in progress is dropped: it has not been kept, so nothing of it remains.
    recording_ = false;
    port_.Stop();
    take_.clear();
    meter_->setValue(0);
}

void WordEditor::ShowRecordingState()
{
    const bool hasSound = !newSound_.isEmpty() || hasSavedRecording_;
    record_->setText(recording_ ? QStringLiteral("Zatrzymaj") : QStringLiteral("Nagraj"));
    play_->setEnabled(!recording_ && hasSound);
    noRecording_->setVisible(!hasSound);
    save_->setEnabled(offerOk_ && !recording_);
    cancel_->setEnabled(true);
    fromFile_->setEnabled(!recording_);
    fromProgram_->setEnabled(!recording_);
}

// ---- Saving and leaving ---------------------------------------------------------------------

bool WordEditor::Save()
{
    if (recording_)
        EndTake();
    if (!offerOk_) {
        Tell(elements_.isEmpty() ? QStringLiteral("Wpisz słowo.") : offer_->text());
        return false;
    }
    if (source_ == PictureSource::None) {
        Tell(QStringLiteral("Słowo musi mieć obrazek: wybierz zdjęcie „Z pliku…” albo obrazek "
                            "„Z obrazków programu…”."));
        return false;
    }
    port_.Stop();
    const QString folder = ownfiles::WordFolder(userFolder_, id_);
    // A new word's folder is made here; should any step fail, it goes again, so that no file of a
    // word the list does not hold is left.
    const bool folderIsNew = isNew_ && !QFileInfo::exists(folder);
    const auto fail = [&](const QString& text) {
        if (folderIsNew)
            QDir(folder).removeRecursively();
        Tell(text);
        return false;
    };

    QString problem;
    if (source_ == PictureSource::Photo) {
        const ownpicture::Forms forms = ownpicture::MakeForms(cropper_->Photo(), cropper_->Crop());
        if (!ownpicture::SaveForms(userFolder_, id_, forms, &problem))
            return fail(QStringLiteral("Nie udało się zapisać obrazka słowa. %1").arg(problem));
    } else if (source_ == PictureSource::BuiltIn) {
        if (!ownpicture::CopyBuiltInPicture(dataFolder_, builtInName_, userFolder_, id_, &problem))
            return fail(QStringLiteral("Nie udało się skopiować obrazka słowa. %1").arg(problem));
    }
    if (!newTake_.isEmpty() && SaveTake(ownfiles::RecordingFile(userFolder_, id_), newTake_) == TakeResult::NotWritten)
        return fail(QStringLiteral("Nie udało się zapisać nagrania w pliku „%1”.")
                        .arg(QDir::toNativeSeparators(ownfiles::RecordingFile(userFolder_, id_))));

    OwnWordList changed = list_;
    if (OwnWord* word = changed.Find(id_))
        word->split = Split();
    else
        changed.words.push_back(OwnWord{id_, Split(), true});
    if (!WriteOwnWords(userFolder_, changed))
        return fail(QStringLiteral("Nie udało się zapisać listy słów w folderze „%1”. Słowo nie zostało %2.")
                        .arg(QDir::toNativeSeparators(QDir(userFolder_).filePath(ownfiles::kFolder)),
                             isNew_ ? QStringLiteral("dodane") : QStringLiteral("zmienione")));
    list_ = std::move(changed);
    // What was saved is now the word's own.
    if (!newTake_.isEmpty())
        hasSavedRecording_ = true;
    newTake_.clear();
    newSound_.clear();
    return true;
}

void WordEditor::reject()
{
    StopRecordingAndSound();
    QDialog::reject();
}

void WordEditor::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter while typing would save a half-typed word: only the button saves.
        event->accept();
        return;
    case Qt::Key_Escape:
        // As in the "Głos" view, Esc first ends a recording (the take is kept); the next one cancels.
        if (recording_) {
            EndTake();
            event->accept();
            return;
        }
        break;
    default: break;
    }
    QDialog::keyPressEvent(event);
}

void WordEditor::Tell(const QString& text, bool error)
{
    CurrentMessageBoxes().Show(this, kCaption, text, error ? MessageIcon::Error : MessageIcon::Information);
}

bool EditOwnWord(QWidget* parent, const QString& dataFolder, const QString& userFolder, OwnWordList& list,
                 const QString& id, AudioPort& port)
{
    WordEditor editor(parent, dataFolder, userFolder, list, id, port);
    if (!editor.Found()) {
        CurrentMessageBoxes().Show(parent, kCaption, QStringLiteral("Tego słowa nie ma już na liście."),
                                   MessageIcon::Error);
        return false;
    }
    return editor.exec() == QDialog::Accepted;
}
