#include "calc/conductor/conductor_properties_limits.h"

namespace cq {

double MinimumLength(bool metric) { return metric ? 0.0254 : 1; }

double MaximumConductorLength(bool metric) { return metric ? 30480 : 1200000; }

std::optional<LimitNotice> MinimumLengthNotice(std::string_view subject, bool metric, DecimalMode decimalMode) {
  std::string start(subject);
  if (!metric) return LimitNotice{start + "1mil", "1"};
  if (decimalMode == DecimalMode::Point) return LimitNotice{start + "0.0254mm", "0.0254"};
  if (decimalMode == DecimalMode::Comma) return LimitNotice{start + "0,0254mm", "0,0254"};
  return std::nullopt;
}

LimitNotice MaximumConductorLengthNotice(bool metric) {
  if (metric) return {"Max conductor length can't be greater than 30480mm", "30480"};
  return {"Max conductor length can't be greater than 1200000mils", "1200000"};
}

}  // namespace cq
