#pragma once
// The PDN Calculator page (calculator 12): target impedance of a rail and
// the capacitance and reactance of a plane pair, and its "DC" check box.
#include "app/window_part.h"

namespace cq {

class MainWindow;

class PdnPage : public WindowPart {
 public:
  explicit PdnPage(MainWindow& main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void CheckBox4Click(Control* sender);
  void SolvePDN(Control* sender);

 private:
  MainWindow& main_;
  RadioGroup* units_ = nullptr;        // RadioGroup6
  Edit* er_ = nullptr;                 // Edit7
  Edit* volts_ = nullptr;              // Edit105
  Edit* ripple_ = nullptr;             // Edit107
  Edit* current_ = nullptr;            // Edit108
  Edit* transient_ = nullptr;          // Edit110
  Edit* impedance_ = nullptr;          // Edit109
  Edit* area_ = nullptr;               // Edit228
  Edit* distance_ = nullptr;           // Edit229
  Edit* frequency_ = nullptr;          // Edit234
  Edit* frequencyUnit_ = nullptr;      // Edit233
  CheckBox* dc_ = nullptr;             // CheckBox4
  Edit* capacitance_ = nullptr;        // Edit230
  Label* reactanceCaption_ = nullptr;  // Label295
  Edit* reactance_ = nullptr;          // Edit235
};

}  // namespace cq
