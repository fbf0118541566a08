#pragma once
// The substrate group of the Options panel: the material list fills the Er
// and Tg boxes and the IPC substrate factor and solves; a click in a box
// makes the material "Custom", and a box left empty gets "FR-4 STD" back.
#include "app/frame.h"
#include "app/window_part.h"

namespace cq {

struct SubstrateRow;

class SubstrateSelection : public WindowPart {
 public:
  explicit SubstrateSelection(Frame main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  // The list's change handler; the loader also calls it once at start.
  void ComboBox1Change(Control* sender);
  void Edit7Click(Control* sender);
  void Edit66Click(Control* sender);
  void Edit7Exit(Control* sender);
  void Edit66Exit(Control* sender);

 private:
  void apply(const SubstrateRow& row, bool decimalComma);
  void showCustom(Edit& box);

  Frame main_;
  ComboBox* materials_ = nullptr;
  Edit* er_ = nullptr;
  Edit* tg_ = nullptr;
};

}  // namespace cq
