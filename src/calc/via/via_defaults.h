#pragma once
// The default height, hole and plating texts of each via layer set, which
// the layer-set layout writes over the typed ones.
#include <optional>
#include <string>

#include "app/decimal_mode.h"

namespace cq {

struct ViaDefaultTexts {
  std::string height;   // Edit6
  std::string hole;     // Edit3
  std::string plating;  // Edit9
  friend bool operator==(const ViaDefaultTexts&, const ViaDefaultTexts&) = default;
};

// layerSet: 0 "2 Layer", 1 "Multi Layer", 2 "Microvia". Mils in Imperial,
// mm in Metric. Nothing when the layer set is unknown, or when the texts
// carry a decimal and the decimal mode is not known.
std::optional<ViaDefaultTexts> ViaDefaults(int layerSet, bool metric, DecimalMode decimalMode);

}  // namespace cq
