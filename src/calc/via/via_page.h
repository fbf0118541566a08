#pragma once
// The Via Properties page (calculator 16, GroupBox1): the IPC-mode text of
// its activation, the single-via and differential-via layouts of the
// " Property Selection " radio, the "Full Plane Opening" box and the solve.
#include <memory>

#include "app/window_part.h"

namespace cq {

class MainWindow;
class CalculatorSwitching;
class DifferentialViaSolver;
class PlaneRadio;
class Temperatures;
class ViaSolver;

class ViaPage : public WindowPart {
 public:
  ViaPage(MainWindow& main, CalculatorSwitching& switching, PlaneRadio& planeRadio, Temperatures& temperatures);
  ~ViaPage() override;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void showIpcMode();
  void layOut(int item);
  void singleViaLayout();
  void differentialViaLayout();
  void CheckBox5Click(Control* sender);
  void SolveViaProperties();

 private:
  void show(std::initializer_list<const char*> names, bool shown);
  void enable(std::initializer_list<const char*> names, bool enabled);
  void hint(const char* name, const char* text);
  void caption(const char* name, const char* text);
  // Both vias in one opening or each in its own, as CheckBox5 says.
  void showOpeningPicture();

  MainWindow& main_;
  CalculatorSwitching& switching_;
  PlaneRadio& planeRadio_;
  Temperatures& temperatures_;
  Form* form_ = nullptr;
  std::unique_ptr<ViaSolver> solver_;
  std::unique_ptr<DifferentialViaSolver> differential_;
};

}  // namespace cq
