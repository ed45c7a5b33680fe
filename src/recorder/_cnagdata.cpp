// SPDX-License-Identifier: GPL-3.0-or-later
// The recordings catalogue and the rows of the recordings tab (see _cnagdata.h).
#include "_cnagdata.h"

#include "gfx/_ccheckbut.h"
#include "gfx/_cprzycisk.h"
#include "gfx/_cscrollbar.h"
#include "platform/inifile.h"
#include "platform/safefile.h"
#include "platform/services.h"
#include "platform/textcodec.h"
#include "platform/timeservice.h"
#include "shell/Cdisplay.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

using brimbola::Display;

namespace {

constexpr char kCatalogueFile[] = "record.xtr";
constexpr char kSlotPrefix[] = "Nagranie";
constexpr char kSoundExtension[] = ".wav";
constexpr char kKeyFile[] = "Plik", kKeyName[] = "Nazwa", kKeyDate[] = "Data";
constexpr char kCheckPicture[] = "S_CHBUT";
constexpr char kFontFamily[] = "Arial Black";
constexpr int kFontPoints = 11;

// Row geometry in design pixels.
constexpr int kFirstRowDivisor = 70, kFirstRowFactor = 22;  // row 0 at H / 70 * 22
constexpr int kRowPitch = 32;
constexpr int kNumberLeftSmall = 130, kNumberLeftBig = 244;
constexpr int kNumberWidth = 26;
constexpr int kNameWidth = 220, kNameHeight = 26;
constexpr int kDateWidth = 100, kDateHeight = 22, kDateDrop = 2;
constexpr int kGap = 5;
// The column headings and the list's buttons beside the rows.
constexpr QPoint kNameHeadingSmall(229, 155), kDateHeadingSmall(414, 155);
constexpr QPoint kNameHeadingBig(329, 200), kDateHeadingBig(524, 200);
constexpr int kButtonsRightOfDates = 30;
constexpr int kThumbIndent = 4, kThumbBelowUp = 30, kTrackAboveDown = 5;

// Only what the catalogue's code page can hold, so a name comes back from the file as it was typed;
// no control characters, which would break the catalogue's lines.
class Windows1250Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (const QChar c : input) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return Invalid;
            if (c != QLatin1Char('?') && EncodeWindows1250(QString(c)) == "?")
                return Invalid;
        }
        return Acceptable;
    }
};

QFont RowFont()
{
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPointSize(kFontPoints);
    return font;
}

}  // namespace

// Sees a press on a row's name box before the box does, so the row becomes the selection.
class CNagData::RowClickFilter final : public QObject {
public:
    RowClickFilter(CNagData& list, QObject* parent) : QObject(parent), list_(list) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            list_.RowClick(static_cast<QWidget*>(watched));
        return false;
    }

private:
    CNagData& list_;
};

QString CNagData::SlotName(int slot)
{
    return QString::fromLatin1(kSlotPrefix) + QString::number(slot);
}

CNagData::CNagData(QString folder) : folder_(std::move(folder))
{
    if (!QFileInfo::exists(CataloguePath()))
        CreateCatalogue();
    for (int s = 0; s < kSlots; ++s) {
        slots_[size_t(s)].Index = s;
        slots_[size_t(s)].Data = NoDate();
    }
    Load();
    top_ = 0;
}

CNagData::~CNagData() = default;

QString CNagData::CataloguePath() const
{
    return QDir(folder_).filePath(QString::fromLatin1(kCatalogueFile));
}

QString CNagData::EmptySlotText(int slot)
{
    return "[" + SlotName(slot) + "]\r\n" + QString::fromLatin1(kKeyFile) + "=\r\n" + QString::fromLatin1(kKeyName) +
           "=\r\n" + QString::fromLatin1(kKeyDate) + "=" + NoDate().toString(QString::fromLatin1(kDateFormat)) +
           "\r\n";
}

void CNagData::CreateCatalogue() const
{
    // A folder that cannot be made leaves the catalogue missing: the slots stay empty and nothing
    // can be recorded, which the tab reports no differently from a fresh slot.
    if (!QDir().mkpath(folder_))
        return;
    QString text;
    for (int s = 0; s < kSlots; ++s)
        text += EmptySlotText(s);
    ReplaceFileContent(CataloguePath(), EncodeWindows1250(text));
}

