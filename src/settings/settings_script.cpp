#include "settings/settings_script.h"

#include "settings/default_settings.h"

namespace cq {

std::vector<std::string> SettingsScriptLines() {
  // "SOFTWARE" in capitals: the registry ignores case, and this is the key
  // the program reads its settings from.
  std::vector<std::string> lines = {kSettingsScriptHeader, "", "[HKEY_CURRENT_USER\\SOFTWARE\\Quillonex PCB Design, Inc.]",
                                    "", "[HKEY_CURRENT_USER\\SOFTWARE\\Quillonex PCB Design, Inc.\\Cirquet]"};
  for (const DefaultSetting& v : DefaultSettings())
    lines.push_back("\"" + std::string(v.name) + "\"=\"" + std::string(v.text) + "\"");
  return lines;
}

std::string SettingsScriptText() {
  std::string text;
  for (const std::string& line : SettingsScriptLines()) text += line + "\r\n";
  return text;
}

}  // namespace cq
