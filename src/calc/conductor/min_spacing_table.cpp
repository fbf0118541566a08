#include "calc/conductor/min_spacing_table.h"

#include <array>
#include <stdexcept>

#include "platform/numbers.h"

namespace cq {

namespace {

struct Cell {
  const char* mm;
  const char* mils;
};
using Row = std::array<Cell, kSpacingDeviceTypes>;

// Rows: voltage ranges; columns: B1 B2 B3 B4 A5 A6 A7. The mil texts are the
// millimetre values divided by 0.0254, rounded to two decimals.
constexpr std::array<Row, kSpacingTableRanges> kTable = {{
    // "0 -15V"
    {{{"0.05 mm", "1.97 mils"},
      {"0.10 mm", "3.94 mils"},
      {"0.10 mm", "3.94 mils"},
      {"0.05 mm", "1.97 mils"},
      {"0.13 mm", "5.12 mils"},
      {"0.13 mm", "5.12 mils"},
      {"0.13 mm", "5.12 mils"}}},
    // "16 - 30V"
    {{{"0.05 mm", "1.97 mils"},
      {"0.10 mm", "3.94 mils"},
      {"0.10 mm", "3.94 mils"},
      {"0.05 mm", "1.97 mils"},
      {"0.13 mm", "5.12 mils"},
      {"0.25 mm", "9.84 mils"},
      {"0.13 mm", "5.12 mils"}}},
    // "31 - 50V"
    {{{"0.10 mm", "3.94 mils"},
      {"0.60 mm", "23.62 mils"},
      {"0.60 mm", "23.62 mils"},
      {"0.13 mm", "5.12 mils"},
      {"0.13 mm", "5.12 mils"},
      {"0.40 mm", "15.75 mils"},
      {"0.13 mm", "5.12 mils"}}},
    // "51 - 100V"
    {{{"0.10 mm", "3.94 mils"},
      {"0.60 mm", "23.62 mils"},
      {"1.50 mm", "59.06 mils"},
      {"0.13 mm", "5.12 mils"},
      {"0.13 mm", "5.12 mils"},
      {"0.50 mm", "19.69 mils"},
      {"0.13 mm", "5.12 mils"}}},
    // "101 - 150V"
    {{{"0.20 mm", "7.87 mils"},
      {"0.60 mm", "23.62 mils"},
      {"3.20 mm", "125.98 mils"},
      {"0.40 mm", "15.75 mils"},
      {"0.40 mm", "15.75 mils"},
      {"0.80 mm", "31.50 mils"},
      {"0.40 mm", "15.75 mils"}}},
    // "151 - 170V"
    {{{"0.20 mm", "7.87 mils"},
      {"1.25 mm", "49.21 mils"},
      {"3.20 mm", "125.98 mils"},
      {"0.40 mm", "15.75 mils"},
      {"0.40 mm", "15.75 mils"},
      {"0.80 mm", "31.50 mils"},
      {"0.40 mm", "15.75 mils"}}},
    // "171 - 250V"
    {{{"0.20 mm", "7.87 mils"},
      {"1.25 mm", "49.21 mils"},
      {"6.40 mm", "251.97 mils"},
      {"0.40 mm", "15.75 mils"},
      {"0.40 mm", "15.75 mils"},
      {"0.80 mm", "31.50 mils"},
      {"0.40 mm", "15.75 mils"}}},
    // "251 - 300V"
    {{{"0.20 mm", "7.87 mils"},
      {"1.25 mm", "49.21 mils"},
      {"12.50 mm", "492.13 mils"},
      {"0.40 mm", "15.75 mils"},
      {"0.40 mm", "15.75 mils"},
      {"0.80 mm", "31.50 mils"},
      {"0.80 mm", "31.50 mils"}}},
    // "301 - 500V"
    {{{"0.25 mm", "9.84 mils"},
      {"2.50 mm", "98.43 mils"},
      {"12.50 mm", "492.13 mils"},
      {"0.80 mm", "31.50 mils"},
      {"0.80 mm", "31.50 mils"},
      {"1.50 mm", "59.06 mils"},
      {"0.80 mm", "31.50 mils"}}},
}};

struct Above500V {
  double mmBase, mmRate, milsBase, milsRate;
};
constexpr std::array<Above500V, kSpacingDeviceTypes> kAbove500V = {{
    {0.25, 0.0025, 9.8425, 0.098425},    // B1
    {2.5, 0.005, 98.42519, 0.19685},     // B2
    {12.5, 0.025, 492.12598, 0.984252},  // B3
    {0.8, 0.00305, 31.49606, 0.12007},   // B4
    {0.8, 0.00305, 31.49606, 0.12007},   // A5
    {1.5, 0.00305, 59.05512, 0.12007},   // A6
    {0.8, 0.00305, 31.49606, 0.12007},   // A7
}};

void checkDevice(int device) {
  if (device < 0 || device >= kSpacingDeviceTypes) throw std::out_of_range("device type outside the spacing table");
}

}  // namespace

std::string MinSpacingCellText(int range, int device, bool metric, bool comma) {
  checkDevice(device);
  if (range < 0 || range >= kSpacingTableRanges) throw std::out_of_range("voltage range outside the spacing table");
  const Cell& cell = kTable[static_cast<size_t>(range)][static_cast<size_t>(device)];
  // Each text has exactly one '.', so the comma twin is the localized text.
  return LocalizeDecimalPoint(metric ? cell.mm : cell.mils, comma);
}

double MinSpacingAbove500V(double volts, int device, bool metric) {
  checkDevice(device);
  const Above500V& c = kAbove500V[static_cast<size_t>(device)];
  return metric ? c.mmBase + (volts - 500) * c.mmRate : c.milsBase + (volts - 500) * c.milsRate;
}

}  // namespace cq
