#include "calc/via/padstack_solver.h"

#include "app/input_check.h"
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

// Bound once, when the window is built.
struct PadstackSolver::Controls {
  Form& f;
  RadioGroup& padType = f.radio("RadioGroup14");
  RadioGroup& padStyle = f.radio("RadioGroup7");
  Edit& input1 = f.edit("Edit33");
  Edit& input2 = f.edit("Edit34");
  Edit& input3 = f.edit("Edit35");
  Edit& padHole = f.edit("Edit211");
  Edit& padRing = f.edit("Edit213");
  Edit& result1 = f.edit("Edit36");
  Edit& result2 = f.edit("Edit37");
  Edit& result3 = f.edit("Edit38");
  Edit& thermalInner = f.edit("Edit39");
  Edit& spokeWidth = f.edit("Edit40");
  Label& infoCaption = f.label("Label55");
  Label& infoValue = f.label("Label56");
  Label& thermalOuterCaption = f.label("Label69");
  Label& spokeCaption = f.label("Label64");
  Label& innerCaption = f.label("Label65");
  Label& decimalMode = f.label("Label165");
  Memo& padWarning = f.get<Memo>("Memo3");
  Memo& conductorWarning = f.get<Memo>("Memo5");
};

void PadstackSolver::attach(Form& form) { c_.bind(form); }

const std::string& PadstackSolver::decimalMode() const { return c_->decimalMode.caption(); }

std::string PadstackSolver::length(const char* format, double value) const {
  return page_.localize(Format(format, value));
}

void PadstackSolver::check(Control* sender, Edit& field, double value, const InputRule& rule) {
  CheckValue(page_, field, value, rule, sender);
}

bool PadstackSolver::ends(Control* sender, Edit& field, double value, const EndingRule& rule) {
  return EndsSolve(page_, field, value, rule, sender);
}

namespace {
bool Negative(double v) { return v < 0; }
}  // namespace

void PadstackSolver::setThermalRowsShown(bool shown) {
  c_->thermalInner.setVisible(shown);
  c_->spokeWidth.setVisible(shown);
  c_->spokeCaption.setVisible(shown);
  c_->innerCaption.setVisible(shown);
}

