#include "storage/terc.h"

#include "storage/cp1250.h"
#include "storage/zipreader.h"

#include <QDate>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>

namespace iqx {

namespace {

const QLatin1StringView kHeader("WOJ;POW;GMI;RODZ;NAZWA;NAZWA_DOD;STAN_NA");
const QByteArray kByteOrderMark("\xEF\xBB\xBF");

TercRows refused(const QString &error)
{
    TercRows r;
    r.error = error;
    return r;
}

// --- Text -------------------------------------------------------------------

// The length of the valid UTF-8 sequence at `i`, a byte of 0x80 or more;
// 0 when there is none (overlong forms, surrogates and code points beyond
// U+10FFFF are not valid).
int utf8SequenceAt(QByteArrayView bytes, qsizetype i)
{
    const auto c = static_cast<unsigned char>(bytes[i]);
    const int length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > bytes.size())
        return 0;
    // The second byte's range rules out the forms that are not valid.
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    const unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high)
        return 0;
    for (int k = 2; k < length; ++k)
        if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

// The offset of the first byte that is not part of valid UTF-8, or -1 when
// all of `bytes` is. Sets `polishLetters` when a sequence before it is a
// Polish letter's (0xC3 for ó, 0xC4 and 0xC5 for the rest).
qsizetype firstInvalidUtf8(QByteArrayView bytes, bool *polishLetters)
{
    *polishLetters = false;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const int length = utf8SequenceAt(bytes, i);
        if (length == 0)
            return i;
        *polishLetters = *polishLetters || (c >= 0xC3 && c <= 0xC5);
        i += length;
    }
    return -1;
}

int lineOfOffset(QByteArrayView bytes, qsizetype offset) { return int(bytes.first(offset).count('\n')) + 1; }

struct Text {
    QString text;
    QString error;
};

// The CSV's text: UTF-8 (with a mark, or without one when every byte is
// valid UTF-8), else Windows-1250, as a spreadsheet saves it again. Bytes
// that are UTF-8 up to a damaged spot (Polish letters encoded so before it)
// are damaged UTF-8, never Windows-1250 read as garbled letters.
Text decodeCsv(const QByteArray &bytes)
{
    const bool mark = bytes.startsWith(kByteOrderMark);
    const QByteArrayView body = QByteArrayView(bytes).sliced(mark ? kByteOrderMark.size() : 0);
    bool polishLetters = false;
    const qsizetype invalid = firstInvalidUtf8(body, &polishLetters);
    if (invalid < 0)
        return {QString::fromUtf8(body), {}};
    if (mark || polishLetters)
        return {{},
                QStringLiteral("Plik jest w kodowaniu UTF-8, ale wiersz %1 nie jest poprawnym tekstem UTF-8 (plik "
                               "uszkodzony albo urwany).")
                    .arg(lineOfOffset(body, invalid))};
    const std::optional<QString> text = cp1250::decode(bytes);
    if (!text) {
        qsizetype at = 0;
        while (at < bytes.size() && cp1250::decode(bytes.mid(at, 1)))
            ++at;
        return {
            {},
            QStringLiteral("Plik nie jest tekstem ani w kodowaniu UTF-8, ani Windows-1250 (bajt 0x%1 w wierszu %2).")
                .arg(QString::number(static_cast<unsigned char>(bytes[at]), 16).toUpper())
                .arg(lineOfOffset(bytes, at))};
    }
    return {*text, {}};
}

// --- CSV --------------------------------------------------------------------

QString headerRefusal(const QString &header)
{
    QString shown = header.left(80);
    if (header.size() > 80)
        shown += QStringLiteral("…");
    const bool otherTeryt = header.startsWith(QLatin1String("WOJ;")) || header.startsWith(QLatin1String("RM;"));
    return QStringLiteral("To nie jest plik TERC: jego pierwszy wiersz to \"%1\", a plik TERC zaczyna się od \"%2\".%3")
        .arg(shown, kHeader,
             otherTeryt ? QStringLiteral(" To plik innego rejestru TERYT (np. SIMC albo ULIC); potrzebny jest TERC.")
                        : QString());
}

