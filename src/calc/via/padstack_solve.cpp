#include "calc/via/padstack_solve.h"

#include <array>
#include <string>
#include <utility>

#include "app/input_check.h"
#include "calc/via/padstack_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {

// One solve as the pad types see it.
struct PadstackSolve {
  const PageContext& page;
  PadstackControls& c;
  PadstackReadings& r;
  bool metric;
  Control* sender;

  // The input checks, the running solve going on after the first, ending
  // on a refusal after the second.
  void check(Edit& field, double value, const InputRule& rule) { CheckValue(page, field, value, rule, sender); }
  bool ends(Edit& field, double value, const EndingRule& rule) {
    return EndsSolve(page, field, value, rule, sender);
  }
};

using PadTypeSolve = void (*)(PadstackSolve& s);

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

bool Negative(double v) { return v < 0; }

void SetThermalRowsShown(PadstackControls& c, bool shown) {
  c.thermalInner.setVisible(shown);
  c.spokeWidth.setVisible(shown);
  c.spokeCaption.setVisible(shown);
  c.innerCaption.setVisible(shown);
}

// Reads a ring or isolation field unless it holds "N/A"; a negative value
// shows the message, writes "0" and solves again.
void ReadRemembered(PadstackSolve& s, Edit& field, PadstackReadings::Remembered& into, const char* message) {
  if (field.text() == "N/A") return;
  into = {ParseLocaleFloat(field.text()), s.metric};
  s.check(field, into.value, {Negative, message, "0", {}, FollowUp::Resolve});
}

