// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of both programs (see commandline.h).
#include "commandline.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <vector>

namespace {

// Options QGuiApplication and QApplication take out of the arguments themselves: accepted here so
// that "-platform offscreen" or "-style fusion" still reach them. The first ones take a value.
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                       "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "display", "name",
                                       "session", "style", "stylesheet", "qmljsdebugger"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

CommandLine::CommandLine(const QString& name, const QString& version, const QString& description)
    : name_(name), version_(version), description_(description)
{
    // "-platform" is one option, as Qt reads it, not the short options p, l, a...
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* option : kQtValueOptions) {
        QCommandLineOption qt(QString::fromLatin1(option), QString(), QStringLiteral("value"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(qt);
    }
    for (const char* option : kQtFlagOptions) {
        QCommandLineOption qt(QString::fromLatin1(option));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(qt);
    }
}

void CommandLine::AddPositional(const QString& name, const QString& description, const QString& syntax)
{
    parser_.addPositionalArgument(name, description, syntax);
    ++positionalCount_;
}

bool CommandLine::Polish()
{
    return QLocale::system().language() == QLocale::Polish;
}

QString CommandLine::Text(const char* polish, const char* english)
{
    return QString::fromUtf8(Polish() ? polish : english);
}

std::optional<int> CommandLine::Process(int argc, char** argv)
{
    // A window-less application of its own, on a copy of the arguments, gone before the program's.
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    int count = argc;
    const QCoreApplication probe(count, args.data());
    QCoreApplication::setApplicationName(name_);
    QCoreApplication::setApplicationVersion(version_);
    // Qt's own lines of the help ("Displays this help.", "Unknown option") from Qt's translations.
    QTranslator qtTexts;
    if (Polish() && qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    parser_.setApplicationDescription(description_);
    // Qt's own help and version options, with their texts in both languages: Qt's Polish translation
    // lacks the help lines.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Text("Wyświetla tę pomoc.", "Displays this help."));
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Text("Wyświetla numer wersji.", "Displays version information."));
    parser_.addOptions({help, helpAll, version});
    if (!parser_.parse(probe.arguments())) {
        Print(stderr, name_ + QStringLiteral(": ") + parser_.errorText() + QLatin1Char('\n'));
        return kWrongUsage;
    }
    if (parser_.positionalArguments().size() > positionalCount_) {
        Print(stderr, name_ + QStringLiteral(": ") +
                          Text("nieoczekiwany argument „%1”.", "unexpected argument '%1'.")
                              .arg(parser_.positionalArguments().value(positionalCount_)) +
                          QLatin1Char('\n'));
        return kWrongUsage;
    }
    if (parser_.isSet(help) || parser_.isSet(helpAll)) {
        Print(stdout, parser_.helpText());
        return 0;
    }
    if (parser_.isSet(version)) {
        Print(stdout, name_ + QLatin1Char(' ') + version_ + QLatin1Char('\n'));
        return 0;
    }
    return std::nullopt;
}
