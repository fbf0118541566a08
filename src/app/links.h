#pragma once
// Every link of the program's windows as data: the handler a control's
// click is bound to, the kind of target it opens and that target's key.
// Controls that open the same page share one key.
#include <string_view>
#include <vector>

namespace cq {

enum class LinkKind {
  WebPage,          // the default browser
  WebDocument,      // a document on the web (a PDF), through the browser too
  MailLink,         // a new mail in the mail program
  HelperProgram,    // a desktop program found on the search path
  ProgramDocument,  // a document in the running program's own folder
  Window,           // one of the program's windows; the main window stays usable
  WindowOverMain,   // one of the program's windows, shown with the main window disabled
};

struct Link {
  std::string_view handler;  // "TForm1.HelpTopics1Click"
  LinkKind kind;
  // The address-book key (link_addresses.h); for the window kinds the
  // window's name.
  std::string_view key;
};

// The links whose handlers belong to that window class ("TForm1").
std::vector<Link> LinksOf(std::string_view windowClass);

}  // namespace cq
