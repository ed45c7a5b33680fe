// SPDX-License-Identifier: GPL-3.0-or-later
// The recordings catalogue: 30 numbered slots, each with a name, the date of its last recording and
// its sound file, kept in Nagrane/record.xtr (Windows-1250), and the eight rows of the recordings
// tab that show a window of them, with their selection and scrolling.
#pragma once

#include <QDate>
#include <QImage>
#include <QString>
#include <array>

class CCheckBut;
class CPrzyciskP;
class CScrollBar;
class QLabel;
class QLineEdit;
class QWidget;

struct NagRec {
    qint32 Index = 0;
    QString Nazwa;
    QDate Data;    // the date of the last recording; NoDate() when never recorded
    QString Plik;  // "" or "Nagranie" + Index
};

class CNagData {
public:
    static constexpr int kSlots = 30;
    static constexpr int kRows = 8;
    static constexpr int kLastTop = kSlots - kRows;
    // Names longer than a child's first and last name are of no use in a 220-pixel box.
    static constexpr int kNameMaxLength = 40;
    static constexpr char kDateFormat[] = "dd.MM.yyyy";

    // The date that stands for "never recorded".
    static QDate NoDate() { return QDate(1990, 1, 1); }
    // "Nagranie" + slot number: the catalogue section and the sound file's base name of a slot.
    static QString SlotName(int slot);

    // Loads the catalogue of the recordings folder `folder`, first creating the folder and a
    // catalogue of 30 empty slots when there is none, and adding the empty sections a damaged one
    // lacks (keeping all it holds). A catalogue that cannot be read or written leaves the slots
    // empty; it is never overwritten.
    explicit CNagData(QString folder = QStringLiteral("Nagrane"));
    ~CNagData();
    CNagData(const CNagData&) = delete;
    CNagData& operator=(const CNagData&) = delete;

    // The widgets the rows are laid out with. The list moves the column headings, the list buttons
    // and the scroll thumb beside its rows.
    struct Controls {
        QLabel* nameHeading = nullptr;
        QLabel* dateHeading = nullptr;
        CPrzyciskP* up = nullptr;
        CPrzyciskP* down = nullptr;
        CScrollBar* scroll = nullptr;
    };
    // Creates the eight rows on `owner`, hidden; the check buttons draw on `canvas`.
    void BuildRows(QWidget* owner, QImage* canvas, const Controls& controls);
    void ShowRows();
    void HideRows();

    // The first checked row (0 to 7), or -1.
    int SelectedRow() const;
    // Takes the name typed into the row into its slot and returns it.
    QString RowName(int row);
    // The row's sound file, or "" when the slot was never recorded.
    QString RowSoundPath(int row) const;
    // The file a new recording of the row goes to, recorded before or not.
    QString RowRecordingPath(int row) const;
    // Notes a new recording of the row's slot (name, file, today) in the catalogue, key by key.
    // False when the catalogue has no section for the slot or could not be written.
    bool MarkRecorded(int row);
    bool ScrollUp();
    bool ScrollDown();
    // What a click on a row's check button or name box means for every row.
    void RowClick(QWidget* sender);

    int Top() const { return top_; }
    const NagRec& Slot(int slot) const { return slots_[size_t(slot)]; }
    QString CataloguePath() const;
    QString Folder() const { return folder_; }

    // The widgets of a row, for the window's tests.
    struct Row {
        QLabel* number = nullptr;
        CCheckBut* check = nullptr;
        QLineEdit* name = nullptr;
        QLabel* date = nullptr;
    };
    const Row& RowWidgets(int row) const { return rows_[size_t(row)]; }

private:
    class RowClickFilter;

    static QString EmptySlotText(int slot);
    void CreateCatalogue() const;
    void HealCatalogue() const;
    void Load();
    void Fill(int row);
    void Refill();
    void Uncheck(int row);
    static QString DateText(const QDate& date);

    QString folder_;
    qint16 top_ = 0;
    std::array<NagRec, kSlots> slots_;
    std::array<Row, kRows> rows_;
    QWidget* owner_ = nullptr;
    CScrollBar* scroll_ = nullptr;
    RowClickFilter* clickFilter_ = nullptr;  // a child of the owner
};
