#pragma once
// SolveConductorProperties: reads the page and the Options panel, checks the
// lengths, and writes the cross-section, current (or width), resistance,
// power, voltage drop, skin depth and power in dBm.
#include "calc/conductor/copper_choices.h"
#include "app/page_context.h"
#include "platform/form.h"

namespace cq {

class Temperatures;

class ConductorPropertiesSolver {
 public:
  ConductorPropertiesSolver(PageContext page, Temperatures& temperatures);

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

  PageContext page_;
  Temperatures& temperatures_;
  Form& form_;
  CopperControls copper_{form_};
  RadioGroup& layer_ = form_.radio("RadioGroup3");
  RadioGroup& planeWeight_ = form_.radio("RadioGroup5");
  RadioGroup& solveFor_ = form_.radio("RadioGroup8");
  RadioGroup& parallel_ = form_.radio("RadioGroup15");
  RadioGroup& planePresent_ = form_.radio("RadioGroup2");
  CheckBox& dc_ = form_.checkBox("CheckBox1");
  Label& decimalMode_ = form_.label("Label165");
  Edit& widthOrCurrent_ = form_.edit("Edit15");
  Edit& length_ = form_.edit("Edit18");
  Edit& pcbThickness_ = form_.edit("Edit126");
  Edit& count_ = form_.edit("Edit128");
  Edit& frequency_ = form_.edit("Edit130");
  Edit& planeDistance_ = form_.edit("Edit132");
  Edit& crossSection_ = form_.edit("Edit16");
  Edit& currentOrWidth_ = form_.edit("Edit17");
  Edit& resistance_ = form_.edit("Edit20");
  Edit& power_ = form_.edit("Edit48");
  Edit& voltage_ = form_.edit("Edit78");
  Edit& powerDbm_ = form_.edit("Edit135");
  Edit& skinDepth_ = form_.edit("Edit129");
  Edit& skinPercent_ = form_.edit("Edit134");
  Label& copperThickness_ = form_.label("Label56");
  Label& information1_ = form_.label("Label110");
  Label& information2_ = form_.label("Label285");
  Values v_;
  // Set while a width correction's nested solve runs.
  bool correctingWidth_ = false;
  bool correctedWidthFailed_ = false;
};

}  // namespace cq
