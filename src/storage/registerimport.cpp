#include "storage/registerimport.h"

#include "storage/cp1250.h"
#include "storage/platform.h"
#include "storage/registerscanner.h"
#include "storage/safefile.h"
#include "storage/terc.h"

#include <QFile>

namespace iqx {

namespace {

// The largest register in place that is read to keep a copy of it. The
// shipped one is 0.1 MB; an office's own is not much more.
constexpr qsizetype kMaxPreviousRegister = 64 * kMiB;

const QString kRegisterName = QString::fromLatin1(kRegisterFileName);

struct Bytes {
    std::optional<QByteArray> bytes;
    QString reason; // when no bytes: why, in Polish
};

QString openFailureReason(platform::OpenFailure failure, const QString &why)
{
    switch (failure) {
    case platform::OpenFailure::Missing:
        return QStringLiteral("plik nie istnieje");
    case platform::OpenFailure::Link:
        return QStringLiteral("to dowiązanie symboliczne, którego program nie otwiera");
    case platform::OpenFailure::Directory:
        return QStringLiteral("to folder, a nie plik");
    case platform::OpenFailure::NotRegular:
        return QStringLiteral("to nie jest zwykły plik (np. kolejka FIFO albo urządzenie)");
    default:
        return QStringLiteral("nie można go otworzyć: %1").arg(why);
    }
}

// The whole of the regular file at `path`, when it has at most `limit`
// bytes. Opening never follows a link or waits; the size is checked before
// anything is read, and the reading stops at the limit too.
Bytes readRegularFile(const QString &path, qsizetype limit)
{
    platform::OpenFailure failure = platform::OpenFailure::None;
    QString why;
    const platform::Handle handle = platform::openRegularForReading(platform::nativePath(path), &failure, &why);
    if (handle == platform::kNoHandle)
        return {std::nullopt, openFailureReason(failure, why)};
    QFile file;
    if (!platform::adoptForReading(file, handle, &why))
        return {std::nullopt, QStringLiteral("nie można go otworzyć: %1").arg(why)};
    const QString tooLarge = QStringLiteral("plik ma ponad %1 MiB").arg(limit / kMiB);
    if (file.size() > limit)
        return {std::nullopt, tooLarge};
    bool tooLong = false;
    std::optional<QByteArray> bytes = readBounded(file, limit, false, &tooLong, &why);
    if (!bytes)
        return {std::nullopt, tooLong ? tooLarge : QStringLiteral("błąd odczytu: %1").arg(why)};
    return {bytes, {}};
}

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

// A register the clerk made read-only (its permission bits let nobody write
// it) is kept, as the safe writer keeps any such file, for root too.
bool madeReadOnly(const QString &path)
{
    const platform::Status st = platform::statusOf(platform::nativePath(path));
    return st.kind == platform::Status::Regular && st.writableByNobody;
}

RegisterImport failed(RegisterImport::Outcome outcome, const QString &error)
{
    RegisterImport r;
    r.outcome = outcome;
    r.error = error;
    return r;
}

QString notWritten(const QString &registerPath, QString reason)
{
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return QStringLiteral("Nie zapisano rejestru gmin \"%1\": %2. Rejestr pozostał bez zmian.")
        .arg(shown(registerPath), reason);
}

// The register in the folder now, for a copy of it and the comparison:
// nullopt bytes and no error when there is none.
Bytes registerInPlace(const QString &path)
{
    const platform::Status st = platform::statusOf(platform::nativePath(path));
    if (st.kind == platform::Status::Missing)
        return {};
    if (st.kind == platform::Status::Link)
        return {std::nullopt, QStringLiteral("w jego miejscu jest dowiązanie symboliczne, a program nie zapisuje "
                                             "przez dowiązanie")};
    if (st.kind != platform::Status::Regular)
        return {std::nullopt, QStringLiteral("w jego miejscu jest folder albo plik specjalny")};
    Bytes b = readRegularFile(path, kMaxPreviousRegister);
    if (!b.bytes)
        b.reason = QStringLiteral("nie można odczytać obecnego rejestru, by zachować jego kopię (%1)").arg(b.reason);
    return b;
}

QStringList changesAgainst(const QByteArray &previous, const QList<RegisterLine> &lines, QStringList &summary)
{
    const std::optional<QList<RegisterLine>> before = registerFileLines(previous);
    if (!before) {
        summary << QStringLiteral("Poprzedniego rejestru nie można porównać z nowym: nie jest tekstem Windows-1250.");
        return {};
    }
    const QStringList changes = describeRegisterChanges(*before, lines);
    summary << (changes.isEmpty() ? QStringLiteral("Wykaz gmin się nie zmienił (inny był tylko zapis pliku).")
                                  : QStringLiteral("Zmiany względem poprzedniego rejestru: %1").arg(changes.size()));
    return changes;
}

} // namespace

std::optional<QByteArray> registerFileBytes(const QList<RegisterLine> &lines)
{
    QString text;
    for (const RegisterLine &l : lines)
        text += QStringLiteral("%1;%2;%3;%4;%5\r\n")
                    .arg(l.identifier, l.entry.voivodeship, l.entry.county, l.entry.municipality, l.entry.typeCode);
    return cp1250::encode(text);
}

std::optional<QList<RegisterLine>> registerFileLines(const QByteArray &bytes)
{
    if (cp1250::looksLikeUtf8(bytes))
        return std::nullopt;
    const std::optional<QString> text = cp1250::decode(bytes);
    if (!text)
        return std::nullopt;
    QList<RegisterLine> lines;
    for (QStringView line : QStringView(*text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype separator = line.indexOf(u';');
        lines.append({(separator < 0 ? line : line.first(separator)).toString(), parseRegisterLine(line.toString())});
    }
    return lines;
}

QString previousRegisterName(const QDir &folder, const QDate &date)
{
    const QString base = QStringLiteral("GMINY-poprzedni-%1").arg(date.toString(Qt::ISODate));
    QString name = base + QStringLiteral(".txt");
    for (int n = 2; entryExists(folder.filePath(name)); ++n)
        name = QStringLiteral("%1-%2.txt").arg(base).arg(n);
    return name;
}

RegisterReplacement replaceRegister(const QDir &folder, const std::optional<QByteArray> &previous,
                                    const QByteArray &bytes, const QDate &date)
{
    RegisterReplacement r;
    // The new register is written first, beside the old one; nothing under
    // either name changes until commit().
    AtomicFileWriter writer(folder, kRegisterName);
    writer.append(bytes);
    if (!writer.error().isEmpty()) {
        r.error = writer.error();
        return r;
    }
    if (previous) {
        r.keptAs = previousRegisterName(folder, date);
        if (QString error = writeFileAtomically(folder, r.keptAs, *previous); !error.isEmpty()) {
            r.keptAs.clear();
            r.error = error;
            return r;
        }
    }
    if (QString error = writer.commit(); !error.isEmpty()) {
        // The old register stays in place: its copy is not needed.
        if (!r.keptAs.isEmpty())
            removeEntry(folder.filePath(r.keptAs));
        r.keptAs.clear();
        r.error = error;
    }
    return r;
}

RegisterImport importRegister(const QString &tercPath, const QDir &folder, const QDate &today)
{
    auto badInput = [&tercPath](const QString &reason) {
        return failed(RegisterImport::BadInput,
                      QStringLiteral("Nie wczytano pliku TERC \"%1\": %2 Rejestr gmin pozostał bez zmian.")
                          .arg(shown(tercPath), reason));
    };
    const Bytes input = readRegularFile(tercPath, kMaxTercBytes);
    if (!input.bytes)
        return badInput(input.reason + QLatin1Char('.'));
    const TercRows rows = readTerc(*input.bytes);
    if (!rows.error.isEmpty())
        return badInput(rows.error);
    const TercRegister made = tercRegister(rows.rows);
    if (!made.error.isEmpty())
        return badInput(made.error);
    const std::optional<QByteArray> bytes = registerFileBytes(made.lines);
    if (!bytes) // every name was checked; kept in case a check is ever dropped
        return badInput(QStringLiteral("Nazwa spoza kodowania Windows-1250."));

    const QString registerPath = folder.absoluteFilePath(kRegisterName);
    const Bytes previous = registerInPlace(registerPath);
    if (!previous.reason.isEmpty())
        return failed(RegisterImport::NotWritten, notWritten(registerPath, previous.reason));

    RegisterImport r;
    const QString counted = QStringLiteral("Gmin: %1, stan na %2.").arg(made.lines.size()).arg(made.stateDate);
    if (previous.bytes == bytes) {
        r.outcome = RegisterImport::Unchanged;
        r.summary << QStringLiteral("Rejestr gmin \"%1\" jest aktualny: plik \"%2\" daje ten sam rejestr. Niczego "
                                    "nie zmieniono.")
                         .arg(shown(registerPath), shown(tercPath))
                  << counted;
        return r;
    }
    // Checked here, after the comparison: a read-only register that already
    // holds this register is up to date, not a failure.
    if (madeReadOnly(registerPath))
        return failed(RegisterImport::NotWritten,
                      notWritten(registerPath, QStringLiteral("plik jest tylko do odczytu, a program takiego pliku "
                                                              "nie zastępuje")));
    const RegisterReplacement replaced = replaceRegister(folder, previous.bytes, *bytes, today);
    if (!replaced.error.isEmpty())
        return failed(RegisterImport::NotWritten, notWritten(registerPath, replaced.error));
    r.outcome = RegisterImport::Replaced;
    r.summary << QStringLiteral("Zaktualizowano rejestr gmin \"%1\"").arg(shown(registerPath))
              << QStringLiteral("z pliku \"%1\" (%2).").arg(shown(tercPath), rows.form) << counted;
    if (!previous.bytes) {
        r.summary << QStringLiteral("W folderze nie było rejestru gmin; zapisano nowy.");
        return r;
    }
    r.summary << QStringLiteral("Poprzedni rejestr zachowano w pliku \"%1\".")
                     .arg(shown(folder.absoluteFilePath(replaced.keptAs)));
    r.changes = changesAgainst(*previous.bytes, made.lines, r.summary);
    return r;
}

} // namespace iqx
