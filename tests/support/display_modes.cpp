#include "support/display_modes.h"

namespace cq::test {

std::string DisplayName(const Display& d) {
  return std::string(d.metric ? "Metric" : "Imperial") + (d.comma ? "Comma" : "Point");
}

}  // namespace cq::test
