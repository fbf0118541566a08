#pragma once
// The Conversion Calculator page (calculator 3): distance, temperature,
// decibel gain, complex-number and angle converters that solve together,
// the two "swap" boxes and "Send", which hands the polar angle to the
// angle converter.
#include <string>

#include "app/page_of.h"

namespace cq {

class ConversionPage : public PageOf<CalculatorId::Conversion> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  void attach(Form& form) override;

  void CheckBox3Click(Control* sender);
  void CheckBox2Click(Control* sender);
  void BitBtn4Click(Control* sender);
  void SolveConversion(Control* sender);

 private:
  void write(Edit& output, const char* format, double value);
  void solveGain(bool metric);
  void solveComplex();
  void solveAngle();

  RadioGroup* units_ = nullptr;        // RadioGroup6
  Edit* distance_ = nullptr;           // Edit80
  Edit* distanceOut1_ = nullptr;       // Edit81
  Edit* distanceOut2_ = nullptr;       // Edit142
  Edit* distanceOut3_ = nullptr;       // Edit143
  Edit* temperature_ = nullptr;        // Edit85
  Edit* temperatureOut_ = nullptr;     // Edit84
  Edit* gainDb_ = nullptr;             // Edit167
  Edit* voltageGain_ = nullptr;        // Edit166
  Edit* dbmIn_ = nullptr;              // Edit174
  Edit* dbmOut_ = nullptr;             // Edit175
  Edit* voltsIn_ = nullptr;            // Edit176
  Edit* voltsOut_ = nullptr;           // Edit177
  GroupBox* complexGroup_ = nullptr;   // GroupBox21
  Edit* complexIn1_ = nullptr;         // Edit215
  Edit* complexIn2_ = nullptr;         // Edit216
  Edit* complexOut1_ = nullptr;        // Edit217
  Edit* complexOut2_ = nullptr;        // Edit218
  Label* complexIn1Caption_ = nullptr;   // Label178
  Label* complexIn2Caption_ = nullptr;   // Label179
  Label* complexOut1Caption_ = nullptr;  // Label180
  Label* complexOut2Caption_ = nullptr;  // Label181
  CheckBox* polarToRectangular_ = nullptr;  // CheckBox3
  Edit* angleIn_ = nullptr;            // Edit219
  Edit* angleOut_ = nullptr;           // Edit220
  Label* angleInCaption_ = nullptr;    // Label184
  Label* angleOutCaption_ = nullptr;   // Label185
  CheckBox* radiansToDegrees_ = nullptr;  // CheckBox2

  // What "Send" hands over: the angle as last printed in rectangular-to-
  // polar mode, and the angle last read in polar-to-rectangular mode.
  std::string lastPolarAngleText_;
  double lastPolarAngleInput_ = 0;
};

}  // namespace cq
