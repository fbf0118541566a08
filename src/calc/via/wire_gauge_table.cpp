#include "calc/via/wire_gauge_table.h"

#include "platform/numbers.h"

namespace cq {

namespace {
constexpr double kCircularMilsPerAmp = 700;
}  // namespace

const std::array<WireGauge, kWireGauges>& WireGaugeTable() {
  static const std::array<WireGauge, kWireGauges> table = {{
      {"4/0", 0.46, 11.684, "0.05 Ohms", "0.16072 Ohms", "380 Amps", "380 Amps"},
      {"3/0", 0.4096, 10.40384, "0.06 Ohms", "0.202704 Ohms", "328 Amps", "328 Amps"},
      {"2/0", 0.3648, 9.26592, "0.08 Ohms", "0.255512 Ohms", "283 Amps", "283 Amps"},
      {"1/0", 0.3249, 8.25246, "0.10 Ohms", "0.322424 Ohms", "245 Amps", "245 Amps"},
      {"1", 0.2893, 7.34822, "0.12 Ohms", "0.406392 Ohms", "211 Amps", "211 Amps"},
      {"2", 0.2576, 6.54304, "0.16 Ohms", "0.512664 Ohms", "181 Amps", "181 Amps"},
      {"3", 0.2294, 5.82676, "0.20 Ohms", "0.64616 Ohms", "158 Amps", "158 Amps"},
      {"4", 0.2043, 5.18922, "0.25 Ohms", "0.81508 Ohms", "135 Amps", "135 Amps"},
      {"5", 0.1819, 4.62026, "0.31 Ohms", "1.027624 Ohms", "118 Amps", "118 Amps"},
      {"6", 0.162, 4.1148, "0.40 Ohms", "1.295928 Ohms", "101 Amps", "101 Amps"},
      {"7", 0.1443, 3.66522, "0.50 Ohms", "1.634096 Ohms", "89 Amps", "89 Amps"},
      {"8", 0.1285, 3.2639, "0.63 Ohms", "2.060496 Ohms", "73 Amps", "73 Amps"},
      {"9", 0.1144, 2.90576, "0.79 Ohms", "2.598088 Ohms", "64 Amps", "64 Amps"},
      {"10", 0.1019, 2.58826, "1.00 Ohms", "3.276392 Ohms", "55 Amps", "55 Amps"},
      {"11", 0.0907, 2.30378, "1.26 Ohms", "4.1328 Ohms", "47 Amps", "47 Amps"},
      {"12", 0.0808, 2.05232, "1.59 Ohms", "5.20864 Ohms", "41 Amps", "41 Amps"},
      {"13", 0.072, 1.8288, "2.00 Ohms", "6.56984 Ohms", "35 Amps", "35 Amps"},
      {"14", 0.0641, 1.62814, "2.53 Ohms", "8.282 Ohms", "32 Amps", "32 Amps"},
      {"15", 0.0571, 1.45034, "3.18 Ohms", "10.44352 Ohms", "28 Amps", "28 Amps"},
      {"16", 0.0508, 1.29032, "4.02 Ohms", "13.17248 Ohms", "22 Amps", "22 Amps"},
      {"17", 0.0453, 1.15062, "5.06 Ohms", "16.60992 Ohms", "19 Amps", "19 Amps"},
      {"18", 0.0403, 1.02362, "6.39 Ohms", "20.9428 Ohms", "16 Amps", "16 Amps"},
      {"19", 0.0359, 0.91186, "8.05 Ohms", "26.40728 Ohms", "14 Amps", "14 Amps"},
      {"20", 0.032, 0.8128, "10.15 Ohms", "33.292 Ohms", "11 Amps", "11 Amps"},
      {"21", 0.0285, 0.7239, "12.80 Ohms", "41.984 Ohms", "9 Amps", "9 Amps"},
      {"22", 0.0253, 0.64262, "16.14 Ohms", "52.9392 Ohms", "7 Amps", "7 Amps"},
      {"23", 0.0226, 0.57404, "20.36 Ohms", "66.7808 Ohms", "4.7 Amps", "4.7 Amps"},
      {"24", 0.0201, 0.51054, "25.67 Ohms", "84.1976 Ohms", "3.5 Amps", "3.5 Amps"},
      {"25", 0.0179, 0.45466, "32.37 Ohms", "106.1736 Ohms", "2.7 Amps", "2.7 Amps"},
      {"26", 0.0159, 0.40386, "40.81 Ohms", "133.8568 Ohms", "2.2 Amps", "2.2 Amps"},
      {"27", 0.0142, 0.36068, "51.47 Ohms", "168.8216 Ohms", "1.7 Amps", "1.7 Amps"},
      {"28", 0.0126, 0.32004, "64.90 Ohms", "212.872 Ohms", "1.4 Amps", "1.4 Amps"},
      {"29", 0.0113, 0.28702, "81.83 Ohms", "268.4024 Ohms", "1.2 Amps", "1.2 Amps"},
      {"30", 0.01, 0.254, "103.20 Ohms", "338.496 Ohms", "0.86 Amps", "0.89 Amps"},
      {"31", 0.0089, 0.22606, "130.10 Ohms", "426.728 Ohms", "0.7 Amps", "0.7 Amps"},
      {"32", 0.008, 0.2032, "164.10 Ohms", "538.248 Ohms", "0.53 Amps", "0.53 Amps"},
      {"33", 0.0071, 0.18034, "206.90 Ohms", "678.632 Ohms", "0.43 Amps", "0.43 Amps"},
      {"34", 0.0063, 0.16002, "260.9 Ohms", "855.752 Ohms", "0.33 Amps", "0.33 Amps"},
      {"35", 0.0056, 0.14224, "329.00 Ohms", "1079.12 Ohms", "0.27 Amps", "0.27 Amps"},
      {"36", 0.005, 0.127, "414.80 Ohms", "1360 Ohms", "0.21 Amps", "0.21 Amps"},
      {"37", 0.0045, 0.1143, "523.10 Ohms", "1715 Ohms", "0.17 Amps", "0.17 Amps"},
      {"38", 0.004, 0.1016, "659.60 Ohms", "2163 Ohms", "0.13 Amps", "0.13 Amps"},
      {"39", 0.0035, 0.0889, "831.80 Ohms", "2728 Ohms", "0.11 Amps", "0.11 Amps"},
      {"40", 0.0031, 0.07874, "1049.00 Ohms", "3440 Ohms", "0.09 Amps", "0.09 Amps"},
  }};
  return table;
}

double PowerTransmissionAmps(double diameterMils) { return diameterMils * diameterMils / kCircularMilsPerAmp; }

std::string MetricOhmsText(const WireGauge& row, bool comma) {
  return LocalizeDecimalPoints(std::string(row.metricOhms), comma);
}

}  // namespace cq
