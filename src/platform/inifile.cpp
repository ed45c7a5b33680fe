// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files in the Windows INI form (see inifile.h).
#include "inifile.h"

#include "safefile.h"
#include "textcodec.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool IsSectionLine(const QString& trimmed)
{
    return trimmed.startsWith('[') && trimmed.contains(']');
}

QString SectionName(const QString& trimmed)
{
    return trimmed.mid(1, trimmed.indexOf(']') - 1).trimmed();
}

bool IsEntryLine(const QString& trimmed)
{
    return !trimmed.isEmpty() && !trimmed.startsWith(';') && !IsSectionLine(trimmed);
}

QString EntryKey(const QString& line)
{
    const int eq = line.indexOf('=');
    return (eq < 0 ? line : line.left(eq)).trimmed();
}

QString EntryValue(const QString& line)
{
    const int eq = line.indexOf('=');
    if (eq < 0)
        return {};
    QString value = line.mid(eq + 1).trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

}  // namespace

bool ParseIniInteger(const QString& text, int& value)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith('-') || t.startsWith('+')) {
        negative = t.startsWith('-');
        t = t.mid(1);
    }
    int base = 10;
    if (t.startsWith('$')) {
        base = 16;
        t = t.mid(1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t = t.mid(2);
    }
    if (t.isEmpty())
        return false;
    for (const QChar c : t) {
        const bool digit = base == 10 ? c.isDigit() && c.unicode() < 128 : QStringLiteral("0123456789abcdefABCDEF").contains(c);
        if (!digit)
            return false;
    }
    bool ok = false;
    const qlonglong parsed = t.toLongLong(&ok, base);
    if (!ok)
        return false;
    const qlonglong signedValue = negative ? -parsed : parsed;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return false;
    value = int(signedValue);
    return true;
}

IniFile::IniFile(QString path, Encoding encoding) : path_(std::move(path)), encoding_(encoding)
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    exists_ = true;
    QByteArray bytes = file.readAll();
    static const QByteArray kUtf8Mark("\xEF\xBB\xBF");
    if (encoding_ == Encoding::Utf8 && bytes.startsWith(kUtf8Mark)) {
        byteOrderMark_ = kUtf8Mark;
        bytes.remove(0, kUtf8Mark.size());
    }
    if (!bytes.contains("\r\n") && bytes.contains('\n'))
        lineEnd_ = QStringLiteral("\n");
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype next = newline < 0 ? bytes.size() : newline + 1;
        const QByteArray raw = bytes.mid(start, next - start);
        QByteArray content = newline < 0 ? raw : raw.chopped(1);
        if (content.endsWith('\r'))
            content.chop(1);
        lines_.append(encoding_ == Encoding::Windows1250 ? DecodeWindows1250(content) : QString::fromUtf8(content));
        raw_.append(raw);
        start = next;
    }
}

int IniFile::FindSection(const QString& section) const
{
    for (int i = 0; i < lines_.size(); ++i) {
        const QString trimmed = lines_[i].trimmed();
        if (IsSectionLine(trimmed) && SectionName(trimmed).compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::FindKey(int sectionLine, const QString& key) const
{
    for (int i = sectionLine + 1; i < lines_.size(); ++i) {
        const QString trimmed = lines_[i].trimmed();
        if (IsSectionLine(trimmed))
            break;
        if (IsEntryLine(trimmed) && EntryKey(lines_[i]).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::SectionEnd(int sectionLine) const
{
    int end = sectionLine + 1;
    for (int i = sectionLine + 1; i < lines_.size(); ++i) {
        const QString trimmed = lines_[i].trimmed();
        if (IsSectionLine(trimmed))
            break;
        if (!trimmed.isEmpty())
            end = i + 1;
    }
    return end;
}

bool IniFile::SectionExists(const QString& section) const
{
    return FindSection(section) >= 0;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const int s = FindSection(section);
    const int k = s < 0 ? -1 : FindKey(s, key);
    return k < 0 ? fallback : EntryValue(lines_[k]);
}

int IniFile::ReadInteger(const QString& section, const QString& key, int fallback) const
{
    const int s = FindSection(section);
    const int k = s < 0 ? -1 : FindKey(s, key);
    int value = fallback;
    if (k < 0 || !ParseIniInteger(EntryValue(lines_[k]), value))
        return fallback;
    return value;
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QStringList before = lines_;
    const QList<QByteArray> rawBefore = raw_;
    const QString entry = key + "=" + value;
    int s = FindSection(section);
    if (s < 0) {
        if (!lines_.isEmpty() && !lines_.back().trimmed().isEmpty())
            lines_.append(QString());
        lines_.append("[" + section + "]");
        lines_.append(entry);
    } else if (const int k = FindKey(s, key); k >= 0) {
        lines_[k] = entry;
        raw_[k] = QByteArray();
    } else {
        const int end = SectionEnd(s);
        lines_.insert(end, entry);
        raw_.insert(end, QByteArray());
    }
    while (raw_.size() < lines_.size())
        raw_.append(QByteArray());
    if (!Save()) {
        lines_ = before;
        raw_ = rawBefore;
        return false;
    }
    exists_ = true;
    return true;
}

bool IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool IniFile::Save() const
{
    const auto encode = [this](const QString& text) {
        return encoding_ == Encoding::Windows1250 ? EncodeWindows1250(text) : text.toUtf8();
    };
    QByteArray bytes = byteOrderMark_;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (raw_[i].isNull()) {
            bytes += encode(lines_[i] + lineEnd_);
        } else {
            bytes += raw_[i];
            if (!raw_[i].endsWith('\n') && i + 1 < lines_.size())
                bytes += encode(lineEnd_);  // the old last line, no longer last
        }
    }
    return ReplaceFileContent(path_, bytes);
}
