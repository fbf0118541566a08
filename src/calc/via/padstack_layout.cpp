#include "calc/via/padstack_layout.h"

namespace cq {

namespace {
constexpr const char* kThruHoleHole = "Enter the finished drill hole diameter.";
constexpr const char* kPadsPitch = "Enter the distance between the pads.";
constexpr const char* kPadsWidth = "Enter the desired conductor width to fit between pads.";
constexpr const char* kPadsSpacing = "Enter the design spacing constraint, Pad - Conductor.";
constexpr const char* kPadsMaxPad = "Maximum pad diameter based on spacing constraints and desired conductor width.";
constexpr const char* kPadsRing =
    "Calculated annular ring based on generated pad size minus entered finished hole diameter.";
constexpr const char* kLandsPitch = "Enter the BGA land pitch.";
constexpr const char* kLandsLand = "Enter the BGA land diameter.";
constexpr const char* kLandsSpacing = "Enter the design spacing constraint, BGA Land - Conductor.";
constexpr const char* kLandsWidth = "Maximum conductor width based on land size / spacing.";

const std::vector<PadstackDefault> kLandsDefaults = {
    {"Edit33", "40", "1.00"}, {"Edit34", "13", "0.45"}, {"Edit35", "6", "0.1524"}};
}  // namespace

const LayoutTable& PadstackLayouts() {
  using P = LayoutProperty;
  // "Thru-Hole Pad", "BGA Land Size", "Conductor / Pad TH", "Conductor / Pad
  // BGA", the two-conductor pair of those, "Corner to Corner".
  static const LayoutTable table = Rows({
      OneShownPerItem({"Image5", "Image12", "Image45", "Image10", "Image66", "Image67", "Image48"}),
      {
          {P::Visible, {"Label62", "Edit33", "Edit59", "Edit34", "Edit60"}, {1, 0, 1, 1, 1, 1, 1}},
          {P::Visible, {"Label63", "Edit35", "Edit61"}, {1, 0, 1, 1, 1, 1, 0}},
          {P::Visible, {"ComboBox4", "Label357", "Label358", "Label359"}, {0, 1, 0, 0, 0, 0, 0}},
          {P::Visible, {"Label73", "ComboBox2", "RadioGroup7", "Label70", "Label71", "Label69", "Label65", "Label64", "Edit39", "Edit40"}, {1, 0, 0, 0, 0, 0, 0}},
          {P::Visible, {"Label76", "Edit211", "Edit212", "Label174", "Edit213", "Edit214"}, {0, 0, 1, 0, 1, 0, 0}},
          {P::Visible, {"Edit37", "Label67"}, {1, 1, 1, 0, 1, 0, 1}},
          {P::Visible, {"Edit38", "Label66"}, {1, 0, 0, 0, 0, 0, 1}},
          {P::Visible, {"Label360", "Label361", "Label362"}, {0, 0, 1, 1, 1, 1, 0}},
          {P::Visible, {"Label271", "Label272", "Label273", "Label274"}, {0, 0, 0, 0, 0, 0, 1}},
          {P::Caption, {"Label61"}, {"Hole Diameter", "Nominal Ball Diameter", "Distance Between Pads", "Distance Between Lands", "Distance Between Pads", "Distance Between Lands", "Length of side a"}},
          {P::Caption, {"Label62"}, {"Annular Ring", K, "Conductor Width", "Land Diameter", "Conductor Width", "Land Diameter", "Length of side b"}},
          {P::Caption, {"Label63"}, {"Isolation Width", K, "Spacing Constriant", "Spacing Constriant", "Spacing Constriant", "Spacing Constriant", K}},
          {P::Caption, {"Label68"}, {"External Layers", "Nominal Land Diameter", "Maximum Pad Diameter", "Maximum Conductor Width", "Maximum Pad Diameter", "Maximum Conductor Width", "Distance Between Corners"}},
          {P::Caption, {"Label67"}, {"Internal Signal Layers", "Land Variation", "Calculated Annular Ring", K, "Calculated Annular Ring", K, "Suggested Min Drill"}},
          {P::Caption, {"Label66"}, {"Internal Plane Layers", K, K, K, K, K, "Suggested Max Drill"}},
          {P::Hint, {"Edit33"}, {kThruHoleHole, K, kPadsPitch, kLandsPitch, kPadsPitch, kLandsPitch, "Enter the length of side a."}},
          {P::Hint, {"Edit34"}, {"Enter the minimum annular ring for the padstack.", K, kPadsWidth, kLandsLand, kPadsWidth, kLandsLand, "Enter the length of side b."}},
          {P::Hint, {"Edit35"}, {"Enter the desired isolation width for the thermal relief.", K, kPadsSpacing, kLandsSpacing, kPadsSpacing, kLandsSpacing, K}},
          {P::Hint, {"Edit36"}, {"Outer layer pad diameter for the given drill diameter.", "Nominal PCB Footprint land diameter.", kPadsMaxPad, kLandsWidth, kPadsMaxPad, kLandsWidth, "Distance between the two corners of the pad / pin."}},
          {P::Hint, {"Edit37"}, {"Internal signal layer pad diameter for the given drill diameter.", "PCB Footprint land variation.", kPadsRing, K, kPadsRing, K, "Suggested minimum drill hole diameter."}},
          {P::Hint, {"Edit38"}, {"Outer diameter of the thermal refief.", K, K, K, K, K, "Suggested maximum drill hole diameter."}},
          {P::Hint, {"Edit211"}, {kThruHoleHole, K, K, K, K, K, K}},
          {P::Hint, {"Edit213"}, {"Enter the desired minimum annular ring of the padstack.", K, K, K, K, K, K}},
          {P::Hint, {"Edit39"}, {"Inner diameter of the thermal relief.", K, K, K, K, K, K}},
          {P::Hint, {"Edit40"}, {"Suggested spoke width for the thermal relief.", K, K, K, K, K, K}},
          {P::Enabled, {"Edit33", "Edit34", "Edit35"}, {K, K, 1, 1, 1, 1, 1}},
          {P::Width, {"Edit36"}, {121, K, 153, 153, 153, 153, 153}},
          {P::Width, {"Edit37"}, {121, 190, 153, 153, 153, 153, 153}},
          {P::Width, {"Edit38"}, {121, K, K, 153, K, 153, 153}},
          {P::Enabled, {"RadioGroup6", "Button1"}, {1, 0, 1, 1, 1, 1, 1}},
      },
  });
  return table;
}

const std::array<std::vector<PadstackDefault>, kPadstackTypeCount>& PadstackDefaults() {
  static const std::array<std::vector<PadstackDefault>, kPadstackTypeCount> defaults{{
      {{"Edit33", "32", "0.8128"}, {"Edit34", "12", "0.3048"}, {"Edit35", "12", "0.3048"}},
      {},
      {{"Edit33", "100", "2.54"},
       {"Edit34", "12", "0.3048"},
       {"Edit35", "12", "0.3048"},
       {"Edit211", "32", "0.8128"},
       {"Edit213", "7", "0.1778"}},
      kLandsDefaults,
      {{"Edit33", "100", "2.54"},
       {"Edit34", "10", "0.2540"},
       {"Edit35", "10", "0.2540"},
       {"Edit211", "32", "0.8128"},
       {"Edit213", "7", "0.1778"}},
      kLandsDefaults,
      {{"Edit33", "100", "2.54"}, {"Edit34", "100", "2.54"}},
  }};
  return defaults;
}

std::vector<Edit*> PadstackDefaultFields(Form& form) {
  std::vector<Edit*> fields;
  for (const auto& type : PadstackDefaults())
    for (const auto& d : type) fields.push_back(&form.edit(d.control));
  return fields;
}

}  // namespace cq
