#include "calc/via/via_input_checks.h"

#include "app/input_messages.h"
#include "calc/via/single_via_model.h"

namespace cq {

namespace {

// Whether a limit is written in comma form; nothing at all is written
// while the decimal mode is not known.
std::optional<bool> CommaIn(DecimalMode decimalMode) {
  if (decimalMode == DecimalMode::Point) return false;
  if (decimalMode == DecimalMode::Comma) return true;
  return std::nullopt;
}

ViaLimit Above(double limit) { return {ViaLimit::Kind::Above, limit}; }

ViaLimit Below(double limit) { return {ViaLimit::Kind::Below, limit}; }

class Checks {
 public:
  explicit Checks(const ViaCheckContext& context) : c_(context) { list.reserve(kMost); }

  // A Metric limit whose message and field follow the decimal mode; an
  // Imperial one is written as is.
  void limit(ViaField field, ViaLimit refuses, std::string_view start, std::string_view imperial,
             std::string_view metric, std::string_view unitImperial, std::string_view unitMetric) {
    if (!c_.metric) {
      add(field, refuses, ViaCheckText::Limit(start, imperial, false, unitImperial), imperial);
      return;
    }
    if (auto comma = CommaIn(c_.decimalMode))
      add(field, refuses, ViaCheckText::Limit(start, metric, *comma, unitMetric),
          ViaCheckText::Limit({}, metric, *comma));
  }

  // A limit that follows the decimal mode in both unit systems.
  void limitInMode(ViaField field, ViaLimit refuses, std::string_view start, std::string_view pointForm,
                   std::string_view unit) {
    if (auto comma = CommaIn(c_.decimalMode))
      add(field, refuses, ViaCheckText::Limit(start, pointForm, *comma, unit),
          ViaCheckText::Limit({}, pointForm, *comma));
  }

  // A computed sum written in the separator of the locale; the message
  // names the step in the decimal mode.
  void sum(ViaField field, std::string_view start, std::string_view imperialStep, std::string_view metricStep,
           double value) {
    if (!c_.metric) {
      add(field, Below(value), ViaCheckText::Limit(start, imperialStep, false), ViaCheckText::Number(value));
      return;
    }
    if (auto comma = CommaIn(c_.decimalMode))
      add(field, Below(value), ViaCheckText::Limit(start, metricStep, *comma), ViaCheckText::Number(value));
  }

  void add(ViaField field, ViaLimit refuses, ViaCheckText message, ViaCheckText text) {
    list.push_back({field, refuses, message, text});
  }

  std::vector<ViaCheck> list;

 private:
  static constexpr size_t kMost = 14;  // every check of the single via
  const ViaCheckContext& c_;
};

}  // namespace

bool ViaLimit::operator()(double value) const {
  switch (kind) {
    case Kind::Above: return value > limit;
    case Kind::Below: return value < limit;
    case Kind::At: break;
  }
  return value == limit;
}

std::optional<ViaNotice> EmptyHoleNotice(const ViaCheckContext& context) {
  const auto comma = CommaIn(context.decimalMode);
  if (!comma) return std::nullopt;
  if (!context.metric)
    return ViaNotice{ViaField::Hole, "Via hole diameter can't be empty, using default of 10mils", "10"};
  const auto text = ViaCheckText::Limit({}, "0.254", *comma);
  return ViaNotice{ViaField::Hole, ViaCheckText::Limit("Via hole diameter can't be empty, using default of ", "0.254",
                                                       *comma, "mm"),
                   text};
}

double ValueOf(const ViaCheckInputs& in, ViaField field) {
  switch (field) {
    case ViaField::Hole: return in.hole;
    case ViaField::Pad: return in.pad;
    case ViaField::Opening: return in.opening;
    case ViaField::Height: return in.height;
    case ViaField::Plating: return in.plating;
    case ViaField::Er: break;
  }
  return in.er;
}

std::vector<ViaCheck> ViaFieldChecks(const ViaCheckInputs& in, const ViaCheckContext& c) {
  Checks n(c);
  const bool metric = c.metric;
  const double d = in.hole;
  const double step1 = metric ? 0.0254 : 1;   // one mil
  const double step2 = metric ? 0.051 : 2;    // two mils, as the designer rounds it

  n.limit(ViaField::Hole, Above(metric ? 9.8425 : 250), "Maximum via hole diameter can't be greater than ", "250",
          "9.8425", "mils", "mm");
  n.limit(ViaField::Hole, Below(metric ? 0.0394 : 1), "Minimum via hole diameter can't be less than ", "1", "0.0394",
          "mil", "mm");

  if (c.singleVia) {
    const bool multiLayer = c.layerSet == kViaMultiLayer;
    n.limit(ViaField::Pad, Above(metric ? 19.685 : 500), "Maximum via pad diameter can't be greater than ", "500",
            "19.685", "mils", "mm");
    if (c.layerSet != kVia2Layer)
      n.add(ViaField::Pad, Below(d), "Minimum via pad diameter can't be less than via hole diameter",
            ViaCheckText::Number(d + step1));
    if (multiLayer)
      n.add(ViaField::Pad, {ViaLimit::Kind::At, d}, "The PTH via pad diameter should be larger than via hole diameter",
            ViaCheckText::Number(d + step1));
    if (multiLayer) {
      n.limit(ViaField::Opening, Above(metric ? 39.37 : 1000),
              "Maximum reference plane opening diameter can't be greater than ", "1000", "39.37", "mils", "mm");
      n.sum(ViaField::Opening, "Minimum reference plane opening diameter can't be less than via hole diameter + ",
            "2mils", "0.051mm", d + step2);
      n.sum(ViaField::Opening, "Minimum reference plane opening diameter can't be less than internal pad diameter + ",
            "2mils", "0.051mm", in.pad + step2);
    }
    n.limit(ViaField::Height, Above(metric ? 25.4 : 1000), "Maximum via length can't be greater than ", "1000", "25.4",
            "mils", "mm");
    n.limit(ViaField::Height, Below(metric ? 0.0394 : 1), "Minimum via length can't be less than ", "1", "0.0394",
            "mil", "mm");
    n.limit(ViaField::Plating, Above(metric ? 0.1182 : 3), "Maximum plating thickness can't be greater than ", "3",
            "0.1182", "mils", "mm");
    // The limit the check applies is the one its message names.
    n.limitInMode(ViaField::Plating, Below(metric ? 0.0025 : 0.1), "Minimum plating thickness can't be less than ",
                  metric ? "0.0025" : "0.1", metric ? "mm" : "mils");
  }

  n.add(ViaField::Er, Above(350), "Maximum dielectric constant value can't be greater than 350", "350");
  n.add(ViaField::Er, Below(1), kMinimumErMessage, "1");
  return n.list;
}

}  // namespace cq
