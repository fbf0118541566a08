#include "settings/loader.h"

#include "app/calculator_page.h"
#include "app/program_options_controls.h"
#include "platform/numbers.h"
#include "settings/decimal_mode.h"
#include "settings/settings_values.h"
#include "settings/stored_selection.h"

namespace cq {

struct Loader::Controls {
  Form& f;
  const HandlerRegistry& handlers;
  Label& registryError = f.label("Label301");
  RadioGroup& units = f.radio("RadioGroup6");
  RadioGroup& baseCopper = f.radio("RadioGroup4");
  RadioGroup& platingCopper = f.radio("RadioGroup1");
  TabControl& calculators = f.get<TabControl>("TabControl1");
  NotifyEvent substrateChange = handlers.get<NotifyEvent>("TForm1.ComboBox1Change");
  NotifyEvent calculatorChange = handlers.get<NotifyEvent>("TForm1.TabControl1Change");
};

Loader::Loader(Frame main) : main_(main) {}
Loader::~Loader() = default;

void Loader::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm4.FormShow", this, &Loader::FormShow);
}

void Loader::attach(Form& form) {
  form_ = &form;
  progress_ = &form.get<ProgressBar>("ProgressBar1");
  status_ = &form.label("Label3");
  c_ = std::make_unique<Controls>(main_.form(), main_.handlers());
}

void Loader::FormShow(Control* sender) {
  showRegistryStatus();
  readStoredTexts();
  main_.setDecimalComma(UsesDecimalComma(main_.app().services().locale));
  for (CalculatorPage* page : main_.pages()) page->writeStartingTexts();
  // The substrate choice fills Er, Tg and the substrate factor, and solves.
  c_->substrateChange(sender);
  restoreUnits();
  restoreCopperChoice();
  activateStoredCalculator(sender);
  restoreProgramOptions();
  // The plane radio stays as the activation left it, also on calculator 0,
  // which does not use it and disables it.
}

void Loader::showRegistryStatus() {
  texts_.status = ReadSetting(main_.app().services().settings, setting::kStatus);
  if (texts_.status != "0") c_->registryError.setVisible(true);
}

void Loader::readStoredTexts() {
  SettingsStore& store = main_.app().services().settings;
  texts_.units = ReadSetting(store, setting::kUnits);
  texts_.program = ReadSetting(store, setting::kProgram);
  texts_.manualCopper = ReadSetting(store, setting::kManualCopper);
  texts_.ipcVersion = ReadSetting(store, setting::kIpcVersion);
  texts_.derating = ReadSetting(store, setting::kDerating);
  texts_.viaHeight = ReadSetting(store, setting::kViaHeight);
  texts_.thLimit = ReadSetting(store, setting::kThLimit);
  texts_.uviaLimit = ReadSetting(store, setting::kUViaLimit);
}

void Loader::restoreUnits() {
  // A change to Metric runs the Units switch, which converts the pages and
  // solves before the stored calculator is activated.
  SelectStoredItem(c_->units, TextToInt(texts_.units));
}

void Loader::restoreCopperChoice() {
  // The Units switch restores the copper choices when it runs; in Imperial
  // nothing else would, so the start does it in both unit systems. A
  // selection that is already right runs nothing.
  RadioGroup& base = c_->baseCopper;
  RadioGroup& plating = c_->platingCopper;
  CopperChoice choice =
      StoredCopperChoice(main_.app().services().settings, {base.itemIndex(), plating.itemIndex()});
  SelectStoredItem(base, choice.base);
  SelectStoredItem(plating, choice.plating);
}

void Loader::activateStoredCalculator(Control* sender) {
  int program = TextToInt(texts_.program);
  // An index of no calculator leaves the tab that shows, which the tab
  // change then activates.
  if (program >= 0 && program < kCalculatorCount) c_->calculators.setTabIndex(program);
  c_->calculatorChange(sender);
}

void Loader::restoreProgramOptions() {
  ProgramOptionsControls& options = main_.programOptions();
  SelectStoredItem(options.etchFactor, TextToInt(texts_.derating));

  // Both limits are read before either box is written.
  double th = ParseLocaleFloat(texts_.thLimit);
  double uvia = ParseLocaleFloat(texts_.uviaLimit);
  options.throughHoleLimit.setText(FormatGeneralFloat(th));
  options.microviaLimit.setText(FormatGeneralFloat(uvia));

  int manual = TextToInt(texts_.manualCopper);
  if (manual == 0) options.manualCopper.setChecked(false);
  if (manual == 1) options.manualCopper.setChecked(true);

  int ipc = TextToInt(texts_.ipcVersion);
  if (ipc >= 0 && ipc <= 2) {
    options.ipcVersion.setItemIndex(ipc);
    for (CalculatorPage* page : main_.pages()) page->ipcMethodRestored(ipc);
  }

  int viaHeight = TextToInt(texts_.viaHeight);
  if (viaHeight == 0) options.viaHeight.setChecked(true);
  if (viaHeight == 1) options.viaHeight.setChecked(false);
}

}  // namespace cq