void PadstackSolver::SolvePadstack(Control* sender) {
  if (!page_.unitsChosen()) return;
  const bool metric = page_.metric();
  switch (static_cast<PadType>(c_->padType.itemIndex())) {
    case PadType::ThruHole:
      solveThruHole(sender, metric);
      break;
    case PadType::BgaLand:
      // The land texts come from the ball combo; only the thermal rows go.
      if (c_->padStyle.itemIndex() == 0) setThermalRowsShown(false);
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
  check(sender, field, into.value, {Negative, message, "0", {}, FollowUp::Resolve});
}

void PadstackSolver::checkThruHoleHole(Control* sender, bool metric, bool plated) {
  if (!metric) {
    check(sender, c_->input1, hole_,
          {[](double h) { return h < 1; },
           plated ? "Hole diameter can't be less than 1mil." : "Hole diameter can't be less than 1mil...", "1", {},
           FollowUp::Resolve});
    check(sender, c_->input1, hole_,
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
    page_.dialogs().showInfo(Format("%s diameter can't be less than %smm", noun, comma ? "0,0254" : "0.0254"));
    c_->input1.setText(comma ? "0,0254" : "0.0254");
  }
  if (hole_ > 6.35) {
    const char* limit = comma ? "6,35" : "6.35";
    page_.dialogs().showInfo(Format("%s diameter can't be greater than %smm. Holes larger the %smm %s", noun,
                                          limit, limit,
                                          plated ? "usually need to be routed out" : "need to be routed out"));
    c_->input1.setText(comma ? "6,35" : "6.35");
  }
}

void PadstackSolver::solveThruHole(Control* sender, bool metric) {
  readRemembered(sender, c_->input2, lastAnnularRing_, metric,
                 "Annular ring should be greater than zero for plated holes.");
  readRemembered(sender, c_->input3, lastIsolationWidth_, metric,
                 "Isolation width should be greater than zero for plated holes with thermal reliefs.");
  // A ring or isolation read in the other unit system counts in this one.
  const double ring = LengthInUnits(lastAnnularRing_.value, lastAnnularRing_.metric, metric);
  const double isolation = LengthInUnits(lastIsolationWidth_.value, lastIsolationWidth_.metric, metric);
  const char* format = metric ? "%.4f mm" : "%.2f mils";
  const int style = c_->padStyle.itemIndex();

  if (style == 0) {
    hole_ = ParseLocaleFloat(c_->input1.text());
    checkThruHoleHole(sender, metric, true);
    c_->thermalOuterCaption.setCaption("Outer Diameter");
    c_->input2.setEnabled(true);
    c_->input3.setEnabled(true);
    setThermalRowsShown(true);
    const double pad = PadAroundHole(hole_, ring);
    const std::string padText = length(format, pad);
    c_->result1.setText(padText);
    c_->result2.setText(padText);
    c_->thermalInner.setText(padText);
    c_->result3.setText(length(format, ThermalOuterDiameter(pad, isolation)));
    c_->infoCaption.setCaption("Pad Diameter");
    c_->infoValue.setCaption(c_->result1.text());
    c_->spokeWidth.setText(SpokeWidthText(ParseLocaleFloat(c_->input1.text()), metric, decimalMode() == "1"));
  } else if (style == 1) {
    hole_ = ParseLocaleFloat(c_->input1.text());
    checkThruHoleHole(sender, metric, false);
    c_->thermalOuterCaption.setCaption("Pad Diameter");
    c_->input2.setText("N/A");
    c_->input3.setText("N/A");
    c_->input2.setEnabled(false);
    c_->input3.setEnabled(false);
    setThermalRowsShown(false);
    c_->result1.setText(length(format, ParseLocaleFloat(c_->input1.text())));
    if (metric) {
      const std::string padText = length(format, NonPlatedMetricPad(hole_));
      c_->result2.setText(padText);
      c_->result3.setText(padText);
    } else {
      const double pad = PadAroundHole(hole_, ring);
      c_->result2.setText(length(format, pad));
      c_->result3.setText(length(format, pad + isolation));
    }
    c_->infoCaption.setCaption("Pad Diameter");
    c_->infoValue.setCaption(c_->result1.text());
  }
}

void PadstackSolver::solveConductorPadTh(Control* sender, bool metric, bool two) {
  // These values belong to this solve: a nested solve does not change them.
  const double pitch = ParseLocaleFloat(c_->input1.text());
  const double width = ParseLocaleFloat(c_->input2.text());
  const double spacing = ParseLocaleFloat(c_->input3.text());
  const double hole = ParseLocaleFloat(c_->padHole.text());
  const double minRing = ParseLocaleFloat(c_->padRing.text());
  const char* format = metric ? "%.4f mm" : "%.2f mils";

  const double minPad = PadAroundHole(hole, minRing);
  c_->infoCaption.setCaption("Pad Diameter");
  c_->infoValue.setCaption(length(format, minPad));
  const double maxPad = MaxPadBetweenPads(pitch, width, spacing, two);
  c_->result1.setText(length(metric ? (two ? "%.4f mm" : "%.3f mm") : "%.2f mils", maxPad));
  c_->result2.setText(length(format, RingLeft(maxPad, hole)));

  // A correction solves again at once, and that solve writes the results,
  // colours and warning from the corrected inputs: they stand, and this
  // solve, whose values are the uncorrected ones, ends.
  if (ends(sender, c_->input2, width,
           {Negative, "Conductor width should be greater than zero.", "0", {}, Ending::AfterResolve}))
    return;
  if (ends(sender, c_->input3, spacing,
           {Negative, "Spacing constraint should be at least zero.", "0", {}, Ending::AfterResolve}))
    return;
  const Minimum minPitch = ComputedMinimum(minPad);
  if (ends(sender, c_->input1, pitch,
           {[&minPitch](double p) { return minPitch.value > p; },
            "Distance between pads cannont be less than the hole diameter + annular ring x2.", minPitch.text, {},
            Ending::AfterResolve}))
    return;

  const bool tooSmall = minPad > maxPad;
  const Color colour = tooSmall ? colors::Red : colors::Navy;
  c_->result1.setFontColor(colour);
  c_->result2.setFontColor(colour);
  c_->padWarning.setVisible(tooSmall);
}

void PadstackSolver::solveConductorPadBga(Control* sender, bool metric, bool two) {
  landPitch_ = ParseLocaleFloat(c_->input1.text());
  land_ = ParseLocaleFloat(c_->input2.text());
  landSpacing_ = ParseLocaleFloat(c_->input3.text());
  const Minimum minPitch = ComputedMinimum(land_);
  check(sender, c_->input1, landPitch_,
        {[&minPitch](double p) { return p < minPitch.value; },
         "Distance between lands cannont be less than the land diameter.", minPitch.text, {}, FollowUp::Resolve});
  check(sender, c_->input2, land_, {Negative, "Land diameter should be greater than zero.", "0", {}, FollowUp::Resolve});
  check(sender, c_->input3, landSpacing_,
        {Negative, "Spacing constraint should be at least zero.", "0", {}, FollowUp::Resolve});

  const double widest = MaxConductorBetweenLands(landPitch_, land_, landSpacing_, two);
  c_->result1.setText(length(metric ? "%.4f mm" : "%.3f mils", widest));
  const bool negative = widest < 0;
  c_->result1.setFontColor(negative ? colors::Red : colors::Navy);
  c_->conductorWarning.setVisible(negative);
  c_->infoCaption.setCaption("Land Diameter");
  c_->infoValue.setCaption(length(metric ? "%.4f mm" : "%.2f mils", land_));
}

void PadstackSolver::solveCornerToCorner(Control* sender, bool metric) {
  sideA_ = ParseLocaleFloat(c_->input1.text());
  sideB_ = ParseLocaleFloat(c_->input2.text());
  check(sender, c_->input1, sideA_, {Negative, "Side a should be greater than zero.", "0", {}, FollowUp::Resolve});
  check(sender, c_->input2, sideB_, {Negative, "Side b should be greater than zero.", "0", {}, FollowUp::Resolve});
  const double corner = CornerDistance(sideA_, sideB_);
  c_->result1.setText(length(metric ? "%.3f mm" : "%.2f mils", corner));
  const DrillRange drills = SuggestedDrills(corner, metric);
  const char* drillFormat = metric ? "%0.3f mm" : "%0.2f mils";
  c_->result2.setText(length(drillFormat, drills.min));
  c_->result3.setText(length(drillFormat, drills.max));
  c_->infoCaption.setCaption("Formula");
  c_->infoValue.setCaption("Pythagorean");
}

}  // namespace cq
