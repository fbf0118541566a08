#include "app/input_messages.h"
#include "calc/tline/embedded_microstrip_model.h"
#include "calc/tline/impedance/impedance_blocks.h"
#include "calc/tline/impedance/impedance_output.h"
#include "calc/tline/impedance/inner_range_rows.h"
#include "platform/unit_factors.h"
#include "platform/numbers.h"

namespace cq {

namespace {

constexpr std::string_view kCoverMessage =
    "Conductor Height2 can't be greater than or equal to Conductor Height1 + Copper Weight";

}  // namespace

void SolveEmbeddedMicrostripBlock(ImpedanceSolve& s) {
  WorkingValues& v = s.v;
  // An inner conductor: base copper only. The formula takes inches.
  const double t = v.BaseCopperThickness;
  WriteCopperText(s, t);
  const auto inches = [&s](double length) { return s.metric ? MmToInches(length) : MilsToInches(length); };
  v.TotalCopperThickness = inches(t);

  const double w = ParseLocaleFloat(s.c.width.text());
  v.ConductorWidth = inches(w);
  const double h1 = ParseLocaleFloat(s.c.height.text());
  const double h2 = ReadStructureLength(s, s.c.second, kHeightPositiveMessage);
  // The conductor's top must stay under the cover; nothing is corrected.
  if (h2 + t >= h1) s.page.dialogs().showInfo(std::string(kCoverMessage));

  const EmbeddedMicrostrip m =
      EmbeddedMicrostripModel(inches(w), inches(h1), inches(h2), inches(t), v.SubstrateEr);
  WriteImpedanceResults(s, m.zo, "%.4f Ohms", m.tpd, ResultGuard::None);
  WriteInnerRanges(s, "(H1)", w, h1, m.zo);
}

}  // namespace cq
