#pragma once
// SolveViaProperties: the input checks of the via page, the pre-solve steps
// again, the reads both layouts share, then the single-via figures. The
// differential layout has its own model; until it is attached the solve
// stops after the shared steps on that layout.
#include <functional>

#include "app/program_options_controls.h"
#include "app/page_context.h"
#include "platform/form.h"

namespace cq {

class Temperatures;
enum class ViaField;

class ViaSolver {
 public:
  ViaSolver(PageContext page, Temperatures& temperatures);

  void SolveViaProperties();
  // The model of the differential layout, run after the shared steps.
  void setDifferentialModel(std::function<void()> model) { differential_ = std::move(model); }

 private:
  void runChecks(bool metric, bool singleVia);
  void sharedReads(bool metric);
  void solveSingleVia(bool metric);
  void writeAspectRatio(double ratio, int layerSet);
  void readViaCount();
  Edit& fieldOf(ViaField field);
  double read(const Edit& edit) const;
  // Bound when the Program Options window is built, after this solver.
  const ProgramOptionsControls& options() const;

  PageContext page_;
  Temperatures& temperatures_;
  Form& form_;
  RadioGroup& layerSet_ = form_.radio("RadioGroup3");
  RadioGroup& property_ = form_.radio("RadioGroup5");
  Label& decimalMode_ = form_.label("Label165");
  Edit& hole_ = form_.edit("Edit3");
  Edit& pad_ = form_.edit("Edit4");
  Edit& opening_ = form_.edit("Edit5");
  Edit& height_ = form_.edit("Edit6");
  Edit& plating_ = form_.edit("Edit9");
  Edit& er_ = form_.edit("Edit7");
  Edit& viaCount_ = form_.edit("Edit227");
  Edit& crossSection_ = form_.edit("Edit8");
  Edit& current_ = form_.edit("Edit10");
  Edit& capacitance_ = form_.edit("Edit11");
  Edit& inductance_ = form_.edit("Edit12");
  Edit& stepResponse_ = form_.edit("Edit13");
  Edit& resonance_ = form_.edit("Edit14");
  Edit& impedance_ = form_.edit("Edit42");
  Edit& resistance_ = form_.edit("Edit49");
  Edit& power_ = form_.edit("Edit50");
  Label& powerDbm_ = form_.label("Label56");
  Label& thermal_ = form_.label("Label110");
  Label& thermalCount_ = form_.label("Label285");
  Label& voltageDrop_ = form_.label("Label72");
  Label& aspectRatio_ = form_.label("Label350");
  Label& aspectWarning_ = form_.label("Label402");
  double boardFactor_ = 0;
  double holeValue_ = 0;
  std::function<void()> differential_;
};

}  // namespace cq
