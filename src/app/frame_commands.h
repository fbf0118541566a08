#pragma once
// The main window's own commands: printing, printer setup, exit and the
// close query.
#include "app/window_part.h"
#include "platform/application.h"

namespace cq {

class FrameCommands : public WindowPart {
 public:
  explicit FrameCommands(Application& app) : app_(app) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void Button2Click(Control* sender);  // "Print", also File > "&Print Form"
  void PrinterSetup1Click(Control* sender);
  void Exit1Click(Control* sender);
  void FormCloseQuery(Form* sender, bool& canClose);

 private:
  Application& app_;
  Form* form_ = nullptr;
  Label* printing_ = nullptr;
  ProgressBar* progress_ = nullptr;
};

}  // namespace cq
