// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files in the Windows INI form: sections and keys found case-insensitively, defaults for
// what is missing, and writing one key rewrites the file keeping every other line byte for byte.
#pragma once

#include <QString>
#include <QStringList>

class IniFile {
public:
    enum class Encoding { Utf8, Windows1250 };

    // Reads the file now if it exists; a missing file reads as empty.
    explicit IniFile(QString path, Encoding encoding = Encoding::Utf8);

    bool Exists() const { return exists_; }
    const QString& Path() const { return path_; }

    bool SectionExists(const QString& section) const;
    QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
    // A value that is not a whole number (decimal, or hexadecimal after "$" or "0x") reads as
    // `fallback`, as does a missing key.
    int ReadInteger(const QString& section, const QString& key, int fallback) const;

    // Sets the key (adding the section or key when missing) and rewrites the file through a
    // temporary file renamed over the old one, so a crash or a full disk never leaves half a file.
    // False when the file cannot be written; the file on disk is then unchanged.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);

private:
    int FindSection(const QString& section) const;              // line index of "[section]" or -1
    int FindKey(int sectionLine, const QString& key) const;     // line index or -1
    int SectionEnd(int sectionLine) const;                       // first line after its last entry
    bool Save() const;

    QString path_;
    Encoding encoding_;
    QStringList lines_;
    // The bytes each line was read from, with its line end; null for a line the program changed or
    // added. Unchanged lines are written back from these, so bytes the code page cannot turn into a
    // character survive a rewrite.
    QList<QByteArray> raw_;
    QByteArray byteOrderMark_;
    QString lineEnd_ = QStringLiteral("\r\n");
    bool exists_ = false;
};

// Whole-number text as the settings have always been read: surrounding blanks allowed, optional
// sign, decimal or hexadecimal ("$1F", "0x1F"); out of the 32-bit range or other text fails.
bool ParseIniInteger(const QString& text, int& value);
