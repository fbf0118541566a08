#include "app/calculator_table.h"

#include <stdexcept>

namespace cq {

namespace {
constexpr Set O = Set::Off, I = Set::On, K = Set::Keep;

const LayerRow kInternalExternalNone{" Conductor Layer ", {"Internal Layer", "External Layer"}, -1};
}  // namespace

const std::array<CalculatorInfo, kCalculatorCount>& Calculators() {
  //                                 sub er mat tg base plate man layer planeVis plane units rise amb vias
  static const std::array<CalculatorInfo, kCalculatorCount> table = {{
      {0, "Bandwidth && Max Conductor Length", "SignalProperties1", "&Bandwidth && Max Conductor Length",
       "TForm1.SignalProperties1Click", "GroupBox6", " Bandwidth && Max Conductor Length ",
       {I, I, I, O, O, O, O, I, true, O, I, O, O, O},
       {" Passive Circuits ", {"Microstrip", "Stripline"}, 0}},
      {1, "Conductor Impedance", "RFImpedances1", "Conductor &Impedance", "TForm1.RFImpedances1Click", "GroupBox15",
       " Conductor Impedance ",
       {I, I, O, O, I, K, I, I, false, K, I, O, O, O},
       {" Passive Circuits ",
        {"Microstrip", "Microstrip Embed", "Stripline", "Stripline Asym", "Dual Stripline", "Coplanar Wave"}, 0}},
      {2, "Conductor Properties", "ConductorProperties1", "&Conductor Properties", "TForm1.ConductorProperties1Click",
       "GroupBox5", " Conductor Characteristics ",
       // The plane radio's enabled state follows the page's Plane Present radio.
       {I, O, O, I, I, K, I, I, true, K, I, I, I, O},
       {" Conductor Layer ", {"Internal Layer", "External Layer"}, 1}},
      {3, "Conversion Calculator", "ConversionData1", "C&onversion Calculator", "TForm1.ConversionData1Click",
       "GroupBox7", " Units Conversion Data ",
       {O, O, O, O, O, O, O, O, true, O, I, O, O, O},
       {" Conductor Layer ", {}, -1, true}},
      {4, "Differential Pairs / XTALK", "DifferentialPairs1", "&Differential Pair Calculator",
       "TForm1.DifferentialPairs1Click", "GroupBox8", " Differential Pairs ",
       {I, I, I, O, I, I, I, I, false, O, I, O, O, O},
       {" Differential Layer ",
        {"Edge Cpld Ext", "Edge Cpld Int Sym", "Edge Cpld Int Asym", "Edge Cpld Embed", "Broad Cpld Shld",
         "Broad Cpld NShld"},
        0}},
      {5, "Embedded Resistors", "EmbeddedRs1", "Embedded &Resistors", "TForm1.EmbeddedRs1Click", "GroupBox34",
       "  PTF Embedded Resistors  ", {O, O, O, O, O, O, O, O, true, O, I, O, O, O}, kInternalExternalNone},
      {6, "Er Effective", "ErEffective1", "Er Effecti&ve", "TForm1.ErEffective1Click", "GroupBox43", " Er Effective ",
       {I, I, I, O, I, I, I, O, true, O, I, O, O, O}, kInternalExternalNone},
      {7, "Fusing Current", "FuseCurrent1", "&Fusing Current", "TForm1.FuseCurrent1Click", "GroupBox33",
       " Fusing Current ", {O, O, O, O, I, I, I, O, true, O, I, O, I, O}, kInternalExternalNone},
      {8, "Mechanical Information", "Mechanical1", "&Mechanical Information", "TForm1.Mechanical1Click", "GroupBox11",
       " Mechanical Info ", {O, O, O, O, O, O, O, O, true, O, I, O, O, O}, kInternalExternalNone},
      {9, "Min Conductor Spacing", "ConductorSpacing1", "M&inimum Conductor &Spacing", "TForm1.ConductorSpacing1Click",
       "GroupBox13", " Minimum Conductor Spacing ", {O, O, O, O, O, O, O, O, true, O, I, O, O, O},
       kInternalExternalNone},
      {10, "Ohm's Law", "OhmsLaw1", "&Ohm's Law", "TForm1.OhmsLaw1Click", "GroupBox47", " Ohm's Law ",
       {O, O, O, O, O, O, O, O, true, O, O, O, O, O}, kInternalExternalNone},
      {11, "Padstack Calculator", "Padstacks1", "&Padstack Calculator", "TForm1.Padstacks1Click", "GroupBox10",
       " Padstack Calculator ", {O, O, O, O, O, O, O, O, true, O, I, O, O, O}, kInternalExternalNone},
      {12, "PDN Calculator", "PDNImpedance1", "P&DN Calculator", "TForm1.PDNImpedance1Click", "GroupBox23",
       " Plane Information ", {I, I, O, O, O, O, O, O, true, O, I, O, O, O}, kInternalExternalNone},
      {13, "Planar Inductors", "PlanarInductors1", "Planar I&nductors", "TForm1.PlanarInductors1Click", "GroupBox20",
       " Planar Inductors Calculator ", {O, O, O, O, O, O, O, I, false, O, I, O, O, O},
       {" Inductor Geometry ", {"Square", "Hexagonal", "Octagonal", "Circular"}, 0}},
      {14, "PPM-XTAL Calculator", "PPMCalculator1", "PPM-XTAL C&alculator", "TForm1.PPMCalculator1Click", "GroupBox36",
       " PPM Calculator ", {O, O, O, O, O, O, O, O, true, O, O, O, O, O}, kInternalExternalNone},
      {15, "Thermal Management", "ThermalManagement1", "&Thermal Management", "TForm1.ThermalManagement1Click",
       "GroupBox27", " Thermal Management ", {O, O, O, O, O, O, O, O, true, O, O, O, I, O}, kInternalExternalNone},
      {16, "Via Properties", "ViaProperties1", "&Via Properties", "TForm1.ViaProperties1Click", "GroupBox1",
       " Via Characteristics ", {I, I, I, I, O, O, O, I, true, I, I, I, I, I},
       {" Layer Set ", {"2 Layer", "Multi Layer", "Microvia"}, 1}},
      {17, "Wavelength Calculator", "WavelengthCalculator1", "Wavelength Calc&ulator",
       "TForm1.WavelengthCalculator1Click", "GroupBox22", " Wavelength Calculator ",
       {O, O, O, O, O, O, O, O, true, O, I, O, O, O}, {" Conductor Layer ", {"Microstrip", "Stripline"}, 0}},
      {18, "XL-XC Reactance", "XlXcReactance1", "&XC XL Reactance", "TForm1.XlXCReactance1Click", "GroupBox48",
       " XC XL Reactance ", {O, O, O, O, O, O, O, O, true, O, O, O, O, O}, kInternalExternalNone},
  }};
  return table;
}

const CalculatorInfo& Calculator(int index) {
  if (index < 0 || index >= kCalculatorCount) throw std::out_of_range("no calculator " + std::to_string(index));
  return Calculators()[static_cast<size_t>(index)];
}

}  // namespace cq
