#include "calc/electrical/conversion_page.h"

#include "calc/electrical/conversion_model.h"
#include "platform/unit_factors.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

// Bound once, when the window is built.
struct ConversionPage::Controls {
  Form& f;
  Edit& distance = f.edit("Edit80");
  Edit& distanceOut1 = f.edit("Edit81");
  Edit& distanceOut2 = f.edit("Edit142");
  Edit& distanceOut3 = f.edit("Edit143");
  Edit& temperature = f.edit("Edit85");
  Edit& temperatureOut = f.edit("Edit84");
  Edit& gainDb = f.edit("Edit167");
  Edit& voltageGain = f.edit("Edit166");
  Edit& dbmIn = f.edit("Edit174");
  Edit& dbmOut = f.edit("Edit175");
  Edit& voltsIn = f.edit("Edit176");
  Edit& voltsOut = f.edit("Edit177");
  GroupBox& complexGroup = f.groupBox("GroupBox21");
  Edit& complexIn1 = f.edit("Edit215");
  Edit& complexIn2 = f.edit("Edit216");
  Edit& complexOut1 = f.edit("Edit217");
  Edit& complexOut2 = f.edit("Edit218");
  Label& complexIn1Caption = f.label("Label178");
  Label& complexIn2Caption = f.label("Label179");
  Label& complexOut1Caption = f.label("Label180");
  Label& complexOut2Caption = f.label("Label181");
  CheckBox& polarToRectangular = f.checkBox("CheckBox3");
  Edit& angleIn = f.edit("Edit219");
  Edit& angleOut = f.edit("Edit220");
  Label& angleInCaption = f.label("Label184");
  Label& angleOutCaption = f.label("Label185");
  CheckBox& radiansToDegrees = f.checkBox("CheckBox2");
};

namespace {

struct Caption {
  const char* caption;
  const char* hint;
};

void Relabel(Label& label, Edit& field, const Caption& text) {
  label.setCaption(text.caption);
  field.setHint(text.hint);
}
}  // namespace

void ConversionPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CheckBox3Click", this, &ConversionPage::CheckBox3Click);
  handlers.add("TForm1.CheckBox2Click", this, &ConversionPage::CheckBox2Click);
  handlers.add("TForm1.BitBtn4Click", this, &ConversionPage::BitBtn4Click);
}

void ConversionPage::solve(Control* sender) { SolveConversion(sender); }

void ConversionPage::attach(Form& form) { c_.bind(form); }

std::function<void()> ConversionPage::stepBeforeEverySolve() {
  return [this] {
    for (Edit* input : {&c_->temperature, &c_->distance})
      if (input->text().empty()) input->setText("0");
  };
}

void ConversionPage::CheckBox3Click(Control* sender) {
  if (c_->polarToRectangular.checked()) {
    c_->complexGroup.setCaption(" Polar to Rectangular Conversion ");
    Relabel(c_->complexIn1Caption, c_->complexIn1, {"Magnitude", "Enter the magnitude to be converted."});
    Relabel(c_->complexIn2Caption, c_->complexIn2, {"Angle (Degrees)", "Enter the angle, in degrees, to be converted."});
    Relabel(c_->complexOut1Caption, c_->complexOut1, {"Real Value", "Converted real value in rectangular form."});
    Relabel(c_->complexOut2Caption, c_->complexOut2, {"j Value", "Converted j value in rectangular form."});
  } else {
    c_->complexGroup.setCaption(" Rectangular to Polar Conversion ");
    Relabel(c_->complexIn1Caption, c_->complexIn1, {"Real Value", "Enter the real value of the complex number."});
    Relabel(c_->complexIn2Caption, c_->complexIn2, {"j Value", "Enter the j vlaue of the complex number."});
    Relabel(c_->complexOut1Caption, c_->complexOut1, {"Magnitude", "Converted magnitude in Polar form."});
    Relabel(c_->complexOut2Caption, c_->complexOut2, {"Angle (Degrees)", "Converted angle, in degrees, in Polar form."});
  }
  page().solve(sender);
}

