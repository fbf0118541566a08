#include "calc/tline/impedance/impedance_solve.h"

#include "app/input_check.h"
#include "app/input_messages.h"
#include "calc/conductor/copper_choices.h"
#include "calc/tline/impedance/impedance_blocks.h"
#include "calc/tline/impedance/impedance_output.h"
#include "platform/numbers.h"

namespace cq {

namespace {

bool NotPositive(double value) { return value <= 0; }

// The smallest length the page corrects to: 1 mil, or 0.0254 mm.
InputRule PositiveLength(bool metric, std::string_view message, FollowUp followUp) {
  if (metric) return {NotPositive, message, "0.0254", "0,0254", followUp};
  return {NotPositive, message, "1", {}, followUp};
}

}  // namespace

double ReadStructureLength(ImpedanceSolve& s, Edit& field, std::string_view message) {
  // Computing with the corrected text keeps the field and the results in step.
  return CheckInput(s.page, field, PositiveLength(s.metric, message, FollowUp::ReadCorrected), s.sender);
}

void SolveConductorImpedance(const PageContext& page, ImpedanceControls& c, Control* sender) {
  if (!page.unitsChosen()) return;
  ImpedanceSolve s{page, c, page.values(), page.metric(), sender};
  WorkingValues& v = s.v;

  CopperWeightThickness(CopperSelectionOf(c.copper, page.programOptions()), v.BaseCopperThickness,
                        v.PlatingThickness);

  // Each refused value is corrected and solved again; the blocks then read
  // the corrected fields and the Er the nested solve left.
  v.SubstrateEr = ParseLocaleFloat(c.er.text());
  CheckValue(page, c.er, v.SubstrateEr,
             {[](double er) { return er <= 1; }, kErAboveOneMessage, "1.01", "1,01", FollowUp::Resolve}, sender);
  v.ConductorWidth = ParseLocaleFloat(c.width.text());
  CheckValue(page, c.width, v.ConductorWidth, PositiveLength(s.metric, kWidthPositiveMessage, FollowUp::Resolve),
             sender);
  v.ConductorHeight = ParseLocaleFloat(c.height.text());
  CheckValue(page, c.height, v.ConductorHeight,
             PositiveLength(s.metric, kHeightPositiveMessage, FollowUp::Resolve), sender);

  const int item = c.structure.itemIndex();
  if (item < 0 || item >= static_cast<int>(kImpedanceBlocks.size())) return;
  kImpedanceBlocks[item](s);
}

}  // namespace cq
