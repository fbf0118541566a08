#include "calc/tline/impedance/impedance_layouts.h"

#include "app/layouts/copper_controls.h"
#include "app/layouts/height_texts.h"

namespace cq {

namespace {
using namespace height_texts;
constexpr const char* kAboveOrBelow = "Enter the conductor's distance above and/or below its reference plane.";
constexpr const char* kBetweenConductors = "Enter the conductor to conductor distance.";
}  // namespace

const LayoutTable& ImpedanceLayouts() {
  using P = LayoutProperty;
  // Columns: Microstrip, Microstrip Embed, Stripline, Stripline Asym, Dual Stripline, Coplanar Wave.
  static const LayoutTable table = Rows({
      OneShownPerItem({"Image8", "Image16", "Image22", "Image9", "Image47", "Image19"}),
      {
          {P::Caption, {"Label101"}, {kH, kH1, kH, kH1, kH, kH}},
          {P::Visible, {"Label101", "Edit68", "Edit72"}, {1, 1, 1, 1, 1, 1}},
          {P::Hint, {"Edit68"}, {kAbove, kSubstrate, kAboveOrBelow, kBelow, kAboveOrBelow, kBelow}},
          {P::Visible, {"Label104", "Edit74", "Edit75"}, {0, 1, 0, 1, 1, 1}},
          {P::Caption, {"Label104"}, {K, kH2, K, kH2, "Conductor Spacing (C)", "Conductor Gap (G)"}},
          {P::Hint, {"Edit74"}, {K, kAbove, K, kAbove, kBetweenConductors, kBetweenConductors}},
          {P::Top, {"Label104"}, {K, 136, 136, 136, 136, 136}},
          {P::Top, {"Edit74"}, {K, 160, 160, 160, 160, 160}},
          {P::Top, {"Edit75"}, {K, 164, 164, 164, 164, 164}},
          {P::Visible, {"Label288", "Edit226", "Label289", "Label290"}, {1, 0, 0, 0, 0, 0}},
          {P::Visible, {"Label54", "Edit73", "Label114", "Edit76", "Label115", "Edit77"}, {1, 1, 1, 1, 1, 0}},
          {P::Visible, {"Label57", "Label85", "Label86"}, {0, 1, 1, 0, 0, 1}},
          {P::Visible, {"Label246"}, {0, 1, 1, 0, 0, 0}},
          {P::Visible, {"Label107", "Label108"}, {0, 1, 1, 0, 0, 1}},
          {P::Top, {"Label107", "Label108"}, {K, 196, 146, K, K, 204}},
          {P::Visible, {"Label111", "Label112"}, {0, 1, 1, 0, 0, 0}},
          {P::Top, {"Label111", "Label112"}, {K, 224, 174, K, K, 232}},
          {P::Visible, {"Label260", "Label261"}, {0, 1, 1, 0, 0, 0}},
          {P::Top, {"Label260", "Label261"}, {K, 252, 202, K, K, K}},
          {P::Visible, {"Label116", "RadioGroup24"}, {0, 0, 0, 1, 0, 0}},
          {P::Visible, {"BitBtn3"}, {0, 0, 0, 0, 0, 1}},
          // The solver shows the note when it applies.
          {P::Visible, {"Label188", "Label191"}, {0, 0, 0, 0, 0, 0}},
          // Plating only on the outer structure; the coplanar guide fixes both weights.
          {P::Enabled, kPlatingControls, {1, 0, 0, 0, 0, 0}},
          {P::Enabled, kBaseCopperControls, {1, 1, 1, 1, 1, 0}},
      },
  });
  return table;
}

}  // namespace cq
