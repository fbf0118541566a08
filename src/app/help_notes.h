#pragma once
// The short notes of the Help menu and of the pages' help and "!" buttons:
// each click shows its text in the info box and changes nothing else.
#include "app/window_part.h"
#include "platform/application.h"

namespace cq {

class HelpNoteButtons : public WindowPart {
 public:
  explicit HelpNoteButtons(Application& app) : app_(app) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form&) override {}

 private:
  Application& app_;
};

}  // namespace cq
