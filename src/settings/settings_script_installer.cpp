#include "settings/settings_script_installer.h"

#include "settings/open_with_default_action.h"
#include "settings/settings_script.h"
#include "settings/settings_script_writer.h"

namespace cq {

void SettingsScriptInstaller::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm8.FormCreate", this, &SettingsScriptInstaller::FormCreate);
  handlers.add("TForm8.Button1Click", this, &SettingsScriptInstaller::Button1Click);
  handlers.add("TForm8.Button2Click", this, &SettingsScriptInstaller::Button2Click);
}

void SettingsScriptInstaller::attach(Form& form) {
  form_ = &form;
  preview_ = &form.get<Memo>("RichEdit1");
  pathBox_ = &form.edit("Edit1");
}

void SettingsScriptInstaller::FormCreate(Control*) {
  // The directory of the start; a later change of directory does not move
  // the script.
  directory_ = app_.services().process.currentDirectory();
  path_ = SettingsScriptPath(directory_);
  pathBox_->setText(path_);
  preview_->setLines(SettingsScriptLines());
}

void SettingsScriptInstaller::Button1Click(Control*) {
  // A script that cannot be written ends the run here, with the window
  // still open: there is nothing to import and no reason to end.
  WriteSettingsScript(path_);
  OpenWithDefaultAction(app_.services(), kSettingsScriptName, directory_);
  form_->close();
  app_.services().process.exit(0);
}

void SettingsScriptInstaller::Button2Click(Control*) { form_->close(); }

}  // namespace cq
