#include "app/units_field_order.h"

namespace cq {

std::span<const std::string_view> UnitsFieldOrder() {
  static constexpr std::string_view kOrder[] = {
      "Edit3",   "Edit4",   "Edit5",   "Edit6",   "Edit9",   "Edit335",  // Via Properties
      "Edit15",                                                          // Conductor Properties
      "Edit136", "Edit138",                                              // manual copper
      "Edit18",                                                          // Conductor Properties
      "Edit21",  "Edit26",  "Edit27",  "Edit32",                         // Differential Pairs
      "Edit33",                                                          // Padstack Calculator
      "Edit398",                                                         // Differential Pairs
      "Edit34",  "Edit35",  "Edit211", "Edit213",                        // Padstack Calculator
      "Edit67",  "Edit68",  "Edit74",                                    // Conductor Impedance
      "Edit80",                                                          // Conversion Calculator
      "Edit126", "Edit132",                                              // Conductor Properties
      "Edit140",                                                         // Fusing Current
      "Edit228", "Edit229",                                              // PDN Calculator
      "Edit89",  "Edit91",  "Edit92",                                    // Planar Inductors
      "Edit157",                                                         // Embedded Resistors
      "Edit25",  "Edit46",                                               // Er Effective
      "Edit158", "Edit154",                                              // Embedded Resistors
  };
  return kOrder;
}

}  // namespace cq
