#pragma once
// The loader window TForm4: its show handler puts the stored settings into
// the main window and the Program Options window, sets the decimal mode and
// activates the stored calculator. Every control it sets runs its own change
// handler, which stores the value again and mostly solves, so the order of
// the steps is the order of those solves.
#include <memory>
#include <string>

#include "app/frame.h"
#include "app/window_part.h"

namespace cq {


class Loader : public WindowPart {
 public:
  explicit Loader(Frame main);
  ~Loader() override;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  // The loader window itself, its progress bar and status text: the splash
  // shows the window, drives the two and closes it.
  Form& form() const { return *form_; }
  ProgressBar& progress() const { return *progress_; }
  Label& status() const { return *status_; }

  // A text that is no integer where one is needed ends the loader with the
  // conversion error; the steps before it have taken effect.
  void FormShow(Control* sender);

 private:
  // The texts read from the settings key at start, one per value used.
  struct StoredTexts {
    std::string status, units, program, manualCopper, ipcVersion, derating, viaHeight, thLimit, uviaLimit;
  };

  void showRegistryStatus();
  void readStoredTexts();
  void restoreUnits();
  void restoreCopperChoice();
  void activateStoredCalculator(Control* sender);
  void restoreProgramOptions();

  // The main window's controls it writes and the handlers it runs, bound
  // when the loader window is built (after the main window).
  struct Controls;

  Frame main_;
  Form* form_ = nullptr;
  ProgressBar* progress_ = nullptr;
  Label* status_ = nullptr;
  std::unique_ptr<Controls> c_;
  StoredTexts texts_;
};

}  // namespace cq
