#include "calc/via/padstack_solver.h"

#include "app/input_check.h"
#include "app/main_window.h"
#include "calc/via/padstack_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
// A minimum computed from other inputs is written back in its general form.
// The check compares with the value that text reads back, so the nested solve
// accepts its own correction even where 15 digits round the sum down.
struct Minimum {
  std::string text;
  double value;
};
Minimum ComputedMinimum(double exact) {
  std::string text = FormatGeneralFloat(exact);
  const double value = TryParseLocaleFloat(text).value_or(exact);
  return {std::move(text), value};
}
}  // namespace

void PadstackSolver::attach(Form& form) {
  units_ = &form.radio("RadioGroup6");
  padType_ = &form.radio("RadioGroup14");
  padStyle_ = &form.radio("RadioGroup7");
  input1_ = &form.edit("Edit33");
  input2_ = &form.edit("Edit34");
  input3_ = &form.edit("Edit35");
  padHole_ = &form.edit("Edit211");
  padRing_ = &form.edit("Edit213");
  result1_ = &form.edit("Edit36");
  result2_ = &form.edit("Edit37");
  result3_ = &form.edit("Edit38");
  thermalInner_ = &form.edit("Edit39");
  spokeWidth_ = &form.edit("Edit40");
  infoCaption_ = &form.label("Label55");
  infoValue_ = &form.label("Label56");
  thermalOuterCaption_ = &form.label("Label69");
  spokeCaption_ = &form.label("Label64");
  innerCaption_ = &form.label("Label65");
  decimalMode_ = &form.label("Label165");
  padWarning_ = &form.get<Memo>("Memo3");
  conductorWarning_ = &form.get<Memo>("Memo5");
}

const std::string& PadstackSolver::decimalMode() const { return decimalMode_->caption(); }

std::string PadstackSolver::length(const char* format, double value) const {
  return main_.localize(Format(format, value));
}

bool PadstackSolver::passes(Control* sender, Edit& field, double value, const InputRule& rule) {
  return CheckValue(PageContext(main_), field, value, rule, sender).has_value();
}

namespace {
bool Negative(double v) { return v < 0; }
}  // namespace

void PadstackSolver::setThermalRowsShown(bool shown) {
  thermalInner_->setVisible(shown);
  spokeWidth_->setVisible(shown);
  spokeCaption_->setVisible(shown);
  innerCaption_->setVisible(shown);
}

void PadstackSolver::SolvePadstack(Control* sender) {
  const int unit = units_->itemIndex();
  if (unit != 0 && unit != 1) return;
  const bool metric = unit == 1;
  switch (static_cast<PadType>(padType_->itemIndex())) {
    case PadType::ThruHole:
      solveThruHole(sender, metric);
      break;
    case PadType::BgaLand:
      // The land texts come from the ball combo; only the thermal rows go.
      if (padStyle_->itemIndex() == 0) setThermalRowsShown(false);
      break;
    case PadType::ConductorPadTh:
      solveConductorPadTh(sender, metric, false);
      break;
    case PadType::TwoConductorsPadTh:
      solveConductorPadTh(sender, metric, true);
      break;
    case PadType::ConductorPadBga:
      solveConductorPadBga(sender, metric, false);
      break;
    case PadType::TwoConductorsPadBga:
      solveConductorPadBga(sender, metric, true);
      break;
    case PadType::CornerToCorner:
      solveCornerToCorner(sender, metric);
      break;
  }
}

void PadstackSolver::readRemembered(Control* sender, Edit& field, Remembered& into, bool metric,
                                    const char* message) {
  if (field.text() == "N/A") return;
  into = {ParseLocaleFloat(field.text()), metric};
  passes(sender, field, into.value, {Negative, message, "0", {}, FollowUp::Resolve});
}

