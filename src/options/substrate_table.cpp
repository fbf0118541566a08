#include "options/substrate_table.h"

namespace cq {

namespace {
constexpr double kFr4Class = 0.98;
constexpr double kOther = 1.0;

// "RO4350" has a value of its own in the comma form: 3,48, not 3,66.
constexpr std::array<SubstrateRow, kSubstrateCount> kTable = {{
    {"FR-4 STD", "4.6", "4,6", "130", kFr4Class},
    {"FR-5", "4.3", "4,3", "170", kFr4Class},
    {"FR406", "4.6", "4,6", "170", kFr4Class},
    {"FR408", "3.8", "3,8", "180", kFr4Class},
    {"Getek ML200C", "3.8", "3,8", "175", kFr4Class},
    {"Getek ML200D", "3.9", "3,9", "175", kFr4Class},
    {"Getek ML200M", "3.8", "3,8", "175", kFr4Class},
    {"Getek RG200D", "4.2", "4,2", "175", kFr4Class},
    {"Isola P95", "3.78", "3,78", "260", kOther},
    {"Isola P96", "3.78", "3,78", "260", kOther},
    {"Isola P26N", "3.9", "3,9", "250", kOther},
    {"RO2800", "2.94", "2,94", "N/A", kOther},
    {"RO3003", "3.0", "3,0", "N/A", kOther},
    {"RO3006", "6.15", "6,15", "N/A", kOther},
    {"RO3010", "10.2", "10,2", "N/A", kOther},
    {"RO4003", "3.38", "3,38", "280", kOther},
    {"RO4350", "3.66", "3,48", "280", kOther},
    {"RT5500", "2.5", "2,5", "260", kOther},
    {"RT5870", "2.35", "2,35", "260", kOther},
    {"RT5880", "2.2", "2,2", "260", kOther},
    {"RT6002", "2.94", "2,94", "N/A", kOther},
    {"RT6006", "6.15", "6,15", "N/A", kOther},
    {"RT6010", "10.2", "10,2", "N/A", kOther},
    {"Teflon PTFE", "2.1", "2,1", "240", kOther},
    {"Arlon 25N", "3.38", "3,38", "260", kOther},
    {"Arlon 33N", "4.25", "4,25", "250", kOther},
    {"Arlon 85N", "4.2", "4,2", "250", kOther},
    {"PCL-FR-226", "4.5", "4,5", "140", kFr4Class},
    {"PCL-FR-240", "4.5", "4,5", "140", kFr4Class},
    {"PCL-FR-370", "4.5", "4,5", "175", kFr4Class},
    {"PCL-FR-370HR", "4.6", "4,6", "180", kFr4Class},
    {"N4000-7 EF", "4.1", "4,1", "165", kFr4Class},
    {"N4000-13", "3.7", "3,7", "210", kFr4Class},
    {"N4000-13SI", "3.4", "3,4", "210", kFr4Class},
    {"N4000-13 EP", "3.7", "3,7", "210", kFr4Class},
    {"N4000-13 EPSI", "3.4", "3,4", "210", kFr4Class},
    {"N4000-29", "4.5", "4,5", "185", kFr4Class},
    {"N7000-1", "3.9", "3,9", "260", kOther},
    {"Ventec VT-47", "4.6", "4,6", "180", kFr4Class},
    {"Ventec VT-901", "4.15", "4,15", "250", kOther},
    {"Ventec VT-90H", "4.15", "4,15", "250", kOther},
    {"Megtron6", "3.4", "3,4", "185", kOther},
    {"Kappa 438", "4.38", "4,38", "280", kOther},
    {"Kapton", "3.4", "3,4", "400", kOther},
    {"Air", "1", "1", "N/A", kOther},
    {"Custom", "", "", "", 0.0, true},
}};
}  // namespace

const std::array<SubstrateRow, kSubstrateCount>& SubstrateTable() { return kTable; }

const SubstrateRow* MaterialValues(int index) {
  if (index < 0 || index >= kSubstrateCount) return nullptr;
  const SubstrateRow& row = kTable[static_cast<size_t>(index)];
  return row.custom ? nullptr : &row;
}

}  // namespace cq
