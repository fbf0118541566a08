#include "calc/conductor/cross_section_text.h"

#include "platform/format.h"

namespace cq {

std::string CrossSectionText(double area, bool metric) {
  return metric ? Format("%.4f Sq.mm", area) : Format("%.2f Sq.mils", area);
}

}  // namespace cq
