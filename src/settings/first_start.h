#pragma once
// The first start on a machine: no installer has run, so the settings key
// does not exist at all. The program then installs the settings the
// installer would have written, and starts as after an installation. A key
// that exists is left as it is, however incomplete.
#include "platform/services.h"

namespace cq {

void InstallSettingsOnFirstStart(SettingsStore& store);

}  // namespace cq
