#pragma once
// TForm8, the settings-script installer: previews the script, writes it
// into the current directory, hands it to the registry import and ends the
// program, so that the next start reads the installed values.
#include <string>

#include "app/window_part.h"
#include "platform/application.h"

namespace cq {

class SettingsScriptInstaller : public WindowPart {
 public:
  explicit SettingsScriptInstaller(Application& app) : app_(app) {}

  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void FormCreate(Control* sender);
  void Button1Click(Control* sender);  // "Run "
  void Button2Click(Control* sender);  // "Cancel"

  // Computed once, when the window is created.
  const std::string& scriptPath() const { return path_; }

 private:
  Application& app_;
  Form* form_ = nullptr;
  Memo* preview_ = nullptr;
  Edit* pathBox_ = nullptr;
  std::string directory_;
  std::string path_;
};

}  // namespace cq