void PadstackSolver::checkThruHoleHole(Control* sender, bool metric, bool plated) {
  if (!metric) {
    passes(sender, *input1_, hole_,
           {[](double h) { return h < 1; },
            plated ? "Hole diameter can't be less than 1mil." : "Hole diameter can't be less than 1mil...", "1", {},
            FollowUp::Resolve});
    passes(sender, *input1_, hole_,
           {[](double h) { return h > 250; },
            plated ? "Hole diameter can't be greater than 250mils. Holes larger the 250mils usually need "
                     "to be routed out."
                   : "Hole diameter can't be greater than 250mils. Holes larger the 250mils need to be "
                     "routed out",
            "250", {}, FollowUp::Resolve});
    return;
  }
  // Metric corrections count from the next solve; a decimal mode that is
  // neither point nor comma corrects nothing.
  const std::string& mode = decimalMode();
  if (mode != "0" && mode != "1") return;
  const bool comma = mode == "1";
  const char* noun = plated ? "Hole" : "Drill";
  if (hole_ < 0.0254) {
    main_.app().dialogs().showInfo(Format("%s diameter can't be less than %smm", noun, comma ? "0,0254" : "0.0254"));
    input1_->setText(comma ? "0,0254" : "0.0254");
  }
  if (hole_ > 6.35) {
    const char* limit = comma ? "6,35" : "6.35";
    main_.app().dialogs().showInfo(Format("%s diameter can't be greater than %smm. Holes larger the %smm %s", noun,
                                          limit, limit,
                                          plated ? "usually need to be routed out" : "need to be routed out"));
    input1_->setText(comma ? "6,35" : "6.35");
  }
}

void PadstackSolver::solveThruHole(Control* sender, bool metric) {
  readRemembered(sender, *input2_, lastAnnularRing_, metric,
                 "Annular ring should be greater than zero for plated holes.");
  readRemembered(sender, *input3_, lastIsolationWidth_, metric,
                 "Isolation width should be greater than zero for plated holes with thermal reliefs.");
  // A ring or isolation read in the other unit system counts in this one.
  const double ring = LengthInUnits(lastAnnularRing_.value, lastAnnularRing_.metric, metric);
  const double isolation = LengthInUnits(lastIsolationWidth_.value, lastIsolationWidth_.metric, metric);
  const char* format = metric ? "%.4f mm" : "%.2f mils";
  const int style = padStyle_->itemIndex();

  if (style == 0) {
    hole_ = ParseLocaleFloat(input1_->text());
    checkThruHoleHole(sender, metric, true);
    thermalOuterCaption_->setCaption("Outer Diameter");
    input2_->setEnabled(true);
    input3_->setEnabled(true);
    setThermalRowsShown(true);
    const double pad = PadAroundHole(hole_, ring);
    const std::string padText = length(format, pad);
    result1_->setText(padText);
    result2_->setText(padText);
    thermalInner_->setText(padText);
    result3_->setText(length(format, ThermalOuterDiameter(pad, isolation)));
    infoCaption_->setCaption("Pad Diameter");
    infoValue_->setCaption(result1_->text());
    spokeWidth_->setText(SpokeWidthText(ParseLocaleFloat(input1_->text()), metric, decimalMode() == "1"));
  } else if (style == 1) {
    hole_ = ParseLocaleFloat(input1_->text());
    checkThruHoleHole(sender, metric, false);
    thermalOuterCaption_->setCaption("Pad Diameter");
    input2_->setText("N/A");
    input3_->setText("N/A");
    input2_->setEnabled(false);
    input3_->setEnabled(false);
    setThermalRowsShown(false);
    result1_->setText(length(format, ParseLocaleFloat(input1_->text())));
    if (metric) {
      const std::string padText = length(format, NonPlatedMetricPad(hole_));
      result2_->setText(padText);
      result3_->setText(padText);
    } else {
      const double pad = PadAroundHole(hole_, ring);
      result2_->setText(length(format, pad));
      result3_->setText(length(format, pad + isolation));
    }
    infoCaption_->setCaption("Pad Diameter");
    infoValue_->setCaption(result1_->text());
  }
}

