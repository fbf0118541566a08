#pragma once
// The XL-XC Reactance page (calculator 18): reactances of a capacitor and
// an inductor at a frequency and the pair's resonant frequency, each input
// with its own unit radio.
#include "app/page_of.h"

namespace cq {

class XlXcReactancePage : public PageOf<CalculatorId::XlXcReactance> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  void attach(Form& form) override;

  // The unit radios: the unit box shows the chosen unit, then a solve reads
  // the same number in it.
  void RadioGroup19Click(Control* sender);
  void RadioGroup17Click(Control* sender);
  void RadioGroup18Click(Control* sender);
  void SolveXlXcReactance(Control* sender);

 private:
  void writeResult(Edit& field, const char* format, double value);

  Edit* frequency_ = nullptr;        // Edit270
  Edit* capacitance_ = nullptr;      // Edit271
  Edit* inductance_ = nullptr;       // Edit272
  Edit* frequencyUnit_ = nullptr;    // Edit278
  Edit* capacitanceUnit_ = nullptr;  // Edit276
  Edit* inductanceUnit_ = nullptr;   // Edit277
  RadioGroup* frequencyUnits_ = nullptr;    // RadioGroup19
  RadioGroup* capacitanceUnits_ = nullptr;  // RadioGroup17
  RadioGroup* inductanceUnits_ = nullptr;   // RadioGroup18
  Edit* capacitiveReactance_ = nullptr;     // Edit273
  Edit* inductiveReactance_ = nullptr;      // Edit274
  Edit* resonantFrequency_ = nullptr;       // Edit275
};

}  // namespace cq
