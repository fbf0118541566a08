#include "app/temperatures.h"

#include <algorithm>
#include <cmath>

#include "app/input_check.h"
#include "app/page_context.h"
#include "app/working_values.h"
#include "platform/errors.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
// Truncated toward zero, after clamping to the bar's range so that a huge
// value never overflows the integer.
int barPosition(const ProgressBar& bar, double value) {
  double clamped = std::clamp(value, static_cast<double>(bar.min()), static_cast<double>(bar.max()));
  return static_cast<int>(std::trunc(clamped));
}
}  // namespace

void Temperatures::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.Edit1Exit", [this](Control*) { ValidateTempRise(); });
  handlers.add("TForm1.Edit2Exit", [this](Control*) { ValidateAmbientTemp(); });
  handlers.add("TForm1.UpDown2Exit", [this](Control*) { ValidateAmbientTemp(); });
  handlers.add("TForm1.Timer1Timer", this, &Temperatures::Timer1Timer);
  main_.addPreSolveStep([this] {
    ValidateTempRise();
    ValidateAmbientTemp();
    ComputeConductorTemp();
  });
}

void Temperatures::attach(Form& form) {
  form_ = &form;
  rise_ = &form.edit("Edit1");
  ambient_ = &form.edit("Edit2");
  tg_ = &form.edit("Edit66");
  riseBar_ = &form.get<ProgressBar>("ProgressBar1");
  ambientBar_ = &form.get<ProgressBar>("ProgressBar2");
  riseF_ = &form.label("Label2");
  ambientF_ = &form.label("Label4");
  conductorC_ = &form.label("Label27");
  conductorF_ = &form.label("Label28");
  status_ = &form.get<StatusBar>("StatusBar1");
  tabs_ = &form.get<TabControl>("TabControl1");
}

void Temperatures::ValidateTempRise() {
  auto& v = main_.values();
  const PageContext page = main_.pageContext();
  v.TempRise = CheckInput(page, *rise_,
                           {[](double rise) { return rise > 200; }, "Maximum temperature rise can't be greater than 200C", "200"});
  v.TempRise = CheckValue(page, *rise_, v.TempRise,
                           {[](double rise) { return rise <= 0; }, "Minimum temperature rise can't be less than 0C", "1"});
  riseBar_->setPosition(barPosition(*riseBar_, v.TempRise));
  v.TempRiseF = v.TempRise * 1.8;
  page.show(*riseF_, "%0.1f", v.TempRiseF);
}

void Temperatures::ValidateAmbientTemp() {
  auto& v = main_.values();
  const PageContext page = main_.pageContext();
  v.AmbientTemp = CheckInput(
      page, *ambient_, {[](double t) { return t > 200; }, "Maximum ambient temperature can't be greater than 200C", "200"});
  ambientBar_->setPosition(barPosition(*ambientBar_, v.AmbientTemp));
  v.AmbientTemp = CheckValue(
      page, *ambient_, v.AmbientTemp,
      {[](double t) { return t < -80; }, "Minimum ambient temperature can't be less than -80C", "-80"});
  v.AmbientTempF = v.AmbientTemp * 1.8 + 32;
  page.show(*ambientF_, "%0.1f", v.AmbientTempF);
}

void Temperatures::ComputeConductorTemp() {
  auto& v = main_.values();
  v.ConductorTemp = v.AmbientTemp + v.TempRise;
  v.ConductorTempF = v.ConductorTemp * 1.8 + 32;
  // The tab index, not the active calculator, decides.
  int tab = tabs_->tabIndex();
  if (tab == 2 || tab == 16) {
    const PageContext page = main_.pageContext();
    page.show(*conductorC_, "%0.1f", v.ConductorTemp);
    page.show(*conductorF_, "%0.1f", v.ConductorTempF);
  } else {
    conductorC_->setCaption("N/A");
    conductorF_->setCaption("N/A");
  }
}

std::string Temperatures::clockText() {
  auto& clock = main_.app().services().clock;
  return clock.timeText() + "  " + clock.dateText();
}

void Temperatures::Timer1Timer(Control*) {
  auto& v = main_.values();
  const std::string tg = tg_->text();
  auto* viaCurrent = form_->find("Edit10");
  auto* conductorCurrent = form_->find("Edit17");
  auto colourResults = [&](Color c) {
    if (viaCurrent) viaCurrent->setFontColor(c);
    if (conductorCurrent) conductorCurrent->setFontColor(c);
  };
  auto showClock = [&] {
    status_->setPanelAlignment(1, Alignment::Right);
    status_->setPanelText(1, clockText());
  };
  if (tg.empty()) {
    showClock();
    return;
  }
  if (tg == "N/A") {
    showClock();
    colourResults(colors::Navy);
    return;
  }
  // The user may be typing; a Tg that is no number yet is not compared.
  auto parsed = TryParseLocaleFloat(tg);
  if (!parsed) {
    showClock();
    return;
  }
  v.MaterialTg = *parsed;
  if (v.TempRise + v.AmbientTemp > v.MaterialTg) {
    status_->setPanelAlignment(1, Alignment::Left);
    status_->setPanelText(1, "WARNING! Material temperature exceeded!");
    colourResults(colors::Red);
  } else {
    showClock();
    colourResults(colors::Navy);
  }
}

}  // namespace cq
