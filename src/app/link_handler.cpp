#include "app/link_handler.h"

#include "app/link_addresses.h"
#include "platform/form.h"

namespace cq {

std::string ProgramFolder(const std::string& programPath) {
  const auto separator = programPath.find_last_of("/\\");
  return separator == std::string::npos ? std::string() : programPath.substr(0, separator + 1);
}

void LinkHandler::open(const Link& link) const {
  Services& services = app_->services();
  switch (link.kind) {
    case LinkKind::WebPage:
    case LinkKind::WebDocument:
    case LinkKind::MailLink:
    case LinkKind::HelperProgram:
      services.shell.open(std::string(LinkAddress(link.key)));
      return;
    case LinkKind::ProgramDocument: {
      // Beside the program's file, whatever the current directory is.
      const std::string folder = ProgramFolder(services.process.programPath());
      services.shell.open(folder + std::string(LinkAddress(link.key)), folder);
      return;
    }
    case LinkKind::Window: showWindow(link.key, false); return;
    case LinkKind::WindowOverMain: showWindow(link.key, true); return;
  }
}

void LinkHandler::showWindow(std::string_view name, bool overMain) const {
  Form& window = app_->form(std::string(name));
  // Not modal: the main window is disabled until the window closes, and the
  // window enables it again however it closes.
  if (overMain)
    if (Form* main = app_->mainForm()) main->setEnabled(false);
  window.show();
}

void RegisterLinks(HandlerRegistry& handlers, const LinkHandler& opener, std::string_view windowClass) {
  for (const Link& link : LinksOf(windowClass))
    handlers.add(std::string(link.handler), NotifyEvent([opener, link](Control*) { opener.open(link); }));
}

}  // namespace cq
