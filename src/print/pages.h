#pragma once
#include "print/engine/reporttable.h"

// Tables of the six printed pages.
namespace iqx::print {
const report::PageTable &printedPage1();
const report::PageTable &printedPage2();
const report::PageTable &printedPage3();
const report::PageTable &printedPage4();
const report::PageTable &printedPage5();
const report::PageTable &printedPage6();
} // namespace iqx::print
