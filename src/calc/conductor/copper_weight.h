#pragma once
// Copper thickness of the base-copper and plating selections, or of the
// manual thickness boxes. Mils in Imperial, mm in Metric.
#include <optional>
#include <string>

namespace cq {

// The thickness of one item of the base-copper radio RadioGroup4 or the
// plating radio RadioGroup1 (their rows in options/copper_items); nothing
// for an index outside the radio.
std::optional<double> BaseCopperThicknessOf(int item, bool metric);
std::optional<double> PlatingThicknessOf(int item, bool metric);

// A manual box value: mils as typed in Imperial; micrometres in Metric,
// returned in mm.
double ManualCopperThickness(double boxValue, bool metric);

struct CopperSelection {
  bool metric = false;           // RadioGroup6 item 1
  int baseItem = -1;             // RadioGroup4
  int platingItem = -1;          // RadioGroup1
  bool manual = false;           // TForm6.CheckBox1 "Enter copper weight manually"
  // Copies of Edit136 and Edit138, read only while manual: the selection
  // outlives any later write to the boxes.
  std::string baseText;
  std::string platingText;
};

// Writes base and plating from the selection. From the radios, an index
// outside the table leaves that value as it was. From the boxes, base is
// parsed and written before plating is parsed, so a plating text that is no
// number raises ConvertError with the new base already written.
void CopperWeightThickness(const CopperSelection& selection, double& base, double& plating);

}  // namespace cq