void PadstackSolver::solveConductorPadTh(Control* sender, bool metric, bool two) {
  // These values belong to this solve: a nested solve does not change them.
  const double pitch = ParseLocaleFloat(input1_->text());
  const double width = ParseLocaleFloat(input2_->text());
  const double spacing = ParseLocaleFloat(input3_->text());
  const double hole = ParseLocaleFloat(padHole_->text());
  const double minRing = ParseLocaleFloat(padRing_->text());
  const char* format = metric ? "%.4f mm" : "%.2f mils";

  const double minPad = PadAroundHole(hole, minRing);
  infoCaption_->setCaption("Pad Diameter");
  infoValue_->setCaption(length(format, minPad));
  const double maxPad = MaxPadBetweenPads(pitch, width, spacing, two);
  result1_->setText(length(metric ? (two ? "%.4f mm" : "%.3f mm") : "%.2f mils", maxPad));
  result2_->setText(length(format, RingLeft(maxPad, hole)));

  // A correction solves again at once, and that solve writes the results,
  // colours and warning from the corrected inputs: they stand, and this
  // solve, whose values are the uncorrected ones, ends.
  if (!passes(sender, *input2_, width,
              {Negative, "Conductor width should be greater than zero.", "0", {}, FollowUp::ResolveAndEnd}))
    return;
  if (!passes(sender, *input3_, spacing,
              {Negative, "Spacing constraint should be at least zero.", "0", {}, FollowUp::ResolveAndEnd}))
    return;
  const Minimum minPitch = ComputedMinimum(minPad);
  if (!passes(sender, *input1_, pitch,
              {[&minPitch](double p) { return minPitch.value > p; },
               "Distance between pads cannont be less than the hole diameter + annular ring x2.", minPitch.text, {},
               FollowUp::ResolveAndEnd}))
    return;

  const bool tooSmall = minPad > maxPad;
  const Color colour = tooSmall ? colors::Red : colors::Navy;
  result1_->setFontColor(colour);
  result2_->setFontColor(colour);
  padWarning_->setVisible(tooSmall);
}

void PadstackSolver::solveConductorPadBga(Control* sender, bool metric, bool two) {
  landPitch_ = ParseLocaleFloat(input1_->text());
  land_ = ParseLocaleFloat(input2_->text());
  landSpacing_ = ParseLocaleFloat(input3_->text());
  const Minimum minPitch = ComputedMinimum(land_);
  passes(sender, *input1_, landPitch_,
         {[&minPitch](double p) { return p < minPitch.value; },
          "Distance between lands cannont be less than the land diameter.", minPitch.text, {}, FollowUp::Resolve});
  passes(sender, *input2_, land_, {Negative, "Land diameter should be greater than zero.", "0", {}, FollowUp::Resolve});
  passes(sender, *input3_, landSpacing_,
         {Negative, "Spacing constraint should be at least zero.", "0", {}, FollowUp::Resolve});

  const double widest = MaxConductorBetweenLands(landPitch_, land_, landSpacing_, two);
  result1_->setText(length(metric ? "%.4f mm" : "%.3f mils", widest));
  const bool negative = widest < 0;
  result1_->setFontColor(negative ? colors::Red : colors::Navy);
  conductorWarning_->setVisible(negative);
  infoCaption_->setCaption("Land Diameter");
  infoValue_->setCaption(length(metric ? "%.4f mm" : "%.2f mils", land_));
}

void PadstackSolver::solveCornerToCorner(Control* sender, bool metric) {
  sideA_ = ParseLocaleFloat(input1_->text());
  sideB_ = ParseLocaleFloat(input2_->text());
  passes(sender, *input1_, sideA_, {Negative, "Side a should be greater than zero.", "0", {}, FollowUp::Resolve});
  passes(sender, *input2_, sideB_, {Negative, "Side b should be greater than zero.", "0", {}, FollowUp::Resolve});
  const double corner = CornerDistance(sideA_, sideB_);
  result1_->setText(length(metric ? "%.3f mm" : "%.2f mils", corner));
  const DrillRange drills = SuggestedDrills(corner, metric);
  const char* drillFormat = metric ? "%0.3f mm" : "%0.2f mils";
  result2_->setText(length(drillFormat, drills.min));
  result3_->setText(length(drillFormat, drills.max));
  infoCaption_->setCaption("Formula");
  infoValue_->setCaption("Pythagorean");
}

}  // namespace cq
