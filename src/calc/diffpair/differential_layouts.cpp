#include "calc/diffpair/differential_layouts.h"

#include "app/layouts/copper_controls.h"
#include "app/layouts/height_texts.h"

namespace cq {

namespace {
using namespace height_texts;
constexpr const char* kBetweenPlanes = "Enter the distance between the two reference planes.";
}  // namespace

const LayoutTable& DifferentialLayouts() {
  using P = LayoutProperty;
  // Columns: Edge Cpld Ext, Edge Cpld Int Sym, Edge Cpld Int Asym, Edge Cpld Embed, Broad Cpld Shld,
  // Broad Cpld NShld.
  static const LayoutTable table = Rows({
      OneShownPerItem({"Image1", "Image4", "Image23", "Image21", "Image17", "Image18"}),
      {
          {P::Caption, {"Label40"}, {kH, kH, kH1, kH1, kH, kH}},
          {P::Hint, {"Edit27"}, {kAbove, kBetweenPlanes, kAbove, kAbove, kBetweenPlanes, kSubstrate}},
          {P::Visible, {"Label58", "Edit32", "Edit65"}, {0, 0, 1, 1, 0, 0}},
          {P::Caption, {"Label58"}, {K, K, kH2, kH2, K, K}},
          {P::Hint, {"Edit32"}, {K, K, kBelow, kSubstrate, K, K}},
          // The rows below the heights make room for the second height.
          {P::Top, {"Label391"}, {208, 208, 264, 264, 208, 208}},
          {P::Top, {"Edit394"}, {232, 232, 288, 288, 232, 232}},
          {P::Top, {"Edit395"}, {236, 236, 292, 292, 236, 236}},
          {P::Top, {"Label47"}, {264, 264, 320, 320, 264, 264}},
          {P::Top, {"Edit398"}, {288, 288, 344, 344, 288, 288}},
          {P::Top, {"Edit399"}, {292, 292, 348, 348, 292, 292}},
          {P::Top, {"Label401"}, {320, 320, 376, 376, 320, 320}},
          {P::Top, {"Edit400"}, {344, 344, 400, 400, 344, 344}},
          {P::Top, {"Edit401"}, {348, 348, 404, 404, 348, 348}},
          {P::Visible, {"Label43", "Edit28"}, {1, 1, 1, 1, 0, 0}},
          // The solver shows the note when it applies.
          {P::Visible, {"Label192", "Label259", "Label394"}, {0, 0, 0, 0, 0, 0}},
          {P::Enabled, kPlatingControls, {1, 0, 0, 0, 0, 0}},
      },
  });
  return table;
}

}  // namespace cq
