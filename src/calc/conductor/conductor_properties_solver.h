#pragma once
// SolveConductorProperties: reads the page and the Options panel, checks the
// lengths, and writes the cross-section, current (or width), resistance,
// power, voltage drop, skin depth and power in dBm.
#include "app/bound_controls.h"
#include "app/page_context.h"

namespace cq {

struct ConductorPropertiesControls;
class Temperatures;

// A part of the page: it reads and writes the page's controls.
class ConductorPropertiesSolver {
 public:
  ConductorPropertiesSolver(PageContext page, Temperatures& temperatures,
                            const BoundControls<ConductorPropertiesControls>& controls);

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
  const BoundControls<ConductorPropertiesControls>& c_;
  Values v_;
  // Set while a width correction's nested solve runs.
  bool correctingWidth_ = false;
  bool correctedWidthFailed_ = false;
};

}  // namespace cq
