#include "calc/electrical/embedded_resistors_page.h"

#include "calc/electrical/embedded_resistor_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

// Bound once, when the window is built.
struct EmbeddedResistorsPage::Controls {
  Form& f;
  RadioGroup& type = f.radio("RadioGroup11");
  Image& additivePicture = f.image("Image25");
  Image& subtractivePicture = f.image("Image26");
  Image& annularPicture = f.image("Image27");
  // The contact area's key never changes; bound so that a missing one fails at start.
  Control& contactShape = f.control("Shape3");
  Label& contactCaption = f.label("Label247");
  Control& overlapShape = f.control("Shape4");
  Label& overlapCaption = f.label("Label248");
  Control& resistorShape = f.control("Shape5");
  Label& resistorCaption = f.label("Label249");
  Edit& sheetResistance = f.edit("Edit154");
  Label& firstInputCaption = f.label("Label251");
  Edit& firstInput = f.edit("Edit157");
  Label& secondInputCaption = f.label("Label252");
  Edit& secondInput = f.edit("Edit158");
  Edit& secondInputUnit = f.edit("Edit165");
  Edit& area = f.edit("Edit161");
  Label& thicknessCaption = f.label("Label254");
  Edit& thickness = f.edit("Edit162");
  Label& resultCaption = f.label("Label255");
  Edit& result = f.edit("Edit163");
};

namespace {
constexpr int kAdditive = 0;
constexpr int kSubtractive = 1;
constexpr int kAnnular = 2;
}  // namespace

void EmbeddedResistorsPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup11Click", this, &EmbeddedResistorsPage::RadioGroup11Click);
}

void EmbeddedResistorsPage::solve(Control* sender) { SolveEmbeddedResistors(sender); }

void EmbeddedResistorsPage::attach(Form& form) { c_.bind(form); }

void EmbeddedResistorsPage::RadioGroup11Click(Control* sender) {
  const int type = c_->type.itemIndex();
  if (type == kAdditive || type == kSubtractive) layOutRectangular(type);
  if (type == kAnnular) layOutAnnular();
  page().solve(sender);
}

void EmbeddedResistorsPage::showPicture(Image& picture) {
  for (Image* each : {&c_->additivePicture, &c_->subtractivePicture, &c_->annularPicture})
    each->setVisible(each == &picture);
}

void EmbeddedResistorsPage::layOutRectangular(int type) {
  c_->thickness.setVisible(false);
  c_->thicknessCaption.setVisible(false);
  showPicture(type == kAdditive ? c_->additivePicture : c_->subtractivePicture);
  c_->overlapCaption.setCaption(type == kAdditive ? "Material overlap area" : "Soldermask overlap area");
  c_->overlapCaption.setVisible(true);
  c_->overlapShape.setVisible(true);
  c_->resistorShape.setTop(96);
  c_->resistorCaption.setTop(104);
  c_->firstInputCaption.setCaption("Length (L)");
  c_->secondInputCaption.setCaption("Width (W)");
  c_->thicknessCaption.setCaption("Power");
  c_->resultCaption.setCaption("Ohms");
  c_->secondInputUnit.setText(page().metric() ? "mm" : "mils");
  c_->secondInputUnit.setLeft(140);
  c_->secondInputUnit.setWidth(37);
  c_->secondInput.setHint("Enter the width of the resistive material.");
}

void EmbeddedResistorsPage::layOutAnnular() {
  c_->thickness.setVisible(true);
  c_->thicknessCaption.setVisible(true);
  showPicture(c_->annularPicture);
  c_->overlapCaption.setVisible(false);
  c_->overlapShape.setVisible(false);
  c_->resistorShape.setTop(64);
  c_->resistorCaption.setTop(72);
  c_->firstInputCaption.setCaption("Inside Diameter");
  c_->secondInputCaption.setCaption("Target Resistance");
  c_->resultCaption.setCaption("Outer Diameter");
  c_->thicknessCaption.setCaption("Resistor Thickness");
  c_->secondInputUnit.setText("Ohms");
  c_->secondInputUnit.setLeft(124);
  c_->secondInputUnit.setWidth(53);
  // Every choice of the ring starts from its own example.
  c_->firstInput.setText("20");
  c_->secondInput.setText("10");
  c_->secondInput.setHint("Enter the target resistor value in ohms.");
}

void EmbeddedResistorsPage::SolveEmbeddedResistors(Control* /*sender*/) {
  if (!page().unitsChosen()) return;
  const bool metric = page().metric();
  const int type = c_->type.itemIndex();
  if (type == kAdditive || type == kSubtractive) solveRectangular(metric);
  if (type == kAnnular) solveAnnular(metric);
}

void EmbeddedResistorsPage::solveRectangular(bool metric) {
  const double length = ParseLocaleFloat(c_->firstInput.text());
  const double width = ParseLocaleFloat(c_->secondInput.text());
  const double sheet = ParseLocaleFloat(c_->sheetResistance.text());
  if (metric) {
    const RectangularResistor r = RectangularResistorMetric(length, width, sheet);
    page().show(c_->area, "%.3f Sq.mm", r.area);
    page().show(c_->result, "%.3f Ohms", r.ohms);
  } else {
    const RectangularResistor r = RectangularResistorImperial(length, width, sheet);
    page().show(c_->area, "%.2f Sq.mils", r.area);
    page().show(c_->result, "%.3f Ohms", r.ohms);
  }
}

void EmbeddedResistorsPage::solveAnnular(bool metric) {
  const double sheet = ParseLocaleFloat(c_->sheetResistance.text());
  const double inside = ParseLocaleFloat(c_->firstInput.text());
  const double target = ParseLocaleFloat(c_->secondInput.text());
  const double outer =
      metric ? AnnularOuterDiameterMetric(sheet, inside, target) : AnnularOuterDiameterImperial(sheet, inside, target);
  page().show(c_->result, metric ? "%.4f mm" : "%.2f mils", outer);
  page().show(c_->thickness, metric ? "%.4f mm" : "%.2f mils", RingThickness(outer, inside));
  page().show(c_->area, metric ? "%.4f Sq.mm" : "%.2f Sq.mils", RingArea(outer, inside));
}

}  // namespace cq
