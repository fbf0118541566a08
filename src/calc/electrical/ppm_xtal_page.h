#pragma once
// The PPM-XTAL Calculator page (calculator 14): the band of a crystal from
// its tolerance, the tolerance from a band, and the crystal's load
// capacitors.
#include "app/page_of.h"

namespace cq {

class PpmXtalPage : public PageOf<CalculatorId::PpmXtal> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  void attach(Form& form) override;

  void SolvePPMXtal(Control* sender);

 private:
  // The number in the field; one that is not above zero is answered with
  // the message and the field reads "1" from the next solve on, while this
  // solve goes on with the entered number.
  double readPositive(Edit& field, const char* message);
  void writeResult(Edit& field, const char* format, double value);

  Edit* ppmCentre_ = nullptr;        // Edit170
  Edit* ppm_ = nullptr;              // Edit171
  Edit* ppmVariation_ = nullptr;     // Edit172
  Edit* ppmMaximum_ = nullptr;       // Edit173
  Edit* ppmMinimum_ = nullptr;       // Edit180
  Edit* hertzCentre_ = nullptr;      // Edit181
  Edit* hertzMaximum_ = nullptr;     // Edit182
  Edit* hertzVariation_ = nullptr;   // Edit183
  Edit* hertzPpm_ = nullptr;         // Edit184
  Edit* load_ = nullptr;             // Edit106
  Edit* stray_ = nullptr;            // Edit115
  Edit* c1_ = nullptr;               // Edit339
  Edit* c2_ = nullptr;               // Edit338
  Edit* loadOfCapacitors_ = nullptr; // Edit341
  Edit* ruleOfThumb_ = nullptr;      // Edit340
};

}  // namespace cq
