#include "document/exitrules.h"

#include "document/numeric.h"

namespace iqx {

namespace {

const QString kIdLength =
    QStringLiteral("ID gminy powinien mieć 7 znaków; pierwsze 2 to nr woj.,następne 2 to nr pow. reszta to nr gminy");
const QString kIdUnknown = QStringLiteral("Wprowadzono nierozpoznany kod gminy :");

// The number check with 3 decimal places.
void numberCheck(int n, const QString &text, ExitOutcome &out)
{
    const NumberCheck r = checkNumber(n, text);
    for (const QString &m : r.messages)
        out.messages.append({false, m});
    out.newText = r.newText;
    out.accepted = r.accepted;
}

// The identifier check: the length, then the register.
void identifierCheck(const QString &id, const RegisterLookupFn &lookup, const QString &remembered, ExitOutcome &out)
{
    if (id.size() != kIdentifierLength) {
        out.messages.append({false, kIdLength});
        out.accepted = false;
        return;
    }
    const RegisterLookup r = lookup(id);
    switch (r.status) {
    case RegisterLookup::Found:
        out.identity = r.entry;
        break;
    case RegisterLookup::NotFound:
        out.messages.append({false, kIdUnknown + id});
        out.newText = remembered;
        out.accepted = false;
        break;
    default: // the register cannot be read: the error box, and the focus moves on
        out.messages.append({true, r.error});
        break;
    }
}

// The finding of an identifier that GUS has replaced, naming the gmina's
// identifier of today.
QString newIdentifierText(const QString &id, const RegisterLine &now)
{
    return QStringLiteral("kod gminy %1 nie występuje w rejestrze gmin; gmina %2 ma kod %3 (%4)")
        .arg(id, now.entry.municipality, now.identifier, translateType(now.entry.typeCode));
}

} // namespace

ExitOutcome runExitCheck(int n, const Document &doc, const RegisterLookupFn &lookup, const QString &remembered)
{
    ExitOutcome out;
    const QString &text = doc.text(n);
    switch (position(n).exit) {
    case ExitCheck::None:
        break;
    case ExitCheck::Number:
        numberCheck(n, text, out);
        break;
    case ExitCheck::NumberThenNextPage:
        // The page turns even when the value is refused.
        numberCheck(n, text, out);
        out.turnsPage = true;
        break;
    case ExitCheck::ColumnSum: {
        // The position names its column's summands and message.
        QStringList summands;
        for (int s : sumSummands(n))
            summands << doc.text(s);
        const SumCheck sum = checkSum(text, summands);
        if (sum.badText) { // the conversion error ends the check
            out.messages.append({true, conversionErrorText(*sum.badText)});
            break;
        }
        if (!sum.equal)
            out.messages.append({false, sumMessage(n)});
        numberCheck(n, text, out);
        break;
    }
    case ExitCheck::MunicipalityIdentifier:
        identifierCheck(text, lookup, remembered, out);
        break;
    case ExitCheck::NextPage:
        out.turnsPage = true;
        break;
    }
    return out;
}

QString Finding::text() const { return QStringLiteral("poz. %1: %2").arg(position).arg(message); }

QList<Finding> checkDocument(const Document &doc, const RegisterLookupFn &lookup)
{
    QList<Finding> findings;
    for (const Position &p : positionTable()) {
        if (p.exit == ExitCheck::None || p.exit == ExitCheck::NextPage)
            continue;
        if (p.exit == ExitCheck::MunicipalityIdentifier) {
            const QString &id = doc.text(p.number);
            if (const std::optional<RegisterLine> now = newIdentifierOf(lookup, id)) {
                findings.append({p.number, newIdentifierText(id, *now)});
                continue;
            }
        }
        const ExitOutcome out = runExitCheck(p.number, doc, lookup);
        for (const ExitOutcome::Message &m : out.messages)
            findings.append({p.number, m.text});
        // A value refused without a word ("-0", which the box turns into
        // "0") is a finding all the same.
        if (!out.accepted && out.messages.isEmpty())
            findings.append(
                {p.number,
                 out.newText
                     ? QStringLiteral("Wartość \"%1\" należy wpisać jako \"%2\"").arg(doc.text(p.number), *out.newText)
                     : QStringLiteral("Niepoprawna wartość \"%1\"").arg(doc.text(p.number))});
    }
    return findings;
}

} // namespace iqx