// A damaged catalogue (cut short, or overwritten with other bytes) would leave the slots it lacks
// unrecordable for good; their empty sections are added after everything the file holds, in one
// replacement of the whole file.
void CNagData::HealCatalogue() const
{
    const IniFile ini(CataloguePath(), IniFile::Encoding::Windows1250);
    if (!ini.Exists())
        return;
    QString missing;
    for (int s = 0; s < kSlots; ++s)
        if (!ini.SectionExists(SlotName(s)))
            missing += EmptySlotText(s);
    if (missing.isEmpty())
        return;
    QFile file(CataloguePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    file.close();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n";
    ReplaceFileContent(CataloguePath(), bytes + EncodeWindows1250(missing));
}

void CNagData::Load()
{
    HealCatalogue();
    const IniFile ini(CataloguePath(), IniFile::Encoding::Windows1250);
    for (NagRec& slot : slots_) {
        const QString section = SlotName(slot.Index);
        if (!ini.SectionExists(section))
            continue;  // the catalogue could not be mended: this slot stays empty
        // Only a slot's own file may be named, so a damaged or crafted catalogue cannot send
        // playback or a new recording to any other file.
        const QString file = ini.ReadString(section, QString::fromLatin1(kKeyFile), QString());
        slot.Plik = file.compare(section, Qt::CaseInsensitive) == 0 ? section : QString();
        slot.Nazwa = ini.ReadString(section, QString::fromLatin1(kKeyName), QString());
        const QDate date =
            QDate::fromString(ini.ReadString(section, QString::fromLatin1(kKeyDate), QString()).trimmed(),
                              QString::fromLatin1(kDateFormat));
        if (date.isValid() && date > NoDate())
            slot.Data = date;
    }
}

QString CNagData::DateText(const QDate& date)
{
    return date.isValid() && date > NoDate() ? date.toString(QString::fromLatin1(kDateFormat)) : QString();
}

void CNagData::BuildRows(QWidget* owner, QImage* canvas, const Controls& controls)
{
    owner_ = owner;
    scroll_ = controls.scroll;
    clickFilter_ = new RowClickFilter(*this, owner);
    const bool small = Display.Mode == kSmallMode;
    const int x0 = Display.OffsetX, y0 = Display.OffsetY, h = Display.DesignHeight;
    const int numberLeft = x0 + (small ? kNumberLeftSmall : kNumberLeftBig);
    const int nameLeft = numberLeft + kNumberWidth;
    const int dateLeft = nameLeft + kNameWidth + kGap;
    const int checkLeft = dateLeft + kDateWidth + kGap;
    const QFont font = RowFont();
    for (int r = 0; r < kRows; ++r) {
        const int y = h / kFirstRowDivisor * kFirstRowFactor + y0 + kRowPitch * r;
        Row& row = rows_[size_t(r)];

        row.number = new QLabel(owner);
        row.number->setFont(font);
        row.number->setAttribute(Qt::WA_TranslucentBackground);
        row.number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.number->setGeometry(numberLeft, y, kNumberWidth, kNameHeight);

        row.check = new CCheckBut(owner, QString::fromLatin1(kCheckPicture), canvas, checkLeft, y,
                                  [this](CCheckBut* b) { RowClick(b); });

        row.name = new QLineEdit(owner);
        row.name->setFont(font);
        row.name->setFrame(false);
        row.name->setMaxLength(kNameMaxLength);
        row.name->setValidator(new Windows1250Validator(row.name));
        row.name->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; }"));
        row.name->setGeometry(nameLeft, y, kNameWidth, kNameHeight);
        row.name->installEventFilter(clickFilter_);

        row.date = new QLabel(owner);
        row.date->setFont(font);
        row.date->setAutoFillBackground(true);
        row.date->setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
        row.date->setGeometry(dateLeft, y + kDateDrop, kDateWidth, kDateHeight);

        Fill(r);
        row.number->hide();
        row.check->hide();
        row.name->hide();
        row.date->hide();
    }

    if (controls.nameHeading)
        controls.nameHeading->move(QPoint(x0, y0) + (small ? kNameHeadingSmall : kNameHeadingBig));
    if (controls.dateHeading)
        controls.dateHeading->move(QPoint(x0, y0) + (small ? kDateHeadingSmall : kDateHeadingBig));
    const int buttonsX = dateLeft + kDateWidth + kButtonsRightOfDates;
    if (controls.up)
        controls.up->Move(buttonsX, -1);
    if (controls.down)
        controls.down->Move(buttonsX, -1);
    if (scroll_ && controls.up && controls.down)
        scroll_->SetTrack(controls.up->x() + kThumbIndent, controls.up->y() + kThumbBelowUp,
                          controls.down->y() - kTrackAboveDown);
}

