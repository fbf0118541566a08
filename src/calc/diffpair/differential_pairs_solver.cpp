#include "calc/diffpair/differential_pairs_solver.h"

#include "app/input_check.h"
#include "app/input_messages.h"
#include "app/working_values.h"
#include "calc/conductor/copper_choices.h"
#include "calc/conductor/total_copper_text.h"
#include "calc/diffpair/diffpair_solver_controls.h"
#include "calc/diffpair/pair_coupling.h"
#include "calc/diffpair/pair_target.h"
#include "calc/diffpair/zdiff_tolerance.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

DifferentialPairsSolver::DifferentialPairsSolver(PageContext page, Form& form) : page_(page) { c_.bind(form); }

// In the order of the layer radio.
const std::array<DifferentialPairsSolver::Structure, 6> DifferentialPairsSolver::kStructures = {
    &DifferentialPairsSolver::EdgeCoupledMicrostrip,     // "Edge Cpld Ext"
    &DifferentialPairsSolver::EdgeCoupledStripline,      // "Edge Cpld Int Sym"
    &DifferentialPairsSolver::EdgeCoupledAsymStripline,  // "Edge Cpld Int Asym"
    &DifferentialPairsSolver::EdgeCoupledEmbedded,       // "Edge Cpld Embed"
    &DifferentialPairsSolver::BroadsideShielded,         // "Broad Cpld Shld"
    &DifferentialPairsSolver::BroadsideUnshielded,       // "Broad Cpld NShld"
};

void DifferentialPairsSolver::write(Edit& field, const std::string& text) { field.setText(page_.localize(text)); }

void DifferentialPairsSolver::write(Label& label, const std::string& text) {
  label.setCaption(page_.localize(text));
}

double DifferentialPairsSolver::read(const Edit& field) const { return ParseLocaleFloat(field.text()); }

void DifferentialPairsSolver::SolveDifferentialPairs(Control* sender) {
  c_->viaThermal110.setCaption("N/A");
  c_->viaThermal285.setCaption("N/A");
  if (!page_.unitsChosen()) return;
  auto& v = page_.values();
  CopperWeightThickness(CopperSelectionOf(c_->copper, page_.programOptions()), v.BaseCopperThickness,
                        v.PlatingThickness);

  Front front{};
  front.metric = page_.metric();
  front.coupledLength = read(c_->coupledLength);
  front.riseTime = read(c_->riseTime);
  front.appliedVoltage = read(c_->appliedVoltage);
  // The field is rewritten to 1 and this solve computes with what it says.
  v.SubstrateEr = CheckInput(page_, c_->er, {[](double er) { return er < 1; }, kMinimumErMessage, "1"});
  v.ConductorWidth = read(c_->width);
  v.ConductorSpacing = read(c_->spacing);

  const int item = c_->structure.itemIndex();
  // Without an item the radio is between a clear and its refill.
  if (item < 0 || item >= static_cast<int>(kStructures.size())) return;
  if ((this->*kStructures[static_cast<std::size_t>(item)])(front, sender)) checkTarget();
}

void DifferentialPairsSolver::writeCopper(double t, bool metric) {
  ShowTotalCopper(page_, c_->totalCopper, t, metric, UmOverflow::Raises);
}

double DifferentialPairsSolver::writeSaturationLength(double permittivity, const Front& front) {
  const double lsat = SaturationLength(permittivity, front.riseTime, front.metric);
  page_.show(c_->saturationLength, front.metric ? "%.2f mm" : "%.2f mils", lsat);
  return lsat;
}

void DifferentialPairsSolver::writeZo(double zo) {
  page_.values().CharacteristicImpedance = zo;
  page_.show(c_->zo, "%.3f Ohms", zo);
}

void DifferentialPairsSolver::writeZdiff(double zdiff) {
  page_.values().DifferentialImpedance = zdiff;
  page_.show(c_->zdiff, "%.3f Ohms", zdiff);
}

void DifferentialPairsSolver::writeRatios(double w, double s, double href) {
  widthRatio_ = Div(w, href);
  widthRatioText_ = Format("%.3f", widthRatio_);
  write(c_->widthRatio, widthRatioText_);
  spacingRatio_ = Div(s, href);
  spacingRatioText_ = Format("%.3f", spacingRatio_);
  write(c_->spacingRatio, spacingRatioText_);
}

void DifferentialPairsSolver::writeCoupling(std::optional<double> zo, double zdiff, double lsat, const Front& front) {
  const double zodd = OddModeImpedance(zdiff);
  page_.show(c_->zodd, "%.3f Ohms", zodd);
  if (!zo) {
    // Without a single-ended impedance of this pair the even mode and the
    // coupling would come from whatever pair was solved before.
    for (Edit* field : {&c_->zeven, &c_->kb, &c_->kbUnterminated, &c_->kbDb, &c_->kbUnterminatedDb,
                        &c_->nextTerminated, &c_->nextUnterminated}) {
      field->setText("N/A");
    }
    return;
  }
  const double zeven = EvenModeImpedance(*zo, zodd);
  page_.show(c_->zeven, "%.3f Ohms", zeven);
  const double kb = BackwardCouplingTerminated(zeven, zodd, *zo);
  page_.show(c_->kb, "%.4f", kb);
  const double kbu = BackwardCouplingUnterminated(zeven, zodd);
  page_.show(c_->kbUnterminated, "%.4f", kbu);
  page_.show(c_->kbDb, "%.3f", CouplingDecibels(kb));
  page_.show(c_->kbUnterminatedDb, "%.3f", CouplingDecibels(kbu));
  const auto next = [&](auto& shown, double coupling) {
    page_.show(shown, "%.4f V", NearEndVoltage(coupling, front.coupledLength, lsat, front.appliedVoltage));
  };
  next(c_->nextTerminated, kb);
  next(c_->nextUnterminated, kbu);
}

void DifferentialPairsSolver::writeEdgePair(double zo, const std::function<double()>& zdiffOf, double href,
                                            double lsat, const Front& front) {
  writeZo(zo);
  const double zdiff = zdiffOf();
  writeZdiff(zdiff);
  const auto& v = page_.values();
  writeRatios(v.ConductorWidth, v.ConductorSpacing, href);
  writeCoupling(zo, zdiff, lsat, front);
}

void DifferentialPairsSolver::checkTarget() {
  const ZdiffFactors tolerance = ComputeZdiffTolerance(c_->tolerance);
  const double target = read(c_->target);
  const ZdiffBounds bounds = TargetBounds(target, tolerance.upper, tolerance.lower);
  page_.show(c_->upperBound, "%.3f Ohms", bounds.upper);
  page_.show(c_->lowerBound, "%.3f Ohms", bounds.lower);
  c_->withinTarget.setBrush(ZdiffWithinTarget(page_.values().DifferentialImpedance, bounds) ? colors::Lime
                                                                                             : colors::Red);
  const auto mark = [this](Label& label, double ratio, const std::string& printed) {
    const bool inRange = RatioInFormulaRange(ratio);
    label.setFontColor(inRange ? colors::Black : colors::Red);
    write(label, RatioText(printed, inRange));
  };
  mark(c_->widthRatio, widthRatio_, widthRatioText_);
  mark(c_->spacingRatio, spacingRatio_, spacingRatioText_);
}

}  // namespace cq
