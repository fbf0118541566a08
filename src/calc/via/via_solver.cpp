#include "calc/via/via_solver.h"

#include "app/input_check.h"
#include "app/temperatures.h"
#include "app/working_values.h"
#include "calc/conductor/copper_choices.h"
#include "calc/conductor/conductor_properties_model.h"
#include "calc/conductor/copper_resistivity.h"
#include "calc/conductor/ipc_current.h"
#include "platform/unit_factors.h"
#include "calc/via/single_via_model.h"
#include "calc/via/via_input_checks.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"
#include "settings/ipc_version_effects.h"

namespace cq {

namespace {
constexpr int kSingleViaLayout = 0;
constexpr int kDifferentialLayout = 1;
constexpr double kMaximumViaCount = 999;
constexpr double kMinimumViaCount = 1;
}  // namespace

ViaSolver::ViaSolver(PageContext page, Temperatures& temperatures)
    : page_(page), temperatures_(temperatures), form_(page.form()) {}

double ViaSolver::read(const Edit& edit) const { return ParseLocaleFloat(edit.text()); }

const ProgramOptionsControls& ViaSolver::options() const { return page_.programOptions(); }

Edit& ViaSolver::fieldOf(ViaField field) {
  switch (field) {
    case ViaField::Hole: return hole_;
    case ViaField::Pad: return pad_;
    case ViaField::Opening: return opening_;
    case ViaField::Height: return height_;
    case ViaField::Plating: return plating_;
    case ViaField::Er: break;
  }
  return er_;
}

void ViaSolver::runChecks(bool metric, bool singleVia) {
  ViaCheckContext context{metric, singleVia, layerSet_.itemIndex(), decimalMode_.caption()};
  // The box is refused for its empty text, which has no value to test.
  if (hole_.text().empty())
    if (auto notice = EmptyHoleNotice(context))
      CheckValue(page_, hole_, 0, {[](double) { return true; }, notice->message, notice->fieldText, {},
                                  FollowUp::ReadCorrected});
  // Every check compares the values as parsed here, before any rewrite.
  ViaCheckInputs in;
  in.hole = read(hole_);
  if (singleVia) {
    in.pad = read(pad_);
    in.opening = read(opening_);
    in.height = read(height_);
    in.plating = read(plating_);
  }
  in.er = read(er_);
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
  v.PlatingThickness = read(plating_);
  // Parsed only so that a text that is no number ends the solve here.
  read(pad_);
  read(opening_);
  read(height_);
  v.SubstrateEr = read(er_);
  boardFactor_ = BoardThicknessModifier(read(height_), metric);
  holeValue_ = read(hole_);
}

void ViaSolver::SolveViaProperties() {
  const bool metric = page_.metric();
  const int layout = property_.itemIndex();
  runChecks(metric, layout == kSingleViaLayout);
  temperatures_.ValidateTempRise();
  temperatures_.ValidateAmbientTemp();
  temperatures_.ComputeConductorTemp();
  sharedReads(metric);
  if (layout == kSingleViaLayout)
    solveSingleVia(metric);
  else if (layout == kDifferentialLayout && differential_)
    differential_();
}

void ViaSolver::writeAspectRatio(double ratio, int layerSet) {
  // The microvia has its own limit in Program Options.
  const Edit& limitBox = layerSet == kViaMicrovia ? options().microviaLimit : options().throughHoleLimit;
  const double limit = ParseLocaleFloat(limitBox.text());
  page_.show(aspectRatio_, "%.2f:1", ratio);
  const bool exceeded = ratio > limit;
  aspectRatio_.setFontColor(exceeded ? colors::Red : colors::Black);
  aspectWarning_.setVisible(exceeded);
}

void ViaSolver::readViaCount() {
  // Both limits test the typed count.
  const double count = read(viaCount_);
  CheckValue(page_, viaCount_, count,
             {[](double n) { return n > kMaximumViaCount; }, "Via count cannot be greater than 999", "999", {},
              FollowUp::KeepTyped});
  CheckValue(page_, viaCount_, count,
             {[](double n) { return n < kMinimumViaCount; }, "Via count cannot be less than 1", "1", {},
              FollowUp::KeepTyped});
}

void ViaSolver::solveSingleVia(bool metric) {
  auto& v = page_.values();
  const double d = holeValue_;
  const int layerSet = layerSet_.itemIndex();

  v.CrossSectionArea = ViaBarrelArea(d, v.PlatingThickness);
  page_.show(crossSection_, metric ? "%.4f Sq.mm" : "%.2f Sq.mils", v.CrossSectionArea);
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
  page_.show(current_, "%.4f Amps", amps);

  writeAspectRatio(ViaAspectRatio(read(height_), read(hole_)), layerSet);

  const double padIn = ViaInches(read(pad_), metric);
  const double openingIn = ViaInches(read(opening_), metric);
  const double heightIn = ViaInches(read(height_), metric);
  const double holeIn = ViaInches(d, metric);
  if (layerSet == kViaMicrovia) {
    page_.show(inductance_, "%.4f nH", ViaInductance(heightIn, holeIn));
  } else {
    const double c = layerSet == kViaMultiLayer ? ViaCapacitanceMultiLayer(v.SubstrateEr, heightIn, padIn, openingIn)
                                                : kVia2LayerCapacitance;
    const double l = ViaInductance(heightIn, holeIn);
    const double f = ViaResonantFrequency(l, c);
    const double z = ViaImpedance(l, c);
    const double t = ViaStepResponse(c, z);
    page_.show(capacitance_, "%.4f pF", c);
    page_.show(inductance_, "%.4f nH", l);
    page_.show(stepResponse_, "%.4f ps", t);
    page_.show(resonance_, "%.3f MHz", f);
    page_.show(impedance_, "%.3f Ohms", z);
  }

  v.CopperResistivity = CopperResistivity(v.ConductorTemp, metric);
  const double height = read(height_);
  const double ohms = ViaResistance(v.CopperResistivity, height, areaSqMils);
  page_.show(resistance_, "%.5f Ohms", ohms);
  const double watts = amps * amps * ohms;
  page_.show(power_, "%.5f Watts", watts);
  page_.show(powerDbm_, "%.4f dBm", PowerDbm(watts));

  const double heightMils = metric ? MmToMils(height) : height;
  const double theta = ViaThermalResistance(heightMils, areaSqMils);
  page_.show(thermal_, "%.1f °C/W", theta);

  readViaCount();
  page_.show(thermalCount_, "%.1f °C/W per via", Div(theta, read(viaCount_)));
  page_.show(voltageDrop_, "%.4f mV", amps * ohms * 1000);
}

}  // namespace cq
