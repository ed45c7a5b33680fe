// SPDX-License-Identifier: GPL-3.0-or-later
// brimbola-wyniki: the therapist's viewer of the results the games save (prgst4.stt), with a table,
// a summary, a weekly chart and CSV/PDF export, the view "Głos" where the adult records the words
// and phrases the games say, and the view "Słowa" of the words the games draw, built-in and own.
// "--csv OUT" writes the CSV without a window.
#include "childrenview.h"
#include "recorder/wavedevice.h"
#include "shell/childlist.h"
#include "shell/commandline.h"
#include "shell/programfolders.h"
#include "statfile.h"
#include "tables.h"
#include "voice/voiceview.h"
#include "window.h"
#include "wordsview.h"

#include <QApplication>
#include <QComboBox>
#include <QLibraryInfo>
#include <QTranslator>
#include <QSaveFile>
#include <cstdio>
#include <memory>

namespace {

constexpr int kFailed = 1;

void Complain(const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
}

int WriteCsv(const QString& in, const QString& out)
{
    StatFile file = ReadStatFile(in);
    if (file.error != StatFileError::None) {
        Complain(file.message);
        return kFailed;
    }
    if (file.partialBytes > 0)
        Complain(QStringLiteral("Pominięto niepełny ostatni zapis (%1 B na końcu pliku).").arg(file.partialBytes));
    GamesModel games;
    games.SetRecords(std::move(file.records));
    QSaveFile csv(out);
    if (!csv.open(QIODevice::WriteOnly) || csv.write(CsvBytes(games)) < 0 || !csv.commit()) {
        Complain(QStringLiteral("Nie udało się zapisać pliku „%1”.").arg(out));
        return kFailed;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    CommandLine commandLine(QStringLiteral("brimbola-wyniki"), QStringLiteral(BRIMBOLA_VERSION),
                            CommandLine::Text("Wyniki gier Brimboli zapisane w pliku prgst4.stt.",
                                              "The results of the Brimbola games saved in the file prgst4.stt."));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 CommandLine::Text("Zapisuje tabelę gier do pliku CSV, bez okna.",
                                                   "Writes the table of games to a CSV file, without a window."),
                                 CommandLine::Text("PLIK", "FILE"));
    commandLine.AddOption(csv);
    const QCommandLineOption child(QStringLiteral("child"),
                                   CommandLine::Text("Wyniki dziecka o tym imieniu (z listy dzieci), zamiast pliku.",
                                                     "The results of the child of this name (from the children's list), not a file."),
                                   CommandLine::Text("IMIĘ", "NAME"));
    commandLine.AddOption(child);
    commandLine.AddPositional(CommandLine::Text("plik", "file"),
                              CommandLine::Text("Plik wyników (domyślnie prgst4.stt obok programu).",
                                                "The results file (prgst4.stt beside the program when none is given)."),
                              CommandLine::Text("[plik]", "[file]"));
    if (const std::optional<int> ended = commandLine.Process(argc, argv))
        return *ended;

    // The CSV needs no display: with it no window system is opened.
    const bool windowless = commandLine.IsSet(csv);
    std::unique_ptr<QCoreApplication> app =
        windowless ? std::make_unique<QCoreApplication>(argc, argv) : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brimbola-wyniki"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRIMBOLA_VERSION));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    // Qt's own dialogs (files, calendar) in Polish where the desktop has Qt's translations.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    const QStringList given = commandLine.Positional();
    const ProgramFolders folders = LocateProgramFolders(QCoreApplication::applicationDirPath());
    QString path = given.isEmpty() ? DefaultStatFilePath() : given.first();
    if (commandLine.IsSet(child)) {
        ChildList list;
        ReadChildList(folders.user, list);
        const Child* named = list.FindByName(commandLine.Value(child));
        if (!named) {
            Complain(QStringLiteral("Nie ma dziecka „%1” na liście dzieci.").arg(commandLine.Value(child)));
            return kFailed;
        }
        path = ChildFolder(folders.user, named->id) + QStringLiteral("/prgst4.stt");
    }
    if (windowless)
        return WriteCsv(path, commandLine.Value(csv));

    // The own recordings of the spoken words and phrases are kept where the games look for them.
    SetUserFolder(folders.user);
    TfmWyniki window;
    auto* children = new ChildrenView(folders.user, folders.data);
    window.AddView(children, QStringLiteral("Dzieci"));
    QObject::connect(children, &ChildrenView::ListChanged, &window, &TfmWyniki::ReloadChildren);
    window.AddView(new VoiceView(folders.data, NewDesktopAudioPort()), QStringLiteral("Głos"));
    // The own words are shared by every child: their list lives in the user folder itself.
    window.AddView(new WordsView(folders.user, folders.data, NewDesktopAudioPort()), QStringLiteral("Słowa"));
    // A file named on the command line is shown as it is; else the child shown last, if any.
    if (given.isEmpty() && !commandLine.IsSet(child))
        window.UseChildren(folders.user);
    if (window.ChildBox()->count() == 0)
        window.OpenFile(path);
    window.show();
    return app->exec();
}