// "2 pola", "5 pól": a number of fields in words.
QString fieldCount(qsizetype n)
{
    const qsizetype units = n % 10, tens = n % 100 / 10;
    const char *word = n == 1 ? "pole" : units >= 2 && units <= 4 && tens != 1 ? "pola" : "pól";
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(word));
}

} // namespace

TercRows readTercCsv(const QByteArray &bytes)
{
    const Text decoded = decodeCsv(bytes);
    if (!decoded.error.isEmpty())
        return refused(decoded.error);
    QStringList lines = decoded.text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    // GUS ends the file with an empty line; a spreadsheet may not.
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return refused(QStringLiteral("Plik jest pusty."));
    if (lines.first() != kHeader)
        return refused(headerRefusal(lines.first()));
    if (lines.size() == 1)
        return refused(QStringLiteral("Plik ma tylko wiersz nagłówka, bez żadnej jednostki."));

    TercRows r;
    r.form = QStringLiteral("CSV");
    r.rows.reserve(lines.size() - 1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString where = QStringLiteral("wiersz %1").arg(i + 1);
        const QStringList f = lines[i].split(QLatin1Char(';'));
        if (lines[i].isEmpty())
            return refused(QStringLiteral("%1 jest pusty.").arg(where));
        if (f.size() != 7) {
            const bool cut = i + 1 == lines.size() && f.size() < 7;
            return refused(QStringLiteral("%1 ma %2 zamiast 7%3.")
                               .arg(where, fieldCount(f.size()),
                                    cut ? QStringLiteral(" (wiersz urwany: plik jest niepełny)") : QString()));
        }
        r.rows.append({where, f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
    }
    return r;
}

// --- XML --------------------------------------------------------------------

namespace {

// What the XML reader is never let near: a document type declaration (the
// place entities are declared) and references to entities other than the
// five every XML knows. Found in the bytes, before any parsing; a file in
// UTF-16 or another encoding, where they would hide, is refused too.
QString forbiddenXml(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith(QByteArray(1, '\0'))
        || bytes.contains('\0'))
        return QStringLiteral("Plik XML nie jest w kodowaniu UTF-8, w którym GUS wydaje TERC.");
    if (bytes.contains("<!DOCTYPE"))
        return QStringLiteral("Plik XML zawiera deklarację typu dokumentu (<!DOCTYPE>), której plik TERC nie ma; "
                              "program takiego pliku nie czyta.");
    static const std::array<QByteArrayView, 5> predefined{"lt", "gt", "amp", "apos", "quot"};
    for (qsizetype at = bytes.indexOf('&'); at >= 0; at = bytes.indexOf('&', at + 1)) {
        const qsizetype end = bytes.indexOf(';', at);
        const QByteArrayView name = end < 0 ? QByteArrayView() : QByteArrayView(bytes).sliced(at + 1, end - at - 1);
        if (name.startsWith('#') || std::find(predefined.begin(), predefined.end(), name) != predefined.end())
            continue;
        const QByteArrayView shown =
            QByteArrayView(bytes).sliced(at, std::min<qsizetype>(end < 0 ? 1 : end - at + 1, 24));
        return QStringLiteral("Plik XML zawiera odwołanie do encji \"%1\" (linia %2); plik TERC ich nie używa, "
                              "a program takiego pliku nie czyta.")
            .arg(QString::fromUtf8(shown))
            .arg(lineOfOffset(bytes, at));
    }
    return {};
}

QString xmlError(const QXmlStreamReader &xml)
{
    if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return QStringLiteral("Plik XML jest urwany (kończy się w linii %1 przed zamknięciem elementów).")
            .arg(xml.lineNumber());
    return QStringLiteral("Plik XML jest uszkodzony (linia %1, kolumna %2: %3).")
        .arg(xml.lineNumber())
        .arg(xml.columnNumber())
        .arg(xml.errorString());
}

// Moves to the next start element inside the current element; false at its
// end, at the end of the document or on an error (`error`, or the reader's).
// Comments and processing instructions are passed over, text other than
// white space between elements is an error.
bool nextElement(QXmlStreamReader &xml, QString &error)
{
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            return true;
        case QXmlStreamReader::EndElement:
            return false;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            error = QStringLiteral("Plik XML zawiera deklarację typu dokumentu albo encję (linia %1); program "
                                   "takiego pliku nie czyta.")
                        .arg(xml.lineNumber());
            return false;
        case QXmlStreamReader::Characters:
            if (!xml.isWhitespace()) {
                error = QStringLiteral("Plik XML ma tekst poza polami wiersza (linia %1).").arg(xml.lineNumber());
                return false;
            }
            break;
        default:
            break;
        }
    }
    return false;
}

