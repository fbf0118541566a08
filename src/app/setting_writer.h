#pragma once
// Writes one value under the settings key the way every settings writer
// does: a registry access object for this one write, the key opened with
// create, the writer's kept text replaced only when the key opened, then the
// kept text written. A key that did not open makes the write raise the
// registry error "Failed to set data for '<name>'", which ends the handler.
#include <optional>
#include <string>

#include "platform/services.h"

namespace cq {

void WriteSetting(SettingsStore& store, const std::string& name, std::string& kept, const std::string& text);

// While one is alive, a refused write does not end the handler: the first
// refused name is held, and raiseFirst() raises its registry error. A chain
// of handlers that must not stop half way (the Units switch) finishes on
// screen and reports the failure once. A handler that stores the user's
// choice before the solves it starts holds a refusal this way, so that the
// window still shows the whole change, and reports it where its own work
// ends. Left by another error before
// raiseFirst(), it shows the held failure in the error box first, so a lost
// write never passes for a stored one.
class HeldSettingFailures {
 public:
  explicit HeldSettingFailures(Dialogs& dialogs);
  ~HeldSettingFailures();
  HeldSettingFailures(const HeldSettingFailures&) = delete;
  HeldSettingFailures& operator=(const HeldSettingFailures&) = delete;

  void raiseFirst();

 private:
  friend void WriteSetting(SettingsStore&, const std::string&, std::string&, const std::string&);
  Dialogs& dialogs_;
  int unwinding_;
  HeldSettingFailures* outer_;
  std::optional<std::string> first_;
};

}  // namespace cq
