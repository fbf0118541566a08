#pragma once
// The Mechanical Info page (calculator 8): the wire-gauge lookup. The drill
// and thread charts are fixed texts of the window description.
#include "app/window_part.h"

namespace cq {

class MainWindow;

class MechanicalPage : public WindowPart {
 public:
  explicit MechanicalPage(MainWindow& main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void SolveMechanicalInformation();

 private:
  MainWindow& main_;
  ComboBox* gauge_ = nullptr;       // ComboBox3
  RadioGroup* units_ = nullptr;     // RadioGroup6
  Edit* diameter_ = nullptr;        // Edit41
  Edit* resistance_ = nullptr;      // Edit95
  Edit* chassisAmps_ = nullptr;     // Edit102
  Edit* powerTxAmps_ = nullptr;     // Edit141
};

}  // namespace cq
