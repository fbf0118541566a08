#include "calc/electrical/embedded_resistors_page.h"

#include "calc/electrical/embedded_resistor_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr int kAdditive = 0;
constexpr int kSubtractive = 1;
constexpr int kAnnular = 2;
constexpr int kMetric = 1;
}  // namespace

void EmbeddedResistorsPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup11Click", [this](Control* sender) { RadioGroup11Click(sender); });
}

void EmbeddedResistorsPage::solve(Control* sender) { SolveEmbeddedResistors(sender); }

void EmbeddedResistorsPage::attach(Form& form) {
  units_ = &form.radio("RadioGroup6");
  type_ = &form.radio("RadioGroup11");
  additivePicture_ = &form.image("Image25");
  subtractivePicture_ = &form.image("Image26");
  annularPicture_ = &form.image("Image27");
  form.control("Shape3");
  form.label("Label247");
  overlapShape_ = &form.control("Shape4");
  overlapCaption_ = &form.label("Label248");
  resistorShape_ = &form.control("Shape5");
  resistorCaption_ = &form.label("Label249");
  sheetResistance_ = &form.edit("Edit154");
  firstInputCaption_ = &form.label("Label251");
  firstInput_ = &form.edit("Edit157");
  secondInputCaption_ = &form.label("Label252");
  secondInput_ = &form.edit("Edit158");
  secondInputUnit_ = &form.edit("Edit165");
  area_ = &form.edit("Edit161");
  thicknessCaption_ = &form.label("Label254");
  thickness_ = &form.edit("Edit162");
  resultCaption_ = &form.label("Label255");
  result_ = &form.edit("Edit163");
}

void EmbeddedResistorsPage::RadioGroup11Click(Control* sender) {
  const int type = type_->itemIndex();
  if (type == kAdditive || type == kSubtractive) layOutRectangular(type);
  if (type == kAnnular) layOutAnnular();
  page().solve(sender);
}

void EmbeddedResistorsPage::showPicture(Image& picture) {
  for (Image* each : {additivePicture_, subtractivePicture_, annularPicture_}) each->setVisible(each == &picture);
}

void EmbeddedResistorsPage::layOutRectangular(int type) {
  thickness_->setVisible(false);
  thicknessCaption_->setVisible(false);
  showPicture(type == kAdditive ? *additivePicture_ : *subtractivePicture_);
  overlapCaption_->setCaption(type == kAdditive ? "Material overlap area" : "Soldermask overlap area");
  overlapCaption_->setVisible(true);
  overlapShape_->setVisible(true);
  resistorShape_->setTop(96);
  resistorCaption_->setTop(104);
  firstInputCaption_->setCaption("Length (L)");
  secondInputCaption_->setCaption("Width (W)");
  thicknessCaption_->setCaption("Power");
  resultCaption_->setCaption("Ohms");
  secondInputUnit_->setText(units_->itemIndex() == kMetric ? "mm" : "mils");
  secondInputUnit_->setLeft(140);
  secondInputUnit_->setWidth(37);
  secondInput_->setHint("Enter the width of the resistive material.");
}

void EmbeddedResistorsPage::layOutAnnular() {
  thickness_->setVisible(true);
  thicknessCaption_->setVisible(true);
  showPicture(*annularPicture_);
  overlapCaption_->setVisible(false);
  overlapShape_->setVisible(false);
  resistorShape_->setTop(64);
  resistorCaption_->setTop(72);
  firstInputCaption_->setCaption("Inside Diameter");
  secondInputCaption_->setCaption("Target Resistance");
  resultCaption_->setCaption("Outer Diameter");
  thicknessCaption_->setCaption("Resistor Thickness");
  secondInputUnit_->setText("Ohms");
  secondInputUnit_->setLeft(124);
  secondInputUnit_->setWidth(53);
  // Every choice of the ring starts from its own example.
  firstInput_->setText("20");
  secondInput_->setText("10");
  secondInput_->setHint("Enter the target resistor value in ohms.");
}

void EmbeddedResistorsPage::write(Edit& output, const char* format, double value) {
  output.setText(page().localize(Format(format, value)));
}

void EmbeddedResistorsPage::SolveEmbeddedResistors(Control* /*sender*/) {
  const int unit = units_->itemIndex();
  if (unit != 0 && unit != kMetric) return;
  const int type = type_->itemIndex();
  if (type == kAdditive || type == kSubtractive) solveRectangular(unit == kMetric);
  if (type == kAnnular) solveAnnular(unit == kMetric);
}

void EmbeddedResistorsPage::solveRectangular(bool metric) {
  const double length = ParseLocaleFloat(firstInput_->text());
  const double width = ParseLocaleFloat(secondInput_->text());
  const double sheet = ParseLocaleFloat(sheetResistance_->text());
  if (metric) {
    const RectangularResistor r = RectangularResistorMetric(length, width, sheet);
    write(*area_, "%.3f Sq.mm", r.area);
    write(*result_, "%.3f Ohms", r.ohms);
  } else {
    const RectangularResistor r = RectangularResistorImperial(length, width, sheet);
    write(*area_, "%.2f Sq.mils", r.area);
    write(*result_, "%.3f Ohms", r.ohms);
  }
}

void EmbeddedResistorsPage::solveAnnular(bool metric) {
  const double sheet = ParseLocaleFloat(sheetResistance_->text());
  const double inside = ParseLocaleFloat(firstInput_->text());
  const double target = ParseLocaleFloat(secondInput_->text());
  const double outer =
      metric ? AnnularOuterDiameterMetric(sheet, inside, target) : AnnularOuterDiameterImperial(sheet, inside, target);
  write(*result_, metric ? "%.4f mm" : "%.2f mils", outer);
  write(*thickness_, metric ? "%.4f mm" : "%.2f mils", RingThickness(outer, inside));
  write(*area_, metric ? "%.4f Sq.mm" : "%.2f Sq.mils", RingArea(outer, inside));
}

}  // namespace cq
