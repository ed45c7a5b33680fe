// SPDX-License-Identifier: GPL-3.0-or-later
// The recordings catalogue Nagrane/record.xtr as the recordings tab loads it, mends it and notes a
// new recording in it: a damaged or crafted catalogue keeps all it holds, gains the sections it
// lacks, and can point a slot at no file but that slot's own.
#include "fuzzsupport.h"

#include "platform/inifile.h"
#include "recorder/_cnagdata.h"

FUZZ_TARGET(catalogue)
{
    const FixedServices services;
    const ScratchFolder folder;
    const QByteArray old = FuzzBytes(data, size);
    const QString path = folder.Put(QStringLiteral("record.xtr"), old);

    CNagData catalogue(folder.Path());
    FUZZ_CHECK(ReadAll(path).startsWith(old));
    const IniFile mended(path, IniFile::Encoding::Windows1250);
    for (int s = 0; s < CNagData::kSlots; ++s) {
        FUZZ_CHECK(mended.SectionExists(CNagData::SlotName(s)));
        const NagRec& slot = catalogue.Slot(s);
        FUZZ_CHECK(slot.Index == s);
        FUZZ_CHECK(slot.Plik.isEmpty() || slot.Plik == CNagData::SlotName(s));
        FUZZ_CHECK(slot.Data.isValid() && slot.Data >= CNagData::NoDate());
    }
    if (!catalogue.RowSoundPath(0).isEmpty())
        FUZZ_CHECK(catalogue.RowSoundPath(0) == catalogue.RowRecordingPath(0));

    // A new recording of the first row, key by key; read again, the slot names its file and keeps
    // every other slot as it was.
    FUZZ_CHECK(catalogue.MarkRecorded(0));
    const CNagData again(folder.Path());
    FUZZ_CHECK(again.Slot(0).Plik == CNagData::SlotName(0));
    FUZZ_CHECK(again.Slot(0).Data == QDate(2026, 12, 8));
    for (int s = 1; s < CNagData::kSlots; ++s) {
        FUZZ_CHECK(again.Slot(s).Nazwa == catalogue.Slot(s).Nazwa);
        FUZZ_CHECK(again.Slot(s).Plik == catalogue.Slot(s).Plik);
        FUZZ_CHECK(again.Slot(s).Data == catalogue.Slot(s).Data);
    }
    return 0;
}
