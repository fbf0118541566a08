#pragma once
// Opens a link by its kind. Addresses, programs and documents go to the
// shell with its default action, whose result is ignored: a target that
// cannot be opened shows nothing of the program's own and changes nothing.
#include <string>
#include <string_view>

#include "app/links.h"
#include "platform/application.h"
#include "platform/handlers.h"

namespace cq {

class LinkHandler {
 public:
  explicit LinkHandler(Application& app) : app_(&app) {}
  void open(const Link& link) const;

 private:
  void showWindow(std::string_view name, bool overMain) const;
  Application* app_;
};

// The folder of the program's file with its trailing separator; empty for a
// bare file name.
std::string ProgramFolder(const std::string& programPath);

// Registers the click handler of every link of that window class.
void RegisterLinks(HandlerRegistry& handlers, const LinkHandler& opener, std::string_view windowClass);

}  // namespace cq
