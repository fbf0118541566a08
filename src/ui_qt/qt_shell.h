#pragma once
// The shell's default action: the browser, the mail program, the document's
// own program, or the desktop's calculator and text editor.
#include "platform/services.h"

namespace cq::ui {

class QtShell : public Shell {
 public:
  void open(const std::string& target, const std::string& workingDir) override;
};

}  // namespace cq::ui
