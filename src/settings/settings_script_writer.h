#pragma once
// Puts the settings script on disk.
#include <string>

#include "platform/errors.h"

namespace cq {

// A file that cannot be created or written: "Cannot create file "<path>"".
class FileCreateError : public FrameworkError {
 public:
  using FrameworkError::FrameworkError;
};

// directory, the platform's path separator, name. No length limit.
std::string JoinPath(const std::string& directory, const std::string& name);

// The script's full path in directory.
std::string SettingsScriptPath(const std::string& directory);

// Creates the file at path (replacing one that is there) and writes the
// script's bytes exactly. Throws FileCreateError when the file cannot be
// created or written completely.
void WriteSettingsScript(const std::string& path);

}  // namespace cq
