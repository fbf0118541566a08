#pragma once
// Message boxes as real modal dialogs. Their nested event loop keeps the
// program's timers ticking while a box is open.
#include <functional>
#include <string>

#include "platform/services.h"

namespace cq::ui {

class QtDialogs : public Dialogs {
 public:
  // applicationTitle gives the caption of the info and error boxes; empty
  // means the program's name.
  explicit QtDialogs(std::function<std::string()> applicationTitle = {});

  void showInfo(const std::string& text) override;
  bool askYesNo(const std::string& text, const std::string& caption) override;
  void showError(const std::string& message) override;
  void showMathError(const std::string& title, const std::string& text) override;

  void setApplicationTitle(std::function<std::string()> applicationTitle) { title_ = std::move(applicationTitle); }

 private:
  std::string applicationTitle() const;
  std::function<std::string()> title_;
};

}  // namespace cq::ui
