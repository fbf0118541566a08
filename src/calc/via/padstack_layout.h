#pragma once
// How the pad-calculator type radio lays out the Padstack page: the shown
// controls, captions, hints and result widths of each type, and the input
// texts each type starts from.
#include <array>
#include <vector>

#include "app/layouts/page_layout.h"
#include "platform/form.h"

namespace cq {

inline constexpr int kPadstackTypeCount = 7;

// One column per type of RadioGroup14.
const LayoutTable& PadstackLayouts();

// A default input text of a type. The Metric texts take a comma in comma
// mode.
struct PadstackDefault {
  const char* control;
  const char* imperial;
  const char* metric;
};

const std::array<std::vector<PadstackDefault>, kPadstackTypeCount>& PadstackDefaults();

// The fields of PadstackDefaults(), type after type.
std::vector<Edit*> PadstackDefaultFields(Form& form);

}  // namespace cq
