#pragma once
// The Embedded Resistors page (calculator 5): rectangular thick-film
// resistors (resistance and area) and annular ones (outer diameter, ring
// thickness and area for a target resistance), with the type radio that
// lays the page out.
#include "app/page_of.h"

namespace cq {

class EmbeddedResistorsPage : public PageOf<CalculatorId::EmbeddedResistors> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  void attach(Form& form) override;

  void RadioGroup11Click(Control* sender);
  void SolveEmbeddedResistors(Control* sender);

 private:
  void layOutRectangular(int type);
  void layOutAnnular();
  void showPicture(Image& picture);
  void write(Edit& output, const char* format, double value);
  void solveRectangular(bool metric);
  void solveAnnular(bool metric);

  RadioGroup* units_ = nullptr;            // RadioGroup6
  RadioGroup* type_ = nullptr;             // RadioGroup11
  Image* additivePicture_ = nullptr;       // Image25
  Image* subtractivePicture_ = nullptr;    // Image26
  Image* annularPicture_ = nullptr;        // Image27
  Control* overlapShape_ = nullptr;        // Shape4
  Label* overlapCaption_ = nullptr;        // Label248
  Control* resistorShape_ = nullptr;       // Shape5
  Label* resistorCaption_ = nullptr;       // Label249
  Edit* sheetResistance_ = nullptr;        // Edit154
  Label* firstInputCaption_ = nullptr;     // Label251
  Edit* firstInput_ = nullptr;             // Edit157
  Label* secondInputCaption_ = nullptr;    // Label252
  Edit* secondInput_ = nullptr;            // Edit158
  Edit* secondInputUnit_ = nullptr;        // Edit165
  Edit* area_ = nullptr;                   // Edit161
  Label* thicknessCaption_ = nullptr;      // Label254
  Edit* thickness_ = nullptr;              // Edit162
  Label* resultCaption_ = nullptr;         // Label255
  Edit* result_ = nullptr;                 // Edit163
};

}  // namespace cq
