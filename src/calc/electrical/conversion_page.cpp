#include "calc/electrical/conversion_page.h"

#include "calc/electrical/conversion_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

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
  handlers.add("TForm1.CheckBox3Click", [this](Control* sender) { CheckBox3Click(sender); });
  handlers.add("TForm1.CheckBox2Click", [this](Control* sender) { CheckBox2Click(sender); });
  handlers.add("TForm1.BitBtn4Click", [this](Control* sender) { BitBtn4Click(sender); });
}

void ConversionPage::solve(Control* sender) { SolveConversion(sender); }

void ConversionPage::attach(Form& form) {
  units_ = &form.radio("RadioGroup6");
  distance_ = &form.edit("Edit80");
  distanceOut1_ = &form.edit("Edit81");
  distanceOut2_ = &form.edit("Edit142");
  distanceOut3_ = &form.edit("Edit143");
  temperature_ = &form.edit("Edit85");
  temperatureOut_ = &form.edit("Edit84");
  gainDb_ = &form.edit("Edit167");
  voltageGain_ = &form.edit("Edit166");
  dbmIn_ = &form.edit("Edit174");
  dbmOut_ = &form.edit("Edit175");
  voltsIn_ = &form.edit("Edit176");
  voltsOut_ = &form.edit("Edit177");
  complexGroup_ = &form.groupBox("GroupBox21");
  complexIn1_ = &form.edit("Edit215");
  complexIn2_ = &form.edit("Edit216");
  complexOut1_ = &form.edit("Edit217");
  complexOut2_ = &form.edit("Edit218");
  complexIn1Caption_ = &form.label("Label178");
  complexIn2Caption_ = &form.label("Label179");
  complexOut1Caption_ = &form.label("Label180");
  complexOut2Caption_ = &form.label("Label181");
  polarToRectangular_ = &form.checkBox("CheckBox3");
  angleIn_ = &form.edit("Edit219");
  angleOut_ = &form.edit("Edit220");
  angleInCaption_ = &form.label("Label184");
  angleOutCaption_ = &form.label("Label185");
  radiansToDegrees_ = &form.checkBox("CheckBox2");
}

void ConversionPage::CheckBox3Click(Control* sender) {
  if (polarToRectangular_->checked()) {
    complexGroup_->setCaption(" Polar to Rectangular Conversion ");
    Relabel(*complexIn1Caption_, *complexIn1_, {"Magnitude", "Enter the magnitude to be converted."});
    Relabel(*complexIn2Caption_, *complexIn2_, {"Angle (Degrees)", "Enter the angle, in degrees, to be converted."});
    Relabel(*complexOut1Caption_, *complexOut1_, {"Real Value", "Converted real value in rectangular form."});
    Relabel(*complexOut2Caption_, *complexOut2_, {"j Value", "Converted j value in rectangular form."});
  } else {
    complexGroup_->setCaption(" Rectangular to Polar Conversion ");
    Relabel(*complexIn1Caption_, *complexIn1_, {"Real Value", "Enter the real value of the complex number."});
    Relabel(*complexIn2Caption_, *complexIn2_, {"j Value", "Enter the j vlaue of the complex number."});
    Relabel(*complexOut1Caption_, *complexOut1_, {"Magnitude", "Converted magnitude in Polar form."});
    Relabel(*complexOut2Caption_, *complexOut2_, {"Angle (Degrees)", "Converted angle, in degrees, in Polar form."});
  }
  page().solve(sender);
}

void ConversionPage::CheckBox2Click(Control* sender) {
  if (radiansToDegrees_->checked()) {
    Relabel(*angleInCaption_, *angleIn_, {"Radians", "Enter the radian value to be converted to degrees."});
    Relabel(*angleOutCaption_, *angleOut_, {"Degrees", "Converted angle in degrees from radians."});
  } else {
    Relabel(*angleInCaption_, *angleIn_, {"Degrees", "Enter the degrees value to be converted to radians."});
    Relabel(*angleOutCaption_, *angleOut_, {"Radians", "Converted angle in radians from degrees."});
  }
  page().solve(sender);
}

void ConversionPage::BitBtn4Click(Control* sender) {
  // The angle converter takes degrees; unticking solves once on its own.
  radiansToDegrees_->setChecked(false);
  if (polarToRectangular_->checked())
    angleIn_->setText(page().localize(FormatGeneralFloat(lastPolarAngleInput_)));
  else
    angleIn_->setText(lastPolarAngleText_);
  page().solve(sender);
}

void ConversionPage::write(Edit& output, const char* format, double value) {
  output.setText(page().localize(Format(format, value)));
}

void ConversionPage::SolveConversion(Control* /*sender*/) {
  using namespace conversion;
  const int unit = units_->itemIndex();
  if (unit == 0) {
    // From mils and degrees Fahrenheit.
    write(*temperatureOut_, "%0.2f", FahrenheitToCelsius(ParseLocaleFloat(temperature_->text())));
    const double mils = ParseLocaleFloat(distance_->text());
    write(*distanceOut1_, "%.4f", MilsToMillimetres(mils));
    write(*distanceOut2_, "%.4f", MilsToInches(mils));
    write(*distanceOut3_, "%.4f", MilsToMicrometres(mils));
  } else if (unit == 1) {
    // From millimetres and degrees Celsius.
    const double mm = ParseLocaleFloat(distance_->text());
    write(*distanceOut1_, "%.2f", MillimetresToMils(mm));
    write(*temperatureOut_, "%0.2f", CelsiusToFahrenheit(ParseLocaleFloat(temperature_->text())));
    write(*distanceOut2_, "%.4f", MillimetresToMicrometres(mm));
    write(*distanceOut3_, "%.4f", MillimetresToInches(mm));
  } else {
    return;
  }
  solveGain(unit == 1);
  solveComplex();
  solveAngle();
}

void ConversionPage::solveGain(bool metric) {
  using namespace conversion;
  const double decibels = ParseLocaleFloat(gainDb_->text());
  const double gain = DecibelsToVoltageGain(decibels);
  write(*voltageGain_, "%.4f", gain);
  const double dbm = DbmAfterGain(ParseLocaleFloat(dbmIn_->text()), decibels);
  // Metric has always shown the level in its shortest form.
  if (metric)
    dbmOut_->setText(page().localize(FormatGeneralFloat(dbm)));
  else
    write(*dbmOut_, "%.4f", dbm);
  write(*voltsOut_, "%.4f", VoltsAfterGain(ParseLocaleFloat(voltsIn_->text()), gain));
}

void ConversionPage::solveComplex() {
  using namespace conversion;
  const double first = ParseLocaleFloat(complexIn1_->text());
  const double second = ParseLocaleFloat(complexIn2_->text());
  if (polarToRectangular_->checked()) {
    lastPolarAngleInput_ = second;
    write(*complexOut1_, "%.4f", PolarToReal(first, second));
    write(*complexOut2_, "%.4f", PolarToImaginary(first, second));
  } else {
    write(*complexOut1_, "%.4f", ComplexMagnitude(first, second));
    lastPolarAngleText_ = page().localize(Format("%.4f", ComplexAngleDegrees(first, second)));
    complexOut2_->setText(lastPolarAngleText_);
  }
}

void ConversionPage::solveAngle() {
  using namespace conversion;
  const double angle = ParseLocaleFloat(angleIn_->text());
  if (radiansToDegrees_->checked())
    write(*angleOut_, "%.4f", RadiansToDegrees(angle));
  else
    write(*angleOut_, "%.4f", DegreesToRadians(angle));
}

}  // namespace cq
