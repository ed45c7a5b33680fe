// brimbola-wyniki: the therapist's viewer of the results the games save (prgst4.stt), with a table,
// a summary, a weekly chart and CSV/PDF export, and the view "Głos" where the adult records the words
// and phrases the games say. "--csv OUT" writes the CSV without a window.
#include "childrenview.h"
#include "recorder/wavedevice.h"
#include "shell/childlist.h"
#include "shell/programfolders.h"
#include "statfile.h"
#include "tables.h"
#include "voice/voiceview.h"
#include "window.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QTranslator>
#include <QSaveFile>
#include <cstdio>
#include <cstring>
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
    // The CSV and the help need no display: with them no window system is opened.
    bool windowless = false;
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--csv", "--help", "-h", "--help-all"})
            windowless = windowless || std::strcmp(argv[i], option) == 0;
    std::unique_ptr<QCoreApplication> app =
        windowless ? std::make_unique<QCoreApplication>(argc, argv) : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brimbola-wyniki"));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    // Qt's own dialogs (files, calendar) in Polish where the desktop has Qt's translations.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Wyniki gier Brimboli zapisane w pliku prgst4.stt."));
    parser.addHelpOption();
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("Zapisuje tabelę gier do pliku CSV, bez okna."),
                                 QStringLiteral("PLIK"));
    parser.addOption(csv);
    parser.addPositionalArgument(QStringLiteral("plik"), QStringLiteral("Plik wyników (domyślnie prgst4.stt obok programu)."),
                                 QStringLiteral("[plik]"));
    const QCommandLineOption child(QStringLiteral("child"),
                                   QStringLiteral("Wyniki dziecka o tym imieniu (z listy dzieci), zamiast pliku."),
                                   QStringLiteral("IMIĘ"));
    parser.addOption(child);
    parser.process(*app);
    const QStringList given = parser.positionalArguments();
    const ProgramFolders folders = LocateProgramFolders(QCoreApplication::applicationDirPath());
    QString path = given.isEmpty() ? DefaultStatFilePath() : given.first();
    if (parser.isSet(child)) {
        ChildList list;
        ReadChildList(folders.user, list);
        const Child* named = list.FindByName(parser.value(child));
        if (!named) {
            Complain(QStringLiteral("Nie ma dziecka „%1” na liście dzieci.").arg(parser.value(child)));
            return kFailed;
        }
        path = ChildFolder(folders.user, named->id) + QStringLiteral("/prgst4.stt");
    }
    if (parser.isSet(csv))
        return WriteCsv(path, parser.value(csv));

    // The own recordings of the spoken words and phrases are kept where the games look for them.
    SetUserFolder(folders.user);
    TfmWyniki window;
    auto* children = new ChildrenView(folders.user, folders.data);
    window.AddView(children, QStringLiteral("Dzieci"));
    QObject::connect(children, &ChildrenView::ListChanged, &window, &TfmWyniki::ReloadChildren);
    window.AddView(new VoiceView(folders.data, NewDesktopAudioPort()), QStringLiteral("Głos"));
    // A file named on the command line is shown as it is; else the child shown last, if any.
    if (given.isEmpty() && !parser.isSet(child))
        window.UseChildren(folders.user);
    if (window.ChildBox()->count() == 0)
        window.OpenFile(path);
    window.show();
    return app->exec();
}
