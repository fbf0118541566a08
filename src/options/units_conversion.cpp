#include "options/units_conversion.h"

#include <cmath>

#include "platform/checked_math.h"
#include "platform/numbers.h"
#include "platform/unit_factors.h"

namespace cq {

namespace {

// The framework's rounding scales the value by 10^-digit before it rounds:
// a value whose scaled form leaves the double range raises "Floating point
// overflow" there, so no field is ever given an infinity to show.
double Rounded(double value, int digit) {
  static_cast<void>(Mul(value, std::pow(10.0, -digit)));
  return RoundToPowerOfTen(value, digit);
}

}  // namespace

double ConvertUnits(UnitsKind kind, double value, bool toMetric) {
  // Metric keeps more decimals: its numbers are smaller for the same size.
  switch (kind) {
    case UnitsKind::Length:
      return toMetric ? Rounded(Div(Mul(value, kMmPerInch), kMilsPerInch), -4)
                      : Rounded(Mul(Div(value, kMmPerInch), kMilsPerInch), -2);
    case UnitsKind::Micrometre:
      return toMetric ? Rounded(Mul(value, kUmPerMil), -4) : Rounded(Div(value, kUmPerMil), -2);
    case UnitsKind::Area:
      return toMetric ? Rounded(Div(value, kSqInPerSqMm), -4) : Rounded(Mul(value, kSqInPerSqMm), -2);
    case UnitsKind::PerArea:
      return toMetric ? Rounded(Div(value, kSqMmPerSqIn), -5) : Rounded(Mul(value, kSqMmPerSqIn), -2);
  }
  return value;
}

std::vector<UnitsText> UnitBoxes(std::initializer_list<std::string_view> boxes, std::string_view imperial,
                                 std::string_view metric) {
  std::vector<UnitsText> rows;
  for (std::string_view box : boxes) rows.push_back({box, UnitsProperty::Text, imperial, metric});
  return rows;
}

std::vector<UnitsField> FieldsLike(const UnitsField& like, std::initializer_list<std::string_view> names) {
  std::vector<UnitsField> rows;
  for (std::string_view name : names) {
    UnitsField row = like;
    row.name = name;
    rows.push_back(row);
  }
  return rows;
}

std::vector<UnitsField> Joined(std::vector<UnitsField> first, const std::vector<UnitsField>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

}  // namespace cq
