#pragma once
// The main window's show handler: shows the loader window (which applies
// the stored settings), runs the four-second splash on it while window
// messages keep running, closes it, writes the Imperial manual copper
// defaults (refilling the copper radios in comma form with a decimal comma)
// and solves once more. An error inside the loader ends only the loader.
#include <string>
#include <utility>
#include <vector>

#include "app/frame.h"
#include "app/window_part.h"

namespace cq {

class Loader;

// The items of the base-copper and plating radios in comma form, as the
// Options panel writes them.
struct CommaCopperItems {
  std::vector<std::string> base;
  std::vector<std::string> plating;
};

class Splash : public WindowPart {
 public:
  Splash(Frame main, Loader& loader, CommaCopperItems copperItems)
      : main_(main), loader_(loader), copperItems_(std::move(copperItems)) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void Button3Click(Control* sender);

 private:
  void runProgress();
  void writeManualCopperDefaults();
  void refillCopperRadiosInCommaForm();

  Frame main_;
  Loader& loader_;
  CommaCopperItems copperItems_;
  RadioGroup* base_ = nullptr;
  RadioGroup* plating_ = nullptr;
  Edit* manualBase_ = nullptr;
  Edit* manualPlating_ = nullptr;
};

}  // namespace cq
