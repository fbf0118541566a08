#include "calc/conductor/conductor_properties_solver.h"

#include "app/input_check.h"
#include "app/program_options_controls.h"
#include "app/temperatures.h"
#include "app/working_values.h"
#include "calc/conductor/conductor_properties_controls.h"
#include "calc/conductor/conductor_properties_limits.h"
#include "calc/conductor/conductor_properties_model.h"
#include "calc/conductor/copper_choices.h"
#include "calc/conductor/copper_resistivity.h"
#include "calc/conductor/cross_section_text.h"
#include "calc/conductor/copper_weight.h"
#include "calc/conductor/ipc_current.h"
#include "calc/conductor/total_copper_text.h"
#include "platform/checked_math.h"
#include "platform/errors.h"
#include "platform/format.h"
#include "platform/numbers.h"
#include "platform/unit_factors.h"

namespace cq {

namespace {
constexpr int kSolveForAmperage = 0;
constexpr int kSolveForWidth = 1;
constexpr int kInternalLayer = 0;
constexpr int kExternalLayer = 1;
constexpr int kNo = 0;
constexpr int kYes = 1;

constexpr int kMinimumParallelCount = 2;

// Clears the correction flag however the nested solve ends.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};
}  // namespace

ConductorPropertiesSolver::ConductorPropertiesSolver(PageContext page, Temperatures& temperatures,
                                                     const BoundControls<ConductorPropertiesControls>& controls)
    : page_(page), temperatures_(temperatures), c_(controls) {}

double ConductorPropertiesSolver::read(const Edit& edit) const { return ParseLocaleFloat(edit.text()); }

void ConductorPropertiesSolver::noticeBelowMinimum(double value, Edit& field, const char* subject, bool metric) {
  if (value >= MinimumLength(metric)) return;
  if (auto notice = MinimumLengthNotice(subject, metric, page_.decimalMode())) {
    page_.dialogs().showInfo(notice->message);
    field.setText(notice->fieldText);
  }
}

void ConductorPropertiesSolver::readLengths(bool metric) {
  auto& w = page_.values();
  auto& dialogs = page_.dialogs();
  // Each check rewrites its field for the next solve; this one goes on with
  // the value as typed.
  v_.length = read(c_->length);
  if (v_.length > MaximumConductorLength(metric)) {
    LimitNotice notice = MaximumConductorLengthNotice(metric);
    dialogs.showInfo(notice.message);
    c_->length.setText(notice.fieldText);
  }
  noticeBelowMinimum(v_.length, c_->length, "Minimum conductor length can't be less than ", metric);

  CopperWeightThickness(CopperSelectionOf(c_->copper, page_.programOptions()), w.BaseCopperThickness,
                        w.PlatingThickness);

  // Checked on every solve, also while the fields are disabled or hidden.
  v_.pcbThickness = read(c_->pcbThickness);
  noticeBelowMinimum(v_.pcbThickness, c_->pcbThickness, "PCB Thickness can't be less than ", metric);
  v_.count = read(c_->count);
  CheckValue(page_, c_->count, v_.count,
             {[](double count) { return count < kMinimumParallelCount; },
              "Parallel conductor count can't be less than 2", "2", {}, FollowUp::KeepTyped});
}

void ConductorPropertiesSolver::readPlane(bool metric) {
  if (c_->planePresent.itemIndex() == kNo) {
    v_.planeFactor = 1.0;
    return;
  }
  const int weight = c_->planeWeight.itemIndex();
  if (c_->planePresent.itemIndex() != kYes || (weight != kPlaneHalfOrOneOunce && weight != kPlaneTwoOunce)) return;
  v_.planeDistance = read(c_->planeDistance);
  noticeBelowMinimum(v_.planeDistance, c_->planeDistance, "Plane distance can't be less than ", metric);
  if (auto factor = PlaneProximityModifier(true, weight, v_.planeDistance, metric)) v_.planeFactor = *factor;
}

bool ConductorPropertiesSolver::checkWidth(Control* sender) {
  auto& w = page_.values();
  if (c_->solveFor.itemIndex() != kSolveForAmperage || w.ConductorWidth > w.TotalCopperThickness) return true;
  // A thickness of zero or less fails the corrected width as well: the
  // nested solve then ends at once, and so does this one.
  if (correctingWidth_) {
    correctedWidthFailed_ = true;
    return false;
  }
  page_.dialogs().showInfo("Conductor width can't be less than or equal to conductor thickness");
  c_->widthOrCurrent.setText(FormatGeneralFloat(0.5 * w.TotalCopperThickness + w.TotalCopperThickness));
  correctedWidthFailed_ = false;
  {
    FlagScope correcting(correctingWidth_);
    page_.solve(sender);
  }
  return !correctedWidthFailed_;
}

void ConductorPropertiesSolver::writeCopperThickness(bool metric) {
  const double t = page_.values().TotalCopperThickness;
  ShowTotalCopper(page_, c_->copperThickness, t, metric);
  c_->information1.setCaption("N/A");
  c_->information2.setCaption("N/A");
}

void ConductorPropertiesSolver::writeCrossSection(bool metric) {
  auto& w = page_.values();
  const bool parallel = c_->parallel.itemIndex() == kYes;
  // Every later step divides by the count or by the area of no conductors.
  if (parallel && v_.count == 0) throw ZeroDivideError();
  auto area = EtchedCrossSection(page_.programOptions().etchFactor.itemIndex(), w.ConductorWidth,
                                 w.TotalCopperThickness, parallel, v_.count);
  if (!area) return;
  w.CrossSectionArea = *area;
  v_.areaSqMils = metric ? Mul(w.CrossSectionArea, kSqMilsPerSqMm) : w.CrossSectionArea;
  page_.showFormatted(c_->crossSection, CrossSectionText(w.CrossSectionArea, metric));
}

void ConductorPropertiesSolver::solveCurrentOrWidth(bool metric) {
  auto& w = page_.values();
  const int mode = page_.programOptions().ipcVersion.itemIndex();
  if (mode == kIpcWithModifiers) {
    double current = IpcCurrentFormula(v_.areaSqMils, w.TempRise, kIpcK, 1);
    current = Mul(Mul(current, w.AreaModifier), v_.boardFactor);
    if (c_->parallel.itemIndex() == kYes) current = Div(current, v_.count);
    v_.current = Mul(Mul(current, v_.planeFactor), w.SubstrateModifier);
    page_.show(c_->currentOrWidth, "%.4f Amps", v_.current);
    return;
  }
  if (mode != kIpcWithoutModifiers && mode != kIpc2221) return;
  const double k = mode == kIpc2221 && c_->layer.itemIndex() == kExternalLayer ? kIpcKExternal2221A : kIpcK;
  if (c_->solveFor.itemIndex() == kSolveForAmperage) {
    v_.current = IpcCurrentFormula(v_.areaSqMils, w.TempRise, k, 1);
    page_.show(c_->currentOrWidth, "%.4f Amps", v_.current);
  } else if (c_->solveFor.itemIndex() == kSolveForWidth) {
    // The etch factor is None in this state: the width is area over thickness.
    v_.current = read(c_->widthOrCurrent);
    v_.areaSqMils = IpcCurrentFormulaInverse(v_.current, w.TempRise, k);
    w.CrossSectionArea = metric ? Div(v_.areaSqMils, kSqMilsPerSqMm) : v_.areaSqMils;
    page_.showFormatted(c_->crossSection, CrossSectionText(w.CrossSectionArea, metric));
    w.ConductorWidth = Div(w.CrossSectionArea, w.TotalCopperThickness);
    page_.show(c_->currentOrWidth, metric ? "%.4f mm" : "%.4f mils", w.ConductorWidth);
    if (w.ConductorWidth < w.TotalCopperThickness)
      page_.dialogs().showInfo("Conductor width is less than conductor thickess");
  }
}

void ConductorPropertiesSolver::writeResistancePowerVoltage(bool metric) {
  auto& w = page_.values();
  w.CopperResistivity = CopperResistivity(w.ConductorTemp, metric);
  // With parallel conductors: the resistance, power and drop of one.
  double area = v_.areaSqMils;
  if (c_->parallel.itemIndex() == kYes) area = Div(area, v_.count);
  v_.resistance = Div(Mul(w.CopperResistivity, v_.length), area);
  page_.show(c_->resistance, "%.5f Ohms", v_.resistance);
  v_.power = Mul(Mul(v_.current, v_.current), v_.resistance);
  page_.show(c_->power, "%.5f Watts", v_.power);
  v_.voltage = Mul(v_.current, v_.resistance);
  page_.show(c_->voltage, "%.4f Volts", v_.voltage);
}

void ConductorPropertiesSolver::writeSkinDepth(bool metric) {
  const double metres = SkinDepthMetres(read(c_->frequency));
  const double depth = metric ? metres * kUmPerMetre : metres * kUmPerMetre * kMilsPerUm;
  const double half = metric ? v_.halfThickness * kUmPerMm : v_.halfThickness;
  page_.show(c_->skinDepth, metric ? "%.5f um" : "%.5f mils", depth);
  const double percent = Mul(Div(depth, half), 100);
  if (percent >= 100)
    c_->skinPercent.setText("100%");
  else
    page_.show(c_->skinPercent, "%.2f %%", percent);
  c_->skinPercent.setFontColor(depth < half ? colors::Red : colors::Navy);
}

void ConductorPropertiesSolver::SolveConductorProperties(Control* sender) {
  if (!page_.unitsChosen()) return;
  const bool metric = page_.metric();
  auto& w = page_.values();
  // The solve operation has run these already; their fields are corrected,
  // so nothing is shown twice.
  temperatures_.ValidateTempRise();
  temperatures_.ValidateAmbientTemp();
  temperatures_.ComputeConductorTemp();

  readLengths(metric);
  v_.boardFactor = BoardThicknessModifier(v_.pcbThickness, metric);
  readPlane(metric);
  if (c_->layer.itemIndex() == kInternalLayer) w.PlatingThickness = 0;
  w.TotalCopperThickness = w.PlatingThickness + w.BaseCopperThickness;
  v_.halfThickness = w.TotalCopperThickness / 2;
  if (!metric) writeCopperThickness(false);

  w.ConductorWidth = read(c_->widthOrCurrent);
  if (!checkWidth(sender)) return;
  // From here on the values are those a width correction's nested solve left.
  writeCrossSection(metric);
  if (metric) writeCopperThickness(true);
  // A zero-area power law with a negative exponent divides by zero.
  if (v_.areaSqMils == 0) throw ZeroDivideError();
  auto modifier = metric ? CalcAreaModifierSqMm(w.CrossSectionArea, w.TempRise)
                         : CalcAreaModifierSqMils(w.CrossSectionArea, w.TempRise);
  if (modifier) w.AreaModifier = *modifier;

  solveCurrentOrWidth(metric);
  writeResistancePowerVoltage(metric);
  if (!c_->dc.checked()) writeSkinDepth(metric);
  page_.show(c_->powerDbm, "%.4f dBm", PowerDbm(v_.power));
}

}  // namespace cq
