#pragma once
#include "document/numeric.h"

#include <QString>
#include <array>

// The position table: the one list of the document's 223 numbered
// positions. For each it says what kind of value it holds, which key filter
// its box runs on every typed character and which check runs when the box
// is left. The entry pages, the data file, the print run and the export all
// take the positions from here; the number is the key that joins them.
namespace iqx {

inline constexpr int kPositionCount = 223;

// The identity block: the positions the register fills in from the
// identifier. The type and the three names are held in hidden boxes and
// shown in the header labels of page 1.
inline constexpr int kTypePosition = 0;         // "miejska", "wiejska" or "miejsko-wiejska"
inline constexpr int kIdentifierPosition = 1;   // the municipality identifier
inline constexpr int kMunicipalityPosition = 2; // the municipality's name
inline constexpr int kCountyPosition = 3;       // the county's (powiat's) name
inline constexpr int kVoivodeshipPosition = 4;  // the voivodeship's name
// The identifier's digits: 2 of the voivodeship, 2 of the county, 3 of the
// municipality, the last of which tells its kind (urban, rural,
// urban-rural). A gmina whose kind changes keeps the first six.
inline constexpr int kIdentifierLength = 7;
inline constexpr int kIdentifierStemLength = kIdentifierLength - 1;
// The first rate box, where the clerk goes on once the identifier is there.
inline constexpr int kFirstRatePosition = 5;

enum class PositionKind {
    IdentityName, // 0, 2, 3, 4: filled by the register lookup; a hidden, disabled box
    Identifier,   // 1: the municipality identifier, 7 digits
    Decimal,      // a decimal number
    Whole,        // a whole number
    FreeText,     // any text (a name, a telephone number, an e-mail address)
    Flag,         // a "TAK" check box: ticked or not
};

// The check that runs when a position's box is left.
enum class ExitCheck {
    None,
    Number,                 // the number check; the focus goes back on a refusal
    NumberThenNextPage,     // the number check, then the next page (last box of pages 3-5)
    ColumnSum,              // the sum of the column the position closes (50, 51), then the number check
    MunicipalityIdentifier, // the identifier's length, then its register lookup
    NextPage,               // the next page (last box of page 2)
};

struct Position {
    int number = 0;
    PositionKind kind = PositionKind::FreeText;
    int page = 0; // entry page and printed page, 1-6
    KeyFilter filter = KeyFilter::None;
    ExitCheck exit = ExitCheck::None;
    int typingLimit = 0; // the most characters typing may enter; 0: no limit

    bool isFlag() const { return kind == PositionKind::Flag; }
};

// Position `n`, 0 <= n < kPositionCount.
const Position &position(int n);
const std::array<Position, kPositionCount> &positionTable();

// The control of a position on the entry pages: "Edit<n>" for a text
// position, "CheckBox<n>" for a flag position.
QString editName(int n);
QString checkBoxName(int n);
QString controlName(int n);

} // namespace iqx
