#pragma once
// The AWG wire-gauge table of the Mechanical Info page and the
// power-transmission current rule (700 circular mils per ampere).
#include <array>
#include <string>
#include <string_view>

namespace cq {

inline constexpr int kWireGauges = 44;

struct WireGauge {
  std::string_view awg;            // "4/0" .. "40", the items of ComboBox3
  double inches;                   // diameter
  double millimetres;              // the inch diameter times 25.4, stored
  std::string_view imperialOhms;   // per 1000 feet, fixed text
  std::string_view metricOhms;     // per km, fixed text
  std::string_view imperialAmps;   // chassis wiring, fixed text
  std::string_view metricAmps;     // differs from the Imperial text only for AWG 30
};

const std::array<WireGauge, kWireGauges>& WireGaugeTable();

// Amperes a wire of this diameter carries for power transmission: its
// cross-section in circular mils (diameter in mils, squared) / 700.
double PowerTransmissionAmps(double diameterMils);

// The Metric resistance text, or its decimal-comma twin.
std::string MetricOhmsText(const WireGauge& row, bool comma);

}  // namespace cq
