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

class Notices {
 public:
  explicit Notices(const ViaCheckContext& context) : c_(context) {}

  // A Metric limit whose message and field follow the decimal mode; an
  // Imperial one is written as is.
  void limit(ViaField field, std::string_view start, std::string_view imperial, std::string_view metric,
             std::string_view unitImperial, std::string_view unitMetric) {
    if (!c_.metric) {
      add(field, std::string(start) + std::string(imperial) + std::string(unitImperial), std::string(imperial));
      return;
    }
    if (auto text = LimitText(metric, c_.decimalMode)) add(field, std::string(start) + *text + std::string(unitMetric), *text);
  }

  // A limit that follows the decimal mode in both unit systems.
  void limitInMode(ViaField field, std::string_view start, std::string_view pointForm, std::string_view unit) {
    if (auto text = LimitText(pointForm, c_.decimalMode)) add(field, std::string(start) + *text + std::string(unit), *text);
  }

  // A computed sum written in the separator of the locale; the message
  // names the step in the decimal mode.
  void sum(ViaField field, std::string_view start, std::string_view imperialStep, std::string_view metricStep,
           double value) {
    if (!c_.metric) {
      add(field, std::string(start) + std::string(imperialStep), FormatGeneralFloat(value));
      return;
    }
    if (auto step = LimitText(metricStep, c_.decimalMode)) add(field, std::string(start) + *step, FormatGeneralFloat(value));
  }

  void add(ViaField field, std::string message, std::string text) {
    list.push_back({field, std::move(message), std::move(text)});
  }

  std::vector<ViaNotice> list;

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

std::vector<ViaNotice> ViaInputNotices(const ViaCheckInputs& in, const ViaCheckContext& c) {
  Notices n(c);
  const bool metric = c.metric;
  const double d = in.hole;
  const double step1 = metric ? 0.0254 : 1;   // one mil
  const double step2 = metric ? 0.051 : 2;    // two mils, as the designer rounds it

  if (d > (metric ? 9.8425 : 250))
    n.limit(ViaField::Hole, "Maximum via hole diameter can't be greater than ", "250", "9.8425", "mils", "mm");
  if (d < (metric ? 0.0394 : 1))
    n.limit(ViaField::Hole, "Minimum via hole diameter can't be less than ", "1", "0.0394", "mil", "mm");

  if (c.singleVia) {
    const bool multiLayer = c.layerSet == kViaMultiLayer;
    if (in.pad > (metric ? 19.685 : 500))
      n.limit(ViaField::Pad, "Maximum via pad diameter can't be greater than ", "500", "19.685", "mils", "mm");
    if (c.layerSet != kVia2Layer && in.pad < d)
      n.add(ViaField::Pad, "Minimum via pad diameter can't be less than via hole diameter", FormatGeneralFloat(d + step1));
    if (multiLayer && in.pad == d)
      n.add(ViaField::Pad, "The PTH via pad diameter should be larger than via hole diameter",
            FormatGeneralFloat(d + step1));
    if (multiLayer) {
      if (in.opening > (metric ? 39.37 : 1000))
        n.limit(ViaField::Opening, "Maximum reference plane opening diameter can't be greater than ", "1000", "39.37",
                "mils", "mm");
      if (in.opening < d + step2)
        n.sum(ViaField::Opening, "Minimum reference plane opening diameter can't be less than via hole diameter + ",
              "2mils", "0.051mm", d + step2);
      if (in.opening < in.pad + step2)
        n.sum(ViaField::Opening,
              "Minimum reference plane opening diameter can't be less than internal pad diameter + ", "2mils",
              "0.051mm", in.pad + step2);
    }
    if (in.height > (metric ? 25.4 : 1000))
      n.limit(ViaField::Height, "Maximum via length can't be greater than ", "1000", "25.4", "mils", "mm");
    if (in.height < (metric ? 0.0394 : 1))
      n.limit(ViaField::Height, "Minimum via length can't be less than ", "1", "0.0394", "mil", "mm");
    if (in.plating > (metric ? 0.1182 : 3))
      n.limit(ViaField::Plating, "Maximum plating thickness can't be greater than ", "3", "0.1182", "mils", "mm");
    // The limit the check applies is the one its message names.
    if (in.plating < (metric ? 0.0025 : 0.1))
      n.limitInMode(ViaField::Plating, "Minimum plating thickness can't be less than ", metric ? "0.0025" : "0.1",
                    metric ? "mm" : "mils");
  }

  if (in.er > 350) n.add(ViaField::Er, "Maximum dielectric constant value can't be greater than 350", "350");
  if (in.er < 1) n.add(ViaField::Er, std::string(kMinimumErMessage), "1");
  return n.list;
}

}  // namespace cq
