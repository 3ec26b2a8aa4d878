#pragma once

namespace iqx {

inline constexpr int kPageCount = 6;

// The position whose box receives the focus when page `page` (1-based) is
// reached by turning the page; -1 for page 1, which is never reached so.
int firstBoxOfPage(int page);

// The page that follows `page` (1-based), wrapping after the last.
inline int nextPage(int page) { return page % kPageCount + 1; }

} // namespace iqx
