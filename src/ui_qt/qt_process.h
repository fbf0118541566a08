#pragma once
// The running process: its end, its file and its current directory.
#include "platform/services.h"

namespace cq::ui {

class QtProcess : public Process {
 public:
  // Ends the process at once: no window closes and no handler runs. The
  // settings are already on disk (every write is synced).
  [[noreturn]] void exit(int status) override;
  std::string programPath() override;
  std::string currentDirectory() override;
};

}  // namespace cq::ui
