// The default via texts of each layer set by unit system and decimal mode.
#include "calc/via/via_defaults.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace cq {
namespace {

struct DefaultsCase {
  int layerSet;
  bool metric;
  const char* mode;  // caption of Label165
  std::optional<ViaDefaultTexts> expected;
};

std::ostream& operator<<(std::ostream& os, const DefaultsCase& c) {
  return os << "set " << c.layerSet << (c.metric ? " metric" : " imperial") << " mode '" << c.mode << "'";
}

class ViaDefaultsTable : public ::testing::TestWithParam<DefaultsCase> {};

// Expected texts: the layer-set defaults sheet (height, hole, plating).
TEST_P(ViaDefaultsTable, GivesTheTextsOfTheSheet) {
  const auto& c = GetParam();
  EXPECT_EQ(ViaDefaults(c.layerSet, c.metric, DecimalModeOf(c.mode)), c.expected);
}

const ViaDefaultsTable::ParamType kCases[] = {
    // Whole mils are written in every decimal mode, even before the mode is known.
    {0, false, "0", ViaDefaultTexts{"62", "10", "1"}},
    {1, false, "1", ViaDefaultTexts{"62", "10", "1"}},
    {1, false, "Label165", ViaDefaultTexts{"62", "10", "1"}},
    {0, false, "", ViaDefaultTexts{"62", "10", "1"}},
    {0, true, "0", ViaDefaultTexts{"1.575", "0.254", "0.0254"}},
    {1, true, "1", ViaDefaultTexts{"1,575", "0,254", "0,0254"}},
    {1, true, "Label165", std::nullopt},
    {2, false, "0", ViaDefaultTexts{"5", "5", "0.7"}},
    {2, false, "1", ViaDefaultTexts{"5", "5", "0,7"}},
    {2, false, "2", std::nullopt},
    {2, true, "0", ViaDefaultTexts{"0.127", "0.127", "0.01778"}},
    {2, true, "1", ViaDefaultTexts{"0,127", "0,127", "0,01778"}},
    {2, true, " 1", std::nullopt},
    // No item selected, or an item the radio never holds.
    {-1, false, "0", std::nullopt},
    {3, true, "0", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Sheet, ViaDefaultsTable, ::testing::ValuesIn(kCases));

}  // namespace
}  // namespace cq
