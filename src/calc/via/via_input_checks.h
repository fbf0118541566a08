#pragma once
// The input limits of the Via Properties page: for values parsed before the
// checks, the messages in order and the texts written into the fields, by
// unit system and decimal mode.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cq {

enum class ViaField { Hole, Pad, Opening, Height, Plating, Er };

struct ViaNotice {
  ViaField field;
  std::string message;
  std::string fieldText;
  friend bool operator==(const ViaNotice&, const ViaNotice&) = default;
};

struct ViaCheckInputs {
  double hole = 0;
  double pad = 0;
  double opening = 0;
  double height = 0;
  double plating = 0;
  double er = 0;
};

struct ViaCheckContext {
  bool metric = false;
  bool singleVia = true;  // false: the differential layout, hole and Er only
  int layerSet = 1;       // RadioGroup3: 0 "2 Layer", 1 "Multi Layer", 2 "Microvia"
  std::string_view decimalMode = "0";  // Label165: "0" point, "1" comma
};

// The default for an empty hole; nothing in a decimal mode other than "0"
// and "1".
std::optional<ViaNotice> EmptyHoleNotice(const ViaCheckContext& context);

// Every other check, each on the values as parsed before any rewrite.
std::vector<ViaNotice> ViaInputNotices(const ViaCheckInputs& in, const ViaCheckContext& context);

}  // namespace cq
