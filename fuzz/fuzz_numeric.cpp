// Key filters, the number check, exact decimals and the column sums on
// arbitrary input. Besides not crashing: a parsed number prints in its
// canonical form and parses back to the same value, comparison is
// antisymmetric and addition commutes.
#include "document/numeric.h"
#include "fuzzinput.h"

using namespace iqx;
using iqx::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);

    const auto filter = KeyFilter(in.ConsumeIntegralInRange<int>(0, 3));
    const QChar typed(in.ConsumeIntegral<char16_t>());
    const KeyDecision key = filterKey(filter, typed, fuzz::text(in));
    require(key.kind != KeyDecision::Replace || !key.replacement.isNull(), "replacement character set");

    const QString a = fuzz::text(in), b = fuzz::text(in);
    const auto x = Decimal::parse(a), y = Decimal::parse(b);
    for (const auto &v : {x, y}) {
        if (!v)
            continue;
        const QString canonical = v->toString();
        const auto again = Decimal::parse(canonical);
        require(again && *again == *v, "parse(toString(x)) == x");
        require(again->toString() == canonical, "toString is canonical");
        require(v->isNegative() == (*v < Decimal()), "isNegative agrees with compare");
        require((*v + Decimal()) == *v, "x + 0 == x");
    }
    if (x && y) {
        require(x->compare(*y) == -y->compare(*x), "compare is antisymmetric");
        require((*x + *y) == (*y + *x), "addition commutes");
        const Decimal sum = *x + *y;
        const auto parsedSum = Decimal::parse(sum.toString());
        require(parsedSum && *parsedSum == sum, "a sum prints and parses back");
    }

    const int position = in.ConsumeIntegralInRange<int>(-1, 200);
    const int maxDecimals = in.ConsumeIntegralInRange<int>(0, 6);
    const NumberCheck check = checkNumber(position, a, maxDecimals);
    require(check.accepted || !check.messages.isEmpty() || check.newText, "a refusal says why or mends");

    QStringList summands;
    const int count = in.ConsumeIntegralInRange<int>(0, 8);
    for (int i = 0; i < count; ++i)
        summands << fuzz::text(in, 24);
    const SumCheck sum = checkSum(b, summands);
    require(!sum.badText || *sum.badText == b || summands.contains(*sum.badText), "the bad text is an input");
    return 0;
}
