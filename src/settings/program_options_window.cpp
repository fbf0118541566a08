#include "settings/program_options_window.h"

#include <algorithm>

#include "app/calculator_page.h"
#include "app/link_addresses.h"
#include "app/program_options_controls.h"
#include "app/setting_writer.h"
#include "platform/numbers.h"
#include "settings/colour_theme_list.h"
#include "settings/etch_factor_display.h"
#include "settings/manual_copper_boxes.h"
#include "settings/settings_values.h"

namespace cq {

ProgramOptionsWindow::ProgramOptionsWindow(Frame main) : main_(main) {}

ProgramOptionsWindow::~ProgramOptionsWindow() = default;

void ProgramOptionsWindow::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm6.FormCreate", this, &ProgramOptionsWindow::FormCreate);
  handlers.add("TForm6.FormShow", this, &ProgramOptionsWindow::FormShow);
  handlers.add("TForm6.FormCloseQuery", this, &ProgramOptionsWindow::FormCloseQuery);
  handlers.add("TForm6.Button1Click", this, &ProgramOptionsWindow::Button1Click);
  handlers.add("TForm6.BitBtn1Click", this, &ProgramOptionsWindow::BitBtn1Click);
  handlers.add("TForm6.RadioGroup1Click", this, &ProgramOptionsWindow::RadioGroup1Click);
  handlers.add("TForm6.RadioGroup2Click", this, &ProgramOptionsWindow::RadioGroup2Click);
  handlers.add("TForm6.CheckBox1Click", this, &ProgramOptionsWindow::CheckBox1Click);
  handlers.add("TForm6.CheckBox2Click", this, &ProgramOptionsWindow::CheckBox2Click);
  handlers.add("TForm6.Edit1Change", this, &ProgramOptionsWindow::Edit1Change);
  handlers.add("TForm6.Edit2Change", this, &ProgramOptionsWindow::Edit2Change);
  handlers.add("TForm6.cbxVclStylesChange", this, &ProgramOptionsWindow::cbxVclStylesChange);
  for (const char* name : {"TForm6.Edit1KeyPress", "TForm6.Edit2KeyPress", "TForm6.CheckBox1KeyPress"})
    handlers.add(name, [this](Control* s, char& key) { SwallowEnter(s, key); });
}

void ProgramOptionsWindow::attach(Form& form) {
  form_ = &form;
  main_.bindProgramOptions(form);
  ProgramOptionsControls& options = main_.programOptions();
  ipcVersion_ = &options.ipcVersion;
  etchFactor_ = &options.etchFactor;
  manualCopper_ = &options.manualCopper;
  viaHeight_ = &options.viaHeight;
  throughHoleLimit_ = &options.throughHoleLimit;
  microviaLimit_ = &options.microviaLimit;
  themes_ = &form.comboBox("cbxVclStyles");
  etch_ = std::make_unique<EtchFactorDisplay>(form);
  copper_ = std::make_unique<ManualCopperBoxes>(main_);
}

void ProgramOptionsWindow::write(const std::string& name, std::string& kept, const std::string& text) {
  WriteSetting(main_.app().services().settings, name, kept, text);
}

void ProgramOptionsWindow::FormCreate(Control*) {
  Styles& styles = main_.app().services().styles;
  const std::vector<std::string> list = ColourThemeList(styles.names());
  themes_->setItems(list);
  auto active = std::find(list.begin(), list.end(), styles.activeStyle());
  themes_->setItemIndex(active == list.end() ? -1 : static_cast<int>(active - list.begin()));

  // A missing value fails here, before anything changes.
  themes_->setItemIndex(TextToInt(ReadSetting(main_.app().services().settings, setting::kTheme)));
  cbxVclStylesChange(themes_);
}

void ProgramOptionsWindow::FormShow(Control*) { etch_->showWindowPicture(etchFactor_->itemIndex()); }

void ProgramOptionsWindow::FormCloseQuery(Form*, bool& canClose) {
  main_.form().setEnabled(true);
  canClose = true;
}

void ProgramOptionsWindow::Button1Click(Control* sender) {
  form_->close();
  main_.form().setEnabled(true);
  main_.solve(sender);
}

// The maker's online help page, the one the Help menu's "Help Topics" opens.
void ProgramOptionsWindow::BitBtn1Click(Control*) {
  main_.app().services().shell.open(std::string(LinkAddress("maker.help")));
}

void ProgramOptionsWindow::RadioGroup1Click(Control* sender) {
  const int mode = ipcVersion_->itemIndex();
  // Stored before the solves the method starts, so that a failing one
  // cannot leave the old method stored; a refused write is reported once
  // the pages show the new method.
  HeldSettingFailures failures(main_.app().dialogs());
  write(setting::kIpcVersion, ipcVersionText_, std::to_string(mode));
  main_.ipcMethodChanged(mode);
  main_.finishUnitsChange(sender);
  failures.raiseFirst();
}

void ProgramOptionsWindow::RadioGroup2Click(Control* sender) {
  const int item = etchFactor_->itemIndex();
  for (CalculatorPage* page : main_.pages()) page->etchFactorChanged(item);
  etch_->showWindowPicture(item);
  write(setting::kDerating, deratingText_, std::to_string(item));
  main_.solve(sender);
}

void ProgramOptionsWindow::CheckBox1Click(Control*) {
  // No solve: the copper inputs count from the next solve.
  if (manualCopper_->checked()) {
    copper_->useManualBoxes();
    write(setting::kManualCopper, manualCopperText_, "1");
  } else {
    copper_->useRadios();
    write(setting::kManualCopper, manualCopperText_, "0");
  }
}

void ProgramOptionsWindow::CheckBox2Click(Control* sender) {
  write(setting::kViaHeight, viaHeightText_, viaHeight_->checked() ? "0" : "1");
  main_.solve(sender);
}

void ProgramOptionsWindow::storeAspectRatio(const Edit& edit, const std::string& name, std::string& kept,
                                            Control* sender) {
  // The field keeps the text as typed; the stored text is the number's
  // shortest form. A text that is no number stops here.
  const std::string text = FormatGeneralFloat(ParseLocaleFloat(edit.text()));
  write(name, kept, text);
  main_.solve(sender);
}

void ProgramOptionsWindow::Edit1Change(Control* sender) {
  storeAspectRatio(*throughHoleLimit_, setting::kThLimit, throughHoleText_, sender);
}

void ProgramOptionsWindow::Edit2Change(Control* sender) {
  storeAspectRatio(*microviaLimit_, setting::kUViaLimit, microviaText_, sender);
}

void ProgramOptionsWindow::cbxVclStylesChange(Control*) {
  // A style that cannot be set is reported by the style service; the
  // current style stays and nothing is stored.
  if (!main_.app().services().styles.trySetStyle(themes_->text())) return;
  write(setting::kTheme, themeText_, std::to_string(themes_->itemIndex()));
  form_->close();
}

void ProgramOptionsWindow::SwallowEnter(Control*, char& key) {
  if (key == '\r') key = 0;
}

}  // namespace cq
