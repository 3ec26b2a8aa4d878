#include "support/tercsamples.h"

#include "storage/cp1250.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <zip.h>

namespace tercsamples {

namespace {

QByteArray readSample(const char *name)
{
    QFile f(qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/data/terc/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// `bytes` with the first `from` replaced by `to`; the sample must hold it.
QByteArray replaced(QByteArray bytes, const QByteArray &from, const QByteArray &to)
{
    const qsizetype at = bytes.indexOf(from);
    Q_ASSERT(at >= 0);
    return bytes.replace(at, from.size(), to);
}

QByteArray u8(const char *text) { return QByteArray(text); }

const QByteArray kGromadka = u8("02;01;03;2;Gromadka;gmina wiejska;2024-01-01\r\n");

} // namespace

QByteArray gusCsv() { return readSample("TERC_Urzedowy_2025-03-20.csv"); }

QByteArray gusXml() { return readSample("TERC_2024-01-01.xml"); }

QByteArray spreadsheetCsv()
{
    QString text = QString::fromUtf8(gusCsv().mid(3)); // without the byte order mark
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (text.endsWith(QStringLiteral("\n\n")))
        text.chop(1);
    return iqx::cp1250::encode(text).value_or(QByteArray());
}

QByteArray zipOf(const QList<std::pair<QString, QByteArray>> &members)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("terc.zip")));
    int error = 0;
    zip_t *archive = zip_open(path.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return {};
    for (const auto &[name, bytes] : members) {
        // The bytes stay with the caller until zip_close() has written them.
        zip_source_t *source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!source || zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return {};
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return {};
    }
    QFile f(QFile::decodeName(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray tercCsvOf(const QByteArray &registerBytes, const QString &date)
{
    static const char *const kinds[] = {"gmina miejska", "gmina wiejska", "gmina miejsko-wiejska"};
    const QString text = iqx::cp1250::decode(registerBytes).value_or(QString());
    QString csv = QStringLiteral("\uFEFFWOJ;POW;GMI;RODZ;NAZWA;NAZWA_DOD;STAN_NA\r\n");
    QString voivodeship, county;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char(';'));
        const QString id = f[0];
        if (id.left(2) != voivodeship)
            csv += QStringLiteral("%1;;;;%2;województwo;%3\r\n").arg(id.left(2), f[1].toUpper(), date);
        if (id.left(4) != county)
            csv += QStringLiteral("%1;%2;;;%3;powiat;%4\r\n").arg(id.left(2), id.mid(2, 2), f[2], date);
        voivodeship = id.left(2);
        county = id.left(4);
        csv += QStringLiteral("%1;%2;%3;%4;%5;%6;%7\r\n")
                   .arg(id.left(2), id.mid(2, 2), id.mid(4, 2), id.mid(6, 1), f[3],
                        QLatin1String(kinds[id.mid(6, 1).toInt() - 1]), date);
    }
    return (csv + QStringLiteral("\r\n")).toUtf8();
}

QList<Refused> refusedFiles()
{
    const QByteArray csv = gusCsv();
    const QByteArray xml = gusXml();
    const QByteArray mark("\xEF\xBB\xBF");
    const QByteArray header = mark + "WOJ;POW;GMI;RODZ;NAZWA;NAZWA_DOD;STAN_NA\r\n";
    const QByteArray zip = zipOf(
        {{QStringLiteral("TERC_Urzedowy_2024-01-01.csv"), csv}, {QStringLiteral("TERC_Urzedowy_2024-01-01.xml"), xml}});
    QList<std::pair<QString, QByteArray>> many;
    for (int i = 0; i < 65; ++i)
        many.append({QStringLiteral("%1.txt").arg(i), QByteArray("x")});
    // An XML whose rows are cut off in the middle of one, at a tag.
    const qsizetype middle = xml.indexOf("<NAZWA>", xml.size() / 2) + 7;
    return {
        {"another GUS register (SIMC)",
         mark
             + u8("WOJ;POW;GMI;RODZ_GMI;RM;MZ;NAZWA;SYM;SYMPOD;STAN_NA\r\n"
                  "02;01;01;1;01;1;Bolesławiec;0935989;0935989;2024-01-01\r\n"),
         QStringLiteral("SIMC")},
        {"another GUS register (ULIC)", mark + u8("WOJ;POW;GMI;RODZ_GMI;SYM;SYM_UL;CECHA;NAZWA_1;NAZWA_2;STAN_NA\r\n"),
         QStringLiteral("To nie jest plik TERC")},
        {"an empty file", QByteArray(), QStringLiteral("pusty")},
        {"a byte order mark alone", mark + "\r\n", QStringLiteral("pusty")},
        {"the header alone", header + "\r\n", QStringLiteral("tylko wiersz nagłówka")},
        {"a cut row", csv.left(csv.indexOf(kGromadka) + 15),
         QStringLiteral("wiersz 6 ma 5 pól zamiast 7 (wiersz urwany")},
        {"an empty line between rows", replaced(csv, kGromadka, "\r\n" + kGromadka),
         QStringLiteral("wiersz 6 jest pusty.")},
        {"a cut XML", xml.left(middle), QStringLiteral("urwany")},
        {"a cut zip", zip.left(zip.size() - 30), QStringLiteral("Archiwum ZIP jest uszkodzone albo urwane")},
        {"a zip of a cut CSV", zipOf({{QStringLiteral("TERC.csv"), csv.left(csv.indexOf(kGromadka) + 15)}}),
         QStringLiteral("Archiwum ZIP, plik TERC.csv: wiersz 6 ma 5 pól zamiast 7")},
        {"a gmina without its county row", replaced(csv, u8("02;01;;;bolesławiecki;powiat;2024-01-01\r\n"), ""),
         QStringLiteral("wiersz 3: gmina 0201011 Bolesławiec nie ma w pliku wiersza swojego powiatu")},
        {"a gmina without its voivodeship row", replaced(csv, u8("02;;;;DOLNOŚLĄSKIE;województwo;2024-01-01\r\n"), ""),
         QStringLiteral("województwa (kod 02)")},
        {"an identifier twice", replaced(csv, kGromadka, kGromadka + kGromadka),
         QStringLiteral("wiersz 7: kod 0201032 powtarza się (pierwszy raz: wiersz 6)")},
        {"a code that lost its leading zero",
         replaced(csv, kGromadka, "2;01;03;2;Gromadka;gmina wiejska;2024-01-01\r\n"),
         QStringLiteral("wiersz 6: kod WOJ \"2\"")},
        {"a code with a letter", replaced(csv, kGromadka, "02;01;0x;2;Gromadka;gmina wiejska;2024-01-01\r\n"),
         QStringLiteral("wiersz 6: kod GMI \"0x\"")},
        {"a kind of two digits", replaced(csv, kGromadka, "02;01;03;22;Gromadka;gmina wiejska;2024-01-01\r\n"),
         QStringLiteral("wiersz 6: kod RODZ \"22\"")},
        {"a control character in a name", replaced(csv, "Gromadka", "Grom\tadka"),
         QStringLiteral("wiersz 6: pole NAZWA zawiera znak sterujący (kod 0x09)")},
        {"a ';' in a name (XML)", replaced(xml, "<NAZWA>Gromadka</NAZWA>", "<NAZWA>Grom;adka</NAZWA>"),
         QStringLiteral("wiersz 5 (element <row> w linii 40): pole NAZWA \"Grom;adka\" zawiera średnik")},
        {"a control character written as a reference (XML)",
         replaced(xml, "<NAZWA>Gromadka</NAZWA>", "<NAZWA>Grom&#9;adka</NAZWA>"),
         QStringLiteral("wiersz 5 (element <row> w linii 40): pole NAZWA zawiera znak sterujący (kod 0x09)")},
        {"a name outside Windows-1250", replaced(csv, "Gromadka", u8("Громадка")),
         QStringLiteral("wiersz 6: nazwa \"Громадка\" zawiera znak spoza kodowania Windows-1250")},
        {"a date that is none", replaced(csv, kGromadka, "02;01;03;2;Gromadka;gmina wiejska;2024-02-30\r\n"),
         QStringLiteral("wiersz 6: data STAN_NA \"2024-02-30\"")},
        {"damaged UTF-8",
         replaced(csv, "Gromadka",
                  "Grom\xFF"
                  "adka"),
         QStringLiteral("wiersz 6 nie jest poprawnym")},
        // UTF-8 without its mark, but for one word in Windows-1250: read as
        // Windows-1250, the names come out as "Ĺ‚" for "ł", and a line of
        // them is what the lookup takes for a register in UTF-8.
        {"UTF-8 and Windows-1250 in one file",
         header.mid(3)
             + "02;;;;DOLNOSLASKIE;wojew\xF3"
               "dztwo;2024-01-01\r\n"
             + u8("02;01;;;bolesławiecki;powiat;2024-01-01\r\n02;01;01;1;Bolesławiec;gmina miejska;2024-01-01\r\n"),
         QStringLiteral("wiersz 4: nazwy gminy 0201011 wyglądają na tekst UTF-8 odczytany jako Windows-1250")},
        {"neither UTF-8 nor Windows-1250",
         replaced(spreadsheetCsv(), "Gromadka",
                  "Grom\x98"
                  "adka"),
         QStringLiteral("bajt 0x98 w wierszu 6")},
        {"an XML with a document type declaration",
         replaced(xml, "<teryt>", "<!DOCTYPE teryt [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]><teryt>"),
         QStringLiteral("DOCTYPE")},
        {"an XML with an entity", replaced(xml, "<NAZWA>Gromadka</NAZWA>", "<NAZWA>&gromadka;</NAZWA>"),
         QStringLiteral("encji \"&gromadka;\" (linia 45)")},
        {"an XML in UTF-16",
         QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(QStringLiteral("<teryt/>").utf16()), 16),
         QStringLiteral("UTF-8")},
        {"an XML of another catalog", replaced(xml, "name=\"TERC\"", "name=\"SIMC\""),
         QStringLiteral("katalog \"SIMC\"")},
        {"an XML row with a field TERC has not", replaced(xml, "<RODZ>2</RODZ>", "<RODZ_GMI>2</RODZ_GMI>"),
         QStringLiteral("pole <RODZ_GMI>")},
        {"over the size limit", QByteArray(8 * 1024 * 1024 + 1, 'x'), QStringLiteral("ponad 8 MiB")},
        {"a zip whose member unpacks to over the limit",
         zipOf({{QStringLiteral("TERC.csv"), header + QByteArray(9 * 1024 * 1024, ';')}}),
         QStringLiteral("ponad 8 MiB")},
        {"a zip with neither CSV nor XML", zipOf({{QStringLiteral("TERC.txt"), csv}}),
         QStringLiteral("nie zawiera pliku CSV ani XML")},
        {"a zip with two CSV files", zipOf({{QStringLiteral("a.csv"), csv}, {QStringLiteral("b.csv"), csv}}),
         QStringLiteral("więcej niż jeden plik CSV")},
        {"a zip of too many members", zipOf(many), QStringLiteral("65 plików")},
    };
}

} // namespace tercsamples
