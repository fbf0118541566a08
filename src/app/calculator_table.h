#pragma once
// The nineteen calculators and what each activation does to the shared
// parts of the main window, as data.
#include <array>
#include <string_view>
#include <vector>

#include "app/calculator_id.h"

namespace cq {

// Enabled state of an Options control: on, off, or left as it is.
enum class Set : signed char { Off = 0, On = 1, Keep = -1 };

struct OptionsRow {
  Set sub, er, mat, tg, base, plate, man, layer;
  bool planeVisible;
  Set plane, units, rise, amb, vias;
};

struct LayerRow {
  std::string_view caption;
  // Empty with keepItems: the items stay as they are.
  std::vector<std::string_view> items;
  int selected;  // -1: no item selected after the refill
  bool keepItems = false;
};

struct CalculatorInfo {
  int index;
  std::string_view tabCaption;
  std::string_view menuItem;
  std::string_view menuCaption;
  std::string_view activationHandler;  // "TForm1.ViaProperties1Click"
  std::string_view page;               // "GroupBox1"
  std::string_view pageCaption;
  OptionsRow options;
  LayerRow layer;
};

const std::array<CalculatorInfo, kCalculatorCount>& Calculators();
const CalculatorInfo& Calculator(int index);

// The obsolete crosstalk page, hidden by every activation.
inline constexpr std::string_view kObsoletePage = "GroupBox39";

// The order in which the tab change compares the tab index.
inline constexpr std::array<CalculatorId, kCalculatorCount> kTabChangeOrder = {
    CalculatorId::ViaProperties,     CalculatorId::ConductorProperties, CalculatorId::Bandwidth,
    CalculatorId::DifferentialPairs, CalculatorId::Padstack,            CalculatorId::Mechanical,
    CalculatorId::MinSpacing,        CalculatorId::ConductorImpedance,  CalculatorId::Conversion,
    CalculatorId::PlanarInductors,   CalculatorId::Pdn,                 CalculatorId::ThermalManagement,
    CalculatorId::FusingCurrent,     CalculatorId::EmbeddedResistors,   CalculatorId::PpmXtal,
    CalculatorId::Wavelength,        CalculatorId::ErEffective,         CalculatorId::OhmsLaw,
    CalculatorId::XlXcReactance};

}  // namespace cq
