#include "options/substrate_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/page_steps.h"

namespace cq {
namespace {

// The comma column is typed by hand; it must be the point column with a
// comma, except for the one material whose comma form is another value.
TEST(SubstrateTable, CommaFormIsThePointFormWithACommaExceptRO4350) {
  for (const auto& row : SubstrateTable()) {
    if (row.custom || row.item == "RO4350") continue;
    EXPECT_EQ(row.erComma, test::WithComma(std::string(row.er))) << row.item;
  }
  const SubstrateRow* ro4350 = MaterialValues(16);
  ASSERT_NE(ro4350, nullptr);
  EXPECT_EQ(ro4350->item, "RO4350");
  EXPECT_EQ(ro4350->erText(false), "3.66");
  EXPECT_EQ(ro4350->erText(true), "3,48");
  EXPECT_EQ(ro4350->tg, "280");
  EXPECT_EQ(ro4350->modifier, 1.0);
}

// Tg texts are whole degrees or "N/A", never a decimal that would need a
// comma form; the factor is one of the two IPC values.
TEST(SubstrateTable, TgTextsAndFactorsHaveTheirTwoShapes) {
  for (const auto& row : SubstrateTable()) {
    if (row.custom) continue;
    bool digits = !row.tg.empty() && std::all_of(row.tg.begin(), row.tg.end(), [](char c) { return c >= '0' && c <= '9'; });
    EXPECT_TRUE(digits || row.tg == "N/A") << row.item << " " << row.tg;
    EXPECT_TRUE(row.modifier == 0.98 || row.modifier == 1.0) << row.item;
  }
}

TEST(SubstrateTable, FixedIndexesNameTheirMaterials) {
  const auto& table = SubstrateTable();
  EXPECT_EQ(table[kDefaultSubstrate].item, "FR-4 STD");
  EXPECT_EQ(table[kAirSubstrate].item, "Air");
  EXPECT_EQ(table[kCustomSubstrate].item, "Custom");
  // Only the last row is "Custom".
  EXPECT_EQ(std::count_if(table.begin(), table.end(), [](const SubstrateRow& r) { return r.custom; }), 1);
  EXPECT_TRUE(table[kCustomSubstrate].custom);
}

TEST(SubstrateTable, MaterialValuesSkipsCustomAndNoSelection) {
  EXPECT_EQ(MaterialValues(kCustomSubstrate), nullptr);
  EXPECT_EQ(MaterialValues(-1), nullptr);
  EXPECT_EQ(MaterialValues(kSubstrateCount), nullptr);
  const SubstrateRow* air = MaterialValues(kAirSubstrate);
  ASSERT_NE(air, nullptr);
  EXPECT_EQ(air->erText(false), "1");
  EXPECT_EQ(air->erText(true), "1");
  EXPECT_EQ(air->tg, "N/A");
  EXPECT_EQ(air->modifier, 1.0);
}

}  // namespace
}  // namespace cq
