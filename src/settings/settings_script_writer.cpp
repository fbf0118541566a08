#include "settings/settings_script_writer.h"

#include <fstream>

#include "settings/settings_script.h"

namespace cq {

namespace {
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif
}  // namespace

std::string JoinPath(const std::string& directory, const std::string& name) { return directory + kPathSeparator + name; }

std::string SettingsScriptPath(const std::string& directory) { return JoinPath(directory, kSettingsScriptName); }

void WriteSettingsScript(const std::string& path) {
  // Binary: the text already carries its CR LF line ends.
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw FileCreateError("Cannot create file \"" + path + "\"");
  const std::string text = SettingsScriptText();
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  if (!file) throw FileCreateError("Cannot write file \"" + path + "\"");
}

}  // namespace cq
