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

// The rows shared by the two conductor-to-pad TH types and the two BGA ones.
const std::vector<const char*> kPadsShown = {"Label62", "Label63", "Edit33", "Edit59", "Edit34", "Edit60",
                                              "Edit35", "Edit61", "Label76", "Edit211", "Edit212", "Label174",
                                              "Edit213", "Edit214", "Edit37", "Label67", "Label360", "Label361",
                                              "Label362"};
const std::vector<const char*> kLandsShown = {"Label62", "Label63", "Edit33",   "Edit59",   "Edit34",  "Edit60",
                                               "Edit35",  "Edit61",  "Label360", "Label361", "Label362"};
const std::vector<PadstackCaption> kPadsCaptions = {{"Label61", "Distance Between Pads"},
                                                    {"Label62", "Conductor Width"},
                                                    {"Label63", "Spacing Constriant"},
                                                    {"Label68", "Maximum Pad Diameter"},
                                                    {"Label67", "Calculated Annular Ring"}};
const std::vector<PadstackCaption> kLandsCaptions = {{"Label61", "Distance Between Lands"},
                                                     {"Label62", "Land Diameter"},
                                                     {"Label63", "Spacing Constriant"},
                                                     {"Label68", "Maximum Conductor Width"}};
const std::vector<PadstackHint> kPadsHints = {
    {"Edit33", kPadsPitch}, {"Edit34", kPadsWidth}, {"Edit35", kPadsSpacing}, {"Edit36", kPadsMaxPad},
    {"Edit37", kPadsRing}};
const std::vector<PadstackHint> kLandsHints = {
    {"Edit33", kLandsPitch}, {"Edit34", kLandsLand}, {"Edit35", kLandsSpacing}, {"Edit36", kLandsWidth}};
const std::vector<PadstackDefault> kLandsDefaults = {
    {"Edit33", "40", "1.00"}, {"Edit34", "13", "0.45"}, {"Edit35", "6", "0.1524"}};
}  // namespace

const std::array<PadstackTypeLayout, kPadstackTypeCount>& PadstackTypeLayouts() {
  static const std::array<PadstackTypeLayout, kPadstackTypeCount> layouts{{
      {"Image5",
       {"Label62", "Label63", "Edit33", "Edit59", "Edit34", "Edit60", "Edit35", "Edit61", "Label73", "ComboBox2",
        "RadioGroup7", "Label70", "Edit37", "Label67", "Label71", "Edit38", "Label66", "Label69", "Label65",
        "Label64", "Edit39", "Edit40"},
       {{"Label61", "Hole Diameter"},
        {"Label62", "Annular Ring"},
        {"Label63", "Isolation Width"},
        {"Label68", "External Layers"},
        {"Label67", "Internal Signal Layers"},
        {"Label66", "Internal Plane Layers"}},
       {{"Edit33", kThruHoleHole},
        {"Edit34", "Enter the minimum annular ring for the padstack."},
        {"Edit35", "Enter the desired isolation width for the thermal relief."},
        {"Edit36", "Outer layer pad diameter for the given drill diameter."},
        {"Edit37", "Internal signal layer pad diameter for the given drill diameter."},
        {"Edit38", "Outer diameter of the thermal refief."},
        {"Edit211", kThruHoleHole},
        {"Edit213", "Enter the desired minimum annular ring of the padstack."},
        {"Edit39", "Inner diameter of the thermal relief."},
        {"Edit40", "Suggested spoke width for the thermal relief."}},
       {{"Edit33", "32", "0.8128"}, {"Edit34", "12", "0.3048"}, {"Edit35", "12", "0.3048"}},
       {"Edit36", "Edit37", "Edit38"},
       121,
       false,
       true},
      {"Image12",
       {"ComboBox4", "Edit37", "Label67", "Label357", "Label358", "Label359"},
       {{"Label61", "Nominal Ball Diameter"}, {"Label68", "Nominal Land Diameter"}, {"Label67", "Land Variation"}},
       {{"Edit36", "Nominal PCB Footprint land diameter."}, {"Edit37", "PCB Footprint land variation."}},
       {},
       {"Edit37"},
       190,
       false,
       false},
      {"Image45",
       kPadsShown,
       kPadsCaptions,
       kPadsHints,
       {{"Edit33", "100", "2.54"},
        {"Edit34", "12", "0.3048"},
        {"Edit35", "12", "0.3048"},
        {"Edit211", "32", "0.8128"},
        {"Edit213", "7", "0.1778"}},
       {"Edit36", "Edit37"},
       153,
       true,
       true},
      {"Image10", kLandsShown, kLandsCaptions, kLandsHints, kLandsDefaults, {"Edit36", "Edit37", "Edit38"}, 153, true,
       true},
      {"Image66",
       kPadsShown,
       kPadsCaptions,
       kPadsHints,
       {{"Edit33", "100", "2.54"},
        {"Edit34", "10", "0.2540"},
        {"Edit35", "10", "0.2540"},
        {"Edit211", "32", "0.8128"},
        {"Edit213", "7", "0.1778"}},
       {"Edit36", "Edit37"},
       153,
       true,
       true},
      {"Image67", kLandsShown, kLandsCaptions, kLandsHints, kLandsDefaults, {"Edit36", "Edit37", "Edit38"}, 153, true,
       true},
      {"Image48",
       {"Label62", "Edit33", "Edit59", "Edit34", "Edit60", "Edit37", "Label67", "Edit38", "Label66", "Label271",
        "Label272", "Label273", "Label274"},
       {{"Label61", "Length of side a"},
        {"Label62", "Length of side b"},
        {"Label68", "Distance Between Corners"},
        {"Label67", "Suggested Min Drill"},
        {"Label66", "Suggested Max Drill"}},
       {{"Edit33", "Enter the length of side a."},
        {"Edit34", "Enter the length of side b."},
        {"Edit36", "Distance between the two corners of the pad / pin."},
        {"Edit37", "Suggested minimum drill hole diameter."},
        {"Edit38", "Suggested maximum drill hole diameter."}},
       {{"Edit33", "100", "2.54"}, {"Edit34", "100", "2.54"}},
       {"Edit36", "Edit37", "Edit38"},
       153,
       true,
       true},
  }};
  return layouts;
}

const std::vector<const char*>& PadstackPictures() {
  static const std::vector<const char*> pictures = {"Image5",  "Image12", "Image45", "Image10",
                                                    "Image66", "Image67", "Image48"};
  return pictures;
}

const std::vector<const char*>& PadstackToggledControls() {
  static const std::vector<const char*> toggled = {
      "Label62",  "Label63",  "Edit33",   "Edit59",   "Edit34",   "Edit60",   "Edit35",   "Edit61",   "ComboBox4",
      "Label73",  "ComboBox2", "RadioGroup7", "Label76", "Edit211", "Edit212", "Label174", "Edit213", "Edit214",
      "Label70",  "Edit37",   "Label67",  "Label71",  "Edit38",   "Label66",  "Label69",  "Label65",  "Label64",
      "Edit39",   "Edit40",   "Label357", "Label358", "Label359", "Label360", "Label361", "Label362", "Label271",
      "Label272", "Label273", "Label274"};
  return toggled;
}

}  // namespace cq
