// The lengths a structure reads beside W and H (H2 of the embedded
// microstrip, C of the dual stripline, G of the coplanar waveguide): a
// refused one shows its message once, the field is rewritten, and the same
// solve computes with the rewritten value, so field and results agree.
// Expected impedances: python3, each formula typed out with the corrected
// length (1 mil, or 0.0254 mm beside the converted defaults), Er 4.6.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/tline/impedance/structure_steps.h"

namespace cq::test {
namespace {

constexpr const char* kSpacing = "Conductor spacing cannot be less than or equal to zero.";
constexpr const char* kGap = "Conductor gap cannot be less than or equal to zero.";

TEST(StructureLengthChecks, ARefusedLengthIsCorrectedAndUsedInTheSameSolve) {
  const struct {
    ImpedanceStructure structure;
    bool metric, comma;
    const char *typed, *message, *corrected, *zo;
  } rows[] = {
      // Without the correction H2 = 0 would divide by zero.
      {kMicrostripEmbed, false, false, "0", kHeightMessage, "1", "6.7380 Ohms"},
      {kMicrostripEmbed, false, false, "-3", kHeightMessage, "1", "6.7380 Ohms"},
      {kMicrostripEmbed, true, false, "0", kHeightMessage, "0.0254", "6.6865 Ohms"},
      {kMicrostripEmbed, true, true, "-1", kHeightMessage, "0,0254", "6,6865 Ohms"},
      {kDualStripline, false, false, "0", kSpacing, "1", "62.310 Ohms"},
      {kDualStripline, false, false, "-8", kSpacing, "1", "62.310 Ohms"},
      {kDualStripline, true, false, "0", kSpacing, "0.0254", "62.280 Ohms"},
      {kDualStripline, true, true, "-2", kSpacing, "0,0254", "62,280 Ohms"},
      // The gap enters as a ratio: 1 mil and 0.0254 mm beside 5 x 10 mils
      // or 0.127 x 0.254 mm give the same impedance.
      {kCoplanarWave, false, false, "0", kGap, "1", "54.2040 Ohms"},
      {kCoplanarWave, false, false, "-5", kGap, "1", "54.2040 Ohms"},
      {kCoplanarWave, true, false, "0", kGap, "0.0254", "54.2040 Ohms"},
      {kCoplanarWave, true, true, "-0,1", kGap, "0,0254", "54,2040 Ohms"},
  };
  for (const auto& r : rows) {
    TestProgram t(DecimalStart(r.comma));
    OpenStructure(t, r.structure, r.metric);
    Enter(t, "Edit74", r.typed);
    const std::string where = std::to_string(r.structure) + " " + r.typed + (r.metric ? " metric" : "");
    EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox(r.message)}) << where;
    EXPECT_EQ(t.takeSolves(), 1) << where;
    ExpectTexts(t, {{"Edit74", r.corrected}, {"Edit70", r.zo}});
  }
}

// The embedded microstrip's delay and the dual stripline's capacitance
// follow the corrected length too (python3: H2 1 mil, Tpd 181.3824 ps/in;
// C 0.0254 mm, Co 1.1490 pF/cm).
TEST(StructureLengthChecks, TheWholeResultBlockFollowsTheCorrection) {
  {
    TestProgram t;
    OpenStructure(t, kMicrostripEmbed);
    Enter(t, "Edit74", "0");
    ExpectTexts(t, {{"Edit77", "181.3824 ps/in"}, {"Edit76", "26.9192 pF/in"}, {"Edit73", "1.2222 nH/in"}});
  }
  {
    TestProgram t(CommaStart());
    OpenStructure(t, kDualStripline, true);
    Enter(t, "Edit74", "0");
    ExpectTexts(t, {{"Edit77", "71,5624 ps/cm"}, {"Edit76", "1,1490 pF/cm"}, {"Edit73", "4,4569 nH/cm"}});
  }
}

}  // namespace
}  // namespace cq::test
