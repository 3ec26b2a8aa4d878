#include "app/commandline.h"

#include "app/exitstatus.h"
#include "app/workfolder.h"
#include "export/exportentry.h"
#include "iqx_version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>

#include <utility>

namespace iqx {

namespace {

const QString kProgram = QStringLiteral("informacja");

QString usageLine()
{
    return QStringLiteral("Użycie: %1 [--user-folder] [--pdf <plik> | --export <plik> | --check]\n"
                          "         [--data <plik>] [plik danych lub folder ...]\n"
                          "       %1 [--user-folder] --import-register [<plik TERC>]\n")
        .arg(kProgram);
}

// A table of heads and descriptions, the descriptions aligned in one
// column; long descriptions wrap at about 78 characters.
QString columnTable(const QList<std::pair<QString, QString>> &rows)
{
    qsizetype width = 0;
    for (const auto &row : rows)
        width = qMax(width, row.first.size());
    const qsizetype indent = 2 + width + 2;
    QString out;
    for (const auto &[head, description] : rows) {
        QString line = QStringLiteral("  ") + head.leftJustified(width + 2);
        for (const QString &word : description.split(QLatin1Char(' '))) {
            if (line.size() > indent && line.size() + 1 + word.size() > 78) {
                out += line + QLatin1Char('\n');
                line = QString(indent, QLatin1Char(' '));
            }
            if (line.size() > indent)
                line += QLatin1Char(' ');
            line += word;
        }
        out += line + QLatin1Char('\n');
    }
    return out;
}

// The options with their names (-h, --help, --pdf <plik>) as heads.
QString optionTable(const QList<QCommandLineOption> &options)
{
    QList<std::pair<QString, QString>> rows;
    for (const QCommandLineOption &o : options) {
        QStringList names;
        for (const QString &n : o.names())
            names << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
        QString head = names.join(QStringLiteral(", "));
        // A value that may be left out is named in brackets already.
        if (o.valueName().startsWith(QLatin1Char('[')))
            head += QLatin1Char(' ') + o.valueName();
        else if (!o.valueName().isEmpty())
            head += QStringLiteral(" <%1>").arg(o.valueName());
        rows.append({head, o.description()});
    }
    return columnTable(rows);
}

// Every exit status the program ends with, as exitstatus.h names them.
QString exitStatusTable()
{
    static_assert(kNotStartedStatus == kFindingsStatus, "the row of status 1 tells of both");
    const std::pair<int, QString> statuses[] = {
        {kOkStatus, QStringLiteral("Zakończono bez błędu: okno zamknięte, plik --pdf albo --export zapisany, "
                                   "--check bez uwag, rejestr gmin zaktualizowany albo już aktualny "
                                   "(--import-register; także wybór pliku anulowany).")},
        {kFindingsStatus, QStringLiteral("--check: są uwagi (także plik albo folder, którego nie można "
                                         "odczytać). Także: nie można przygotować folderu dokumentów użytkownika "
                                         "(--user-folder); okno programu: folder pracy zablokowany przez inne okno "
                                         "(albo blokady nie można sprawdzić) lub brak w nim rejestru gmin.")},
        {kUsageStatus, QStringLiteral("Błędne opcje (opis użycia idzie na standardowe wyjście błędów); także "
                                      "--pdf folderu z kilkoma plikami danych.")},
        {kNoRegisterStatus, QStringLiteral("--pdf, --export, --check: brak rejestru gmin GMINY.txt.")},
        {kNoDocumentStatus, QStringLiteral("Nie ma pliku danych albo nie można odczytać jedynego wskazanego "
                                           "pliku danych (przy --pdf także folderu). --import-register: nie można "
                                           "odczytać pliku TERC albo nie jest to cały plik TERC.")},
        {kOutputFailedStatus, QStringLiteral("Nie można zapisać pliku wynikowego (także pliku tylko do odczytu) "
                                             "albo wypisać uwag --check na standardowe wyjście. --import-register: "
                                             "nie można zapisać rejestru gmin GMINY.txt.")},
        {kUnreadableStatus, QStringLiteral("--export: zestawienie zapisano, ale są w nim pliki albo foldery, "
                                           "których nie dało się odczytać.")},
    };
    QList<std::pair<QString, QString>> rows;
    for (const auto &[status, meaning] : statuses)
        rows.append({QString::number(status), meaning});
    return columnTable(rows);
}

// "--import-register" takes a file, or none (then a dialog asks for one):
// given no value, as the last argument or before another option, it gets
// an empty one, which the parser then accepts.
QStringList withImportValue(QStringList arguments)
{
    const QString name = QStringLiteral("--import-register");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            break;
        if (arguments[i] == name && (i + 1 == arguments.size() || arguments[i + 1].startsWith(QLatin1Char('-'))))
            arguments[i] = name + QLatin1Char('=');
    }
    return arguments;
}

CommandLine usageError(const QString &what)
{
    CommandLine c;
    c.mode = CommandLine::Mode::Error;
    c.text = QStringLiteral("%1: %2\n").arg(kProgram, what) + usageLine()
             + QStringLiteral("Opis opcji: %1 --help\n").arg(kProgram);
    return c;
}

} // namespace

