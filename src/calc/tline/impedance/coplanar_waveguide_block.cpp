#include <string>

#include "calc/tline/coplanar_waveguide_model.h"
#include "calc/tline/impedance/impedance_blocks.h"
#include "calc/tline/impedance/impedance_output.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {

constexpr std::string_view kGapMessage = "Conductor gap cannot be less than or equal to zero.";

}  // namespace

void SolveCoplanarWaveguideBlock(ImpedanceSolve& s) {
  WorkingValues& v = s.v;
  s.c.widthRowCaption.setCaption("W/H = ");
  // A surface conductor: base and plating. The thickness is shown only;
  // the formula has no place for it.
  const double t = v.BaseCopperThickness + v.PlatingThickness;
  v.TotalCopperThickness = t;
  WriteCopperText(s, t);

  // Only ratios enter, so the page's unit serves as it is.
  const double w = ParseLocaleFloat(s.c.width.text());
  v.ConductorWidth = w;
  const double h = ParseLocaleFloat(s.c.height.text());
  const double g = ReadStructureLength(s, s.c.second, kGapMessage);

  const CoplanarWaveguide cpw = CoplanarWaveguideModel(w, h, g, v.SubstrateEr);
  v.CharacteristicImpedance = cpw.zo;
  s.page.show(s.c.zo, "%.4f Ohms", cpw.zo);

  // The texts are those of the stored default copper, whatever T is.
  WriteRestriction(s, s.c.restriction1, "0.1 < W/H < 2.0");
  WriteRestriction(s, s.c.restriction2, s.metric ? "T = 53um" : "T = 2.10mils");

  // Only the colour warns here; both bounds lie outside the fit.
  const double ratio = CheckNumber(Div(w, h));
  s.c.widthRow.setFontColor(0.1 < ratio && ratio < 2.0 ? colors::Black : colors::Red);
  s.page.show(s.c.widthRow, "%.3f", ratio);
}

}  // namespace cq
