#pragma once
// The input limits of the Via Properties page: each check's rule on the
// value parsed before any check ran, its message and the text written into
// the field, in order, by unit system and decimal mode.
#include <optional>
#include <string>
#include <vector>

#include "app/decimal_mode.h"
#include "calc/via/via_check_text.h"

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
  DecimalMode decimalMode = DecimalMode::Point;
};

// The default for an empty hole; nothing while the decimal mode is not
// known.
std::optional<ViaNotice> EmptyHoleNotice(const ViaCheckContext& context);

// A value refused above, below or at a limit.
struct ViaLimit {
  enum class Kind { Above, Below, At };
  Kind kind;
  double limit;
  bool operator()(double value) const;
};

// One field check: refused values get the message and the text, which are
// written out only then.
struct ViaCheck {
  ViaField field;
  ViaLimit refuses;
  ViaCheckText message;
  ViaCheckText fieldText;
};

double ValueOf(const ViaCheckInputs& in, ViaField field);

// Every other check that applies to the layout and decimal mode, in order;
// a limit that depends on the values compares those parsed before any check.
std::vector<ViaCheck> ViaFieldChecks(const ViaCheckInputs& in, const ViaCheckContext& context);

}  // namespace cq
