// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of both programs: --help and --version in the user's language (Polish under a
// Polish locale, English otherwise, Qt's own option lines included), Qt's window-system options let
// through, and anything else refused with one line and exit code 2. Read before the program's
// application object exists, so that help, version and a wrong option need no display.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <optional>

class CommandLine {
public:
    static constexpr int kWrongUsage = 2;

    // `name` and `version` are what --version prints; the description heads --help.
    CommandLine(const QString& name, const QString& version, const QString& description);

    // Options and arguments of the program, added before Process(). More arguments than were added
    // are a wrong usage.
    void AddOption(const QCommandLineOption& option) { parser_.addOption(option); }
    void AddPositional(const QString& name, const QString& description, const QString& syntax = QString());

    // Reads the arguments (argv is left as it is). The exit code when the program ends here: 0 after
    // --help or --version, kWrongUsage after an unknown option or a missing value; nothing when it
    // goes on. Output goes to stdout (help, version) or stderr (the wrong usage line).
    std::optional<int> Process(int argc, char** argv);

    bool IsSet(const QCommandLineOption& option) const { return parser_.isSet(option); }
    QString Value(const QCommandLineOption& option) const { return parser_.value(option); }
    QStringList Positional() const { return parser_.positionalArguments(); }

    // True when the user's locale is Polish.
    static bool Polish();
    // The Polish or the English text by the user's locale.
    static QString Text(const char* polish, const char* english);

private:
    QString name_, version_, description_;
    int positionalCount_ = 0;
    QCommandLineParser parser_;
};
