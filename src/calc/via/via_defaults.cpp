#include "calc/via/via_defaults.h"

#include "platform/numbers.h"

namespace cq {

std::optional<ViaDefaultTexts> ViaDefaults(int layerSet, bool metric, DecimalMode decimalMode) {
  if (layerSet < 0 || layerSet > 2) return std::nullopt;
  bool microvia = layerSet == 2;
  // Whole mils read the same in either decimal mode, so they are written in any.
  if (!metric && !microvia) return ViaDefaultTexts{"62", "10", "1"};
  if (decimalMode == DecimalMode::Unknown) return std::nullopt;
  ViaDefaultTexts point = microvia ? (metric ? ViaDefaultTexts{"0.127", "0.127", "0.01778"}
                                             : ViaDefaultTexts{"5", "5", "0.7"})
                                   : ViaDefaultTexts{"1.575", "0.254", "0.0254"};
  bool comma = decimalMode == DecimalMode::Comma;
  return ViaDefaultTexts{LocalizeDecimalPoint(point.height, comma), LocalizeDecimalPoint(point.hole, comma),
                         LocalizeDecimalPoint(point.plating, comma)};
}

}  // namespace cq
