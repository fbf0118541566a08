#pragma once
// SolveConductorProperties: reads the page and the Options panel, checks the
// lengths, and writes the cross-section, current (or width), resistance,
// power, voltage drop, skin depth and power in dBm.
#include "calc/conductor/copper_choices.h"
#include "platform/form.h"

namespace cq {

class MainWindow;
class Temperatures;

class ConductorPropertiesSolver {
 public:
  ConductorPropertiesSolver(MainWindow& main, Temperatures& temperatures);

  void SolveConductorProperties(Control* sender);

 private:
  // Values kept between the steps of one solve. They belong to the solver,
  // not to one call: a width correction's nested solve rewrites them, and
  // the solve that started it goes on with what the nested one read.
  struct Values {
    double length = 0;
    double pcbThickness = 0;
    double count = 0;
    double planeDistance = 0;
    double boardFactor = 0;
    double planeFactor = 0;
    double halfThickness = 0;
    double areaSqMils = 0;
    double current = 0;
    double resistance = 0;
    double power = 0;
    double voltage = 0;
  };
  double read(const Edit& edit) const;
  void noticeBelowMinimum(double value, Edit& field, const char* subject, bool metric);
  void readLengths(bool metric);
  void readPlane(bool metric);
  // false: the corrected width fails too, and this solve ends.
  bool checkWidth(Control* sender);
  void writeCopperThickness(bool metric);
  void writeCrossSection(bool metric);
  void solveCurrentOrWidth(bool metric);
  void writeResistancePowerVoltage(bool metric);
  void writeSkinDepth(bool metric);

  MainWindow& main_;
  Temperatures& temperatures_;
  Form& form_;
  CopperControls copper_;
  RadioGroup& units_;
  RadioGroup& layer_;
  RadioGroup& planeWeight_;
  RadioGroup& solveFor_;
  RadioGroup& parallel_;
  RadioGroup& planePresent_;
  CheckBox& dc_;
  Label& decimalMode_;
  Edit& widthOrCurrent_;  // Edit15
  Edit& length_;          // Edit18
  Edit& pcbThickness_;    // Edit126
  Edit& count_;           // Edit128
  Edit& frequency_;       // Edit130
  Edit& planeDistance_;   // Edit132
  Edit& crossSection_;    // Edit16
  Edit& currentOrWidth_;  // Edit17
  Edit& resistance_;      // Edit20
  Edit& power_;           // Edit48
  Edit& voltage_;         // Edit78
  Edit& powerDbm_;        // Edit135
  Edit& skinDepth_;       // Edit129
  Edit& skinPercent_;     // Edit134
  Label& copperThickness_;  // Label56
  Label& information1_;     // Label110
  Label& information2_;     // Label285
  Values v_;
  // Set while a width correction's nested solve runs.
  bool correctingWidth_ = false;
  bool correctedWidthFailed_ = false;
};

}  // namespace cq
