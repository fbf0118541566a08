#pragma once
// The input limits of Conductor Properties with their messages and the
// texts written into the field, by unit system and decimal mode.
#include <optional>
#include <string>
#include <string_view>

#include "app/decimal_mode.h"

namespace cq {

struct LimitNotice {
  std::string message;
  std::string fieldText;
};

// The smallest length of the unit system: 1 mil or 0.0254 mm.
double MinimumLength(bool metric);
// The longest conductor: 1200000 mils or 30480 mm.
double MaximumConductorLength(bool metric);

// subject is the start of the message ("PCB Thickness can't be less than ").
// Metric texts follow the decimal mode; nothing (no message, no rewrite)
// while the mode is not known.
std::optional<LimitNotice> MinimumLengthNotice(std::string_view subject, bool metric, DecimalMode decimalMode);
LimitNotice MaximumConductorLengthNotice(bool metric);

}  // namespace cq
