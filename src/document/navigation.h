#pragma once
#include <QString>

namespace iqx {

inline constexpr int kPageCount = 6;

// Name of the box that receives the focus when page `page` (1-based) is
// reached by turning the page; empty for page 1, which is never reached so.
QString firstBoxName(int page);

// The page that follows `page` (1-based), wrapping after the last.
inline int nextPage(int page) { return page % kPageCount + 1; }

} // namespace iqx
