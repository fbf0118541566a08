#pragma once
// The limits of the differential-via inputs: the spacing and both plane
// opening sides must be larger than the hole. A refused value is replaced
// by the hole plus one mil (spacing) or two mils (opening), or their mm.
#include <optional>
#include <string>

namespace cq {

enum class DifferentialViaField { Spacing, OpeningHeight, OpeningWidth };

struct DifferentialViaNotice {
  DifferentialViaField field;
  std::string message;
  std::string fieldText;
  friend bool operator==(const DifferentialViaNotice&, const DifferentialViaNotice&) = default;
};

std::optional<DifferentialViaNotice> DifferentialViaSpacingNotice(double spacing, double hole, bool metric);

// field is OpeningHeight or OpeningWidth; both have the same limit.
std::optional<DifferentialViaNotice> DifferentialViaOpeningNotice(DifferentialViaField field, double opening,
                                                                  double hole, bool metric);

}  // namespace cq
