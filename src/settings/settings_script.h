#pragma once
// The settings script: a registry script that installs every value under
// the settings key with its installed default. The installer's preview box
// and the file show the same lines.
#include <string>
#include <vector>

namespace cq {

inline constexpr const char* kSettingsScriptName = "QPCBD_Reg.reg";
inline constexpr const char* kSettingsScriptHeader = "Windows Registry Editor Version 5.00";

// The lines, without line ends: the header, an empty line, the maker's key,
// an empty line, the program's key, then one "name"="text" line for each
// installed value, in the order of DefaultSettings().
std::vector<std::string> SettingsScriptLines();

// The file's bytes: every line, the last included, ends with CR LF.
std::string SettingsScriptText();

}  // namespace cq
