#pragma once
// The Bandwidth & Max Conductor Length page (calculator 0): bandwidth,
// wavelength and the longest conductor that is not yet a transmission line,
// from a rise time or a frequency.
#include <string>

#include "app/page_of.h"

namespace cq {

class BandwidthPage : public PageOf<CalculatorId::Bandwidth> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  void attach(Form& form) override;

  void RadioGroup12Click(Control* sender);
  void RadioGroup20Click(Control* sender);
  void TrackBar2Change(Control* sender);
  void TrackBar3Change(Control* sender);
  void SolveBandwidth(Control* sender);

 private:
  std::string length(double value, bool metric) const;

  RadioGroup* units_ = nullptr;         // RadioGroup6
  RadioGroup* layer_ = nullptr;         // RadioGroup3
  Edit* er_ = nullptr;                  // Edit7
  RadioGroup* inputMethod_ = nullptr;   // RadioGroup12
  Label* inputCaption_ = nullptr;       // Label30
  Edit* input_ = nullptr;               // Edit19
  Edit* inputUnit_ = nullptr;           // Edit279
  RadioGroup* frequencyUnit_ = nullptr;  // RadioGroup20
  GroupBox* riseMethod_ = nullptr;      // GroupBox41
  Edit* bandwidth_ = nullptr;           // Edit22
  Edit* speed_ = nullptr;               // Edit43
  TrackBar* srDivisor_ = nullptr;       // TrackBar2
  Edit* srCaption_ = nullptr;           // Edit44
  Edit* riseLength_ = nullptr;          // Edit24
  Edit* wavelength_ = nullptr;          // Edit23
  TrackBar* lambdaDivisor_ = nullptr;   // TrackBar3
  Edit* lambdaCaption_ = nullptr;       // Edit47
  Edit* wavelengthLength_ = nullptr;    // Edit45
};

}  // namespace cq