// The row's field of an element's name, or nullptr.
QString *fieldOf(TercRow &row, QStringView name)
{
    const std::array<std::pair<QLatin1StringView, QString *>, 7> fields{{
        {QLatin1StringView("WOJ"), &row.woj},
        {QLatin1StringView("POW"), &row.pow},
        {QLatin1StringView("GMI"), &row.gmi},
        {QLatin1StringView("RODZ"), &row.rodz},
        {QLatin1StringView("NAZWA"), &row.name},
        {QLatin1StringView("NAZWA_DOD"), &row.extra},
        {QLatin1StringView("STAN_NA"), &row.date},
    }};
    for (const auto &[n, field] : fields)
        if (name == n)
            return field;
    return nullptr;
}

// The fields of one <row>, each once; empty on success, else the reason.
QString readXmlRow(QXmlStreamReader &xml, TercRow &row)
{
    QStringList seen;
    QString error;
    while (nextElement(xml, error)) {
        const QString name = xml.name().toString();
        QString *field = fieldOf(row, name);
        if (!field)
            return QStringLiteral("%1: pole <%2>, którego plik TERC nie ma (plik innego rejestru TERYT?).")
                .arg(row.where, name);
        if (seen.contains(name))
            return QStringLiteral("%1: pole <%2> występuje dwa razy.").arg(row.where, name);
        seen << name;
        *field = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (xml.hasError())
            return xmlError(xml);
    }
    if (!error.isEmpty())
        return error;
    if (xml.hasError())
        return xmlError(xml);
    if (seen.size() != 7)
        return QStringLiteral("%1: brak pól (jest %2 z 7: WOJ, POW, GMI, RODZ, NAZWA, NAZWA_DOD, STAN_NA).")
            .arg(row.where)
            .arg(seen.size());
    return {};
}

// The <row>s of <catalog name="TERC">, the reader on its start element.
QString readXmlCatalog(QXmlStreamReader &xml, TercRows &r)
{
    const QString catalog = xml.attributes().value(QLatin1String("name")).toString();
    if (catalog != QLatin1String("TERC"))
        return QStringLiteral("To nie jest plik TERC: katalog \"%1\" (plik innego rejestru TERYT?).").arg(catalog);
    QString error;
    while (nextElement(xml, error)) {
        if (xml.name() != QLatin1String("row"))
            return QStringLiteral("Plik XML: element <%1> zamiast <row> (linia %2).")
                .arg(xml.name().toString())
                .arg(xml.lineNumber());
        TercRow row;
        row.where = QStringLiteral("wiersz %1 (element <row> w linii %2)").arg(r.rows.size() + 1).arg(xml.lineNumber());
        if (QString e = readXmlRow(xml, row); !e.isEmpty())
            return e;
        r.rows.append(row);
    }
    return error;
}

