#include "calc/via/via_input_checks.h"

#include "app/input_messages.h"
#include "calc/via/single_via_model.h"
#include "platform/numbers.h"

namespace cq {

namespace {

// A limit written in the message and the field: the point form in decimal
// mode "0", the comma form in mode "1", nothing in any other mode.
std::optional<std::string> LimitText(std::string_view pointForm, std::string_view decimalMode) {
  if (decimalMode == "0") return std::string(pointForm);
  if (decimalMode == "1") return LocalizeDecimalPoint(std::string(pointForm), true);
  return std::nullopt;
}

using Refuses = std::function<bool(double)>;

Refuses Above(double limit) {
  return [limit](double v) { return v > limit; };
}

Refuses Below(double limit) {
  return [limit](double v) { return v < limit; };
}

class Checks {
 public:
  explicit Checks(const ViaCheckContext& context) : c_(context) {}

  // A Metric limit whose message and field follow the decimal mode; an
  // Imperial one is written as is.
  void limit(ViaField field, Refuses refuses, std::string_view start, std::string_view imperial,
             std::string_view metric, std::string_view unitImperial, std::string_view unitMetric) {
    if (!c_.metric) {
      add(field, std::move(refuses), std::string(start) + std::string(imperial) + std::string(unitImperial),
          std::string(imperial));
      return;
    }
    if (auto text = LimitText(metric, c_.decimalMode))
      add(field, std::move(refuses), std::string(start) + *text + std::string(unitMetric), *text);
  }

  // A limit that follows the decimal mode in both unit systems.
  void limitInMode(ViaField field, Refuses refuses, std::string_view start, std::string_view pointForm,
                   std::string_view unit) {
    if (auto text = LimitText(pointForm, c_.decimalMode))
      add(field, std::move(refuses), std::string(start) + *text + std::string(unit), *text);
  }

  // A computed sum written in the separator of the locale; the message
  // names the step in the decimal mode.
  void sum(ViaField field, std::string_view start, std::string_view imperialStep, std::string_view metricStep,
           double value) {
    if (!c_.metric) {
      add(field, Below(value), std::string(start) + std::string(imperialStep), FormatGeneralFloat(value));
      return;
    }
    if (auto step = LimitText(metricStep, c_.decimalMode))
      add(field, Below(value), std::string(start) + *step, FormatGeneralFloat(value));
  }

  void add(ViaField field, Refuses refuses, std::string message, std::string text) {
    list.push_back({field, std::move(refuses), std::move(message), std::move(text)});
  }

  std::vector<ViaCheck> list;

 private:
  const ViaCheckContext& c_;
};

}  // namespace

std::optional<ViaNotice> EmptyHoleNotice(const ViaCheckContext& context) {
  if (!context.metric) {
    if (context.decimalMode != "0" && context.decimalMode != "1") return std::nullopt;
    return ViaNotice{ViaField::Hole, "Via hole diameter can't be empty, using default of 10mils", "10"};
  }
  auto text = LimitText("0.254", context.decimalMode);
  if (!text) return std::nullopt;
  return ViaNotice{ViaField::Hole, "Via hole diameter can't be empty, using default of " + *text + "mm", *text};
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
            FormatGeneralFloat(d + step1));
    if (multiLayer)
      n.add(ViaField::Pad, [d](double pad) { return pad == d; },
            "The PTH via pad diameter should be larger than via hole diameter", FormatGeneralFloat(d + step1));
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
  n.add(ViaField::Er, Below(1), std::string(kMinimumErMessage), "1");
  return n.list;
}

}  // namespace cq
