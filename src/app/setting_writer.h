#pragma once
// Writes one value under the settings key the way every settings writer
// does: a registry access object for this one write, the key opened with
// create, the writer's kept text replaced only when the key opened, then the
// kept text written. A key that did not open makes the write raise the
// registry error "Failed to set data for '<name>'", which ends the handler.
#include <string>

#include "platform/services.h"

namespace cq {

void WriteSetting(SettingsStore& store, const std::string& name, std::string& kept, const std::string& text);

}  // namespace cq
