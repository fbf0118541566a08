// The layer radio's click: the page layout of the chosen structure on the
// via, conductor, impedance, differential-pair and inductor pages, the
// copper controls it forces, the via defaults, and the solve at its end.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "calc/conductor/conductor_properties_layouts.h"
#include "calc/diffpair/differential_layouts.h"
#include "calc/tline/impedance/impedance_layouts.h"
#include "calc/electrical/planar_inductor_layouts.h"
#include "calc/via/via_layouts.h"
#include "support/layout_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

std::vector<std::string> shownOf(TestProgram& t, const std::vector<std::string>& names) {
  std::vector<std::string> shown;
  for (const auto& n : names)
    if (t.control(n).visible()) shown.push_back(n);
  return shown;
}

// ---------------------------------------------------------------------------
// Every column of every layout sheet, reached from another structure so that
// no design state hides a missing write.

struct Sheet {
  const char* menu;
  const LayoutTable& (*table)();
};
std::ostream& operator<<(std::ostream& os, const Sheet& s) { return os << s.menu; }

class LayoutSheets : public ::testing::TestWithParam<Sheet> {};

TEST_P(LayoutSheets, EachStructureLeavesThePageAsItsColumnSays) {
  const Sheet& sheet = GetParam();
  const LayoutTable& table = sheet.table();
  ASSERT_FALSE(table.empty());
  const int items = static_cast<int>(table.front().cells.size());
  for (int item = 0; item < items; ++item) {
    TestProgram t;
    t.chooseMenu(sheet.menu);
    ASSERT_EQ(static_cast<int>(t.items("RadioGroup3").size()), items);
    t.selectRadio("RadioGroup3", (item + 1) % items);
    t.selectRadio("RadioGroup3", item);
    ASSERT_EQ(t.itemIndex("RadioGroup3"), item);
    for (const auto& row : table) {
      ASSERT_EQ(static_cast<int>(row.cells.size()), items);
      const LayoutCell& cell = row.cells[static_cast<size_t>(item)];
      if (cell.kind == LayoutCell::Kind::Keep) continue;
      for (auto name : row.controls)
        EXPECT_EQ(Shown(t.control(std::string(name)), row.property), CellText(cell))
            << sheet.menu << " item " << item << " " << name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, LayoutSheets,
                         ::testing::Values(Sheet{"ViaProperties1", ViaLayouts},
                                           Sheet{"ConductorProperties1", ConductorPropertiesLayouts},
                                           Sheet{"RFImpedances1", ImpedanceLayouts},
                                           Sheet{"DifferentialPairs1", DifferentialLayouts},
                                           Sheet{"PlanarInductors1", InductorLayouts}),
                         [](const auto& param_info) { return std::string(param_info.param.menu); });

// ---------------------------------------------------------------------------
// The click ends with one solve, which already sees the new layout; on a page
// without a layout it only solves.

struct SolveCase {
  const char* menu;
  int calculator;
  int item;
  const char* shownAtSolve;  // laid out before the solve
};
std::ostream& operator<<(std::ostream& os, const SolveCase& c) { return os << c.menu; }

class LayerClickSolves : public ::testing::TestWithParam<SolveCase> {};

TEST_P(LayerClickSolves, OnceAfterTheLayout) {
  const SolveCase& c = GetParam();
  TestProgram t;
  t.chooseMenu(c.menu);
  int itemAtSolve = -1;
  bool shownAtSolve = false;
  // The last step before the page's own solver sees what that solver sees.
  t.main().addPreSolveStep([&] {
    itemAtSolve = t.itemIndex("RadioGroup3");
    shownAtSolve = t.control(c.shownAtSolve).visible();
  });
  t.takeSolves();
  t.selectRadio("RadioGroup3", c.item);
  EXPECT_EQ(t.takeSolves(), 1);
  EXPECT_EQ(itemAtSolve, c.item);
  EXPECT_TRUE(shownAtSolve) << c.shownAtSolve;
  EXPECT_TRUE(t.takeMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, LayerClickSolves,
                         ::testing::Values(SolveCase{"SignalProperties1", 0, 1, "GroupBox6"},
                                           SolveCase{"RFImpedances1", 1, 2, "Image22"},
                                           SolveCase{"ConductorProperties1", 2, 0, "Image51"},
                                           SolveCase{"DifferentialPairs1", 4, 4, "Image17"},
                                           SolveCase{"PlanarInductors1", 13, 3, "Image35"},
                                           SolveCase{"ViaProperties1", 16, 2, "Image20"}),
                         [](const auto& param_info) { return std::string(param_info.param.menu); });

// Bandwidth shares the items "Microstrip" and "Stripline" with the impedance
// page; its click must not lay that page out.
TEST(LayerRadio, OnBandwidthAClickLaysOutNoPage) {
  TestProgram t;
  t.chooseMenu("SignalProperties1");
  t.takeSolves();
  const std::vector<std::string> pictures = {"Image8", "Image16", "Image22", "Image9", "Image47", "Image19"};
  auto before = shownOf(t, pictures);
  t.selectRadio("RadioGroup3", 1);
  t.selectRadio("RadioGroup3", 0);
  EXPECT_EQ(shownOf(t, pictures), before);
  EXPECT_EQ(t.takeSolves(), 2);
}

// ---------------------------------------------------------------------------
// Via Properties

const std::vector<std::string> kViaOutputs = {"Label13", "Edit11", "Label14", "Edit12", "Label42", "Edit42",
                                              "Label83", "Edit49", "Label16", "Edit14", "Label15", "Edit13",
                                              "Label84", "Edit50"};

std::vector<std::string> viaDefaults(TestProgram& t) { return {t.text("Edit6"), t.text("Edit3"), t.text("Edit9")}; }

TEST(ViaLayerSets, MetricMicroviaWithACommaWritesItsDefaultsAndShowsOnlyThePower) {
  TestProgram t;
  t.form().label("Label165").setCaption("1");
  t.chooseMenu("ViaProperties1");
  t.form().radio("RadioGroup6").setItemIndex(1);
  t.selectRadio("RadioGroup3", 2);
  EXPECT_EQ(viaDefaults(t), (std::vector<std::string>{"0,127", "0,127", "0,01778"}));
  EXPECT_EQ(t.text("Edit56"), "mm");
  EXPECT_EQ(shownOf(t, kViaOutputs), (std::vector<std::string>{"Label84", "Edit50"}));
  EXPECT_EQ(shownOf(t, {"Image2", "Image7", "Image20"}), std::vector<std::string>{"Image20"});
  for (const char* note : {"Label159", "Label160", "Label161", "Label164"}) EXPECT_TRUE(t.showing(note)) << note;
  for (const char* row : {"Label6", "Edit4", "Edit53", "Label7", "Edit5", "Edit54"}) EXPECT_FALSE(t.showing(row)) << row;
}

// Until the loader has set the decimal mode (the design caption still
// shows), only the whole-mil defaults can be written; the others wait for a
// known mode.
TEST(ViaLayerSets, TypedValuesGiveWayToTheLayerSetDefaultsOfTheKnownDecimalMode) {
  TestProgram t;
  t.form().label("Label165").setCaption("Label165");
  t.chooseMenu("ViaProperties1");
  EXPECT_EQ(viaDefaults(t), (std::vector<std::string>{"62", "10", "1"}));
  EXPECT_EQ(t.text("Edit56"), "mils");

  t.type("Edit6", "40");
  t.type("Edit3", "15");
  t.type("Edit4", "25");
  t.selectRadio("RadioGroup3", 0);
  EXPECT_EQ(viaDefaults(t), (std::vector<std::string>{"62", "10", "1"}));
  EXPECT_EQ(t.text("Edit4"), "25");  // the pad is not a default

  t.type("Edit6", "40");
  t.selectRadio("RadioGroup3", 2);
  EXPECT_EQ(viaDefaults(t), (std::vector<std::string>{"40", "10", "1"}));

  t.form().label("Label165").setCaption("0");
  t.selectRadio("RadioGroup3", 1);
  t.selectRadio("RadioGroup3", 2);
  EXPECT_EQ(viaDefaults(t), (std::vector<std::string>{"5", "5", "0.7"}));
}

TEST(ViaLayerSets, TwoLayerMovesTheInductanceIntoTheFreedColumnAndMultiLayerBack) {
  TestProgram t;
  t.chooseMenu("ViaProperties1");
  auto left = [&](const char* n) { return t.control(n).bounds().left; };
  auto top = [&](const char* n) { return t.control(n).bounds().top; };

  t.selectRadio("RadioGroup3", 0);
  EXPECT_EQ(left("Label14"), 208);
  EXPECT_EQ(left("Edit12"), 208);
  EXPECT_EQ(shownOf(t, kViaOutputs),
            (std::vector<std::string>{"Label14", "Edit12", "Label83", "Edit49", "Label84", "Edit50"}));
  for (const char* row : {"Label6", "Edit4", "Edit53", "Label7", "Edit5", "Edit54"}) EXPECT_FALSE(t.showing(row)) << row;
  // Height and plating take the places of the hidden pad and opening rows.
  EXPECT_EQ(top("Edit6"), t.form().edit("Edit4").bounds().top);
  EXPECT_EQ(top("Edit9"), t.form().edit("Edit5").bounds().top);
  EXPECT_EQ(t.text("Label6"), "External Pad Diameter");

  t.selectRadio("RadioGroup3", 1);
  EXPECT_EQ(left("Label14"), 16);
  EXPECT_EQ(left("Edit12"), 16);
  EXPECT_EQ(shownOf(t, kViaOutputs), kViaOutputs);
  EXPECT_EQ(t.text("Label6"), "Internal Pad Diameter");
  EXPECT_EQ(t.text("Label7"), "Ref Plane Opening Diam");
  EXPECT_EQ((std::vector<int>{top("Label8"), top("Edit6"), top("Edit55"), top("Label11"), top("Edit9"), top("Edit56")}),
            (std::vector<int>{208, 232, 236, 272, 296, 300}));
}

// ---------------------------------------------------------------------------
// Conductor Properties: the picture follows the layer and the page's two
// radios; only an outer layer is plated.

struct CrossSectionCase {
  int parallel, plane, layer;
  const char* picture;
};
std::ostream& operator<<(std::ostream& os, const CrossSectionCase& c) { return os << c.picture; }

class ConductorCrossSections : public ::testing::TestWithParam<CrossSectionCase> {};

TEST_P(ConductorCrossSections, OnePictureForTheSelections) {
  const auto& c = GetParam();
  TestProgram t;
  t.chooseMenu("ConductorProperties1");
  t.form().radio("RadioGroup15").setItemIndex(c.parallel);
  t.form().radio("RadioGroup2").setItemIndex(c.plane);
  t.selectRadio("RadioGroup3", 1 - c.layer);
  t.selectRadio("RadioGroup3", c.layer);
  EXPECT_EQ(shownOf(t, {"Image51", "Image49", "Image52", "Image15", "Image54", "Image50", "Image53", "Image3"}),
            std::vector<std::string>{c.picture});
  for (const char* plating : {"RadioGroup1", "GroupBox32", "Edit138", "Edit139"})
    EXPECT_EQ(t.control(plating).enabled(), c.layer == 1) << plating;
}

// Expected pictures: the cross-section sheet (parallel, plane, layer).
INSTANTIATE_TEST_SUITE_P(Sheet, ConductorCrossSections,
                         ::testing::Values(CrossSectionCase{0, 0, 0, "Image51"}, CrossSectionCase{0, 0, 1, "Image49"},
                                           CrossSectionCase{0, 1, 0, "Image52"}, CrossSectionCase{0, 1, 1, "Image15"},
                                           CrossSectionCase{1, 0, 0, "Image54"}, CrossSectionCase{1, 0, 1, "Image50"},
                                           CrossSectionCase{1, 1, 0, "Image53"}, CrossSectionCase{1, 1, 1, "Image3"}));

// ---------------------------------------------------------------------------
// Conductor Impedance

TEST(ImpedanceStructures, MicrostripShowsTheFrequencyAndErEffectiveAndNoRestrictions) {
  TestProgram t;
  t.chooseMenu("RFImpedances1");
  t.selectRadio("RadioGroup3", 2);
  t.selectRadio("RadioGroup3", 0);
  for (const char* shown : {"Label288", "Edit226", "Label289", "Label290", "Image8", "Label101", "Edit68"})
    EXPECT_TRUE(t.showing(shown)) << shown;
  for (const char* hidden : {"Label104", "Edit74", "Edit75", "Label57", "Label85", "Label86", "Label246", "Label107",
                             "Label108", "Label111", "Label112", "Label260", "Label261", "Label116", "RadioGroup24",
                             "BitBtn3", "Image22"})
    EXPECT_FALSE(t.showing(hidden)) << hidden;
  EXPECT_EQ(t.control("Edit68").hint(), "Enter the conductor's distance above its reference plane.");
  EXPECT_TRUE(t.enabled("RadioGroup1"));
}

// Coplanar wave guides are solved for 1oz plating on 0.5oz base copper: the
// two selections store themselves and solve before the layout's own solve.
TEST(ImpedanceStructures, CoplanarWaveForcesAndStoresTheCopperPair) {
  TestProgram t;
  t.chooseMenu("RFImpedances1");
  t.selectRadio("RadioGroup4", 3);
  t.selectRadio("RadioGroup1", 0);
  t.takeSolves();
  std::vector<std::vector<int>> copperAtSolves;
  t.main().addPreSolveStep([&] { copperAtSolves.push_back({t.itemIndex("RadioGroup1"), t.itemIndex("RadioGroup4")}); });

  t.selectRadio("RadioGroup3", 5);
  EXPECT_EQ(t.itemIndex("RadioGroup1"), 2);
  EXPECT_EQ(t.itemIndex("RadioGroup4"), 1);
  EXPECT_EQ(t.setting("Plate_Weight"), "2");
  EXPECT_EQ(t.setting("Base_Weight"), "1");
  EXPECT_EQ(t.takeSolves(), 3);
  EXPECT_EQ(copperAtSolves, (std::vector<std::vector<int>>{{2, 3}, {2, 1}, {2, 1}}));
  for (const char* c : {"RadioGroup1", "GroupBox32", "Edit138", "Edit139", "RadioGroup4", "GroupBox31", "Edit136",
                        "Edit137"})
    EXPECT_FALSE(t.control(c).enabled()) << c;
  EXPECT_TRUE(t.showing("BitBtn3"));
  EXPECT_FALSE(t.showing("RadioGroup24"));
  EXPECT_EQ(t.text("Label104"), "Conductor Gap (G)");

  // Leaving it frees the base copper only; the forced items stay.
  t.selectRadio("RadioGroup3", 2);
  EXPECT_EQ(t.takeSolves(), 1);
  for (const char* c : {"RadioGroup4", "GroupBox31", "Edit136", "Edit137"}) EXPECT_TRUE(t.control(c).enabled()) << c;
  for (const char* c : {"RadioGroup1", "GroupBox32", "Edit138", "Edit139"}) EXPECT_FALSE(t.control(c).enabled()) << c;
  EXPECT_EQ(t.itemIndex("RadioGroup1"), 2);
  EXPECT_EQ(t.itemIndex("RadioGroup4"), 1);

  // With the pair already selected the selections change nothing: one solve.
  t.selectRadio("RadioGroup3", 5);
  EXPECT_EQ(t.takeSolves(), 1);
  EXPECT_TRUE(t.takeMessages().empty());
}

// ---------------------------------------------------------------------------
// Differential Pairs

TEST(DifferentialStructures, TheSecondHeightPushesTheLowerRowsDownAndBroadsideHidesZo) {
  TestProgram t;
  t.chooseMenu("DifferentialPairs1");
  const std::vector<std::string> lower = {"Label391", "Edit394", "Edit395", "Label47", "Edit398",
                                          "Edit399",  "Label401", "Edit400", "Edit401"};
  auto tops = [&] {
    std::vector<int> v;
    for (const auto& n : lower) v.push_back(t.control(n).bounds().top);
    return v;
  };
  const std::vector<int> up = {208, 232, 236, 264, 288, 292, 320, 344, 348};
  std::vector<int> down;
  for (int top : up) down.push_back(top + 56);

  struct Expect {
    int item;
    bool secondHeight, zo;
    const char* heightCaption;
  };
  for (const Expect& e : {Expect{2, true, true, "Conductor Height (H1)"}, Expect{0, false, true, "Conductor Height (H)"},
                          Expect{3, true, true, "Conductor Height (H1)"}, Expect{4, false, false, "Conductor Height (H)"},
                          Expect{5, false, false, "Conductor Height (H)"}, Expect{1, false, true, "Conductor Height (H)"}}) {
    t.selectRadio("RadioGroup3", e.item);
    EXPECT_EQ(tops(), e.secondHeight ? down : up) << e.item;
    for (const char* row : {"Label58", "Edit32", "Edit65"}) EXPECT_EQ(t.showing(row), e.secondHeight) << e.item;
    for (const char* zo : {"Label43", "Edit28"}) EXPECT_EQ(t.showing(zo), e.zo) << e.item;
    EXPECT_EQ(t.text("Label40"), e.heightCaption) << e.item;
    EXPECT_EQ(t.enabled("RadioGroup1"), e.item == 0) << e.item;
  }
  EXPECT_EQ(t.text("Label58"), "Conductor Height (H2)");
}

}  // namespace
}  // namespace cq::test
