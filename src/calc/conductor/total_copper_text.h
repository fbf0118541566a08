#pragma once
// The total copper thickness of the Information row (Label56), which the
// pages that take a copper weight show alike: whole micrometres in Metric,
// mils to two decimals in Imperial, in the decimal mode.
#include "app/page_context.h"

namespace cq {

// Whether mm x 1000 past the largest double raises the overflow error or
// prints "+INF um"; each page keeps the step it has always had.
enum class UmOverflow { Prints, Raises };

// umFormat: the micrometres' format, "%3.0f um" or a wider field.
void ShowTotalCopper(const PageContext& page, Label& label, double thickness, bool metric,
                     UmOverflow overflow = UmOverflow::Prints, const char* umFormat = "%3.0f um");

}  // namespace cq
