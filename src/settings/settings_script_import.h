#pragma once
// The program's own import of a registry script, for platforms without a
// registry: the key lines and "name"="text" lines of a script (CR LF or LF
// line ends) become keys and string values in the settings store. Keys
// under the current user only; the store's key is spelt the way the program
// spells it, since the registry ignores case.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/errors.h"
#include "platform/services.h"

namespace cq {

// "Cannot import <source>: <reason>".
class SettingsScriptError : public FrameworkError {
 public:
  using FrameworkError::FrameworkError;
};

struct ScriptKey {
  std::string path;  // under the current user, without the root
  std::vector<std::pair<std::string, std::string>> values;
};

// Reads the whole script first, so a malformed one changes nothing. Throws
// SettingsScriptError naming source and the line at fault.
std::vector<ScriptKey> ParseSettingsScript(std::string_view text, std::string_view source);

// Creates every key and writes every value, in the script's order. A key or
// value the store refuses throws SettingsScriptError.
void ImportSettingsScript(std::string_view text, SettingsStore& store, std::string_view source);

// The key path with each part that matches the settings key's part at the
// same place (ignoring case) spelt as the settings key spells it.
std::string CanonicalKeyPath(std::string_view path);

}  // namespace cq