QString programVersion() { return QStringLiteral(IQX_VERSION); }

CommandLine parseCommandLine(const QStringList &arguments)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Wyświetla ten opis i kończy działanie."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Wyświetla wersję programu i kończy działanie."));
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("Nie otwiera okna: zapisuje sześć stron wydruku dokumentu do pliku PDF "
                                                "i kończy działanie (stan 0, gdy plik zapisano)."),
                                 QStringLiteral("plik"));
    const QCommandLineOption userFolder(
        QStringLiteral("user-folder"),
        QStringLiteral("Pracuje w folderze dokumentów użytkownika zamiast w bieżącym folderze; "
                       "tak uruchamia program skrót w menu."));
    const QCommandLineOption exportTo(
        QStringLiteral("export"),
        QStringLiteral("Nie otwiera okna: zapisuje dane dokumentu do pliku JSON albo CSV (według "
                       "rozszerzenia .json lub .csv) razem z uwagami sprawdzenia. Kilka plików danych "
                       "albo folder daje zestawienie: jeden dokument w wierszu."),
        QStringLiteral("plik"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Nie otwiera okna: sprawdza cały dokument regułami stron wprowadzania i wypisuje "
                       "jedną uwagę w wierszu (stan 0: bez uwag, 1: są uwagi)."));
    const QCommandLineOption data(
        QStringLiteral("data"),
        QStringLiteral("Plik danych (albo folder z plikami InfoQX*.iqx) dla --pdf, --export i --check; "
                       "to samo co nazwa pliku na końcu wiersza polecenia."),
        QStringLiteral("plik"));
    const QCommandLineOption importRegister(
        QStringLiteral("import-register"),
        QStringLiteral("Nie otwiera okna programu: zastępuje rejestr gmin GMINY.txt folderu pracy rejestrem "
                       "z pliku TERC pobranego z GUS (CSV, XML albo ZIP), zachowując poprzedni obok, i wypisuje, "
                       "co się zmieniło. Bez pliku pyta o plik w oknie wyboru."),
        QStringLiteral("[<plik>]"));
    const QList<QCommandLineOption> options{help, version, pdf, exportTo, check, data, importRegister, userFolder};

    QCommandLineParser parser;
    parser.addOptions(options);
    if (!parser.parse(withImportValue(arguments))) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(
                QStringLiteral("nieznana opcja: %1%2")
                    .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), unknown.first()));
        return usageError(QStringLiteral("błędna opcja (%1)").arg(parser.errorText()));
    }
    CommandLine c;
    if (parser.isSet(help)) {
        c.mode = CommandLine::Mode::Help;
        c.text = usageLine()
                 + QStringLiteral("Informacja w sprawie podatków i opłat lokalnych: wpisywanie danych "
                                  "i wydruk.\n\nOpcje:\n")
                 + optionTable(options)
                 + QStringLiteral("\nBez --user-folder program pracuje w bieżącym folderze: tam szuka\n"
                                  "rejestru gmin GMINY.txt i tam zapisuje dokument w pliku\n"
                                  "InfoQX<identyfikator>.iqx. Folder dokumentów użytkownika, tworzony\n"
                                  "przy pierwszym uruchomieniu z kopią rejestru gmin:\n  %1\n"
                                  "\n--pdf, --export i --check biorą dokument z plików danych podanych\n"
                                  "przez --data albo na końcu wiersza polecenia; folder oznacza wszystkie\n"
                                  "jego pliki InfoQX*.iqx w kolejności nazw. Bez nich biorą pierwszy plik\n"
                                  "InfoQX*.iqx folderu pracy, tak jak okno programu. Opis danych: eksport.md\n"
                                  "w dokumentacji programu.\n"
                                  "\n--import-register czyta rejestr TERC w postaci, w jakiej wydaje go GUS\n"
                                  "(eteryt.stat.gov.pl, Pobieranie plików, TERC, wersja urzędowa: CSV, XML\n"
                                  "albo ZIP z nimi) i zapisuje z niego GMINY.txt folderu pracy; poprzedni\n"
                                  "rejestr zostaje obok jako GMINY-poprzedni-<data>.txt.\n"
                                  "\nStan zakończenia:\n")
                       .arg(QDir::toNativeSeparators(userWorkFolder()))
                 + exitStatusTable();
        return c;
    }
    if (parser.isSet(version)) {
        c.mode = CommandLine::Mode::Version;
        c.text = QStringLiteral("Informacja QX %1\n").arg(programVersion());
        return c;
    }
    if (int(parser.isSet(pdf)) + int(parser.isSet(exportTo)) + int(parser.isSet(check))
            + int(parser.isSet(importRegister))
        > 1)
        return usageError(QStringLiteral("opcje --pdf, --export, --check i --import-register wykluczają się"));
    if (parser.isSet(importRegister)) {
        const QStringList files = parser.values(importRegister);
        if (files.size() > 1)
            return usageError(QStringLiteral("opcja --import-register podana więcej niż raz"));
        if (!parser.positionalArguments().isEmpty() || parser.isSet(data))
            return usageError(QStringLiteral("--import-register wczytuje jeden plik TERC (nieoczekiwany argument: %1)")
                                  .arg((parser.values(data) + parser.positionalArguments()).first()));
        c.mode = CommandLine::Mode::ImportRegister;
        c.importPath = files.first();
        c.userFolder = parser.isSet(userFolder);
        return c;
    }
    const QStringList pdfPaths = parser.values(pdf);
    if (pdfPaths.size() > 1)
        return usageError(QStringLiteral("opcja --pdf podana więcej niż raz"));
    if (!pdfPaths.isEmpty()) {
        if (pdfPaths.first().isEmpty())
            return usageError(QStringLiteral("pusta nazwa pliku po --pdf"));
        c.mode = CommandLine::Mode::Pdf;
        c.pdfPath = pdfPaths.first();
    }
    const QStringList exportPaths = parser.values(exportTo);
    if (exportPaths.size() > 1)
        return usageError(QStringLiteral("opcja --export podana więcej niż raz"));
    if (!exportPaths.isEmpty()) {
        const QString &path = exportPaths.first();
        if (!exportFormatOf(path))
            return usageError(QStringLiteral("plik po --export musi mieć rozszerzenie .json albo .csv (%1)").arg(path));
        c.mode = CommandLine::Mode::Export;
        c.exportPath = path;
    }
    if (parser.isSet(check))
        c.mode = CommandLine::Mode::Check;

    c.dataPaths = parser.values(data) + parser.positionalArguments();
    if (c.mode == CommandLine::Mode::Window && !c.dataPaths.isEmpty())
        return usageError(parser.positionalArguments().isEmpty()
                              ? QStringLiteral("opcja --data działa tylko z --pdf, --export albo --check")
                              : QStringLiteral("nieoczekiwany argument: %1").arg(parser.positionalArguments().first()));
    if (c.dataPaths.contains(QString()))
        return usageError(QStringLiteral("pusta nazwa pliku danych"));
    if (c.mode == CommandLine::Mode::Pdf && c.dataPaths.size() > 1)
        return usageError(QStringLiteral("--pdf zapisuje jeden dokument, a podano więcej plików danych (%1)")
                              .arg(c.dataPaths.join(QStringLiteral(", "))));
    c.userFolder = parser.isSet(userFolder);
    return c;
}

} // namespace iqx