QString readXmlDocument(QXmlStreamReader &xml, TercRows &r)
{
    QString error;
    if (!nextElement(xml, error))
        return !error.isEmpty() ? error
               : xml.hasError() ? xmlError(xml)
                                : QStringLiteral("Plik XML nie zawiera żadnego elementu.");
    if (xml.name() != QLatin1String("teryt"))
        return QStringLiteral("To nie jest plik TERC: element główny <%1> zamiast <teryt>.").arg(xml.name().toString());
    int catalogs = 0;
    while (nextElement(xml, error)) {
        if (xml.name() != QLatin1String("catalog") || ++catalogs > 1)
            return QStringLiteral("Plik XML: nieoczekiwany element <%1> (linia %2); plik TERC ma jeden <catalog>.")
                .arg(xml.name().toString())
                .arg(xml.lineNumber());
        if (QString e = readXmlCatalog(xml, r); !e.isEmpty())
            return e;
    }
    if (!error.isEmpty())
        return error;
    // Whatever follows the root element (only comments may) is read too: a
    // cut or damaged file shows here.
    while (!xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (xml.hasError())
        return xmlError(xml);
    if (catalogs == 0)
        return QStringLiteral("Plik XML nie zawiera katalogu TERC (<catalog name=\"TERC\">).");
    if (r.rows.isEmpty())
        return QStringLiteral("Katalog TERC w pliku XML nie zawiera żadnego wiersza (<row>).");
    return {};
}

} // namespace

TercRows readTercXml(const QByteArray &bytes)
{
    if (QString e = forbiddenXml(bytes); !e.isEmpty())
        return refused(e);
    QXmlStreamReader xml(bytes);
    TercRows r;
    r.form = QStringLiteral("XML");
    if (QString e = readXmlDocument(xml, r); !e.isEmpty())
        return refused(e);
    return r;
}

// --- Zip --------------------------------------------------------------------

namespace {

struct Members {
    QList<qint64> csv, xml;
};

Members tercMembers(const ZipReader &zip)
{
    Members m;
    for (qint64 i = 0; i < zip.memberCount(); ++i) {
        const QString name = zip.name(i);
        if (name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            m.csv << i;
        else if (name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive))
            m.xml << i;
    }
    return m;
}

} // namespace

TercRows readTercZip(const QByteArray &bytes)
{
    const ZipReader zip(bytes);
    if (!zip.isOpen())
        return refused(QStringLiteral("Archiwum ZIP jest uszkodzone albo urwane (%1).").arg(zip.error()));
    if (zip.memberCount() > kMaxZipMembers)
        return refused(QStringLiteral("Archiwum ZIP ma %1 plików; archiwum TERC od GUS ma dwa (CSV i XML).")
                           .arg(zip.memberCount()));
    const Members m = tercMembers(zip);
    // The CSV when there is one: it carries everything the register needs,
    // and GUS makes the XML beside it from the same rows.
    const QList<qint64> &chosen = m.csv.isEmpty() ? m.xml : m.csv;
    if (chosen.isEmpty())
        return refused(QStringLiteral("Archiwum ZIP nie zawiera pliku CSV ani XML."));
    if (chosen.size() > 1)
        return refused(QStringLiteral("Archiwum ZIP zawiera więcej niż jeden plik %1 (%2, %3); nie wiadomo, który "
                                      "wczytać.")
                           .arg(m.csv.isEmpty() ? QStringLiteral("XML") : QStringLiteral("CSV"), zip.name(chosen[0]),
                                zip.name(chosen[1])));
    const qint64 index = chosen.first();
    const QString name = zip.name(index);
    // The size the archive declares is checked before anything is inflated;
    // the reading itself stops at the limit too, whatever was declared.
    const std::optional<quint64> declared = zip.declaredSize(index);
    QString reason;
    std::optional<QByteArray> member;
    if (declared && *declared > quint64(kMaxTercBytes))
        reason = QStringLiteral("plik w archiwum ma po rozpakowaniu ponad %1 MiB").arg(kMaxTercBytes / kMiB);
    else
        member = zip.read(index, kMaxTercBytes, &reason);
    if (!member)
        return refused(QStringLiteral("Archiwum ZIP, plik %1: %2.").arg(name, reason));
    TercRows r = m.csv.isEmpty() ? readTercXml(*member) : readTercCsv(*member);
    if (!r.error.isEmpty())
        r.error = QStringLiteral("Archiwum ZIP, plik %1: %2").arg(name, r.error);
    r.form = QStringLiteral("%1 z archiwum ZIP: %2").arg(r.form.isEmpty() ? QStringLiteral("plik") : r.form, name);
    return r;
}

