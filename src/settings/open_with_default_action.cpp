#include "settings/open_with_default_action.h"

#include <fstream>
#include <sstream>

#include "settings/settings_script_import.h"
#include "settings/settings_script_writer.h"

namespace cq {

namespace {

bool isRegistryScript(const std::string& target) {
  constexpr std::string_view ext = ".reg";
  if (target.size() < ext.size()) return false;
  for (size_t i = 0; i < ext.size(); ++i) {
    char c = target[target.size() - ext.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != ext[i]) return false;
  }
  return true;
}

}  // namespace

void OpenWithDefaultAction(Services& services, const std::string& target, const std::string& directory,
                           bool platformHasRegistry) {
  if (platformHasRegistry || !isRegistryScript(target)) {
    services.shell.open(target, directory);
    return;
  }
  const std::string path = directory.empty() ? target : JoinPath(directory, target);
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) throw SettingsScriptError("Cannot import " + path + ": the file cannot be read");
  std::ostringstream text;
  text << file.rdbuf();
  ImportSettingsScript(text.str(), services.settings, path);
}

}  // namespace cq
