#include "calc/via/via_solver.h"

#include "app/input_check.h"
#include "app/temperatures.h"
#include "app/working_values.h"
#include "calc/conductor/copper_choices.h"
#include "calc/conductor/conductor_properties_model.h"
#include "calc/conductor/copper_resistivity.h"
#include "calc/conductor/ipc_current.h"
#include "calc/via/differential_via_solver.h"
#include "calc/via/single_via_model.h"
#include "calc/via/via_controls.h"
#include "calc/via/via_input_checks.h"
#include "calc/via/via_selection_layouts.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"
#include "platform/unit_factors.h"

namespace cq {

namespace {
constexpr double kMaximumViaCount = 999;
constexpr double kMinimumViaCount = 1;
}  // namespace

ViaSolver::ViaSolver(PageContext page, Temperatures& temperatures, const BoundControls<ViaControls>& controls,
                     DifferentialViaSolver& differential)
    : page_(page), temperatures_(temperatures), c_(controls), differential_(differential) {}

double ViaSolver::read(const Edit& edit) const { return ParseLocaleFloat(edit.text()); }

const ProgramOptionsControls& ViaSolver::options() const { return page_.programOptions(); }

Edit& ViaSolver::fieldOf(ViaField field) {
  switch (field) {
    case ViaField::Hole: return c_->hole;
    case ViaField::Pad: return c_->pad;
    case ViaField::Opening: return c_->opening;
    case ViaField::Height: return c_->heightOrOpeningWidth;
    case ViaField::Plating: return c_->plating;
    case ViaField::Er: break;
  }
  return c_->er;
}

void ViaSolver::runChecks(bool metric, bool singleVia) {
  ViaCheckContext context{metric, singleVia, c_->layerSet.itemIndex(), page_.decimalMode()};
  // The box is refused for its empty text, which has no value to test.
  if (c_->hole.text().empty())
    if (auto notice = EmptyHoleNotice(context))
      CheckValue(page_, c_->hole, 0, {[](double) { return true; }, notice->message, notice->fieldText, {},
                                      FollowUp::ReadCorrected});
  // Every check compares the values as parsed here, before any rewrite.
  ViaCheckInputs in;
  in.hole = read(c_->hole);
  if (singleVia) {
    in.pad = read(c_->pad);
    in.opening = read(c_->opening);
    in.height = read(c_->heightOrOpeningWidth);
    in.plating = read(c_->plating);
  }
  in.er = read(c_->er);
  // The rewritten texts are read only after the last check. The texts are
  // written out only for a refused value.
  for (const ViaCheck& check : ViaFieldChecks(in, context)) {
    const double value = ValueOf(in, check.field);
    if (!check.refuses(value)) continue;
    const std::string message = check.message;
    const std::string text = check.fieldText;
    CheckValue(page_, fieldOf(check.field), value, {check.refuses, message, text, {}, FollowUp::KeepTyped});
  }
}

void ViaSolver::sharedReads(bool metric) {
  auto& v = page_.values();
  v.PlatingThickness = read(c_->plating);
  // Parsed only so that a text that is no number ends the solve here.
  read(c_->pad);
  read(c_->opening);
  read(c_->heightOrOpeningWidth);
  v.SubstrateEr = read(c_->er);
  boardFactor_ = BoardThicknessModifier(read(c_->heightOrOpeningWidth), metric);
  holeValue_ = read(c_->hole);
}

void ViaSolver::SolveViaProperties() {
  const bool metric = page_.metric();
  const int layout = c_->property.itemIndex();
  runChecks(metric, layout == kSingleViaLayout);
  temperatures_.ValidateTempRise();
  temperatures_.ValidateAmbientTemp();
  temperatures_.ComputeConductorTemp();
  sharedReads(metric);
  if (layout == kSingleViaLayout)
    solveSingleVia(metric);
  else if (layout == kDifferentialViaLayout)
    differential_.Solve();
}

void ViaSolver::writeAspectRatio(double ratio, int layerSet) {
  // The microvia has its own limit in Program Options.
  const Edit& limitBox = layerSet == kViaMicrovia ? options().microviaLimit : options().throughHoleLimit;
  const double limit = ParseLocaleFloat(limitBox.text());
  page_.show(c_->aspectRatio, "%.2f:1", ratio);
  const bool exceeded = ratio > limit;
  c_->aspectRatio.setFontColor(exceeded ? colors::Red : colors::Black);
  c_->aspectWarning.setVisible(exceeded);
}

void ViaSolver::readViaCount() {
  // Both limits test the typed count.
  const double count = read(c_->viaCount);
  CheckValue(page_, c_->viaCount, count,
             {[](double n) { return n > kMaximumViaCount; }, "Via count cannot be greater than 999", "999", {},
              FollowUp::KeepTyped});
  CheckValue(page_, c_->viaCount, count,
             {[](double n) { return n < kMinimumViaCount; }, "Via count cannot be less than 1", "1", {},
              FollowUp::KeepTyped});
}

void ViaSolver::solveSingleVia(bool metric) {
  auto& v = page_.values();
  const double d = holeValue_;
  const int layerSet = c_->layerSet.itemIndex();

  v.CrossSectionArea = ViaBarrelArea(d, v.PlatingThickness);
  page_.show(c_->crossSectionOrDifferential, metric ? "%.4f Sq.mm" : "%.2f Sq.mils", v.CrossSectionArea);
  const double areaSqMils = metric ? v.CrossSectionArea * kSqMilsPerSqMm : v.CrossSectionArea;

  // An area modifier that has no band keeps the previous one.
  auto areaModifier = metric ? CalcAreaModifierSqMm(v.CrossSectionArea, v.TempRise)
                             : CalcAreaModifierSqMils(v.CrossSectionArea, v.TempRise);
  if (areaModifier) v.AreaModifier = *areaModifier;

  double modifiers = 1;
  if (options().ipcVersion.itemIndex() == kIpcWithModifiers) {
    const bool heightLeftOut = options().viaHeight.checked();
    modifiers = v.AreaModifier * (heightLeftOut ? 1 : boardFactor_) * v.SubstrateModifier;
  }
  const double amps = ViaCurrent(v.TempRise, areaSqMils, modifiers);
  page_.show(c_->currentOrEffectiveEr, "%.4f Amps", amps);

  writeAspectRatio(ViaAspectRatio(read(c_->heightOrOpeningWidth), read(c_->hole)), layerSet);

  const double padIn = ViaInches(read(c_->pad), metric);
  const double openingIn = ViaInches(read(c_->opening), metric);
  const double heightIn = ViaInches(read(c_->heightOrOpeningWidth), metric);
  const double holeIn = ViaInches(d, metric);
  if (layerSet == kViaMicrovia) {
    page_.show(c_->inductance, "%.4f nH", ViaInductance(heightIn, holeIn));
  } else {
    const double c = layerSet == kViaMultiLayer ? ViaCapacitanceMultiLayer(v.SubstrateEr, heightIn, padIn, openingIn)
                                                : kVia2LayerCapacitance;
    const double l = ViaInductance(heightIn, holeIn);
    const double f = ViaResonantFrequency(l, c);
    const double z = ViaImpedance(l, c);
    const double t = ViaStepResponse(c, z);
    page_.show(c_->capacitance, "%.4f pF", c);
    page_.show(c_->inductance, "%.4f nH", l);
    page_.show(c_->stepResponseOrInsertionLoss, "%.4f ps", t);
    page_.show(c_->resonance, "%.3f MHz", f);
    page_.show(c_->impedance, "%.3f Ohms", z);
  }

  v.CopperResistivity = CopperResistivity(v.ConductorTemp, metric);
  const double height = read(c_->heightOrOpeningWidth);
  const double ohms = ViaResistance(v.CopperResistivity, height, areaSqMils);
  page_.show(c_->resistanceOrMaxStub, "%.5f Ohms", ohms);
  const double watts = amps * amps * ohms;
  page_.show(c_->powerOrOddMode, "%.5f Watts", watts);
  page_.show(c_->powerDbm, "%.4f dBm", PowerDbm(watts));

  const double heightMils = metric ? MmToMils(height) : height;
  const double theta = ViaThermalResistance(heightMils, areaSqMils);
  page_.show(c_->thermal, "%.1f °C/W", theta);

  readViaCount();
  page_.show(c_->thermalCount, "%.1f °C/W per via", Div(theta, read(c_->viaCount)));
  page_.show(c_->voltageDrop, "%.4f mV", amps * ohms * 1000);
}

}  // namespace cq