TercRows readTerc(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return refused(QStringLiteral("Plik jest pusty."));
    if (bytes.size() > kMaxTercBytes)
        return refused(QStringLiteral("Plik ma ponad %1 MiB; cały TERC to około 0,2 MB jako CSV i 1 MB jako XML.")
                           .arg(kMaxTercBytes / kMiB));
    if (bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06"))
        return readTercZip(bytes);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return refused(QStringLiteral("Plik jest w kodowaniu UTF-16; GUS wydaje TERC w UTF-8."));
    qsizetype at = bytes.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n'))
        ++at;
    if (at < bytes.size() && bytes[at] == '<')
        return readTercXml(bytes);
    return readTercCsv(bytes);
}

// --- Rows to the register ---------------------------------------------------

namespace {

bool allDigits(const QString &s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Empty when `code` (the field `field`) has `length` digits, or may be empty
// and is.
QString codeRefusal(const QString &field, const QString &code, int length, bool mayBeEmpty)
{
    if ((mayBeEmpty && code.isEmpty()) || (code.size() == length && allDigits(code)))
        return {};
    QString why = length == 1 ? QStringLiteral("jedną cyfrą") : QStringLiteral("liczbą %1-cyfrową").arg(length);
    QString hint;
    if (code.size() < length && !code.isEmpty() && allDigits(code))
        hint = QStringLiteral(" (arkusz kalkulacyjny mógł usunąć zero z początku kodu)");
    return QStringLiteral("kod %1 \"%2\" nie jest %3%4.").arg(field, code, why, hint);
}

// The first control character of `text` (C0, DEL, C1), or a null QChar.
QChar controlCharacter(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            return c;
    return {};
}

QString nameRefusal(const QString &field, const QString &name)
{
    if (const QChar c = controlCharacter(name); !c.isNull())
        return QStringLiteral("pole %1 zawiera znak sterujący (kod 0x%2).")
            .arg(field, QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0')));
    if (name.contains(QLatin1Char(';')))
        return QStringLiteral("pole %1 \"%2\" zawiera średnik, który w rejestrze gmin rozdziela pola.")
            .arg(field, name);
    if (field == QLatin1String("NAZWA") && name.trimmed().isEmpty())
        return QStringLiteral("pusta nazwa.");
    if (field == QLatin1String("NAZWA") && !cp1250::representable(name))
        return QStringLiteral("nazwa \"%1\" zawiera znak spoza kodowania Windows-1250 rejestru gmin.").arg(name);
    return {};
}

// STAN_NA as YYYY-MM-DD; a spreadsheet may have written DD.MM.YYYY.
std::optional<QString> isoDate(const QString &text)
{
    for (const char *format : {"yyyy-MM-dd", "dd.MM.yyyy"}) {
        const QDate d = QDate::fromString(text, QLatin1String(format));
        if (d.isValid() && text.size() == 10)
            return d.toString(Qt::ISODate);
    }
    return std::nullopt;
}

QString rowRefusal(const TercRow &row)
{
    QString e = codeRefusal(QStringLiteral("WOJ"), row.woj, 2, false);
    if (e.isEmpty())
        e = codeRefusal(QStringLiteral("POW"), row.pow, 2, true);
    if (e.isEmpty())
        e = codeRefusal(QStringLiteral("GMI"), row.gmi, 2, true);
    if (e.isEmpty())
        e = codeRefusal(QStringLiteral("RODZ"), row.rodz, 1, true);
    if (e.isEmpty() && ((row.pow.isEmpty() && !row.gmi.isEmpty()) || row.gmi.isEmpty() != row.rodz.isEmpty()))
        e = QStringLiteral("niepełny zestaw kodów (WOJ \"%1\", POW \"%2\", GMI \"%3\", RODZ \"%4\").")
                .arg(row.woj, row.pow, row.gmi, row.rodz);
    if (e.isEmpty())
        e = nameRefusal(QStringLiteral("NAZWA"), row.name);
    if (e.isEmpty())
        e = nameRefusal(QStringLiteral("NAZWA_DOD"), row.extra);
    if (e.isEmpty() && !isoDate(row.date))
        e = QStringLiteral("data STAN_NA \"%1\" nie jest datą RRRR-MM-DD.").arg(row.date);
    return e.isEmpty() ? e : QStringLiteral("%1: %2").arg(row.where, e);
}

QString typeCodeOf(const QString &rodz)
{
    return rodz == QLatin1String("1")   ? QStringLiteral("GM")
           : rodz == QLatin1String("2") ? QStringLiteral("GW")
                                        : QStringLiteral("MW");
}

TercRegister registerRefused(const QString &error)
{
    TercRegister r;
    r.error = error;
    return r;
}

} // namespace

TercRegister tercRegister(const QList<TercRow> &rows)
{
    QHash<QString, QString> voivodeships, counties; // by WOJ, by WOJ POW: the name
    QHash<QString, QString> firstSeen;              // by WOJ POW GMI RODZ: where
    QList<const TercRow *> gminas;
    TercRegister r;
    for (const TercRow &row : rows) {
        if (QString e = rowRefusal(row); !e.isEmpty())
            return registerRefused(e);
        const QString code = row.woj + row.pow + row.gmi + row.rodz;
        if (const auto seen = firstSeen.constFind(code); seen != firstSeen.cend())
            return registerRefused(
                QStringLiteral("%1: kod %2 powtarza się (pierwszy raz: %3).").arg(row.where, code, *seen));
        firstSeen.insert(code, row.where);
        if (row.pow.isEmpty())
            voivodeships.insert(row.woj, row.name);
        else if (row.gmi.isEmpty())
            counties.insert(row.woj + row.pow, row.name);
        else if (row.rodz == QLatin1String("1") || row.rodz == QLatin1String("2") || row.rodz == QLatin1String("3"))
            gminas << &row;
        r.stateDate = std::max(r.stateDate, *isoDate(row.date));
    }
    if (gminas.isEmpty())
        return registerRefused(QStringLiteral("Plik nie zawiera żadnej gminy (wiersza z RODZ 1, 2 albo 3)."));
    r.lines.reserve(gminas.size());
    for (const TercRow *g : gminas) {
        const QString identifier = g->woj + g->pow + g->gmi + g->rodz;
        const auto voivodeship = voivodeships.constFind(g->woj);
        const auto county = counties.constFind(g->woj + g->pow);
        if (county == counties.cend() || voivodeship == voivodeships.cend())
            return registerRefused(
                QStringLiteral("%1: gmina %2 %3 nie ma w pliku wiersza swojego %4 (kod %5).")
                    .arg(g->where, identifier, g->name,
                         county == counties.cend() ? QStringLiteral("powiatu") : QStringLiteral("województwa"),
                         county == counties.cend() ? g->woj + g->pow : g->woj));
        // Lower case may need letters upper case did not (a dotted capital
        // I becomes two characters).
        const QString voivodeshipName = voivodeship->toLower();
        if (!cp1250::representable(voivodeshipName))
            return registerRefused(QStringLiteral("%1: nazwa województwa \"%2\" małymi literami zawiera znak spoza "
                                                  "kodowania Windows-1250.")
                                       .arg(g->where, *voivodeship));
        RegisterLine line{identifier, {voivodeshipName, *county, g->name, typeCodeOf(g->rodz)}};
        // A line whose Windows-1250 bytes are UTF-8 with Polish letters is
        // what the lookup refuses as a register saved in UTF-8. Such names
        // ("Ĺ‚" for "ł") come from UTF-8 text read as Windows-1250.
        const QString text = QStringLiteral("%1;%2;%3;%4;%5")
                                 .arg(identifier, line.entry.voivodeship, line.entry.county, line.entry.municipality,
                                      line.entry.typeCode);
        if (cp1250::looksLikeUtf8(cp1250::encode(text).value_or(QByteArray())))
            return registerRefused(QStringLiteral("%1: nazwy gminy %2 wyglądają na tekst UTF-8 odczytany jako "
                                                  "Windows-1250 (np. \"Ĺ‚\" zamiast \"ł\"); plik zapisano w złym "
                                                  "kodowaniu. Pobierz go z GUS jeszcze raz.")
                                       .arg(g->where, identifier));
        r.lines.append(line);
    }
    return r;
}

} // namespace iqx