void ConversionPage::CheckBox2Click(Control* sender) {
  if (c_->radiansToDegrees.checked()) {
    Relabel(c_->angleInCaption, c_->angleIn, {"Radians", "Enter the radian value to be converted to degrees."});
    Relabel(c_->angleOutCaption, c_->angleOut, {"Degrees", "Converted angle in degrees from radians."});
  } else {
    Relabel(c_->angleInCaption, c_->angleIn, {"Degrees", "Enter the degrees value to be converted to radians."});
    Relabel(c_->angleOutCaption, c_->angleOut, {"Radians", "Converted angle in radians from degrees."});
  }
  page().solve(sender);
}

void ConversionPage::BitBtn4Click(Control* sender) {
  // The angle converter takes degrees; unticking solves once on its own.
  c_->radiansToDegrees.setChecked(false);
  if (c_->polarToRectangular.checked())
    page().showFormatted(c_->angleIn, FormatGeneralFloat(lastPolarAngleInput_));
  else
    c_->angleIn.setText(lastPolarAngleText_);
  page().solve(sender);
}

void ConversionPage::SolveConversion(Control* /*sender*/) {
  using namespace conversion;
  const int unit = page().unitsIndex();
  if (unit == 0) {
    // From mils and degrees Fahrenheit.
    page().show(c_->temperatureOut, "%0.2f", FahrenheitToCelsius(ParseLocaleFloat(c_->temperature.text())));
    const double mils = ParseLocaleFloat(c_->distance.text());
    page().show(c_->distanceOut1, "%.4f", MilsToMillimetres(mils));
    page().show(c_->distanceOut2, "%.4f", MilsToInches(mils));
    page().show(c_->distanceOut3, "%.4f", MilsToMicrometres(mils));
  } else if (unit == 1) {
    // From millimetres and degrees Celsius.
    const double mm = ParseLocaleFloat(c_->distance.text());
    page().show(c_->distanceOut1, "%.2f", CheckedMmToMils(mm));
    page().show(c_->temperatureOut, "%0.2f", CelsiusToFahrenheit(ParseLocaleFloat(c_->temperature.text())));
    page().show(c_->distanceOut2, "%.4f", MillimetresToMicrometres(mm));
    page().show(c_->distanceOut3, "%.4f", MmToInches(mm));
  } else {
    return;
  }
  solveGain(unit == 1);
  solveComplex();
  solveAngle();
}

void ConversionPage::solveGain(bool metric) {
  using namespace conversion;
  const double decibels = ParseLocaleFloat(c_->gainDb.text());
  const double gain = DecibelsToVoltageGain(decibels);
  page().show(c_->voltageGain, "%.4f", gain);
  const double dbm = DbmAfterGain(ParseLocaleFloat(c_->dbmIn.text()), decibels);
  // Metric has always shown the level in its shortest form.
  if (metric)
    page().showFormatted(c_->dbmOut, FormatGeneralFloat(dbm));
  else
    page().show(c_->dbmOut, "%.4f", dbm);
  page().show(c_->voltsOut, "%.4f", VoltsAfterGain(ParseLocaleFloat(c_->voltsIn.text()), gain));
}

void ConversionPage::solveComplex() {
  using namespace conversion;
  const double first = ParseLocaleFloat(c_->complexIn1.text());
  const double second = ParseLocaleFloat(c_->complexIn2.text());
  if (c_->polarToRectangular.checked()) {
    lastPolarAngleInput_ = second;
    page().show(c_->complexOut1, "%.4f", PolarToReal(first, second));
    page().show(c_->complexOut2, "%.4f", PolarToImaginary(first, second));
  } else {
    page().show(c_->complexOut1, "%.4f", ComplexMagnitude(first, second));
    page().show(c_->complexOut2, "%.4f", ComplexAngleDegrees(first, second));
    lastPolarAngleText_ = c_->complexOut2.text();
  }
}

void ConversionPage::solveAngle() {
  using namespace conversion;
  const double angle = ParseLocaleFloat(c_->angleIn.text());
  if (c_->radiansToDegrees.checked())
    page().show(c_->angleOut, "%.4f", RadiansToDegrees(angle));
  else
    page().show(c_->angleOut, "%.4f", DegreesToRadians(angle));
}

}  // namespace cq