void CheckThruHoleHole(PadstackSolve& s, bool plated) {
  PadstackControls& c = s.c;
  if (!s.metric) {
    s.check(c.input1, s.r.hole,
            {[](double h) { return h < 1; },
             plated ? "Hole diameter can't be less than 1mil." : "Hole diameter can't be less than 1mil...", "1", {},
             FollowUp::Resolve});
    s.check(c.input1, s.r.hole,
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
  const DecimalMode mode = s.page.decimalMode();
  if (mode == DecimalMode::Unknown) return;
  const bool comma = mode == DecimalMode::Comma;
  const char* noun = plated ? "Hole" : "Drill";
  if (s.r.hole < 0.0254) {
    s.page.dialogs().showInfo(Format("%s diameter can't be less than %smm", noun, comma ? "0,0254" : "0.0254"));
    c.input1.setText(comma ? "0,0254" : "0.0254");
  }
  if (s.r.hole > 6.35) {
    const char* limit = comma ? "6,35" : "6.35";
    s.page.dialogs().showInfo(Format("%s diameter can't be greater than %smm. Holes larger the %smm %s", noun, limit,
                                     limit, plated ? "usually need to be routed out" : "need to be routed out"));
    c.input1.setText(comma ? "6,35" : "6.35");
  }
}

void SolveThruHole(PadstackSolve& s) {
  PadstackControls& c = s.c;
  PadstackReadings& r = s.r;
  ReadRemembered(s, c.input2, r.lastAnnularRing, "Annular ring should be greater than zero for plated holes.");
  ReadRemembered(s, c.input3, r.lastIsolationWidth,
                 "Isolation width should be greater than zero for plated holes with thermal reliefs.");
  // A ring or isolation read in the other unit system counts in this one.
  const double ring = LengthInUnits(r.lastAnnularRing.value, r.lastAnnularRing.metric, s.metric);
  const double isolation = LengthInUnits(r.lastIsolationWidth.value, r.lastIsolationWidth.metric, s.metric);
  const char* format = s.metric ? "%.4f mm" : "%.2f mils";
  const int style = c.padStyle.itemIndex();

  if (style == 0) {
    r.hole = ParseLocaleFloat(c.input1.text());
    CheckThruHoleHole(s, true);
    c.thermalOuterCaption.setCaption("Outer Diameter");
    c.input2.setEnabled(true);
    c.input3.setEnabled(true);
    SetThermalRowsShown(c, true);
    const double pad = PadAroundHole(r.hole, ring);
    const std::string padText = Format(format, pad);
    s.page.showFormatted(c.result1, padText);
    s.page.showFormatted(c.result2, padText);
    s.page.showFormatted(c.thermalInner, padText);
    s.page.show(c.result3, format, ThermalOuterDiameter(pad, isolation));
    c.infoCaption.setCaption("Pad Diameter");
    c.infoValue.setCaption(c.result1.text());
    c.spokeWidth.setText(SpokeWidthText(ParseLocaleFloat(c.input1.text()), s.metric, s.page.decimalComma()));
  } else if (style == 1) {
    r.hole = ParseLocaleFloat(c.input1.text());
    CheckThruHoleHole(s, false);
    c.thermalOuterCaption.setCaption("Pad Diameter");
    c.input2.setText("N/A");
    c.input3.setText("N/A");
    c.input2.setEnabled(false);
    c.input3.setEnabled(false);
    SetThermalRowsShown(c, false);
    s.page.show(c.result1, format, ParseLocaleFloat(c.input1.text()));
    if (s.metric) {
      const std::string padText = Format(format, NonPlatedMetricPad(r.hole));
      s.page.showFormatted(c.result2, padText);
      s.page.showFormatted(c.result3, padText);
    } else {
      const double pad = PadAroundHole(r.hole, ring);
      s.page.show(c.result2, format, pad);
      s.page.show(c.result3, format, pad + isolation);
    }
    c.infoCaption.setCaption("Pad Diameter");
    c.infoValue.setCaption(c.result1.text());
  }
}

// The land texts come from the ball combo; only the thermal rows go.
void SolveBgaLand(PadstackSolve& s) {
  if (s.c.padStyle.itemIndex() == 0) SetThermalRowsShown(s.c, false);
}

void SolveConductorPadTh(PadstackSolve& s, bool two) {
  PadstackControls& c = s.c;
  // These values belong to this solve: a nested solve does not change them.
  const double pitch = ParseLocaleFloat(c.input1.text());
  const double width = ParseLocaleFloat(c.input2.text());
  const double spacing = ParseLocaleFloat(c.input3.text());
  const double hole = ParseLocaleFloat(c.padHole.text());
  const double minRing = ParseLocaleFloat(c.padRing.text());
  const char* format = s.metric ? "%.4f mm" : "%.2f mils";

  const double minPad = PadAroundHole(hole, minRing);
  c.infoCaption.setCaption("Pad Diameter");
  s.page.show(c.infoValue, format, minPad);
  const double maxPad = MaxPadBetweenPads(pitch, width, spacing, two);
  s.page.show(c.result1, s.metric ? (two ? "%.4f mm" : "%.3f mm") : "%.2f mils", maxPad);
  s.page.show(c.result2, format, RingLeft(maxPad, hole));

  // A correction solves again at once, and that solve writes the results,
  // colours and warning from the corrected inputs: they stand, and this
  // solve, whose values are the uncorrected ones, ends.
  if (s.ends(c.input2, width,
             {Negative, "Conductor width should be greater than zero.", "0", {}, Ending::AfterResolve}))
    return;
  if (s.ends(c.input3, spacing,
             {Negative, "Spacing constraint should be at least zero.", "0", {}, Ending::AfterResolve}))
    return;
  const Minimum minPitch = ComputedMinimum(minPad);
  if (s.ends(c.input1, pitch,
             {[&minPitch](double p) { return minPitch.value > p; },
              "Distance between pads cannont be less than the hole diameter + annular ring x2.", minPitch.text, {},
              Ending::AfterResolve}))
    return;

  const bool tooSmall = minPad > maxPad;
  const Color colour = tooSmall ? colors::Red : colors::Navy;
  c.result1.setFontColor(colour);
  c.result2.setFontColor(colour);
  c.padWarning.setVisible(tooSmall);
}

void SolveConductorPadBga(PadstackSolve& s, bool two) {
  PadstackControls& c = s.c;
  PadstackReadings& r = s.r;
  r.landPitch = ParseLocaleFloat(c.input1.text());
  r.land = ParseLocaleFloat(c.input2.text());
  r.landSpacing = ParseLocaleFloat(c.input3.text());
  const Minimum minPitch = ComputedMinimum(r.land);
  s.check(c.input1, r.landPitch,
          {[&minPitch](double p) { return p < minPitch.value; },
           "Distance between lands cannont be less than the land diameter.", minPitch.text, {}, FollowUp::Resolve});
  s.check(c.input2, r.land, {Negative, "Land diameter should be greater than zero.", "0", {}, FollowUp::Resolve});
  s.check(c.input3, r.landSpacing,
          {Negative, "Spacing constraint should be at least zero.", "0", {}, FollowUp::Resolve});

  const double widest = MaxConductorBetweenLands(r.landPitch, r.land, r.landSpacing, two);
  s.page.show(c.result1, s.metric ? "%.4f mm" : "%.3f mils", widest);
  const bool negative = widest < 0;
  c.result1.setFontColor(negative ? colors::Red : colors::Navy);
  c.conductorWarning.setVisible(negative);
  c.infoCaption.setCaption("Land Diameter");
  s.page.show(c.infoValue, s.metric ? "%.4f mm" : "%.2f mils", r.land);
}

void SolveCornerToCorner(PadstackSolve& s) {
  PadstackControls& c = s.c;
  PadstackReadings& r = s.r;
  r.sideA = ParseLocaleFloat(c.input1.text());
  r.sideB = ParseLocaleFloat(c.input2.text());
  s.check(c.input1, r.sideA, {Negative, "Side a should be greater than zero.", "0", {}, FollowUp::Resolve});
  s.check(c.input2, r.sideB, {Negative, "Side b should be greater than zero.", "0", {}, FollowUp::Resolve});
  const double corner = CornerDistance(r.sideA, r.sideB);
  s.page.show(c.result1, s.metric ? "%.3f mm" : "%.2f mils", corner);
  const DrillRange drills = SuggestedDrills(corner, s.metric);
  const char* drillFormat = s.metric ? "%0.3f mm" : "%0.2f mils";
  s.page.show(c.result2, drillFormat, drills.min);
  s.page.show(c.result3, drillFormat, drills.max);
  c.infoCaption.setCaption("Formula");
  c.infoValue.setCaption("Pythagorean");
}

// In the order of the pad-calculator type radio RadioGroup14.
constexpr std::array<PadTypeSolve, kPadstackTypeCount> kPadTypes = {
    SolveThruHole,                                              // "Thru-Hole Pad"
    SolveBgaLand,                                               // "BGA Land Size"
    [](PadstackSolve& s) { SolveConductorPadTh(s, false); },    // "Conductor / Pad TH"
    [](PadstackSolve& s) { SolveConductorPadBga(s, false); },   // "Conductor / Pad BGA"
    [](PadstackSolve& s) { SolveConductorPadTh(s, true); },     // "2 Conductors / Pad TH"
    [](PadstackSolve& s) { SolveConductorPadBga(s, true); },    // "2 Conductor / Pad BGA"
    SolveCornerToCorner,                                        // "Corner to Corner"
};

}  // namespace

void SolvePadstack(const PageContext& page, PadstackControls& c, PadstackReadings& r, Control* sender) {
  if (!page.unitsChosen()) return;
  const int type = c.padType.itemIndex();
  if (type < 0 || type >= static_cast<int>(kPadTypes.size())) return;
  PadstackSolve s{page, c, r, page.metric(), sender};
  kPadTypes[static_cast<std::size_t>(type)](s);
}

}  // namespace cq
