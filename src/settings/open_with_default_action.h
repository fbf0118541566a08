#pragma once
// Opens a document with its default action. The default action of a
// registry script is the system's registry import; on a platform without a
// registry the program imports the script into its own settings store.
#include <string>

#include "platform/services.h"

namespace cq {

#ifdef _WIN32
inline constexpr bool kPlatformHasRegistry = true;
#else
inline constexpr bool kPlatformHasRegistry = false;
#endif

// target is a file name relative to directory. A ".reg" target without a
// registry is read and imported at once; a failure to read or import throws
// SettingsScriptError. Everything else goes to the shell, whose failures
// are silent.
void OpenWithDefaultAction(Services& services, const std::string& target, const std::string& directory,
                           bool platformHasRegistry = kPlatformHasRegistry);

}  // namespace cq