void CNagData::Fill(int row)
{
    const NagRec& slot = slots_[size_t(top_ + row)];
    Row& widgets = rows_[size_t(row)];
    if (!widgets.number)
        return;
    widgets.number->setText(QString::number(slot.Index + 1) + ".");
    widgets.name->setText(slot.Nazwa);
    widgets.date->setText(DateText(slot.Data));
}

void CNagData::Refill()
{
    // The rows now show other slots: a name box keeping the keyboard would take typing for a slot
    // nobody chose.
    if (owner_) {
        const QWidget* focused = owner_->focusWidget();
        for (const Row& row : rows_)
            if (row.name && row.name == focused)
                owner_->setFocus();
    }
    for (int r = 0; r < kRows; ++r) {
        Fill(r);
        Uncheck(r);
    }
}

void CNagData::Uncheck(int row)
{
    if (rows_[size_t(row)].check)
        rows_[size_t(row)].check->SetChecked(false);
}

void CNagData::ShowRows()
{
    for (int r = 0; r < kRows; ++r) {
        Row& row = rows_[size_t(r)];
        if (!row.number)
            continue;
        row.number->show();
        row.check->show();
        row.name->show();
        row.date->show();
        Uncheck(r);
    }
}

void CNagData::HideRows()
{
    for (Row& row : rows_) {
        if (!row.number)
            continue;
        row.number->hide();
        row.check->hide();
        row.name->hide();
        row.date->hide();
    }
}

int CNagData::SelectedRow() const
{
    for (int r = 0; r < kRows; ++r)
        if (rows_[size_t(r)].check && rows_[size_t(r)].check->IsChecked())
            return r;
    return -1;
}

QString CNagData::RowName(int row)
{
    NagRec& slot = slots_[size_t(top_ + row)];
    if (rows_[size_t(row)].name)
        slot.Nazwa = rows_[size_t(row)].name->text();
    return slot.Nazwa;
}

QString CNagData::RowSoundPath(int row) const
{
    const NagRec& slot = slots_[size_t(top_ + row)];
    if (slot.Plik.isEmpty())
        return QString();
    return QDir(folder_).filePath(slot.Plik + QString::fromLatin1(kSoundExtension));
}

QString CNagData::RowRecordingPath(int row) const
{
    return QDir(folder_).filePath(SlotName(slots_[size_t(top_ + row)].Index) + QString::fromLatin1(kSoundExtension));
}

bool CNagData::MarkRecorded(int row)
{
    NagRec& slot = slots_[size_t(top_ + row)];
    const QString section = SlotName(slot.Index);
    IniFile ini(CataloguePath(), IniFile::Encoding::Windows1250);
    if (!ini.SectionExists(section))
        return false;
    // Each key goes to the disk at once: a crash during the recording keeps what was noted so far.
    if (!ini.WriteString(section, QString::fromLatin1(kKeyName), slot.Nazwa))
        return false;
    if (!ini.WriteString(section, QString::fromLatin1(kKeyFile), section))
        return false;
    slot.Plik = section;
    const QDate today = Time().UtcNow().toLocalTime().date();
    if (!ini.WriteString(section, QString::fromLatin1(kKeyDate), today.toString(QString::fromLatin1(kDateFormat))))
        return false;
    slot.Data = today;
    if (rows_[size_t(row)].date)
        rows_[size_t(row)].date->setText(DateText(today));
    return true;
}

bool CNagData::ScrollUp()
{
    if (top_ == 0)
        return false;
    --top_;
    Refill();
    if (scroll_)
        scroll_->StepUp();
    return true;
}

bool CNagData::ScrollDown()
{
    if (top_ == kLastTop)
        return false;
    ++top_;
    Refill();
    if (scroll_)
        scroll_->StepDown();
    return true;
}

void CNagData::RowClick(QWidget* sender)
{
    for (Row& row : rows_) {
        if (!row.check)
            continue;
        if (sender == row.check) {
            if (row.check->IsChecked()) {
                row.check->SetChecked(false);
                // The window keeps the keyboard, so Esc still reaches it.
                if (owner_)
                    owner_->setFocus();
            } else {
                row.check->SetChecked(true);
                row.name->setFocus();
            }
        } else if (sender == row.name) {
            row.check->SetChecked(true);
            row.name->setFocus();
        } else if (row.check->IsChecked()) {
            row.check->SetChecked(false);
        }
    }
}
