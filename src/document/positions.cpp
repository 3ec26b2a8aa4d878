#include "document/positions.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

namespace iqx {

namespace {

// One letter per position, from position 0, ten to a group:
//   n  identity name (hidden box)    i  identifier
//   d  decimal number                w  whole number
//   t  free text                     f  flag, a "TAK" check box
constexpr char kKinds[] =
    "ninnndwddd" "dwddddwddd" "dwddddwddd" "dwddddwddd" "dwddddwddd" // 0-49
    "ddffffffff" "ffdddddddd" "dddddddddf" "ffffffdwww" "wddddddddd" // 50-99
    "dddddddddd" "dddddddddd" "ddddffffdf" "dfdfdfdfdf" "dfdfdfdfdf" // 100-149
    "dfdfdfdfdf" "dfdfdfdfdf" "dfdfdffwdd" "dwwfffffff" "tffffwfwfd" // 150-199
    "ddddddddwd" "dwwfffffff" "ftt";                                 // 200-222

static_assert(sizeof(kKinds) - 1 == kPositionCount);

// Last position of each page, 1 to 6.
constexpr int kPageEnds[] = {51, 85, 119, 180, 206, 222};

PositionKind kindOf(char c)
{
    switch (c) {
    case 'n': return PositionKind::IdentityName;
    case 'i': return PositionKind::Identifier;
    case 'd': return PositionKind::Decimal;
    case 'w': return PositionKind::Whole;
    case 'f': return PositionKind::Flag;
    default: return PositionKind::FreeText;
    }
}

ExitCheck exitOf(int n, PositionKind kind)
{
    switch (n) {
    case 50:
    case 51: return ExitCheck::ColumnSum;
    case 85: return ExitCheck::NextPage;
    case 119:
    case 180:
    case 206: return ExitCheck::NumberThenNextPage;
    default: break;
    }
    switch (kind) {
    case PositionKind::Identifier: return ExitCheck::MunicipalityIdentifier;
    case PositionKind::Decimal:
    case PositionKind::Whole: return ExitCheck::Number;
    default: return ExitCheck::None;
    }
}

KeyFilter filterOf(PositionKind kind)
{
    switch (kind) {
    case PositionKind::Identifier: return KeyFilter::Identifier;
    case PositionKind::Decimal: return KeyFilter::Decimal;
    case PositionKind::Whole: return KeyFilter::Whole;
    default: return KeyFilter::None;
    }
}

std::array<Position, kPositionCount> buildTable()
{
    std::array<Position, kPositionCount> table;
    int page = 1;
    for (int n = 0; n < kPositionCount; ++n) {
        if (n > kPageEnds[page - 1])
            ++page;
        Position &p = table[n];
        p.number = n;
        p.kind = kindOf(kKinds[n]);
        p.page = page;
        p.filter = filterOf(p.kind);
        p.exit = exitOf(n, p.kind);
        p.typingLimit = p.kind == PositionKind::Identifier ? kIdentifierLength : 0;
    }
    return table;
}

QString numbered(QLatin1StringView prefix, int n) { return prefix + QString::number(n); }

} // namespace

const std::array<Position, kPositionCount> &positionTable()
{
    static const std::array<Position, kPositionCount> table = buildTable();
    return table;
}

const Position &position(int n) { return positionTable()[n]; }

QString editName(int n) { return numbered(QLatin1StringView("Edit"), n); }
QString checkBoxName(int n) { return numbered(QLatin1StringView("CheckBox"), n); }
QString controlName(int n) { return position(n).isFlag() ? checkBoxName(n) : editName(n); }

} // namespace iqx
// clang-format on
