#include "app/setting_writer.h"

#include <exception>

#include "app/settings_key.h"
#include "platform/registry.h"

namespace cq {

namespace {
HeldSettingFailures* held = nullptr;
}  // namespace

HeldSettingFailures::HeldSettingFailures(Dialogs& dialogs)
    : dialogs_(dialogs), unwinding_(std::uncaught_exceptions()), outer_(held) {
  held = this;
}

HeldSettingFailures::~HeldSettingFailures() {
  held = outer_;
  if (first_ && std::uncaught_exceptions() > unwinding_) dialogs_.showError(FailedToSetData(*first_).message());
}

void HeldSettingFailures::raiseFirst() {
  if (!first_) return;
  const std::string name = *first_;
  first_.reset();
  throw FailedToSetData(name);
}

void WriteSetting(SettingsStore& store, const std::string& name, std::string& kept, const std::string& text) {
  Registry registry(store);
  if (registry.openKey(kSettingsKey, true)) kept = text;
  const bool written = registry.tryWriteString(name, kept);
  registry.closeKey();
  if (written) return;
  if (!held) throw FailedToSetData(name);
  if (!held->first_) held->first_ = name;
}

}  // namespace cq
