// The via page's input limits as one table: each row the values parsed
// before the checks, the unit system, layout, layer set and decimal mode,
// and every message with the text it writes, in order.
#include "calc/via/via_input_checks.h"

#include <gtest/gtest.h>

#include <ostream>

#include "platform/numbers.h"

namespace cq {
namespace {

using F = ViaField;
constexpr DecimalMode kPoint = DecimalMode::Point;
constexpr DecimalMode kComma = DecimalMode::Comma;
constexpr DecimalMode kUnknown = DecimalMode::Unknown;

}  // namespace

void PrintTo(const ViaNotice& n, std::ostream* os) {
  *os << "{" << static_cast<int>(n.field) << ", \"" << n.message << "\", \"" << n.fieldText << "\"}";
}

namespace {

// d 10, D1 20, D2 40, h 62, t 1, Er 4.6: nothing to say.
constexpr ViaCheckInputs kImperialOk{10, 20, 40, 62, 1, 4.6};
constexpr ViaCheckInputs kMetricOk{0.254, 0.508, 1.016, 1.575, 0.0254, 4.6};

ViaCheckInputs with(ViaCheckInputs in, F field, double value) {
  switch (field) {
    case F::Hole: in.hole = value; break;
    case F::Pad: in.pad = value; break;
    case F::Opening: in.opening = value; break;
    case F::Height: in.height = value; break;
    case F::Plating: in.plating = value; break;
    case F::Er: in.er = value; break;
  }
  return in;
}

struct Row {
  const char* name;
  ViaCheckInputs in;
  ViaCheckContext context;
  std::vector<ViaNotice> expected;
};

// The refused checks, as the page shows them.
std::vector<ViaNotice> ViaInputNotices(const ViaCheckInputs& in, const ViaCheckContext& context) {
  std::vector<ViaNotice> refused;
  for (const ViaCheck& check : ViaFieldChecks(in, context))
    if (check.refuses(ValueOf(in, check.field))) refused.push_back({check.field, check.message, check.fieldText});
  return refused;
}

// Tests list the case by its name.
void PrintTo(const Row& c, std::ostream* os) { *os << c.name; }

const ViaCheckContext kImperial{false, true, 1, kPoint};
const ViaCheckContext kMetric{true, true, 1, kPoint};
const ViaCheckContext kMetricComma{true, true, 1, kComma};

class ViaInputChecks : public ::testing::TestWithParam<Row> {};

TEST_P(ViaInputChecks, MessagesAndTextsInOrder) {
  const Row& r = GetParam();
  // The sums follow the program's separator; pin it, whatever ran before.
  SetDecimalSeparator('.');
  EXPECT_EQ(ViaInputNotices(r.in, r.context), r.expected);
}

// Sums are written with FormatGeneralFloat in the program's separator,
// which is '.' here: 10 + 1 = "11", 0.254 + 0.0254 = "0.2794",
// 0.254 + 0.051 = "0.305", 0.508 + 0.051 = "0.559".
INSTANTIATE_TEST_SUITE_P(
    Rows, ViaInputChecks,
    ::testing::Values(
        Row{"imperial_ok", kImperialOk, kImperial, {}},
        Row{"metric_ok", kMetricOk, kMetric, {}},
        Row{"hole_max", with(kImperialOk, F::Hole, 250.5), {false, true, 0, kPoint},
            {{F::Hole, "Maximum via hole diameter can't be greater than 250mils", "250"}}},
        Row{"hole_at_max", with(kImperialOk, F::Hole, 250), {false, true, 0, kPoint}, {}},
        Row{"hole_min", with(kImperialOk, F::Hole, 0.5), {false, true, 0, kPoint},
            {{F::Hole, "Minimum via hole diameter can't be less than 1mil", "1"}}},
        Row{"metric_hole_max", with(kMetricOk, F::Hole, 12), {true, true, 0, kPoint},
            {{F::Hole, "Maximum via hole diameter can't be greater than 9.8425mm", "9.8425"}}},
        Row{"metric_hole_max_comma", with(kMetricOk, F::Hole, 12), {true, true, 0, kComma},
            {{F::Hole, "Maximum via hole diameter can't be greater than 9,8425mm", "9,8425"}}},
        // A metric limit in an unknown decimal mode says and writes nothing.
        Row{"metric_hole_max_other_mode", with(kMetricOk, F::Hole, 12), {true, true, 0, kUnknown}, {}},
        Row{"metric_hole_9mm_passes", with(kMetricOk, F::Hole, 0.254), kMetric, {}},
        Row{"metric_hole_min_comma", with(kMetricOk, F::Hole, 0.03), {true, true, 0, kComma},
            {{F::Hole, "Minimum via hole diameter can't be less than 0,0394mm", "0,0394"}}},
        Row{"pad_max", with(kImperialOk, F::Pad, 501), {false, true, 0, kPoint},
            {{F::Pad, "Maximum via pad diameter can't be greater than 500mils", "500"}}},
        Row{"metric_pad_max_comma", with(kMetricOk, F::Pad, 20), {true, true, 0, kComma},
            {{F::Pad, "Maximum via pad diameter can't be greater than 19,685mm", "19,685"}}},
        Row{"pad_below_hole_microvia", with(kImperialOk, F::Pad, 5), {false, true, 2, kPoint},
            {{F::Pad, "Minimum via pad diameter can't be less than via hole diameter", "11"}}},
        Row{"pad_below_hole_2_layer_passes", with(kImperialOk, F::Pad, 5), {false, true, 0, kPoint}, {}},
        Row{"metric_pad_below_hole_comma_same_message", with(kMetricOk, F::Pad, 0.2), {true, true, 2, kComma},
            {{F::Pad, "Minimum via pad diameter can't be less than via hole diameter", "0.2794"}}},
        Row{"pad_equal_hole_multi_layer", with(with(kImperialOk, F::Pad, 10), F::Opening, 40), kImperial,
            {{F::Pad, "The PTH via pad diameter should be larger than via hole diameter", "11"}}},
        Row{"pad_equal_hole_2_layer_passes", with(kImperialOk, F::Pad, 10), {false, true, 0, kPoint}, {}},
        Row{"opening_max", with(kImperialOk, F::Opening, 1001), kImperial,
            {{F::Opening, "Maximum reference plane opening diameter can't be greater than 1000mils", "1000"}}},
        Row{"metric_opening_max_comma", with(kMetricOk, F::Opening, 40), kMetricComma,
            {{F::Opening, "Maximum reference plane opening diameter can't be greater than 39,37mm", "39,37"}}},
        // 40 passes against the hole (12) and fails against the pad 39 (41).
        Row{"opening_below_pad", with(kImperialOk, F::Pad, 39), kImperial,
            {{F::Opening, "Minimum reference plane opening diameter can't be less than internal pad diameter + 2mils",
              "41"}}},
        Row{"opening_below_hole_and_pad", with(kImperialOk, F::Opening, 11), kImperial,
            {{F::Opening, "Minimum reference plane opening diameter can't be less than via hole diameter + 2mils", "12"},
             {F::Opening, "Minimum reference plane opening diameter can't be less than internal pad diameter + 2mils",
              "22"}}},
        Row{"metric_opening_below_comma", with(kMetricOk, F::Opening, 0.3), kMetricComma,
            {{F::Opening, "Minimum reference plane opening diameter can't be less than via hole diameter + 0,051mm",
              "0.305"},
             {F::Opening, "Minimum reference plane opening diameter can't be less than internal pad diameter + 0,051mm",
              "0.559"}}},
        Row{"opening_ignored_outside_multi_layer", with(kImperialOk, F::Opening, 5000), {false, true, 2, kPoint}, {}},
        Row{"height_max", with(kImperialOk, F::Height, 1001), kImperial,
            {{F::Height, "Maximum via length can't be greater than 1000mils", "1000"}}},
        Row{"height_min", with(kImperialOk, F::Height, 0.5), kImperial,
            {{F::Height, "Minimum via length can't be less than 1mil", "1"}}},
        Row{"metric_height_max", with(kMetricOk, F::Height, 25.5), kMetric,
            {{F::Height, "Maximum via length can't be greater than 25.4mm", "25.4"}}},
        Row{"metric_height_min_comma", with(kMetricOk, F::Height, 0.01), kMetricComma,
            {{F::Height, "Minimum via length can't be less than 0,0394mm", "0,0394"}}},
        Row{"plating_max", with(kImperialOk, F::Plating, 3.5), kImperial,
            {{F::Plating, "Maximum plating thickness can't be greater than 3mils", "3"}}},
        Row{"metric_plating_max_comma", with(kMetricOk, F::Plating, 0.2), kMetricComma,
            {{F::Plating, "Maximum plating thickness can't be greater than 0,1182mm", "0,1182"}}},
        // The minimum plating names the limit it applies.
        Row{"plating_min", with(kImperialOk, F::Plating, 0.05), kImperial,
            {{F::Plating, "Minimum plating thickness can't be less than 0.1mils", "0.1"}}},
        Row{"plating_min_comma", with(kImperialOk, F::Plating, 0.05), {false, true, 1, kComma},
            {{F::Plating, "Minimum plating thickness can't be less than 0,1mils", "0,1"}}},
        Row{"plating_at_min", with(kImperialOk, F::Plating, 0.1), kImperial, {}},
        Row{"metric_plating_min", with(kMetricOk, F::Plating, 0.002), kMetric,
            {{F::Plating, "Minimum plating thickness can't be less than 0.0025mm", "0.0025"}}},
        Row{"er_max", with(kMetricOk, F::Er, 400), kMetricComma,
            {{F::Er, "Maximum dielectric constant value can't be greater than 350", "350"}}},
        Row{"er_min", with(kImperialOk, F::Er, 0.5), kImperial,
            {{F::Er, "Minimum dielectric constant value can't be less than 1", "1"}}},
        // The differential layout checks the hole and Er only.
        Row{"differential_skips_single_rows", with(with(kImperialOk, F::Pad, 900), F::Hole, 0.5),
            {false, false, 1, kPoint}, {{F::Hole, "Minimum via hole diameter can't be less than 1mil", "1"}}},
        // A hole of 300 (pad 20, opening 40): each row compares with 300.
        Row{"hole_300", with(kImperialOk, F::Hole, 300), kImperial,
            {{F::Hole, "Maximum via hole diameter can't be greater than 250mils", "250"},
             {F::Pad, "Minimum via pad diameter can't be less than via hole diameter", "301"},
             {F::Opening, "Minimum reference plane opening diameter can't be less than via hole diameter + 2mils",
              "302"}}}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

TEST(ViaEmptyHole, DefaultByUnitsAndDecimalMode) {
  using N = std::optional<ViaNotice>;
  EXPECT_EQ(EmptyHoleNotice({false, true, 1, kPoint}),
            N({F::Hole, "Via hole diameter can't be empty, using default of 10mils", "10"}));
  EXPECT_EQ(EmptyHoleNotice({false, true, 1, kComma}),
            N({F::Hole, "Via hole diameter can't be empty, using default of 10mils", "10"}));
  EXPECT_EQ(EmptyHoleNotice({true, true, 1, kPoint}),
            N({F::Hole, "Via hole diameter can't be empty, using default of 0.254mm", "0.254"}));
  EXPECT_EQ(EmptyHoleNotice({true, true, 1, kComma}),
            N({F::Hole, "Via hole diameter can't be empty, using default of 0,254mm", "0,254"}));
  EXPECT_EQ(EmptyHoleNotice({true, true, 1, kUnknown}), std::nullopt);
  EXPECT_EQ(EmptyHoleNotice({false, true, 1, kUnknown}), std::nullopt);
}

}  // namespace
}  // namespace cq
